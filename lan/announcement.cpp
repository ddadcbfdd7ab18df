#include "lan/announcement.h"

#include <QList>
#include <QStringDecoder>
#include <QStringView>

namespace pictova::lan {

namespace {

constexpr int kMaxNumberDigits = 5;

// One Unicode code point at a time, lone surrogates reported as themselves (not as a pair).
template <typename Visit> void forEachCodePoint(QStringView text, Visit visit)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            if (!visit(QChar::surrogateToUcs4(c, text[i + 1]), true))
                return;
            ++i;
        } else if (!visit(c.unicode(), false)) {
            return;
        }
    }
}

bool isBreakingCharacter(char32_t codePoint)
{
    const QChar::Category category = QChar::category(codePoint);
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph;
}

bool isValidHostName(const QString& name)
{
    qsizetype count = 0;
    bool valid = true;
    forEachCodePoint(name, [&](char32_t codePoint, bool pair) {
        const bool loneSurrogate = !pair && QChar::isSurrogate(codePoint);
        valid = !loneSurrogate && !isBreakingCharacter(codePoint) && ++count <= kMaxNameLength;
        return valid;
    });
    return valid;
}

bool isValidVersion(const QString& version)
{
    if (version.isEmpty() || version.size() > kMaxVersionLength)
        return false;
    for (const QChar c : version) {
        const char16_t u = c.unicode();
        const bool alphanumeric = (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
        if (!alphanumeric && u != '.' && u != '+' && u != '_' && u != '~' && u != '-')
            return false;
    }
    return true;
}

std::optional<int> parseNumber(QStringView text, int minimum, int maximum)
{
    if (text.isEmpty() || text.size() > kMaxNumberDigits)
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

// Every field seen once: a repeated key could otherwise make two listeners read different values.
struct SeenFields
{
    bool name = false, port = false, players = false, freeSeats = false, running = false, version = false,
         web = false;

    bool all() const { return name && port && players && freeSeats && running && version; }
};

bool takeOnce(bool& seen)
{
    if (seen)
        return false;
    seen = true;
    return true;
}

bool readField(QStringView key, QStringView value, Announcement& out, SeenFields& seen)
{
    if (key == u"name") {
        out.hostName = value.toString();
        return takeOnce(seen.name) && isValidHostName(out.hostName);
    }
    if (key == u"version") {
        out.version = value.toString();
        return takeOnce(seen.version) && isValidVersion(out.version);
    }
    if (key == u"running") {
        out.running = value == u"1";
        return takeOnce(seen.running) && (value == u"0" || value == u"1");
    }
    std::optional<int> number;
    bool* seenFlag = nullptr;
    if (key == u"port") {
        number = parseNumber(value, 1, 65535);
        if (number)
            out.port = static_cast<quint16>(*number);
        seenFlag = &seen.port;
    } else if (key == u"players") {
        number = parseNumber(value, 0, kMaxSeatCount);
        out.players = number.value_or(0);
        seenFlag = &seen.players;
    } else if (key == u"free") {
        number = parseNumber(value, 0, kMaxSeatCount);
        out.freeSeats = number.value_or(0);
        seenFlag = &seen.freeSeats;
    } else if (key == u"web") {
        number = parseNumber(value, 1, 65535);
        out.webPort = static_cast<quint16>(number.value_or(0));
        seenFlag = &seen.web;
    } else {
        return true; // a field of a later sender
    }
    return takeOnce(*seenFlag) && number.has_value();
}

bool isKey(QStringView key)
{
    if (key.isEmpty())
        return false;
    for (const QChar c : key)
        if (!((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_' || c == u'-'))
            return false;
    return true;
}

} // namespace

bool isValidAnnouncement(const Announcement& announcement)
{
    return isValidHostName(announcement.hostName) && isValidVersion(announcement.version) &&
           announcement.port >= 1 && announcement.players >= 0 && announcement.players <= kMaxSeatCount &&
           announcement.freeSeats >= 0 && announcement.freeSeats <= kMaxSeatCount;
}

std::optional<QByteArray> buildAnnouncement(const Announcement& announcement)
{
    if (!isValidAnnouncement(announcement))
        return std::nullopt;
    QByteArray datagram = kAnnouncementTag;
    datagram += "\nname=" + announcement.hostName.toUtf8();
    datagram += "\nport=" + QByteArray::number(announcement.port);
    datagram += "\nplayers=" + QByteArray::number(announcement.players);
    datagram += "\nfree=" + QByteArray::number(announcement.freeSeats);
    datagram += announcement.running ? "\nrunning=1" : "\nrunning=0";
    datagram += "\nversion=" + announcement.version.toLatin1() + '\n';
    if (announcement.webPort != 0)
        datagram += "web=" + QByteArray::number(announcement.webPort) + '\n';
    // The longest valid fields (32 four-byte characters) come to about 210 bytes.
    Q_ASSERT(datagram.size() <= kMaxDatagramSize);
    return datagram;
}

std::optional<Announcement> parseAnnouncement(const QByteArray& datagram)
{
    static const QByteArray firstLine = QByteArray(kAnnouncementTag) + '\n';
    if (datagram.size() > kMaxDatagramSize || !datagram.startsWith(firstLine) || !datagram.endsWith('\n'))
        return std::nullopt;
    // A byte-order mark is kept as a character, so it cannot hide in front of the tag.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString text = decoder(datagram.sliced(firstLine.size()));
    if (decoder.hasError())
        return std::nullopt;

    Announcement announcement;
    SeenFields seen;
    const QStringView body(text);
    qsizetype start = 0;
    while (start < body.size()) {
        const qsizetype end = body.indexOf(u'\n', start);
        const QStringView line = body.sliced(start, end - start);
        start = end + 1;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            return std::nullopt;
        const QStringView key = line.first(equals);
        const QStringView value = line.sliced(equals + 1);
        for (const QChar c : value)
            if (c.category() == QChar::Other_Control)
                return std::nullopt;
        if (!isKey(key) || !readField(key, value, announcement, seen))
            return std::nullopt;
    }
    if (!seen.all())
        return std::nullopt;
    return announcement;
}

QString fitHostName(const QString& name)
{
    QString fitted;
    qsizetype count = 0;
    forEachCodePoint(name, [&](char32_t codePoint, bool pair) {
        if (++count > kMaxNameLength)
            return false;
        if (!pair && QChar::isSurrogate(codePoint))
            fitted += QChar(QChar::ReplacementCharacter);
        else if (isBreakingCharacter(codePoint))
            fitted += u' ';
        else
            fitted += QStringView(QChar::fromUcs4(codePoint));
        return true;
    });
    return fitted;
}

} // namespace pictova::lan
