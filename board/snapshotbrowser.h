#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace pictova {

// The snapshot viewer's list and selection, without widgets: which files there are, which one
// is selected, stepping, deleting and loading.
class SnapshotBrowser
{
public:
    // Files larger than this are not read at all.
    static constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;

    explicit SnapshotBrowser(QString folder = QString());

    QString folder() const { return m_folder; }
    void setFolder(const QString& folder) { m_folder = folder; }

    // Every "*.jpg" of the folder in the order the file system gives; the first one selected.
    void fill();
    const QStringList& entries() const { return m_entries; }
    int selected() const { return m_selected; }
    // Follows a selection made in the list itself (keyboard); no file is loaded for it.
    void setSelected(int index);

    // Each returns true when it selected another entry, whose file should then be shown.
    bool previous();
    bool next();
    bool selectAt(int index);

    QString pathOf(int index) const;
    QString selectedPath() const { return pathOf(m_selected); }

    // Deletes the selected file (if it still exists) and its entry; the next entry is selected
    // after it (the previous one when it was the last, none when the list is empty).
    // With nothing selected it fails with "List index out of bounds (-1)" and changes nothing.
    void deleteSelected();

    // Reads and decodes a snapshot; PictovaError on a missing, unreadable or corrupt file.
    static QImage load(const QString& path);

private:
    QString m_folder;
    QStringList m_entries;
    int m_selected = -1;
};

} // namespace pictova
