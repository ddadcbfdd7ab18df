#include "client/winnerpanel.h"

#include "resources/artwork.h"
#include "translations/livetexts.h"

#include <QLabel>

namespace pictova {

WinnerPanel::WinnerPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("panel_winner1"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    // The name sits over the animation, at a place of the picture: both are placed by hand and
    // follow the window's scale together.
    setProperty("uiOwnSize", true);
    m_inner = new QFrame(this);
    m_inner->setObjectName(QStringLiteral("panel_winner"));
    m_image = new QLabel(m_inner);
    m_image->setObjectName(QStringLiteral("image_winner"));
    m_label = new QLabel(m_inner);
    auto* texts = new LiveTexts(this);
    texts->add([this] { m_label->setText(tr("The Winner!")); });
    m_label->setObjectName(QStringLiteral("label_winner"));
    m_label->setTextFormat(Qt::PlainText);
    m_label->setAlignment(Qt::AlignCenter);
    setUiScale(1.0);
    QFont font = m_label->font();
    font.setBold(true);
    font.setUnderline(true);
    font.setPixelSize(15);
    m_label->setFont(font);
    m_label->setStyleSheet(QStringLiteral("color: #800000; background: transparent;"));
    m_animation.setInterval(500);
    connect(&m_animation, &QTimer::timeout, this, &WinnerPanel::nextFrame);
    hide();
}

void WinnerPanel::setUiScale(qreal scale)
{
    m_scale = scale;
    const auto at = [scale](int length) { return qRound(length * scale); };
    setFixedSize(at(192), at(161));
    m_inner->setGeometry(at(4), at(4), at(184), at(153));
    m_image->setGeometry(at(1), 0, at(artwork::kWinnerFrameWidth), at(artwork::kWinnerFrameHeight));
    m_label->setGeometry(at(1), at(62), at(artwork::kWinnerFrameWidth), at(26));
    redraw();
}

void WinnerPanel::nextFrame()
{
    showFrame(m_frame);
    m_frame = (m_frame + 1) % artwork::kWinnerFrames;
}

void WinnerPanel::showFrame(int frame)
{
    const qreal ratio = devicePixelRatioF();
    const qreal scale = m_scale * ratio;
    if (scale != m_stripScale) {
        m_strip = scale == 1.0 ? artwork::winnerStrip() : artwork::winnerStripAt(scale);
        m_stripScale = scale;
    }
    m_shownFrame = frame;
    if (m_strip.isNull())
        return;
    // Frame edges rounded alike on both sides, so each frame is cut exactly where it was drawn.
    const int left = qRound(frame * artwork::kWinnerFrameWidth * scale);
    const int right = qRound((frame + 1) * artwork::kWinnerFrameWidth * scale);
    QPixmap picture = m_strip.copy(left, 0, right - left, m_strip.height());
    picture.setDevicePixelRatio(ratio);
    m_image->setPixmap(picture);
}

void WinnerPanel::redraw()
{
    if (m_shownFrame >= 0)
        showFrame(m_shownFrame);
}

void WinnerPanel::showWinner(const QString& name)
{
    m_label->setText(name);
    m_frame = 0;
    nextFrame();
    show();
    raise();
    m_animation.start();
}

void WinnerPanel::hideAndStop()
{
    m_animation.stop();
    hide();
}

} // namespace pictova
