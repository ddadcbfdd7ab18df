#include "shell/steppedrange.h"

#include <algorithm>

namespace pictova {

SteppedRange::SteppedRange(int minimum, int maximum, int step, int position)
    : m_minimum(minimum), m_maximum(std::max(minimum, maximum)), m_step(std::max(1, step)),
      m_position(minimum)
{
    // The top must itself lie on a step, or stepping up could never reach it exactly.
    m_maximum = m_minimum + (m_maximum - m_minimum) / m_step * m_step;
    setPosition(position);
}

bool SteppedRange::stepUp()
{
    const int before = m_position;
    setPosition(m_position + m_step);
    return m_position != before;
}

bool SteppedRange::stepDown()
{
    const int before = m_position;
    setPosition(m_position - m_step);
    return m_position != before;
}

void SteppedRange::setPosition(int value)
{
    const long long clamped = std::clamp<long long>(value, m_minimum, m_maximum);
    const long long offset = clamped - m_minimum;
    const long long steps = (offset + m_step / 2) / m_step;
    m_position = static_cast<int>(std::min<long long>(m_minimum + steps * m_step, m_maximum));
}

} // namespace pictova
