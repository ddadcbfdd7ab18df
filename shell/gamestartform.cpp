#include "shell/gamestartform.h"

#include "shell/background.h"
#include "shell/updown.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QCloseEvent>
#include <QPainter>
#include <QPushButton>

namespace pictova {

namespace {

const QColor kDialogBase{0x9C, 0x98, 0x78};

QLabel* caption(QWidget* parent, const QString& text, const QRect& place)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    return label;
}

} // namespace

Tgamestartform::Tgamestartform(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_playtoscore(new QLineEdit(this)),
      m_upDown1(new UpDown(this)), m_timeperturn(new QLineEdit(this)), m_upDown2(new UpDown(this)),
      m_team(new QCheckBox(QStringLiteral("Team Game"), this)),
      m_flatButton1(new QPushButton(QStringLiteral("Start Game"), this))
{
    setObjectName(QStringLiteral("gamestartform"));
    setWindowTitle(QStringLiteral("Pictova - Start Game"));
    setFixedSize(kClientWidth, kClientHeight);

    QPalette colours = palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        colours.setColor(role, kMaroon);
    setPalette(colours);

    caption(this, QStringLiteral("Play To Score"), QRect(14, 12, 120, 21));
    caption(this, QStringLiteral("Time Limit Per Turn"), QRect(14, 40, 120, 21));

    m_playtoscore->setObjectName(QStringLiteral("playtoscore"));
    m_playtoscore->setGeometry(150, 12, 45, 21);
    m_upDown1->setObjectName(QStringLiteral("UpDown1"));
    m_upDown1->setGeometry(195, 12, 17, 21);
    m_timeperturn->setObjectName(QStringLiteral("timeperturn"));
    m_timeperturn->setGeometry(150, 40, 45, 21);
    m_upDown2->setObjectName(QStringLiteral("UpDown2"));
    m_upDown2->setGeometry(195, 40, 17, 21);
    for (QLineEdit* field : {m_playtoscore, m_timeperturn}) {
        field->setReadOnly(true);
        field->setAlignment(Qt::AlignRight);
        field->installEventFilter(this);
    }

    m_team->setObjectName(QStringLiteral("team"));
    m_team->setGeometry(14, 68, 150, 21);
    m_flatButton1->setObjectName(QStringLiteral("FlatButton1"));
    m_flatButton1->setGeometry(70, 96, 100, 25);
    m_flatButton1->setFlat(true);
    m_flatButton1->setAutoFillBackground(false);

    connect(m_upDown1, &UpDown::up, this, [this] {
        m_playto.stepUp();
        showValues();
    });
    connect(m_upDown1, &UpDown::down, this, [this] {
        m_playto.stepDown();
        showValues();
    });
    connect(m_upDown2, &UpDown::up, this, [this] {
        m_time.stepUp();
        showValues();
    });
    connect(m_upDown2, &UpDown::down, this, [this] {
        m_time.stepDown();
        showValues();
    });
    connect(m_flatButton1, &QPushButton::clicked, this, &Tgamestartform::FlatButton1Click);

    setTabOrder(m_team, m_flatButton1);
    setTabOrder(m_flatButton1, m_playtoscore);
    setTabOrder(m_playtoscore, m_timeperturn);
    showValues();
}

QString Tgamestartform::playtoText() const
{
    return m_playtoscore->text();
}

QString Tgamestartform::timeText() const
{
    return m_timeperturn->text();
}

bool Tgamestartform::teamChecked() const
{
    return m_team->isChecked();
}

void Tgamestartform::setAnnounced(int playto, int seconds)
{
    m_playto.setPosition(playto);
    m_time.setPosition(seconds);
    showValues();
}

void Tgamestartform::FlatButton1Click()
{
    emit startRequested();
    hide();
}

void Tgamestartform::showValues()
{
    m_playtoscore->setText(QString::number(m_playto.position()));
    m_timeperturn->setText(QString::number(m_time.position()));
}

void Tgamestartform::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintTiledBackground(painter, rect(), kDialogBase);
}

void Tgamestartform::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit dismissed();
}

void Tgamestartform::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_team->setFocus();
}

bool Tgamestartform::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (watched == m_playtoscore || watched == m_timeperturn)) {
        SteppedRange& range = watched == m_playtoscore ? m_playto : m_time;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            key == Qt::Key_Up ? range.stepUp() : range.stepDown();
            showValues();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pictova
