#include "board/colourbutton.h"

#include "board/pen.h"
#include "resources/syscolours.h"
#include "shell/dialogzoom.h"

#include <QColorDialog>
#include <QFrame>
#include <QGridLayout>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace pictova {

namespace {

QPixmap swatchPixmap(ColourValue colour, QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(drawnColour(colour));
    QPainter painter(&pixmap);
    painter.setPen(QColor(Qt::darkGray));
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return pixmap;
}

QToolButton* swatchButton(ColourValue colour, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setAutoRaise(true);
    // As large as its swatch: the swatch grows with the UI scale.
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    button->setIconSize(QSize(16, 16));
    button->setIcon(swatchPixmap(colour, QSize(16, 16)));
    button->setToolTip(brushpalette::hint(colour));
    return button;
}

} // namespace

ColourButton::ColourButton(QWidget* parent) : QToolButton(parent)
{
    setObjectName(QStringLiteral("ColorButton"));
    setFixedSize(45, 22);
    setToolTip(brushpalette::hint(m_colour));
    connect(this, &QToolButton::clicked, this, &ColourButton::showPalette);
}

ColourButton::~ColourButton() = default;

void ColourButton::setColour(ColourValue colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    setToolTip(brushpalette::hint(colour));
    update();
    emit colourChanged(colour);
}

QFrame* ColourButton::palettePopup()
{
    if (!m_popup)
        buildPopup();
    return m_popup;
}

void ColourButton::showPalette()
{
    QFrame* popup = palettePopup();
    popup->adjustSize();
    popup->move(mapToGlobal(QPoint(0, height())));
    popup->show();
}

void ColourButton::buildPopup()
{
    m_popup = new QFrame(this, Qt::Popup);
    m_popup->setObjectName(QStringLiteral("ColorButtonPalette"));
    m_popup->setFrameShape(QFrame::StyledPanel);
    DialogZoom::followZoom(m_popup);
    auto* grid = new QGridLayout(m_popup);
    grid->setContentsMargins(3, 3, 3, 3);
    grid->setSpacing(1);
    const auto& presets = brushpalette::presets();
    for (int i = 0; i < static_cast<int>(presets.size()); ++i) {
        const ColourValue colour = presets[static_cast<size_t>(i)];
        QToolButton* button = swatchButton(colour, m_popup);
        button->setObjectName(QStringLiteral("preset%1").arg(i));
        connect(button, &QToolButton::clicked, this, [this, colour] { pick(colour); });
        grid->addWidget(button, i / brushpalette::kColumns, i % brushpalette::kColumns);
    }
    m_otherSwatchButton = swatchButton(m_otherSwatch, m_popup);
    m_otherSwatchButton->setObjectName(QStringLiteral("otherSwatch"));
    connect(m_otherSwatchButton, &QToolButton::clicked, this, [this] { pick(m_otherSwatch); });
    grid->addWidget(m_otherSwatchButton, brushpalette::kRows, 0);
    auto* other = new QPushButton(tr("&Other"), m_popup);
    other->setObjectName(QStringLiteral("otherButton"));
    connect(other, &QPushButton::clicked, this, [this] {
        m_popup->hide();
        chooseOther();
    });
    grid->addWidget(other, brushpalette::kRows, 1, 1, brushpalette::kColumns - 1);
}

void ColourButton::pick(ColourValue colour)
{
    if (m_popup)
        m_popup->hide();
    setColour(colour);
}

void ColourButton::chooseOther()
{
    // The dialog's custom slots are shared by the whole program; ours are put back each time so
    // they last exactly as long as this run.
    for (int i = 0; i < brushpalette::kCustomSlots; ++i)
        QColorDialog::setCustomColor(i, m_custom[static_cast<size_t>(i)]);
    const QColor chosen = QColorDialog::getColor(drawnColour(m_colour), window());
    for (int i = 0; i < brushpalette::kCustomSlots; ++i)
        m_custom[static_cast<size_t>(i)] = QColorDialog::customColor(i);
    if (!chosen.isValid())
        return;
    m_otherSwatch = fromQColor(chosen);
    if (m_otherSwatchButton) {
        m_otherSwatchButton->setIcon(swatchPixmap(m_otherSwatch, QSize(16, 16)));
        m_otherSwatchButton->setToolTip(brushpalette::hint(m_otherSwatch));
    }
    setColour(m_otherSwatch);
}

void ColourButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
    // Drawn for a button of 22 pixels' height; a zoomed window's taller button scales it.
    const qreal k = height() / 22.0;
    const auto at = [k](qreal length) { return qRound(length * k); };
    const QRect face = rect().adjusted(at(4), at(4), -at(14), -at(4));
    painter.fillRect(face, drawnColour(m_colour));
    painter.setPen(QColor(Qt::darkGray));
    painter.drawRect(face.adjusted(0, 0, -1, -1));
    // A small drop-down arrow at the right.
    const int x = width() - at(11);
    const int y = height() / 2 - at(1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::ButtonText));
    const QPoint arrow[3] = {QPoint(x, y), QPoint(x + at(6), y), QPoint(x + at(3), y + at(3))};
    painter.drawPolygon(arrow, 3);
}

} // namespace pictova
