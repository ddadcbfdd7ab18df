#include "board/snapshotviewer.h"

#include "messaging/errors.h"
#include "resources/artwork.h"
#include "shell/apppaths.h"
#include "shell/designscale.h"
#include "shell/dialogzoom.h"

#include <QAction>
#include <QFile>
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
} // namespace

Tsnapshot::Tsnapshot(QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(snapshotFolder()), m_heading(new QLabel(this)),
      m_previous(new QToolButton(this)), m_next(new QToolButton(this)), m_list(new QListWidget(this)),
      m_picture(new QLabel(this)), m_menu(new QMenu(this))
{
    setObjectName(QStringLiteral("Tsnapshot"));
    setWindowTitle(QStringLiteral("Pictova - Snap Shots"));
    resize(676, 436);
    const QPixmap tile = artwork::backgroundTile();
    if (!tile.isNull()) {
        QPalette background = palette();
        background.setBrush(QPalette::Window, QBrush(tile));
        setPalette(background);
        setAutoFillBackground(true);
    }
    DialogZoom::whenZoomed(this, [this] { drawPictures(); });

    m_heading->setObjectName(QStringLiteral("Label1"));
    m_heading->setTextFormat(Qt::PlainText);
    m_heading->setText(QStringLiteral("Pictova - Snap Shots"));
    QFont bold = m_heading->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    m_heading->setFont(bold);
    QPalette maroon = m_heading->palette();
    maroon.setColor(QPalette::WindowText, kMaroon);
    m_heading->setPalette(maroon);
    m_heading->move(136, 8);
    m_heading->adjustSize();

    m_previous->setObjectName(QStringLiteral("BitBtn1"));
    m_previous->setGeometry(8, 30, 25, 22);
    m_next->setObjectName(QStringLiteral("BitBtn2"));
    m_next->setGeometry(36, 30, 25, 22);
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
    connect(m_previous, &QToolButton::clicked, this, &Tsnapshot::BitBtn1Click);
    connect(m_next, &QToolButton::clicked, this, &Tsnapshot::BitBtn2Click);

    m_list->setObjectName(QStringLiteral("listbox_snapshots"));
    m_list->setGeometry(8, 58, 113, 369);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->viewport()->installEventFilter(this);
    // Keys move the selection without loading, like any list; the pointer loads what it picks.
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) { m_browser.setSelected(row); });
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_menu->popup(m_list->viewport()->mapToGlobal(at)); });

    m_menu->setObjectName(QStringLiteral("Delete"));
    QAction* remove = m_menu->addAction(QStringLiteral("Delete"));
    remove->setObjectName(QStringLiteral("Delete1"));
    connect(remove, &QAction::triggered, this, &Tsnapshot::Delete1Click);

    m_picture->setObjectName(QStringLiteral("image_snapshot"));
    m_picture->move(134, 58);

    m_confirmDelete = [this](const QString& question) {
        return QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
}

void Tsnapshot::setFolder(const QString& folder)
{
    m_browser.setFolder(folder);
    m_folderChosen = true;
}

void Tsnapshot::showEvent(QShowEvent* event)
{
    // A window restored from the task bar is shown again by the system: that is no new showing.
    if (!event->spontaneous())
        FormShow();
    QWidget::showEvent(event);
}

void Tsnapshot::FormShow()
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

void Tsnapshot::BitBtn1Click()
{
    if (m_browser.previous()) {
        showSelection();
        showSelectedFile();
    }
}

void Tsnapshot::BitBtn2Click()
{
    if (m_browser.next()) {
        showSelection();
        showSelectedFile();
    }
}

void Tsnapshot::listbox_snapshotsMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    const QListWidgetItem* item = m_list->itemAt(x, y);
    if (!item || !m_browser.selectAt(m_list->row(item)))
        return;
    showSelection();
    if (QFile::exists(m_browser.selectedPath()))
        showSelectedFile();
}

void Tsnapshot::Delete1Click()
{
    const int row = m_browser.selected();
    if (row >= 0 && row < m_browser.entries().size() && m_confirmDelete &&
        !m_confirmDelete(QStringLiteral("Delete the snapshot %1?").arg(m_browser.entries().at(row))))
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
    if (m_browser.selected() >= 0)
        showSelectedFile();
}

void Tsnapshot::showSelection()
{
    const QSignalBlocker blocker(m_list);
    m_list->setCurrentRow(m_browser.selected());
    if (m_browser.selected() < 0)
        m_list->clearSelection();
}

void Tsnapshot::drawPictures()
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
}

// A board picture keeps its board pixels: each is shown as a square block at the zoom.
void Tsnapshot::showPicture(const QImage& picture)
{
    m_shown = picture;
    const qreal zoom = design::zoomOf(this);
    if (zoom == 1.0) {
        showPicture(picture);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    QPixmap shown = QPixmap::fromImage(
        picture.scaled(picture.size() * zoom * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    shown.setDevicePixelRatio(ratio);
    m_picture->setPixmap(shown);
    m_picture->resize(design::scaled(this, picture.width()), design::scaled(this, picture.height()));
}

void Tsnapshot::showSelectedFile()
{
    try {
        const QImage picture = SnapshotBrowser::load(m_browser.selectedPath());
        m_picture->setPixmap(QPixmap::fromImage(picture));
        m_picture->resize(picture.size());
    } catch (const PictovaError& error) {
        reportError(error.text());
    }
}

// Any button picks the entry under the pointer, so a right-click selects before the menu opens.
bool Tsnapshot::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        listbox_snapshotsMouseDown(mouse->button(), mouse->modifiers(), at.x(), at.y());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pictova
