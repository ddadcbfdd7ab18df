#include "board/snapshotviewer.h"

#include "messaging/errors.h"
#include "resources/artwork.h"
#include "shell/apppaths.h"
#include "shell/designscale.h"
#include "shell/dialogzoom.h"
#include "translations/livetexts.h"

#include <QAction>
#include <QEvent>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QShowEvent>
#include <QToolButton>

namespace pictova {

namespace {
const QColor kMaroon(0x80, 0x00, 0x00);
// A snapshot is a board: 533 by 369 pixels.
constexpr QSize kBoardRoom(533, 369);
} // namespace

SnapshotViewer::SnapshotViewer(QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(snapshotFolder()), m_heading(new QLabel(this)),
      m_previous(new QToolButton(this)), m_next(new QToolButton(this)), m_list(new QListWidget(this)),
      m_picture(new QLabel(this)), m_menu(new QMenu(this))
{
    setObjectName(QStringLiteral("snapshotViewer"));
    const QPixmap tile = artwork::backgroundTile();
    if (!tile.isNull()) {
        QPalette background = palette();
        background.setBrush(QPalette::Window, QBrush(tile));
        setPalette(background);
        setAutoFillBackground(true);
    }
    DialogZoom::whenZoomed(this, [this] { drawPictures(); });

    m_heading->setObjectName(QStringLiteral("heading"));
    m_heading->setTextFormat(Qt::PlainText);
    QFont bold = m_heading->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    m_heading->setFont(bold);
    QPalette maroon = m_heading->palette();
    maroon.setColor(QPalette::WindowText, kMaroon);
    m_heading->setPalette(maroon);

    m_previous->setObjectName(QStringLiteral("previousButton"));
    m_next->setObjectName(QStringLiteral("nextButton"));
    const QPixmap previousGlyph = artwork::previousGlyph();
    const QPixmap nextGlyph = artwork::nextGlyph();
    if (previousGlyph.isNull())
        m_previous->setArrowType(Qt::LeftArrow);
    else
        m_previous->setIcon(previousGlyph);
    if (nextGlyph.isNull())
        m_next->setArrowType(Qt::RightArrow);
    else
        m_next->setIcon(nextGlyph);
    connect(m_previous, &QToolButton::clicked, this, &SnapshotViewer::showPrevious);
    connect(m_next, &QToolButton::clicked, this, &SnapshotViewer::showNext);

    m_list->setObjectName(QStringLiteral("listbox_snapshots"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->viewport()->installEventFilter(this);
    // Keys move the selection without loading, like any list; the pointer loads what it picks.
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) { m_browser.setSelected(row); });
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_menu->popup(m_list->viewport()->mapToGlobal(at)); });

    m_menu->setObjectName(QStringLiteral("deleteMenu"));
    QAction* remove = m_menu->addAction(QString());
    auto* texts = new LiveTexts(this);
    texts->add([this, remove] {
        setWindowTitle(tr("Pictova - Snap Shots"));
        m_heading->setText(tr("Pictova - Snap Shots"));
        remove->setText(tr("Delete"));
    });
    remove->setObjectName(QStringLiteral("deleteAction"));
    connect(remove, &QAction::triggered, this, &SnapshotViewer::onSnapshotDelete);

