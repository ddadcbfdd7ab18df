#include "server/textcap.h"

#include <QTextBoundaryFinder>

namespace pictova::textcap {

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
        for (qsizetype i = from; i < to; ++i)
            if (!text.at(i).isLowSurrogate())
                ++characters;
        if (characters > maxCharacters)
            break;
        kept = to;
        from = to;
    }
    return text.left(kept);
}

} // namespace pictova::textcap
