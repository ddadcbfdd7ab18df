#include "album/view/albumdialog.h"

#include "album/albumsheet.h"
#include "album/view/replayplayer.h"
#include "messaging/errors.h"
#include "shell/designscale.h"
#include "shell/dialogzoom.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace pictova {

namespace {
constexpr int kEntryRole = Qt::UserRole + 1; // the entry's key; 0 on a game's heading
// Room around a thumbnail for its caption: phrase (two lines when long), drawer, outcome.
constexpr QSize kCellMargins(44, 92);

// A board drawn on white stays visible on the white grid, an empty one too.
QIcon framedThumbnail(const QImage& thumbnail, qreal ratio)
{
    QPixmap framed = QPixmap::fromImage(thumbnail);
    framed.setDevicePixelRatio(ratio);
    QPainter painter(&framed);
    painter.setPen(QColor(0xA0, 0xA0, 0xA0));
    painter.drawRect(framed.rect().adjusted(0, 0, -1, -1));
    return QIcon(framed);
}
} // namespace

AlbumDialog::AlbumDialog(const Album& album, QWidget* parent) : QDialog(parent), m_album(album)
{
    setObjectName(QStringLiteral("AlbumDialog"));
    setWindowTitle(tr("Album"));
    m_header = new QLabel(this);
    m_header->setObjectName(QStringLiteral("label_albumHeader"));
    QFont bold = m_header->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    m_header->setFont(bold);

    m_gameChoice = new QComboBox(this);
    m_gameChoice->setObjectName(QStringLiteral("combo_albumGame"));
    m_gameChoice->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    m_grid = new QListWidget(this);
    m_grid->setObjectName(QStringLiteral("list_album"));
    m_grid->setViewMode(QListView::IconMode);
    m_grid->setResizeMode(QListView::Adjust);
    m_grid->setMovement(QListView::Static);
    m_grid->setWordWrap(true);
    m_grid->setUniformItemSizes(true);
    // Its grid follows the UI scale; listen before anything measures (and so polishes) the dialog.
    DialogZoom::whenZoomed(this, [this] {
        fitGrid();
        rebuild();
    });
    fitGrid();

    m_replay = new QPushButton(tr("Replay"), this);
    m_saveAlbum = new QPushButton(tr("Save Album"), this);
    m_saveAlbum->setObjectName(QStringLiteral("button_saveAlbum"));
    m_saveBoard = new QPushButton(tr("Save Board as JPEG"), this);
    m_status = new QLabel(this);
    m_status->setTextFormat(Qt::PlainText);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_replay);
    buttons->addWidget(m_saveBoard);
    buttons->addWidget(m_saveAlbum);
    buttons->addWidget(m_status, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(m_header, 1);
    top->addWidget(m_gameChoice);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    m_player = new ReplayPlayer(this);
    connect(m_grid, &QListWidget::itemDoubleClicked, this, [this] { replaySelected(); });
    connect(m_grid, &QListWidget::currentRowChanged, this, [this](int row) {
        m_replay->setEnabled(entryAtRow(row) != nullptr);
        m_saveBoard->setEnabled(entryAtRow(row) != nullptr);
    });
    connect(m_replay, &QPushButton::clicked, this, [this] { replaySelected(); });
    connect(m_saveAlbum, &QPushButton::clicked, this, [this] { saveAlbum(); });
    connect(m_saveBoard, &QPushButton::clicked, this, [this] { saveSelectedBoard(); });
    connect(&album, &Album::changed, this, &AlbumDialog::rebuild);
    connect(m_gameChoice, &QComboBox::activated, this, [this] { rebuild(); });
    rebuild();
}

// Four columns and two rows of thumbnails at the UI scale; on a screen too small for them, fewer.
void AlbumDialog::fitGrid()
{
    const QSize thumbnail(design::scaled(this, Album::kThumbnailSize.width()),
                          design::scaled(this, Album::kThumbnailSize.height()));
    const QSize cell = thumbnail + QSize(design::scaled(this, kCellMargins.width()),
                                         design::scaled(this, kCellMargins.height()));
    m_grid->setIconSize(thumbnail);
    m_grid->setGridSize(cell);
    QSize grid(4 * cell.width() + 24, 2 * cell.height() + 8);
    if (const QScreen* shown = screen(); shown && design::zoomOf(this) != 1.0) {
        const QSize room = shown->availableGeometry().size();
        grid = grid.boundedTo(QSize(room.width() * 9 / 10, room.height() * 6 / 10));
    }
    m_grid->setMinimumSize(grid);
}

// Zoomed, the thumbnail is drawn afresh from the kept board at the size it is shown.
QIcon AlbumDialog::thumbnail(const AlbumEntry& entry) const
{
    const qreal scale = design::zoomOf(this) * devicePixelRatioF();
    if (scale == 1.0)
        return framedThumbnail(entry.thumbnail, 1.0);
    const QImage board = entry.board();
    const QSize pixels = Album::kThumbnailSize * scale;
    const QImage drawn = board.isNull()
                             ? entry.thumbnail.scaled(pixels)
                             : board.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return framedThumbnail(drawn, devicePixelRatioF());
}

