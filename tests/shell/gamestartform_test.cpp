#include "shell/gamestartform.h"
#include "shell/steppedrange.h"
#include "shell/updown.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace pictova;

namespace {

QStringList stepAll(Tgamestartform& form, const char* updown, const char* arrow, int times)
{
    QToolButton* button = form.findChild<UpDown*>(updown)->findChild<QToolButton*>(arrow);
    QStringList seen;
    for (int i = 0; i < times; ++i) {
        button->click();
        seen.append(QString(updown) == "UpDown1" ? form.playtoText() : form.timeText());
    }
    return seen;
}

void press(QWidget* target, int key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

TEST(GameStartForm, startsWithTheDefaultsAndTheLook)
{
    Tgamestartform form;
    EXPECT_EQ(form.windowTitle(), "Pictova - Start Game");
    EXPECT_EQ(form.size(), QSize(240, 209));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form.playtoText(), "20");
    EXPECT_EQ(form.timeText(), "120");
    EXPECT_FALSE(form.teamChecked());
    EXPECT_TRUE(form.findChild<QLineEdit*>("playtoscore")->isReadOnly());
    EXPECT_TRUE(form.findChild<QLineEdit*>("timeperturn")->isReadOnly());
    EXPECT_EQ(form.findChild<QCheckBox*>("team")->text(), "Team Game");
    EXPECT_EQ(form.findChild<QPushButton*>("FlatButton1")->text(), "Start Game");

    form.show();
    EXPECT_EQ(form.focusWidget(), form.findChild<QCheckBox*>("team"));
}

TEST(GameStartForm, theArrowsStepByFivesAndStopAtTheLimits)
{
    Tgamestartform form;
    const QStringList up = stepAll(form, "UpDown1", "up", 18);
    EXPECT_EQ(up.first(), "25");
    EXPECT_EQ(up[15], "100");
    EXPECT_EQ(up.last(), "100");
    EXPECT_EQ(stepAll(form, "UpDown1", "down", 17).last(), "20");

    EXPECT_EQ(stepAll(form, "UpDown2", "up", 1), QStringList{"120"});
    const QStringList down = stepAll(form, "UpDown2", "down", 13);
    EXPECT_EQ(down.first(), "115");
    EXPECT_EQ(down[11], "60");
    EXPECT_EQ(down.last(), "60");
}

TEST(GameStartForm, upAndDownKeysStepTheFocusedField)
{
    Tgamestartform form;
    press(form.findChild<QLineEdit*>("playtoscore"), Qt::Key_Up);
    press(form.findChild<QLineEdit*>("playtoscore"), Qt::Key_Up);
    press(form.findChild<QLineEdit*>("timeperturn"), Qt::Key_Down);
    EXPECT_EQ(form.playtoText(), "30");
    EXPECT_EQ(form.timeText(), "115");
}

TEST(GameStartForm, announcedValuesShowWithinTheLimitsAndKeepTheTeamBox)
{
    Tgamestartform form;
    form.findChild<QCheckBox*>("team")->setChecked(true);
    form.setAnnounced(45, 90);
    EXPECT_EQ(form.playtoText(), "45");
    EXPECT_EQ(form.timeText(), "90");
    EXPECT_TRUE(form.teamChecked());

    // Whatever a host announces, the fields never show a value the arrows could not reach.
    form.setAnnounced(1000, -5);
    EXPECT_EQ(form.playtoText(), "100");
    EXPECT_EQ(form.timeText(), "60");
    form.setAnnounced(33, 87);
    EXPECT_EQ(form.playtoText(), "35");
    EXPECT_EQ(form.timeText(), "85");
    form.setAnnounced(INT_MIN, INT_MAX);
    EXPECT_EQ(form.playtoText(), "20");
    EXPECT_EQ(form.timeText(), "120");
}

TEST(GameStartForm, startGameAsksForTheStartAndCloses)
{
    Tgamestartform form;
    form.show();
    QString seenPlayto;
    bool wasVisible = false;
    QObject::connect(&form, &Tgamestartform::startRequested, [&] {
        seenPlayto = form.playtoText();
        wasVisible = form.isVisible();
    });
    QSignalSpy started(&form, &Tgamestartform::startRequested);
    form.findChild<QPushButton*>("FlatButton1")->click();
    EXPECT_EQ(started.count(), 1);
    EXPECT_EQ(seenPlayto, "20");
    EXPECT_TRUE(wasVisible);
    EXPECT_FALSE(form.isVisible());
}

TEST(SteppedRange, keepsToItsStepsAndLimits)
{
    SteppedRange range(20, 100, 5, 20);
    EXPECT_FALSE(range.stepDown());
    EXPECT_TRUE(range.stepUp());
    EXPECT_EQ(range.position(), 25);
    range.setPosition(99);
    EXPECT_EQ(range.position(), 100);
    EXPECT_FALSE(range.stepUp());
    range.setPosition(22);
    EXPECT_EQ(range.position(), 20);
    range.setPosition(23);
    EXPECT_EQ(range.position(), 25);

    SteppedRange uneven(0, 12, 5, 12); // the top is brought down onto a step
    EXPECT_EQ(uneven.position(), 10);
    EXPECT_FALSE(uneven.stepUp());
}

} // namespace
