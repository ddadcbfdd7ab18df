#include "shell/inifile.h"

#include "messaging/errors.h"
#include "messaging/integer.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>

namespace pictova {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// A view into the line, not a copy.
QByteArrayView trimmed(QByteArrayView bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && isBlank(bytes[begin]))
        ++begin;
    while (end > begin && isBlank(bytes[end - 1]))
        --end;
    return bytes.sliced(begin, end - begin);
}

// Settings written by us are UTF-8; a file edited with an older tool may hold Latin-1.
QString decode(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

char asciiLower(char16_t c)
{
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

bool sameName(QByteArrayView bytes, const QString& name)
{
    // Names are nearly always plain ASCII on both sides, and then a byte-wise comparison gives
    // what the full case folding below gives.
    const bool ascii =
        std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<uchar>(c) < 0x80; }) &&
        std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (!ascii)
        return decode(bytes).compare(name, Qt::CaseInsensitive) == 0;
    if (bytes.size() != name.size())
        return false;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (asciiLower(static_cast<uchar>(bytes[i])) != asciiLower(name[i].unicode()))
            return false;
    return true;
}

// The section name of a header line, or nothing for any other line.
std::optional<QByteArrayView> headerName(QByteArrayView line)
{
    const QByteArrayView text = trimmed(line);
    if (!text.startsWith('['))
        return std::nullopt;
    qsizetype close = text.indexOf(']');
    if (close < 0)
        close = text.size();
    return trimmed(text.sliced(1, close - 1));
}

struct KeyLine
{
    QByteArrayView key;
    QByteArrayView value;
};

std::optional<KeyLine> keyLine(QByteArrayView line)
{
    const QByteArrayView text = trimmed(line);
    if (text.isEmpty() || text.startsWith(';'))
        return std::nullopt;
    const qsizetype equals = text.indexOf('=');
    if (equals <= 0)
        return std::nullopt;
    return KeyLine{trimmed(text.first(equals)), trimmed(text.sliced(equals + 1))};
}

// A value must stay on its own line, or it would break the file apart for every later read.
QByteArray oneLine(const QString& value)
{
    QByteArray bytes = value.toUtf8();
    for (char& c : bytes)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    return bytes;
}

} // namespace

// Each line is read once, when it enters the file: a read of our fifteen keys then compares
// names instead of parsing every line fifteen times over.
IniFile::Line IniFile::parsed(QByteArray raw)
{
    Line line;
    if (const auto header = headerName(raw))
        line.section = header->toByteArray();
    else if (const auto entry = keyLine(raw))
        line.key = entry->key.toByteArray();
    line.raw = std::move(raw);
    return line;
}

IniFile::IniFile(QString path) : m_path(std::move(path))
{
    QFile file(m_path);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        m_unreadable = true;
        return;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.contains("\r\n"))
        m_eol = "\r\n";
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', start);
        const qsizetype end = newline < 0 ? bytes.size() : newline + 1;
        m_lines.append(parsed(bytes.sliced(start, end - start)));
        start = end;
    }
}

std::optional<qsizetype> IniFile::findSection(const QString& section) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const auto& name = m_lines[i].section;
        if (name && sameName(*name, section))
            return i;
    }
    return std::nullopt;
}

qsizetype IniFile::sectionEnd(qsizetype header) const
{
    qsizetype i = header + 1;
    while (i < m_lines.size() && !m_lines[i].section)
        ++i;
    return i;
}

std::optional<qsizetype> IniFile::findKey(qsizetype header, const QString& key) const
{
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const auto& name = m_lines[i].key;
        if (name && sameName(*name, key))
            return i;
    }
    return std::nullopt;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& fallback) const
{
    const auto header = findSection(section);
    if (!header)
        return fallback;
    const auto line = findKey(*header, key);
    if (!line)
        return fallback;
    return decode(keyLine(m_lines[*line].raw)->value);
}

qint32 IniFile::readInteger(const QString& section, const QString& key, qint32 fallback) const
{
    const auto header = findSection(section);
    if (!header || !findKey(*header, key))
        return fallback;
    return tryParseInteger(readString(section, key, QString())).value_or(fallback);
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    const auto endLine = [this](qsizetype index) {
        if (index >= 0 && index < m_lines.size() && !m_lines[index].raw.endsWith('\n'))
            m_lines[index].raw.append(m_eol);
    };
    const QByteArray encodedValue = oneLine(value);

    const auto header = findSection(section);
    if (!header) {
        endLine(m_lines.size() - 1);
        m_lines.append(parsed('[' + oneLine(section) + ']' + m_eol));
        m_lines.append(parsed(oneLine(key) + '=' + encodedValue + m_eol));
        return;
    }
    if (const auto line = findKey(*header, key)) {
        QByteArray& raw = m_lines[*line].raw;
        const QByteArray ending = raw.endsWith("\r\n") ? QByteArray("\r\n")
                                  : raw.endsWith('\n') ? QByteArray("\n")
                                                       : QByteArray();
        raw = keyLine(raw)->key.toByteArray() + '=' + encodedValue + ending;
        return;
    }
    // After the section's last non-blank line, so blank lines that part it from the next
    // section stay where they are.
    qsizetype last = sectionEnd(*header) - 1;
    while (last > *header && trimmed(m_lines[last].raw).isEmpty())
        --last;
    endLine(last);
    m_lines.insert(last + 1, parsed(oneLine(key) + '=' + encodedValue + m_eol));
}

QByteArray IniFile::contents() const
{
    QByteArray all;
    for (const Line& line : m_lines)
        all.append(line.raw);
    return all;
}

void IniFile::save()
{
    const PictovaError failure(
        QCoreApplication::translate("pictova::errors", "Unable to write to %1").arg(m_path));
    if (m_unreadable)
        throw failure;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        throw failure;
    const QByteArray all = contents();
    if (file.write(all) != all.size()) {
        file.cancelWriting();
        throw failure;
    }
    if (!file.commit())
        throw failure;
}

} // namespace pictova
