#include "shell/about.h"

#include "shell/designscale.h"

#include "messaging/version.h"
#include "resources/artwork.h"
#include "shell/background.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

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
QLabel* place(QLabel* label, const QString& name, const QRect& where, int pixelSize, bool bold, bool italic,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    label->setObjectName(name);
    label->setGeometry(where);
    label->setAlignment(alignment);
    label->setTextFormat(Qt::PlainText);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    label->setFont(font);
    return label;
}

} // namespace

Tabout::Tabout(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("about"));
    setWindowTitle(QStringLiteral("Pictova - About"));
    setFixedSize(kClientWidth, kClientHeight);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, kMaroon);
    colours.setColor(QPalette::ButtonText, kMaroon);
    setPalette(colours);

    m_webAddress.setScheme(QStringLiteral("http"));
    m_webAddress.setHost(QString::fromLatin1(kWebAddress));

    // Everything sits below the picture's clip and keeps clear of its doodles.
    place(new QLabel(QStringLiteral("Pictova"), this), QStringLiteral("productname"), QRect(0, 32, 202, 34),
          26, true, true, Qt::AlignCenter);
    QLabel* web = place(new ClickLabel(QString::fromLatin1(kWebAddress), this, [this] { Label9Click(); }),
                        QStringLiteral("Label9"), QRect(0, 66, 202, 16), 12, true, true, Qt::AlignCenter);
    QFont underlined = web->font();
    underlined.setUnderline(true);
    web->setFont(underlined);

    const char* credits[] = {"Game design and code:", "the Pictova team",
                             "Pictures and sounds:", "made for Pictova", "Thanks to every tester!"};
    int y = 86;
    for (int i = 0; i < int(std::size(credits)); ++i, y += 14)
        place(new QLabel(QString::fromLatin1(credits[i]), this), QStringLiteral("credit%1").arg(i + 1),
              QRect(0, y, 202, 14), 10, true, false, Qt::AlignCenter);

    // "Version", the protocol version and ".1" sit close together so they read as one number.
    QLabel* caption = place(new QLabel(QStringLiteral("Version"), this), QStringLiteral("versioncaption"),
                            QRect(8, 176, 0, 18), 11, true, false);
    m_version = place(new QLabel(QString::fromLatin1(kVersion), this), QStringLiteral("version"),
                      QRect(0, 176, 0, 18), 11, true, false);
    QLabel* build = place(new QLabel(QStringLiteral(".1"), this), QStringLiteral("buildnumber"),
                          QRect(0, 176, 0, 18), 11, true, false);
    int x = 8;
    for (QLabel* part : {caption, m_version, build}) {
        const int width = part->fontMetrics().horizontalAdvance(part->text());
        part->setGeometry(x, 176, width + 1, 18);
        x += width + (part == caption ? part->fontMetrics().horizontalAdvance(QLatin1Char(' ')) : 0);
    }

    auto* done = new QPushButton(QStringLiteral("Done"), this);
    done->setObjectName(QStringLiteral("SelButton8"));
    done->setGeometry(138, 173, 56, 24);
    connect(done, &QPushButton::clicked, this, &Tabout::SelButton8Click);
}

QString Tabout::versionText() const
{
    return m_version->text();
}

void Tabout::Label9Click()
{
    // Whether the desktop took the address is not the box's business: nothing is shown either way.
    if (m_opener)
        m_opener(m_webAddress);
}

void Tabout::SelButton8Click()
{
    hide();
}

void Tabout::paintEvent(QPaintEvent*)
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
