#include "messaging/wire.h"

namespace pictova {

QByteArray toWire(const QString& text) { return text.toLatin1(); }

QString fromWire(const QByteArray& bytes) { return QString::fromLatin1(bytes); }

QString withoutTerminator(const QString& text)
{
    QString cleaned = text;
    cleaned.remove(QChar(0xFF));
    return cleaned;
}

QString upperAsciiLetters(const QString& text)
{
    QString upper = text;
    for (QChar& c : upper)
        if (c.unicode() >= u'a' && c.unicode() <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    return upper;
}

} // namespace pictova
