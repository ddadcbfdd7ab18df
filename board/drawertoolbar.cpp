#include "board/drawertoolbar.h"

#include "board/colourbutton.h"
#include "board/fieldupdown.h"

#include <QAction>
#include <QIntValidator>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QToolButton>

namespace pictova {

namespace {

constexpr int kDefaultWidth = 3;

// A small waste bin for the trash button.
QPixmap trashGlyph(qreal scale = 1.0)
{
    QPixmap pixmap(qRound(16 * scale), qRound(16 * scale));
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    painter.setBrush(QColor(0xC0, 0xC0, 0xC0));
    painter.drawRect(QRectF(3.5, 4.5, 9, 10));
    painter.drawLine(QPointF(2, 3.5), QPointF(14, 3.5));
    painter.drawLine(QPointF(6.5, 1.5), QPointF(9.5, 1.5));
    for (double x : {6.0, 8.0, 10.0})
        painter.drawLine(QPointF(x, 6.5), QPointF(x, 12.5));
    return pixmap;
}

// A small caption centred over the control it names; the three columns beside the guess list
// are narrow, so the captions use a smaller font than the rest of the window.
QLabel* captionOver(const QString& text, const QString& name, QWidget* parent, const QRect& control)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setPointSizeF(7.0);
    label->setFont(font);
    label->adjustSize();
    // Room to spare either side: text in a zoomed window grows a little more than the zoom.
    label->setAlignment(Qt::AlignCenter);
    label->resize(label->width() + 16, label->height());
    label->move(control.center().x() - label->width() / 2, control.top() - label->height() - 4);
    return label;
}

} // namespace

DrawerToolbar::DrawerToolbar(QWidget* parent)
    : QWidget(parent), m_guessed(new QPlainTextEdit(this)), m_colour(new ColourButton(this)),
      m_width(new QLineEdit(this)), m_upDown(new FieldUpDown(0, 100, kDefaultWidth, this)),
      m_clear(new QToolButton(this)), m_undo(new QToolButton(this))
{
    setObjectName(QStringLiteral("panel_toolbar"));
    setFixedSize(kWidth, kHeight);

    m_guessed->setObjectName(QStringLiteral("memo_guessed"));
    m_guessed->setReadOnly(true);
    m_guessed->setMaximumBlockCount(kMaxGuessLines);
    m_guessed->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_guessed->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_guessed->setGeometry(3, 3, 351, 70);

    const QRect colourPlace(362, 32, 45, 22);
    const QRect widthPlace(424, 31, 41 + 12, 23);
    const QRect trashPlace(494, 32, 25, 22);
    captionOver(tr("Brush color"), QStringLiteral("label_brushcolor"), this, colourPlace);
    captionOver(tr("Brush width"), QStringLiteral("label_brushwidth"), this, widthPlace);
    captionOver(tr("Trash"), QStringLiteral("label_trash"), this, trashPlace);

    m_colour->move(colourPlace.topLeft());
    m_width->setObjectName(QStringLiteral("penw"));
    m_width->setGeometry(widthPlace.x(), widthPlace.y(), 41, 23);
    // Whole numbers in the up-down's range only: the text goes unchanged to every other player.
    m_width->setValidator(new QIntValidator(0, 100, m_width));
    m_upDown->setObjectName(QStringLiteral("UpDown1"));
    m_upDown->setGeometry(widthPlace.x() + 41, widthPlace.y(), 12, 23);
    m_upDown->setAssociate(m_width);

    m_clear->setObjectName(QStringLiteral("clear"));
    m_clear->setToolTip(tr("Trash"));
    m_clear->setAutoRaise(true);
    m_clear->setIcon(trashGlyph());
    m_clear->setGeometry(trashPlace);
    connect(m_clear, &QToolButton::clicked, this, &DrawerToolbar::clearClicked);

    // Under the trash, in the strip below the controls. The key is the action's, which acts at
    // once and only while this toolbar shows (the drawer's turn).
    m_undoAction = new QAction(tr("Undo"), this);
    m_undoAction->setToolTip(tr("Take back the last stroke (Ctrl+Z)"));
    m_undoAction->setShortcut(QKeySequence::Undo);
    m_undoAction->setShortcutContext(Qt::WindowShortcut);
    m_undoAction->setEnabled(false);
    addAction(m_undoAction);
    connect(m_undoAction, &QAction::triggered, this, &DrawerToolbar::undoClicked);
    m_undo->setObjectName(QStringLiteral("button_undo"));
    m_undo->setDefaultAction(m_undoAction);
    QFont small = m_undo->font();
    small.setPointSizeF(7.0);
    m_undo->setFont(small);
    m_undo->setGeometry(478, 56, 56, 19);
    m_undo->hide();
}

void DrawerToolbar::setUndoState(bool offered, bool available)
{
    m_undo->setVisible(offered);
    m_undoAction->setEnabled(offered && available);
}

void DrawerToolbar::drawGlyphs(qreal zoom, qreal devicePixelRatio)
{
    if (!(zoom > 0.0) || !(devicePixelRatio > 0.0))
        return;
    QPixmap trash = trashGlyph(qBound<qreal>(1.0, zoom * devicePixelRatio, 16.0));
    trash.setDevicePixelRatio(devicePixelRatio);
    m_clear->setIcon(trash);
}

void DrawerToolbar::addGuessLine(const QString& line)
{
    m_guessed->appendPlainText(line);
}

void DrawerToolbar::clearGuesses()
{
    m_guessed->clear();
}

ColourValue DrawerToolbar::brushColour() const
{
    return m_colour->colour();
}

void DrawerToolbar::setBrushColour(ColourValue colour)
{
    m_colour->setColour(colour);
}

QString DrawerToolbar::widthText() const
{
    return m_width->text();
}

void DrawerToolbar::setWidthText(const QString& text)
{
    m_width->setText(text);
}

void DrawerToolbar::resetBrush()
{
    m_colour->setColour(0);
    m_upDown->setPosition(kDefaultWidth);
}

} // namespace pictova
