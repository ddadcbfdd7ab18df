#pragma once

#include "board/snapshotbrowser.h"

#include <QImage>
#include <QWidget>

#include <functional>

class QLabel;
class QListWidget;
class QMenu;
class QToolButton;

namespace pictova {

// The snapshot viewer "Pictova - Snap Shots": the list of saved snapshots at the left, the one
// selected at the right, previous and next buttons, and a pop-up menu to delete a file. Created
// once and only shown and hidden; the list is rebuilt each time it is shown.
class SnapshotViewer : public QWidget
{
    Q_OBJECT
public:
    explicit SnapshotViewer(QWidget* parent = nullptr);

    // The folder listed; until one is set, the game's snapshot folder at each showing.
    void setFolder(const QString& folder);
    const SnapshotBrowser& browser() const { return m_browser; }
    // Asked before a file is deleted; true goes ahead. A question box unless a test answers.
    using DeleteConfirmation = std::function<bool(const QString& question)>;
    void setDeleteConfirmation(DeleteConfirmation confirm) { m_confirmDelete = std::move(confirm); }

    // Lists the folder afresh and shows its first snapshot.
    void refresh();
    void showPrevious();
    void showNext();
    // A press on the list at (x, y) of its viewport picks the entry there and shows its file.
    void pressOnList(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    // Deletes the selected snapshot's file, once confirmed.
    void onSnapshotDelete();

    QListWidget* listbox_snapshots() const { return m_list; }
    QLabel* image_snapshot() const { return m_picture; }
    QMenu* deleteMenu() const { return m_menu; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The background, the buttons' glyphs and the shown picture for the window's zoom.
    void drawPictures();
    void showPicture(const QImage& picture);
    void fitToText();
    void showSelection();
    void showSelectedFile();

    SnapshotBrowser m_browser;
    DeleteConfirmation m_confirmDelete;
    bool m_folderChosen = false;
    QLabel* m_heading;
    QToolButton* m_previous;
    QToolButton* m_next;
    QListWidget* m_list;
    QLabel* m_picture;
    QImage m_shown;
    QMenu* m_menu;
};

} // namespace pictova
