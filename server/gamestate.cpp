#include "server/gamestate.h"

namespace pictova {

QString phaseName(Phase phase)
{
    switch (phase) {
    case Phase::Picking:
        return QStringLiteral("picking");
    case Phase::Drawing:
        return QStringLiteral("drawing");
    case Phase::Break:
        return QStringLiteral("break");
    case Phase::None:
        break;
    }
    return {};
}

} // namespace pictova
