#pragma once

#include <QString>

namespace pictova {

class PlayerTable;

// The name a log-in is seated under, settled before anyone sees it: a server open to the
// internet keeps names short, and every seat must be told apart in every list.
namespace playernames {

inline constexpr qsizetype kMaxLength = 32;

// Cut to at most kMaxLength characters, never inside one a reader sees as one (see textcap).
QString capped(const QString& name, qsizetype length = kMaxLength);

// `requested` capped; a blank name becomes "Player <seat>"; a name another occupied seat
// holds gets " 2", " 3", ... (the first free one), the cap still kept.
QString settle(const QString& requested, int seat, const PlayerTable& players);

} // namespace playernames
} // namespace pictova
