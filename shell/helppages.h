#pragma once

#include <QList>
#include <QString>

namespace pictova {

// One page of the help window: the number its button carries, the title on that button and on
// the page's first line, and the page itself (rich text of our own).
struct HelpPage
{
    int tag;
    QString title;
    QString html;
};

// In the order of the help window's buttons, in the player's language.
QList<HelpPage> helpPages();

} // namespace pictova
