#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace pictova {

// An INI file read and written the way the classic profile routines treat it: section and key
// names match without regard to case, values are stored raw (no quoting, no escaping; only the
// first "=" separates key from value), and every line we do not change is written back byte for
// byte, comments and foreign sections included.
class IniFile
{
public:
    explicit IniFile(QString path);

    QString path() const { return m_path; }

    // The trimmed value of the first matching key in the first matching section, else `fallback`.
    QString readString(const QString& section, const QString& key, const QString& fallback) const;
    // A whole number in decimal, or hexadecimal after "$" or "0x"; anything else gives `fallback`.
    qint32 readInteger(const QString& section, const QString& key, qint32 fallback) const;

    // Changes the value in memory: an existing key keeps its place, a new key goes to the end of
    // its section, a new section to the end of the file.
    void writeString(const QString& section, const QString& key, const QString& value);

    // Replaces the file at once, so an interrupted save never leaves half a settings file.
    // Throws PictovaError("Unable to write to <path>").
    void save();

    // The text the next save writes.
    QByteArray contents() const;

private:
    std::optional<qsizetype> findSection(const QString& section) const;
    qsizetype sectionEnd(qsizetype header) const;
    std::optional<qsizetype> findKey(qsizetype header, const QString& key) const;

    struct Line
    {
        QByteArray raw;                    // with its own line ending, so untouched lines stay exact
        std::optional<QByteArray> section; // the name, on a section header
        std::optional<QByteArray> key;     // the key, on a "key=value" line
    };
    static Line parsed(QByteArray raw);

    QString m_path;
    QList<Line> m_lines;
    QByteArray m_eol = "\n";   // for lines we add: the file's own CRLF or LF
    bool m_unreadable = false; // a file we could not read must not be replaced by our few keys
};

} // namespace pictova
