#include "client/categorychooser.h"

#include "client/viewparts.h"
#include "resources/artwork.h"

#include <QButtonGroup>
#include <QPainter>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace pictova {

using namespace viewparts;

CategoryChooser::CategoryChooser(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("panel_pickcatagory"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setFixedSize(206, 225);
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Image3"));
    m_picture->setScaledContents(true);

    auto* content = new QWidget(this);
    m_title = label(QStringLiteral("label_pickcatagory"), QString(), content);
    m_subtitle = label(QStringLiteral("label_pickcatagory1"), tr("is picking a category"), content);
    for (QLabel* l : {m_title, m_subtitle}) {
        l->setAlignment(Qt::AlignCenter);
        setBold(l, 14);
        setColour(l, kMaroon);
    }
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(3, 6, 3, 6);
    column->setSpacing(0);
    // Rows 24 pixels apart at 100 %, as the panel's picture was drawn for.
    column->addWidget(m_title);
    column->addWidget(m_subtitle);
    column->addSpacing(2);
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    for (int category : kButtonOrder) {
        QToolButton* button =
            pictureButton(QStringLiteral("button_cat%1").arg(category), content, QSize(100, 15));
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setProperty("category", category);
        connect(button, &QToolButton::clicked, this, [this, category] { emit categoryChosen(category); });
        button->setFixedSize(104, 19);
        column->addWidget(button, 0, Qt::AlignHCenter);
        column->addSpacing(5);
        m_buttons.at(static_cast<size_t>(category)) = button;
    }
    column->addStretch(1);

    // The picture lies under the captions and buttons.
    auto* layers = new QStackedLayout(this);
    layers->setStackingMode(QStackedLayout::StackAll);
    layers->setContentsMargins(0, 0, 0, 0);
    layers->addWidget(content);
    layers->addWidget(m_picture);
    hide();
}

void CategoryChooser::showChoosing()
{
    m_title->setText(tr("Your turn to"));
    m_subtitle->setText(tr("choose a category"));
    show();
    raise();
}

void CategoryChooser::releaseButtons()
{
    for (int category = 0; category < 7; ++category)
        releaseButton(category);
}

void CategoryChooser::releaseButton(int category)
{
    QToolButton* button = m_buttons.at(static_cast<size_t>(category));
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

void CategoryChooser::drawPictures(qreal scale)
{
    for (int category = 0; category < 7; ++category)
        m_buttons.at(static_cast<size_t>(category))->setIcon(picture(this, scale, [category](qreal at) {
            return artwork::categoryBannerAt(category, at);
        }));
    const QPixmap tile = artwork::backgroundTileAt(scale * devicePixelRatioF());
    if (tile.isNull())
        return;
    m_picture->setPixmap(picture(this, scale, [](qreal at) {
        QPixmap filled(qRound(206 * at), qRound(225 * at));
        QPainter painter(&filled);
        painter.fillRect(filled.rect(), QBrush(artwork::backgroundTileAt(at)));
        return filled;
    }));
}

} // namespace pictova
