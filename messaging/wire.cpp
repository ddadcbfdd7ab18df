#include "messaging/wire.h"

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
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        const unsigned char lead = data[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int extra = 0;
        unsigned char low = 0x80; // the bounds of the first continuation byte
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            if (lead == 0xE0)
                low = 0xA0; // overlong below U+0800
            else if (lead == 0xED)
                high = 0x9F; // surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            if (lead == 0xF0)
                low = 0x90; // overlong below U+10000
            else if (lead == 0xF4)
                high = 0x8F; // past U+10FFFF
        } else {
            return false;
        }
        if (size - i <= extra)
            return false;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char next = data[i + k];
            const unsigned char lo = k == 1 ? low : 0x80;
            const unsigned char hi = k == 1 ? high : 0xBF;
            if (next < lo || next > hi)
                return false;
        }
        i += extra + 1;
    }
    return true;
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

QString upperAsciiLetters(const QString& text)
{
    QString upper = text;
    for (QChar& c : upper)
        if (c.unicode() >= u'a' && c.unicode() <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    return upper;
}

} // namespace pictova
