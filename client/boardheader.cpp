#include "client/boardheader.h"

#include "client/countdown.h"
#include "client/model/gamemodel.h"
#include "client/seatpanelview.h"
#include "client/viewparts.h"
#include "resources/artwork.h"
#include "shell/settings.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace pictova {

using namespace viewparts;

BoardHeader::BoardHeader(const GameModel& model, const CountdownClock& clock, QWidget* parent)
    : QFrame(parent), m_model(model)
{
    setObjectName(QStringLiteral("Panel_top"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_fullAnswer = label(QStringLiteral("label_fullanswer"), QString(), this);
    m_fullAnswer->setAlignment(Qt::AlignCenter);
    setBold(m_fullAnswer, 16);
    setColour(m_fullAnswer, kMaroon);
    m_hint = label(QStringLiteral("label_answer"), QString(), this);
    m_hint->setAlignment(Qt::AlignCenter);
    setBold(m_hint, 17);
    QFont mono = m_hint->font();
    mono.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    m_hint->setFont(mono);
    // Long hints and names are cut by the window, not the window widened by them.
    for (QLabel* line : {m_fullAnswer, m_hint})
        line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    // The own side sits where the Start button does, which no running game shows.
    m_ownTeam = label(QStringLiteral("label_myteam"), QString(), this);
    m_ownTeam->setAlignment(Qt::AlignCenter);
    setBold(m_ownTeam, 12);
    m_ownTeam->hide();
    m_start = pictureButton(QStringLiteral("button_start"), this, QSize(100, 15));
    m_start->hide();
    m_pass = pictureButton(QStringLiteral("button_pass"), this, QSize(100, 15));
    m_pass->hide();
    connect(m_start, &QToolButton::clicked, this, &BoardHeader::startClicked);
    connect(m_pass, &QToolButton::clicked, this, &BoardHeader::passClicked);

    auto* strip = panel(QStringLiteral("FlatPanel1"), this);
    m_category = label(QStringLiteral("image_cat"), QString(), strip);
    m_category->setFixedSize(100, 15);
    m_playTo = label(QStringLiteral("playtoscore"), QString(), strip);
    m_time = label(QStringLiteral("timeperturn"), QString(), strip);
    for (QLabel* l : {m_playTo, m_time}) {
        setBold(l, 11);
        setColour(l, kMaroon);
    }
    auto* timeCaption = label(QStringLiteral("label_timecaption"), QString(), strip);
    m_timeCaption = timeCaption;
    setBold(timeCaption, 11);
    m_countdown = new CountdownView(clock, strip);
    auto* status = new QHBoxLayout(strip);
    status->setContentsMargins(3, 2, 4, 2);
    status->setSpacing(8);
    status->addWidget(m_category);
    status->addWidget(m_playTo);
    status->addWidget(m_time);
    status->addStretch(1);
    status->addWidget(timeCaption);
    status->addWidget(m_countdown);

    auto* top = new QGridLayout;
    top->setContentsMargins(1, 1, 1, 0);
    top->setHorizontalSpacing(2);
    top->addWidget(m_ownTeam, 0, 0);
    top->addWidget(m_start, 0, 0);
    top->addWidget(m_fullAnswer, 0, 1);
    top->addWidget(m_pass, 0, 2);
    top->setColumnStretch(1, 1);
    // Both sides as wide, so the answer stays in the middle whichever buttons show.
    top->setColumnMinimumWidth(0, 102);
    top->setColumnMinimumWidth(2, 102);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(1, 1, 1, 1);
    column->setSpacing(0);
    column->addLayout(top);
    column->addWidget(m_hint);
    column->addWidget(strip);

    showGreeting();
    showSettings(StartChoices{}.playto, StartChoices{}.seconds);
    showTexts();

    connect(&model, &GameModel::hintChanged, this, [this] {
        m_greeting = false;
        m_hint->setText(m_model.hint());
    });
    connect(&model, &GameModel::fullAnswerChanged, this, [this] {
        m_greeting = false;
        m_fullAnswer->setText(m_model.fullAnswer());
    });
    connect(&model, &GameModel::categoryChanged, this, &BoardHeader::showCategory);
    connect(&model, &GameModel::passOfferedChanged, this,
            [this] { m_pass->setVisible(m_model.passOffered()); });
    connect(&model, &GameModel::startOfferedChanged, this,
            [this] { m_start->setVisible(m_model.startOffered()); });
}

void BoardHeader::resetForNewGame()
{
    m_category->clear();
    // Until the new game's first turn the board greets as it did when the window opened.
    showGreeting();
    m_fullAnswer->show();
}

void BoardHeader::showGreeting()
{
    m_greeting = true;
    m_fullAnswer->setText(tr("Welcome To"));
    m_hint->setText(tr("Pictova By Quorix Software"));
}

void BoardHeader::showTexts()
{
    m_start->setToolTip(tr("Start Game"));
    m_pass->setToolTip(tr("Pass"));
    m_timeCaption->setText(tr("Time:"));
}

void BoardHeader::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        showTexts();
        showSettings(m_shownPlayTo, m_shownSeconds);
        if (m_greeting)
            showGreeting();
        showOwnTeam();
    }
    QFrame::changeEvent(event);
}

void BoardHeader::showFullAnswer(bool shown)
{
    m_fullAnswer->setVisible(shown);
}

void BoardHeader::showSettings(int playTo, int seconds)
{
    m_shownPlayTo = playTo;
    m_shownSeconds = seconds;
    // The status strip's captions, before any game (from the start form's choices) and during one.
    m_playTo->setText(tr("Play to score: %1").arg(playTo));
    m_time->setText(tr("Time per turn: %1").arg(seconds));
}

void BoardHeader::showCategory()
{
    const int category = m_model.category();
    m_category->setPixmap(
        category >= 0 && category <= 6
            ? picture(m_category, m_scale,
                      [category](qreal at) { return artwork::categoryBannerAt(category, at); })
            : QPixmap());
}

void BoardHeader::showOwnTeam()
{
    const Team myTeam = m_model.teamGame() ? GameModel::teamOf(m_model.mySeat()) : Team::None;
    m_ownTeam->setText(GameModel::teamName(myTeam));
    m_ownTeam->setVisible(myTeam != Team::None);
    QPalette palette = m_ownTeam->palette();
    palette.setColor(QPalette::WindowText, myTeam == Team::Black ? QColor(Qt::black) : kMaroon);
    m_ownTeam->setPalette(palette);
    m_ownTeam->setToolTip(myTeam == Team::None
                              ? QString()
                              : QStringLiteral("<qt>") + teamRosterTip(m_model.teamStanding(myTeam)) +
                                    QStringLiteral("</qt>"));
}

void BoardHeader::drawPictures(qreal scale)
{
    m_scale = scale;
    m_start->setIcon(picture(m_start, scale, artwork::startFaceAt));
    m_pass->setIcon(picture(m_pass, scale, artwork::passFaceAt));
    showCategory();
}

} // namespace pictova
