#pragma once

#include "album/album.h"

#include <QDialog>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace pictova {

class ReplayPlayer;

// View > Album: the boards of this run's games as a grid, newest first, with the running count in
// the header. All games show together, each under a heading with its scores, or one game alone.
// A board replays on a double-click or Replay; Save Album writes the sheet of what is shown, Save
// Board the chosen board as JPEG, both into the snapshots folder.
class AlbumDialog : public QDialog
{
    Q_OBJECT
public:
    AlbumDialog(const Album& album, QWidget* parent = nullptr);

    // Where the files go (the snapshots folder) and what to do with a failure; tests swap both.
    void setFolderSource(std::function<QString()> folder) { m_folder = std::move(folder); }
    void setErrorSink(std::function<void(const QString&)> sink) { m_error = std::move(sink); }

    QListWidget* grid() const { return m_grid; }
    QLabel* header() const { return m_header; }
    // "All games" (0) or one game by its number.
    QComboBox* gameChoice() const { return m_gameChoice; }
    void showGame(int number);
    ReplayPlayer* player() const { return m_player; }
    // The entry shown in the grid's row `row` (0 is the newest); none for a game's heading.
    const AlbumEntry* entryAtRow(int row) const;

    void replaySelected();
    // Return the written path, or an empty text when nothing was written.
    QString saveAlbum();
    QString saveSelectedBoard();

private:
    void fitGrid();
    QIcon thumbnail(const AlbumEntry& entry) const;
    void rebuild();
    void refillGameChoice();
    int shownGame() const;
    // The entries shown, newest first.
    std::vector<const AlbumEntry*> shownEntries() const;
    void reportError(const QString& text);

    const Album& m_album;
    QLabel* m_header = nullptr;
    QComboBox* m_gameChoice = nullptr;
    QListWidget* m_grid = nullptr;
    QPushButton* m_replay = nullptr;
    QPushButton* m_saveAlbum = nullptr;
    QPushButton* m_saveBoard = nullptr;
    QLabel* m_status = nullptr;
    ReplayPlayer* m_player = nullptr;
    std::function<QString()> m_folder;
    std::function<void(const QString&)> m_error;
};

} // namespace pictova
