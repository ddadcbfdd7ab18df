#include "board/snapshotbrowser.h"

#include "board/jpegcodec.h"
#include "messaging/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace pictova {

SnapshotBrowser::SnapshotBrowser(QString folder) : m_folder(std::move(folder)) {}

void SnapshotBrowser::fill()
{
    m_entries = QDir(m_folder).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Unsorted);
    m_selected = m_entries.isEmpty() ? -1 : 0;
}

void SnapshotBrowser::setSelected(int index)
{
    m_selected = (index >= 0 && index < m_entries.size()) ? index : -1;
}

bool SnapshotBrowser::previous()
{
    if (m_selected <= 0)
        return false;
    --m_selected;
    return true;
}

bool SnapshotBrowser::next()
{
    if (m_selected + 1 >= m_entries.size())
        return false;
    ++m_selected;
    return true;
}

bool SnapshotBrowser::selectAt(int index)
{
    if (index < 0 || index >= m_entries.size())
        return false;
    m_selected = index;
    return true;
}

QString SnapshotBrowser::pathOf(int index) const
{
    if (index < 0 || index >= m_entries.size())
        return QString();
    return QDir(m_folder).filePath(m_entries.at(index));
}

void SnapshotBrowser::deleteSelected()
{
    if (m_selected < 0 || m_selected >= m_entries.size())
        throw PictovaError(QStringLiteral("List index out of bounds (%1)").arg(m_selected));
    const QString path = selectedPath();
    if (QFile::exists(path))
        QFile::remove(path);
    m_entries.removeAt(m_selected);
    // The entry after it moves into its place; past the end, the one before it.
    if (m_selected >= m_entries.size())
        m_selected = int(m_entries.size()) - 1;
}

QImage SnapshotBrowser::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes)
        throw PictovaError(QCoreApplication::translate("pictova::errors", "Cannot open file \"%1\"")
                               .arg(QDir::toNativeSeparators(path)));
    return decodeJpeg(file.readAll());
}

} // namespace pictova
