#include "messaging/peertext.h"

#include <algorithm>

namespace pictova::peertext {

namespace {
constexpr char16_t kFirstStrongIsolate = 0x2068;
constexpr char16_t kPopDirectionalIsolate = 0x2069;

bool opensIsolate(char16_t u)
{
    return u >= 0x2066 && u <= 0x2068;
}
} // namespace

bool isBidiControl(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069) || u == 0x200E || u == 0x200F ||
           u == 0x061C;
}

bool holdsBidiControl(const QString& text)
{
    return std::any_of(text.begin(), text.end(), isBidiControl);
}

QString escapedForLog(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\')) {
            out += QStringLiteral("\\\\");
        } else if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
                   c == QChar::ParagraphSeparator || isBidiControl(c)) {
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    return out;
}

QString isolated(const QString& text)
{
    if (!holdsBidiControl(text))
        return text;
    QString out;
    out.reserve(text.size() + 4);
    out += QChar(kFirstStrongIsolate);
    int open = 0;
    for (const QChar c : text) {
        if (opensIsolate(c.unicode())) {
            ++open;
        } else if (c.unicode() == kPopDirectionalIsolate) {
            // One that closes nothing of the text's own would close the isolate around it.
            if (open == 0)
                continue;
            --open;
        }
        out += c;
    }
    // The closing isolate also ends every embedding and override opened inside it.
    out += QString(open + 1, QChar(kPopDirectionalIsolate));
    return out;
}

} // namespace pictova::peertext