    m_picture->setObjectName(QStringLiteral("image_snapshot"));
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* steps = new QHBoxLayout;
    steps->setSpacing(3);
    steps->addWidget(m_previous);
    steps->addWidget(m_next);
    steps->addStretch();
    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(13);
    layout->addLayout(steps, 0, 0);
    layout->addWidget(m_heading, 0, 1);
    layout->addWidget(m_list, 1, 0);
    layout->addWidget(m_picture, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(1, 1);
    fitToText();

    m_confirmDelete = [this](const QString& question) {
        return QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
}

void SnapshotViewer::setFolder(const QString& folder)
{
    m_browser.setFolder(folder);
    m_folderChosen = true;
}

void SnapshotViewer::showEvent(QShowEvent* event)
{
    // A window restored from the task bar is shown again by the system: that is no new showing.
    if (!event->spontaneous())
        refresh();
    QWidget::showEvent(event);
}

void SnapshotViewer::refresh()
{
    // Unless told otherwise, follow wherever the game keeps its files at the time of showing.
    if (!m_folderChosen)
        m_browser.setFolder(snapshotFolder());
    m_browser.fill();
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    m_list->addItems(m_browser.entries());
    if (m_browser.selected() >= 0) {
        showSelection();
        showSelectedFile();
    }
}

void SnapshotViewer::showPrevious()
{
    if (m_browser.previous()) {
        showSelection();
        showSelectedFile();
    }
}

void SnapshotViewer::showNext()
{
    if (m_browser.next()) {
        showSelection();
        showSelectedFile();
    }
}

void SnapshotViewer::pressOnList(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    const QListWidgetItem* item = m_list->itemAt(x, y);
    if (!item || !m_browser.selectAt(m_list->row(item)))
        return;
    showSelection();
    if (QFile::exists(m_browser.selectedPath()))
        showSelectedFile();
}

void SnapshotViewer::onSnapshotDelete()
{
    const int row = m_browser.selected();
    if (row >= 0 && row < m_browser.entries().size() && m_confirmDelete &&
        !m_confirmDelete(tr("Delete the snapshot %1?").arg(m_browser.entries().at(row))))
        return;
    try {
        m_browser.deleteSelected();
    } catch (const PictovaError& error) {
        reportError(error.text());
        return;
    }
    {
        const QSignalBlocker blocker(m_list);
        delete m_list->takeItem(row);
    }
    showSelection();
    // The deleted picture must not stay on display: the next one, or none.
    m_picture->clear();
    m_shown = QImage();
    if (m_browser.selected() >= 0)
        showSelectedFile();
}

void SnapshotViewer::showSelection()
{
    const QSignalBlocker blocker(m_list);
    m_list->setCurrentRow(m_browser.selected());
    if (m_browser.selected() < 0)
        m_list->clearSelection();
}

void SnapshotViewer::drawPictures()
{
    QPalette background = palette();
    background.setBrush(QPalette::Window, QBrush(design::picture(this, artwork::backgroundTileAt)));
    setPalette(background);
    if (m_previous->arrowType() == Qt::NoArrow)
        m_previous->setIcon(design::picture(this, artwork::previousGlyphAt));
    if (m_next->arrowType() == Qt::NoArrow)
        m_next->setIcon(design::picture(this, artwork::nextGlyphAt));
    if (!m_shown.isNull())
        showPicture(m_shown);
    fitToText();
}

// A board picture keeps its board pixels: each is shown as a square block at the UI scale.
void SnapshotViewer::showPicture(const QImage& picture)
{
    m_shown = picture;
    const qreal scale = design::zoomOf(this) * devicePixelRatioF();
    QPixmap shown = QPixmap::fromImage(
        scale == 1.0 ? picture
                     : picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    shown.setDevicePixelRatio(devicePixelRatioF());
    m_picture->setPixmap(shown);
}

void SnapshotViewer::showSelectedFile()
{
    try {
        showPicture(SnapshotBrowser::load(m_browser.selectedPath()));
    } catch (const PictovaError& error) {
        reportError(error.text());
    }
}

// The list holds a file name of about sixteen characters; the picture has the room of a board.
void SnapshotViewer::fitToText()
{
    m_list->setFixedWidth(m_list->fontMetrics().averageCharWidth() * 16);
    m_picture->setMinimumSize(design::scaled(this, kBoardRoom.width()),
                              design::scaled(this, kBoardRoom.height()));
}

void SnapshotViewer::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToText();
}

// Any button picks the entry under the pointer, so a right-click selects before the menu opens.
bool SnapshotViewer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        pressOnList(mouse->button(), mouse->modifiers(), at.x(), at.y());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pictova
