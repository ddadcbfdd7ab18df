#pragma once

#include <QString>
#include <QUrl>
#include <optional>

namespace pictova {

// A link found in a line of the chat log: where it starts, and its text as the line shows it.
struct LinkSpan
{
    qsizetype start = 0;
    QString text;
};

// The link in the word at `position` of `line`, if that word holds one. A word runs between
// blanks and line breaks; the link starts at the first known prefix found in it and loses
// trailing punctuation.
std::optional<LinkSpan> linkAt(const QString& line, qsizetype position);

// The address to hand to the desktop for a link, or nothing for kinds that are not opened.
std::optional<QUrl> urlToOpen(const QString& link);

} // namespace pictova
