#include "chat/links.h"

#include <array>

namespace pictova {

namespace {
// Checked in this order: the first one that occurs anywhere in the word decides.
constexpr std::array<const char*, 8> kPrefixes = {"http://",   "ftp://", "file://", "gopher://",
                                                  "telnet://", "news:",  "mailto:", "www."};

bool isWordBreak(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\r') || c == QLatin1Char('\n') ||
           c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

// Only ASCII letters change, so positions in the lower-case form match the original.
QString asciiLower(const QString& text)
{
    QString lower = text;
    for (QChar& c : lower)
        if (c.unicode() >= u'A' && c.unicode() <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    return lower;
}

bool endsLink(QChar lowerChar)
{
    const char16_t c = lowerChar.unicode();
    return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'/';
}
} // namespace

std::optional<LinkSpan> linkAt(const QString& line, qsizetype position)
{
    if (position < 0 || position > line.size())
        return std::nullopt;
    qsizetype begin = position;
    while (begin > 0 && !isWordBreak(line.at(begin - 1)))
        --begin;
    qsizetype end = position;
    while (end < line.size() && !isWordBreak(line.at(end)))
        ++end;
    if (begin == end)
        return std::nullopt;

    const QString word = line.mid(begin, end - begin);
    const QString lower = asciiLower(word);
    for (const char* prefix : kPrefixes) {
        const QString prefixText = QString::fromLatin1(prefix);
        const qsizetype at = lower.indexOf(prefixText);
        if (at < 0)
            continue;
        qsizetype linkEnd = lower.size();
        while (linkEnd > at && !endsLink(lower.at(linkEnd - 1)))
            --linkEnd;
        if (linkEnd - at <= prefixText.size())
            return std::nullopt;
        return LinkSpan{begin + at, word.mid(at, linkEnd - at)};
    }
    return std::nullopt;
}

std::optional<QUrl> urlToOpen(const QString& link)
{
    const QString lower = asciiLower(link);
    QUrl url;
    if (lower.startsWith(QLatin1String("www.")))
        url = QUrl(QStringLiteral("http://") + link, QUrl::StrictMode);
    else if (lower.startsWith(QLatin1String("http://")) || lower.startsWith(QLatin1String("ftp://")) ||
             lower.startsWith(QLatin1String("mailto:")) || lower.startsWith(QLatin1String("news:")))
        url = QUrl(link, QUrl::StrictMode);
    // Links to local files and to old remote-shell services came from another player; opening
    // them would let a peer run or reveal things on this machine.
    if (!url.isValid() || url.isEmpty())
        return std::nullopt;
    return url;
}

} // namespace pictova
