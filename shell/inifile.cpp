#include "shell/inifile.h"

#include "messaging/errors.h"
#include "messaging/integer.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace pictova {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

QByteArray trimmed(QByteArrayView bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && isBlank(bytes[begin]))
        ++begin;
    while (end > begin && isBlank(bytes[end - 1]))
        --end;
    return bytes.sliced(begin, end - begin).toByteArray();
}

// Settings written by us are UTF-8; a file edited with an older tool may hold Latin-1.
QString decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

bool sameName(const QByteArray& bytes, const QString& name)
{
    return decode(bytes).compare(name, Qt::CaseInsensitive) == 0;
}

// The section name of a header line, or nothing for any other line.
std::optional<QByteArray> headerName(const QByteArray& line)
{
    const QByteArray text = trimmed(line);
    if (!text.startsWith('['))
        return std::nullopt;
    qsizetype close = text.indexOf(']');
    if (close < 0)
        close = text.size();
    return trimmed(QByteArrayView(text).sliced(1, close - 1));
}

struct KeyLine
{
    QByteArray key;
    QByteArray value;
};

std::optional<KeyLine> keyLine(const QByteArray& line)
{
    const QByteArray text = trimmed(line);
    if (text.isEmpty() || text.startsWith(';'))
        return std::nullopt;
    const qsizetype equals = text.indexOf('=');
    if (equals <= 0)
        return std::nullopt;
    return KeyLine{trimmed(QByteArrayView(text).first(equals)),
                   trimmed(QByteArrayView(text).sliced(equals + 1))};
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
        m_lines.append(bytes.sliced(start, end - start));
        start = end;
    }
}

std::optional<qsizetype> IniFile::findSection(const QString& section) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const auto name = headerName(m_lines[i]);
        if (name && sameName(*name, section))
            return i;
    }
    return std::nullopt;
}

qsizetype IniFile::sectionEnd(qsizetype header) const
{
    qsizetype i = header + 1;
    while (i < m_lines.size() && !headerName(m_lines[i]))
        ++i;
    return i;
}

std::optional<qsizetype> IniFile::findKey(qsizetype header, const QString& key) const
{
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const auto entry = keyLine(m_lines[i]);
        if (entry && sameName(entry->key, key))
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
    return decode(keyLine(m_lines[*line])->value);
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
        if (index >= 0 && index < m_lines.size() && !m_lines[index].endsWith('\n'))
            m_lines[index].append(m_eol);
    };
    const QByteArray encodedValue = oneLine(value);

    const auto header = findSection(section);
    if (!header) {
        endLine(m_lines.size() - 1);
        m_lines.append('[' + oneLine(section) + ']' + m_eol);
        m_lines.append(oneLine(key) + '=' + encodedValue + m_eol);
        return;
    }
    if (const auto line = findKey(*header, key)) {
        QByteArray& raw = m_lines[*line];
        const QByteArray ending = raw.endsWith("\r\n") ? QByteArray("\r\n")
                                  : raw.endsWith('\n') ? QByteArray("\n")
                                                       : QByteArray();
        raw = keyLine(raw)->key + '=' + encodedValue + ending;
        return;
    }
    // After the section's last non-blank line, so blank lines that part it from the next
    // section stay where they are.
    qsizetype last = sectionEnd(*header) - 1;
    while (last > *header && trimmed(m_lines[last]).isEmpty())
        --last;
    endLine(last);
    m_lines.insert(last + 1, oneLine(key) + '=' + encodedValue + m_eol);
}

QByteArray IniFile::contents() const
{
    QByteArray all;
    for (const QByteArray& line : m_lines)
        all.append(line);
    return all;
}

void IniFile::save()
{
    const PictovaError failure(QStringLiteral("Unable to write to ") + m_path);
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