void AlbumDialog::refillGameChoice()
{
    const int chosen = shownGame();
    const QSignalBlocker quiet(m_gameChoice);
    m_gameChoice->clear();
    m_gameChoice->addItem(tr("All games"), 0);
    const auto& games = m_album.games();
    for (auto game = games.rbegin(); game != games.rend(); ++game)
        m_gameChoice->addItem(game->heading(), game->number);
    m_gameChoice->setCurrentIndex(std::max(0, m_gameChoice->findData(chosen)));
    m_gameChoice->setVisible(games.size() > 1);
}

int AlbumDialog::shownGame() const
{
    return m_gameChoice->currentIndex() > 0 ? m_gameChoice->currentData().toInt() : 0;
}

void AlbumDialog::showGame(int number)
{
    m_gameChoice->setCurrentIndex(std::max(0, m_gameChoice->findData(number)));
    rebuild();
}

std::vector<const AlbumEntry*> AlbumDialog::shownEntries() const
{
    const int game = shownGame();
    std::vector<const AlbumEntry*> shown;
    const auto& entries = m_album.entries();
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
        if (game == 0 || entry->game == game)
            shown.push_back(&*entry);
    return shown;
}

void AlbumDialog::rebuild()
{
    refillGameChoice();
    m_header->setText(m_album.header());
    const int keep = m_grid->currentRow() >= 0 ? m_grid->currentItem()->data(kEntryRole).toInt() : 0;
    m_grid->clear();
    // Several games shown together each start under a heading with the game's scores.
    const bool headings = shownGame() == 0 && m_album.games().size() > 1;
    int headed = 0;
    for (const AlbumEntry* entry : shownEntries()) {
        if (headings && entry->game != headed) {
            headed = entry->game;
            const AlbumGame* game = m_album.game(headed);
            auto* heading = new QListWidgetItem(
                game ? game->heading().replace(QStringLiteral(" · "), QStringLiteral("\n")) : QString());
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
            heading->setFlags(Qt::ItemIsEnabled);
            heading->setData(kEntryRole, 0);
            m_grid->addItem(heading);
        }
        // Plain text: names and phrases come from peers.
        auto* item = new QListWidgetItem(
            thumbnail(*entry), tr("%1. %2\n%3 drew\n%4")
                                   .arg(entry->turnNumber)
                                   .arg(entry->end.phrase, entry->end.drawerName, entry->outcome()));
        item->setData(kEntryRole, entry->key);
        item->setToolTip(entry->byline());
        m_grid->addItem(item);
        if (entry->key == keep)
            m_grid->setCurrentItem(item);
    }
    m_replay->setEnabled(entryAtRow(m_grid->currentRow()) != nullptr);
    m_saveBoard->setEnabled(entryAtRow(m_grid->currentRow()) != nullptr);
    m_saveAlbum->setEnabled(m_grid->count() > 0);
}

const AlbumEntry* AlbumDialog::entryAtRow(int row) const
{
    const QListWidgetItem* item = m_grid->item(row);
    const int key = item ? item->data(kEntryRole).toInt() : 0;
    for (const AlbumEntry& entry : m_album.entries())
        if (key != 0 && entry.key == key)
            return &entry;
    return nullptr;
}

void AlbumDialog::replaySelected()
{
    const AlbumEntry* entry = entryAtRow(m_grid->currentRow());
    if (!entry)
        return;
    m_player->load(*entry);
    m_player->show();
    m_player->raise();
}

void AlbumDialog::reportError(const QString& text)
{
    if (m_error)
        m_error(text);
    else
        QMessageBox::warning(this, tr("Album"), text);
}

QString AlbumDialog::saveAlbum()
{
    std::vector<const AlbumEntry*> entries = shownEntries();
    if (entries.empty() || !m_folder)
        return {};
    std::reverse(entries.begin(), entries.end());
    const AlbumGame* game = m_album.game(shownGame());
    // A long game's sheet takes a moment to draw.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    try {
        const QString path = saveAlbumSheet(entries, game ? game->heading() : m_album.header(), m_folder(),
                                            QDateTime::currentDateTime());
        m_status->setText(tr("Saved %1").arg(QDir::toNativeSeparators(path)));
        return path;
    } catch (const PictovaError& error) {
        reportError(error.text());
    }
    return {};
}

QString AlbumDialog::saveSelectedBoard()
{
    const AlbumEntry* entry = entryAtRow(m_grid->currentRow());
    if (!entry || !m_folder)
        return {};
    try {
        const QString path = saveAlbumBoard(*entry, m_folder(), QDateTime::currentDateTime());
        m_status->setText(tr("Saved %1").arg(QDir::toNativeSeparators(path)));
        return path;
    } catch (const PictovaError& error) {
        reportError(error.text());
    }
    return {};
}

} // namespace pictova
