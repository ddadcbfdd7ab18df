#include "server/textcap.h"

#include <QTextBoundaryFinder>

namespace pictova::textcap {

qsizetype characterCount(QStringView text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        ++count;
    }
    return count;
}

QString capped(const QString& text, qsizetype maxCharacters)
{
    // Most texts are short enough as they are.
    if (text.size() <= maxCharacters)
        return text;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    qsizetype kept = 0; // where the last whole grapheme that fits ends
    qsizetype characters = 0;
    qsizetype from = 0;
    while (true) {
        const qsizetype to = graphemes.toNextBoundary();
        if (to < 0)
            break;
        characters += characterCount(QStringView(text).sliced(from, to - from));
        if (characters > maxCharacters)
            break;
        kept = to;
        from = to;
    }
    return text.left(kept);
}

} // namespace pictova::textcap
