#include "board/drawertoolbar.h"

#include "board/colourbutton.h"
#include "board/fieldupdown.h"

#include "messaging/integer.h"
#include "translations/livetexts.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
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

// A small caption over the control it names; the three columns beside the guess list are
// narrow, so the captions use a smaller font than the rest of the window.
QLabel* caption(const QString& text, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSizeF(7.0);
    label->setFont(font);
    return label;
}

} // namespace

DrawerToolbar::DrawerToolbar(QWidget* parent)
    : QWidget(parent), m_guessed(new QPlainTextEdit(this)), m_colour(new ColourButton(this)),
      m_width(new QLineEdit(this)), m_upDown(new FieldUpDown(0, 100, kDefaultWidth, this)),
      m_clear(new QToolButton(this)), m_undo(new QToolButton(this))
{
    setObjectName(QStringLiteral("panel_toolbar"));

    m_guessed->setObjectName(QStringLiteral("memo_guessed"));
    m_guessed->setReadOnly(true);
    m_guessed->setMaximumBlockCount(kMaxGuessLines);
    m_guessed->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_guessed->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_width->setObjectName(QStringLiteral("penw"));
    m_width->setFixedSize(41, 23);
    // Whole numbers in the up-down's range only: the width goes to every other player.
    m_width->setValidator(new QIntValidator(0, 100, m_width));
    m_upDown->setObjectName(QStringLiteral("UpDown1"));
    m_upDown->setFixedSize(12, 23);
    m_upDown->setAssociate(m_width);
    // The brush's width is the toolbar's state; the field only shows and edits it.
    connect(m_width, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_brushWidth = tryParseInteger(text); });
    m_brushWidth = kDefaultWidth;

    m_clear->setObjectName(QStringLiteral("clear"));
    m_clear->setAutoRaise(true);
    m_clear->setIcon(trashGlyph());
    m_clear->setIconSize(QSize(16, 16));
    connect(m_clear, &QToolButton::clicked, this, &DrawerToolbar::clearClicked);

    // Under the trash, in the strip below the controls. The key is the action's, which acts at
    // once and only while this toolbar shows (the drawer's turn).
    m_undoAction = new QAction(this);
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
    // Its room is kept while it hides, so the controls do not move when it shows.
    QSizePolicy keep = m_undo->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_undo->setSizePolicy(keep);
    m_undo->hide();

    auto* width = new QHBoxLayout;
    width->setSpacing(0);
    width->addWidget(m_width);
    width->addWidget(m_upDown);
    auto* tools = new QGridLayout;
    tools->setContentsMargins(0, 0, 0, 0);
    tools->setHorizontalSpacing(10);
    tools->setVerticalSpacing(2);
    QLabel* colourCaption = caption(QString(), QStringLiteral("label_brushcolor"), this);
    QLabel* widthCaption = caption(QString(), QStringLiteral("label_brushwidth"), this);
    QLabel* trashCaption = caption(QString(), QStringLiteral("label_trash"), this);
    auto* texts = new LiveTexts(this);
    texts->add([this, colourCaption, widthCaption, trashCaption] {
        m_clear->setToolTip(tr("Trash"));
        m_undoAction->setText(tr("Undo"));
        m_undoAction->setToolTip(tr("Take back the last stroke (Ctrl+Z)"));
        colourCaption->setText(tr("Brush color"));
        widthCaption->setText(tr("Brush width"));
        trashCaption->setText(tr("Trash"));
    });
    tools->addWidget(colourCaption, 0, 0);
    tools->addWidget(widthCaption, 0, 1);
    tools->addWidget(trashCaption, 0, 2);
    tools->addWidget(m_colour, 1, 0, Qt::AlignHCenter);
    tools->addLayout(width, 1, 1, Qt::AlignHCenter);
    tools->addWidget(m_clear, 1, 2, Qt::AlignHCenter);
    tools->addWidget(m_undo, 2, 2, Qt::AlignHCenter);
    tools->setRowStretch(3, 1);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(3, 3, 3, 1);
    row->setSpacing(8);
    row->addWidget(m_guessed, 1);
    row->addLayout(tools);
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

std::optional<int> DrawerToolbar::brushWidth() const
{
    return m_brushWidth;
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
