#pragma once

namespace pictova {

// A value that moves in fixed steps between two limits and never leaves them or its steps:
// what an up-down control bound to a read-only field allows.
class SteppedRange
{
public:
    SteppedRange(int minimum, int maximum, int step, int position);

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int step() const { return m_step; }
    int position() const { return m_position; }

    // One step up or down, stopping at the limit (no wrap-around); true if the value changed.
    bool stepUp();
    bool stepDown();

    // Takes any value: outside the limits it stops at the nearer limit, between steps it goes to
    // the nearest step (halfway rounds up).
    void setPosition(int value);

private:
    int m_minimum;
    int m_maximum;
    int m_step;
    int m_position;
};

} // namespace pictova
