#include "shell/about.h"

#include "shell/designscale.h"

#include "messaging/version.h"
#include "resources/artwork.h"
#include "shell/background.h"
#include "shell/dialogzoom.h"
#include "translations/livetexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace pictova {

namespace {

// A label that acts on a left click, as the web address does.
class ClickLabel : public QLabel
{
public:
    ClickLabel(const QString& text, QWidget* parent, std::function<void()> action)
        : QLabel(text, parent), m_action(std::move(action))
    {
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && m_action)
            m_action();
        QLabel::mousePressEvent(event);
    }

private:
    std::function<void()> m_action;
};

// Sizes are in pixels, as the box and its picture are: text in points would grow past its place
// on a screen of more dots per inch.
QLabel* styled(QLabel* label, const QString& name, int pixelSize, bool bold, bool italic,
               Qt::Alignment alignment = Qt::AlignCenter)
{
    label->setObjectName(name);
    label->setAlignment(alignment);
    label->setTextFormat(Qt::PlainText);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    label->setFont(font);
    return label;
}

// Where the text may go on the picture at 100 %: below its clip and clear of its doodles.
constexpr QMargins kTextArea(8, 32, 8, 6);

} // namespace

AboutBox::AboutBox(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("about"));
    auto* texts = new LiveTexts(this);
    texts->add([this] { setWindowTitle(tr("Pictova - About")); });
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, kMaroon);
    colours.setColor(QPalette::ButtonText, kMaroon);
    setPalette(colours);

    m_webAddress.setScheme(QStringLiteral("http"));
    m_webAddress.setHost(QString::fromLatin1(kWebAddress));

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(
        styled(new QLabel(QStringLiteral("Pictova"), this), QStringLiteral("productname"), 26, true, true));
    QLabel* web = styled(new ClickLabel(QString::fromLatin1(kWebAddress), this, [this] { openWebAddress(); }),
                         QStringLiteral("webAddress"), 12, true, true);
    QFont underlined = web->font();
    underlined.setUnderline(true);
    web->setFont(underlined);
    layout->addWidget(web);
    layout->addSpacing(4);

    const char* credits[] = {QT_TR_NOOP("Game design and code:"), QT_TR_NOOP("the Pictova team"),
                             QT_TR_NOOP("Pictures and sounds:"), QT_TR_NOOP("made for Pictova"),
                             QT_TR_NOOP("Thanks to every tester!")};
    for (int i = 0; i < int(std::size(credits)); ++i) {
        QLabel* credit = styled(new QLabel(this), QStringLiteral("credit%1").arg(i + 1), 10, true, false);
        texts->add([credit, text = credits[i]] { credit->setText(tr(text)); });
        layout->addWidget(credit);
    }
    layout->addStretch();

    // "Version", the protocol version and ".1" sit close together so they read as one number.
    auto* foot = new QHBoxLayout;
    foot->setSpacing(0);
    m_versionCaption = styled(new QLabel(this), QStringLiteral("versioncaption"), 11, true, false,
                              Qt::AlignLeft | Qt::AlignVCenter);
    m_version = styled(new QLabel(QString::fromLatin1(kVersion), this), QStringLiteral("version"), 11, true,
                       false, Qt::AlignLeft | Qt::AlignVCenter);
    foot->addWidget(m_versionCaption);
    foot->addWidget(m_version);
    foot->addWidget(styled(new QLabel(QStringLiteral(".1"), this), QStringLiteral("buildnumber"), 11, true,
                           false, Qt::AlignLeft | Qt::AlignVCenter));
    foot->addStretch();
    auto* done = new QPushButton(this);
    texts->add([this, done] {
        m_versionCaption->setText(tr("Version"));
        done->setText(tr("Done"));
    });
    done->setObjectName(QStringLiteral("doneButton"));
    connect(done, &QPushButton::clicked, this, &AboutBox::done);
    foot->addWidget(done);
    layout->addLayout(foot);

    // Measuring the layout polishes the box, which brings it to its scale: listen first.
    DialogZoom::whenZoomed(this, [this] { fitToPicture(); });
    fitToPicture();
}

// The box is as large as its picture at the UI scale, and larger only where its text needs it.
void AboutBox::fitToPicture()
{
    const qreal scale = design::zoomOf(this);
    layout()->setContentsMargins(qRound(kTextArea.left() * scale), qRound(kTextArea.top() * scale),
                                 qRound(kTextArea.right() * scale), qRound(kTextArea.bottom() * scale));
    // Each line keeps its band of the picture, clear of its doodles.
    for (QLabel* label : findChildren<QLabel*>()) {
        const int band = label->objectName() == QLatin1String("productname")       ? 34
                         : label->objectName() == QLatin1String("webAddress")      ? 16
                         : label->objectName().startsWith(QLatin1String("credit")) ? 14
                                                                                   : 18;
        label->setMinimumHeight(design::scaled(this, band));
    }
    const QFontMetrics caption = m_versionCaption->fontMetrics();
    m_versionCaption->setMinimumWidth(caption.horizontalAdvance(m_versionCaption->text()) +
                                      caption.horizontalAdvance(QLatin1Char(' ')));
    layout()->activate();
    setFixedSize(QSize(design::scaled(this, kClientWidth), design::scaled(this, kClientHeight))
                     .expandedTo(layout()->totalMinimumSize()));
}

QString AboutBox::versionText() const
{
    return m_version->text();
}

void AboutBox::openWebAddress()
{
    // Whether the desktop took the address is not the box's business: nothing is shown either way.
    if (m_opener)
        m_opener(m_webAddress);
}

void AboutBox::done()
{
    hide();
}

void AboutBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const qreal scale = design::zoomOf(this) * devicePixelRatioF();
    if (m_picture.isNull() || m_pictureScale != scale) {
        m_picture = design::picture(this, artwork::aboutPictureAt);
        m_pictureScale = scale;
    }
    if (m_picture.isNull())
        painter.fillRect(rect(), Qt::white);
    else
        painter.drawPixmap(rect(), m_picture);
}

} // namespace pictova
