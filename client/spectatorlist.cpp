#include "client/spectatorlist.h"

#include "resources/artwork.h"
#include "shell/designscale.h"
#include "shell/dialogzoom.h"
#include "translations/livetexts.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

namespace pictova {

SpectatorList::SpectatorList(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("SpectatorList"));
    auto* texts = new LiveTexts(this);
    setAutoFillBackground(true);
    drawBackground();
    // A window of its own: it follows the game's other windows' zoom.
    DialogZoom::whenZoomed(this, [this] { drawBackground(); });

    auto* caption = new QLabel(this);
    caption->setObjectName(QStringLiteral("Label1"));
    caption->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("listbox_spys"));
    m_list->setMouseTracking(true);
    m_list->viewport()->setMouseTracking(true);
    m_list->viewport()->installEventFilter(this);
    m_list->setContextMenuPolicy(Qt::DefaultContextMenu);

    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("popup_kick"));
    m_removeAction = m_menu->addAction(QString(), this, &SpectatorList::removeHovered);
    m_removeAction->setObjectName(QStringLiteral("popup_kickhim"));
    m_removeAction->setEnabled(false);

    auto* ok = new QPushButton(this);
    texts->add([this, caption, ok] {
        setWindowTitle(tr("Pictova - Spys"));
        caption->setText(tr("Spy List"));
        m_removeAction->setText(tr("Remove From Game"));
        ok->setText(tr("Ok"));
    });
    ok->setObjectName(QStringLiteral("Button1"));
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 8);
    layout->setSpacing(2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(caption);
    layout->addWidget(m_list);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    fitToText();
}

// The list shows about seven names of twenty characters at any text size.
void SpectatorList::fitToText()
{
    const QFontMetrics text = m_list->fontMetrics();
    m_list->setFixedSize(text.averageCharWidth() * 22, text.lineSpacing() * 7 + 2 * m_list->frameWidth());
}

void SpectatorList::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToText();
}

void SpectatorList::drawBackground()
{
    QPalette palette = this->palette();
    palette.setBrush(QPalette::Window, QBrush(design::picture(this, artwork::backgroundTileAt)));
    setPalette(palette);
}

void SpectatorList::showSpectators(const QMap<int, QString>& spectators)
{
    m_list->clear();
    for (auto spectator = spectators.cbegin(); spectator != spectators.cend(); ++spectator) {
        auto* item =
            new QListWidgetItem(QStringLiteral("%1: %2").arg(spectator.key()).arg(spectator.value()), m_list);
        item->setData(kSeatRole, spectator.key());
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    }
}

QStringList SpectatorList::entries() const
{
    QStringList lines;
    for (int i = 0; i < m_list->count(); ++i)
        lines << m_list->item(i)->text();
    return lines;
}

void SpectatorList::setRemovalEnabled(bool enabled)
{
    m_removeAction->setEnabled(enabled);
}

void SpectatorList::hoverAt(const QPoint& pos)
{
    QListWidgetItem* item = m_list->itemAt(pos);
    m_hovered = item ? m_list->row(item) : -1;
}

void SpectatorList::removeHovered()
{
    // The remembered line may be stale: the list can change while the menu is open.
    if (m_hovered < 0 || m_hovered >= m_list->count() || !m_remove)
        return;
    const QVariant seat = m_list->item(m_hovered)->data(kSeatRole);
    if (seat.isValid())
        m_remove(seat.toInt());
}

bool SpectatorList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list->viewport()) {
        if (event->type() == QEvent::MouseMove)
            hoverAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        else if (event->type() == QEvent::ContextMenu) {
            auto* menuEvent = static_cast<QContextMenuEvent*>(event);
            hoverAt(menuEvent->pos());
            m_menu->popup(menuEvent->globalPos());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pictova
