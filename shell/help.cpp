#include "shell/help.h"

#include "shell/background.h"
#include "shell/helppages.h"
#include "translations/livetexts.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace pictova {

namespace {

const char* kTagProperty = "tag";
const QColor kPanelColour{0xB3, 0xB4, 0x9A};

QPushButton* flatButton(const QString& text, const QString& name, int tag, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setProperty(kTagProperty, tag);
    button->setFlat(true);
    QPalette colours = button->palette();
    colours.setColor(QPalette::ButtonText, kMaroon);
    button->setPalette(colours);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    return button;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_caption(new QLabel(this)), m_pages(new QStackedWidget(this))
{
    setObjectName(QStringLiteral("help"));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pageButtons"));
    panel->setAutoFillBackground(true);
    QPalette panelColours = panel->palette();
    panelColours.setColor(QPalette::Window, kPanelColour);
    panel->setPalette(panelColours);
    auto* buttons = new QVBoxLayout(panel);
    buttons->setContentsMargins(6, 10, 6, 10);
    buttons->setSpacing(4);

    auto* texts = new LiveTexts(this);
    texts->add([this] { setWindowTitle(tr("Pictova - Help File")); });
    const QList<HelpPage> pages = helpPages();
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const HelpPage& help = pages.at(i);
        auto* browser = new QTextBrowser(m_pages);
        browser->setObjectName(QStringLiteral("memo%1").arg(help.tag));
        browser->setOpenLinks(false);
        m_pages->addWidget(browser);
        QPushButton* button =
            flatButton(QString(), QStringLiteral("pageButton%1").arg(help.tag), help.tag, panel);
        texts->add([browser, button, i] {
            const HelpPage shown = helpPages().at(i);
            browser->setHtml(shown.html);
            button->setText(shown.title);
        });
        connect(button, &QPushButton::clicked, this, [this, button] { showPageOf(button); });
        buttons->addWidget(button);
    }
    buttons->addSpacing(10);
    QPushButton* about = flatButton(QString(), QStringLiteral("aboutButton"), 7, panel);
    connect(about, &QPushButton::clicked, this, &HelpWindow::aboutRequested);
    buttons->addWidget(about);

    auto* credits = new QLabel(panel);
    credits->setObjectName(QStringLiteral("credits"));
    credits->setTextFormat(Qt::PlainText);
    credits->setAlignment(Qt::AlignCenter);
    credits->setWordWrap(true);
    QFont small = credits->font();
    small.setPointSize(7);
    credits->setFont(small);
    buttons->addStretch();
    buttons->addWidget(credits);
    buttons->addSpacing(8);

    QPushButton* done = flatButton(QString(), QStringLiteral("doneButton"), 10, panel);
    texts->add([about, credits, done] {
        about->setText(tr("About"));
        credits->setText(tr("Pictova\nA drawing and guessing game\nby the Pictova team"));
        done->setText(tr("Done"));
    });
    connect(done, &QPushButton::clicked, this, &QWidget::hide);
    buttons->addWidget(done);

    m_caption->setObjectName(QStringLiteral("label_caption"));
    m_caption->setAlignment(Qt::AlignCenter);
    QFont bold = m_caption->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 3);
    m_caption->setFont(bold);
    QPalette captionColours = m_caption->palette();
    captionColours.setColor(QPalette::WindowText, kMaroon);
    m_caption->setPalette(captionColours);

    auto* page = new QVBoxLayout;
    page->setContentsMargins(8, 8, 8, 8);
    page->addWidget(m_caption);
    page->addWidget(m_pages, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // Its size follows its text: nothing to drag.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(panel);
    layout->addLayout(page, 1);
    fitToText();
    showPage(1, helpPages().front().title);
    // The caption follows the page shown into the new language.
    texts->add([this] {
        if (QTextBrowser* shown = currentPage())
            showPageOf(findChild<QAbstractButton*>(
                shown->objectName().replace(QLatin1String("memo"), QLatin1String("pageButton"))));
    });
}

// A page shows about 24 lines of 50 characters at any text size.
void HelpWindow::fitToText()
{
    const QFontMetrics text = m_pages->fontMetrics();
    m_pages->setFixedSize(text.averageCharWidth() * 50, text.lineSpacing() * 24);
}

void HelpWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToText();
}

void HelpWindow::showPageOf(QAbstractButton* button)
{
    if (button)
        showPage(button->property(kTagProperty).toInt(), button->text());
}

void HelpWindow::showPage(int tag, const QString& caption)
{
    auto* page = m_pages->findChild<QTextBrowser*>(QStringLiteral("memo%1").arg(tag));
    if (!page)
        return;
    m_pages->setCurrentWidget(page);
    m_caption->setText(caption);
}

QTextBrowser* HelpWindow::currentPage() const
{
    return qobject_cast<QTextBrowser*>(m_pages->currentWidget());
}

QString HelpWindow::caption() const
{
    return m_caption->text();
}

void HelpWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintTiledBackground(painter, rect(), Qt::white, this);
}

} // namespace pictova
