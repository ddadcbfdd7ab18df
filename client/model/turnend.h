#pragma once

#include <QMetaType>
#include <QString>

namespace pictova {

// How the phrase of a turn was settled.
enum class TurnEndKind { Answered, TimedOut, Passed };

// The end of a phrase as this copy learns it: a right answer, the time running out, or the
// drawer buying another phrase (the drawing goes on, the phrase does not).
struct TurnEnd
{
    TurnEndKind kind = TurnEndKind::Answered;
    // The phrase as far as this copy knows it: the answer when it was revealed, the drawer's own
    // phrase at a pass, and for the others the hint as it stood before the pass.
    QString phrase;
    int drawerSeat = 0;
    QString drawerName;
    int guesserSeat = 0; // 0 unless answered
    QString guesserName;
};

} // namespace pictova

Q_DECLARE_METATYPE(pictova::TurnEnd)
