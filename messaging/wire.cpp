#include "messaging/wire.h"

#include <QStringDecoder>

namespace pictova {

namespace {
// Characters the 8-bit form can carry: every one below the terminator.
bool fitsEightBits(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0xFF)
            return false;
    return true;
}

bool isAscii(const QByteArray& bytes)
{
    for (const char byte : bytes)
        if (static_cast<unsigned char>(byte) >= 0x80)
            return false;
    return true;
}
} // namespace

bool isValidUtf8(const QByteArray& bytes)
{
    // Qt's decoder flags overlong forms, surrogates, code points past U+10FFFF and a cut
    // sequence at the end as errors.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString decoded = decoder.decode(bytes);
    return !decoder.hasError();
}

QByteArray toWire(const QString& text)
{
    if (fitsEightBits(text)) {
        QByteArray eightBit = text.toLatin1();
        // A few 8-bit texts ("Ã©") happen to be UTF-8 too; a reader would take them for it.
        if (isAscii(eightBit) || !isValidUtf8(eightBit))
            return eightBit;
    }
    return text.toUtf8();
}

QString fromWire(const QByteArray& bytes)
{
    if (isValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    return QString::fromLatin1(bytes);
}

QString withoutTerminator(const QString& text)
{
    QString cleaned = text;
    cleaned.remove(QChar(0xFF));
    return cleaned;
}

QString upperCase(const QString& text)
{
    if (!fitsEightBits(text))
        return text.toUpper();
    QString upper;
    upper.reserve(text.size());
    for (const QChar c : text) {
        const QString capital = QString(c).toUpper();
        upper += fitsEightBits(capital) ? capital : QString(c);
    }
    return upper;
}

} // namespace pictova
