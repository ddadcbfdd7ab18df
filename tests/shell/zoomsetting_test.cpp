#include "shell/settings.h"
#include "shell/zoomsetting.h"
#include "tests/shell/settingsfile.h"

#include <gtest/gtest.h>

using namespace pictova;

namespace {

using ZoomSettingTest = test::SettingsFileTest;

TEST(ZoomSteps, stepsGoUpAndDownAndStopAtTheEnds)
{
    EXPECT_EQ(nextZoomStep(100, +1), 125);
    EXPECT_EQ(nextZoomStep(125, +1), 150);
    EXPECT_EQ(nextZoomStep(150, +1), 200);
    EXPECT_EQ(nextZoomStep(250, +1), 300);
    EXPECT_EQ(nextZoomStep(300, +1), 300);
    EXPECT_EQ(nextZoomStep(300, -1), 250);
    EXPECT_EQ(nextZoomStep(200, -1), 150);
    EXPECT_EQ(nextZoomStep(100, -1), 100);
    // A value between steps moves from its nearest step.
    EXPECT_EQ(nextZoomStep(180, +1), 250);
    EXPECT_EQ(nearestZoomStep(175), 150); // a tie goes to the smaller step
    EXPECT_EQ(nearestZoomStep(176), 200);
    EXPECT_EQ(nearestZoomStep(-5), 100);
    EXPECT_EQ(nearestZoomStep(100000), 300);
}

TEST(ZoomSteps, theFirstStartMakesTheWindowAboutHalfTheScreensHeight)
{
    const int designed = 540;                       // window with its menu bar at 100 %
    EXPECT_EQ(firstStartZoom(600, designed), 100);  // a small screen never goes below 100 %
    EXPECT_EQ(firstStartZoom(1080, designed), 100); // 540 is exactly half
    EXPECT_EQ(firstStartZoom(1440, designed), 125); // 675 against 720
    EXPECT_EQ(firstStartZoom(1600, designed), 150); // 810 against 800
    EXPECT_EQ(firstStartZoom(2160, designed), 200); // 1080 on a 4K screen at ratio 1
    EXPECT_EQ(firstStartZoom(2880, designed), 250); // 1350 against 1440
    EXPECT_EQ(firstStartZoom(4320, designed), 300); // never above 300 %
    EXPECT_EQ(firstStartZoom(0, designed), 100);
    EXPECT_EQ(firstStartZoom(1440, 0), 100);
}

TEST_F(ZoomSettingTest, aMissingKeyOrFileIsNoChoiceYet)
{
    EXPECT_FALSE(loadZoom(path()).has_value());
    write("[Pictova]\nTextsize=10\n");
    EXPECT_FALSE(loadZoom(path()).has_value());
    write("[Pictova]\nZoom=big\n");
    EXPECT_FALSE(loadZoom(path()).has_value());
    write("[Pictova]\nZoom=0\n");
    EXPECT_FALSE(loadZoom(path()).has_value());
}

TEST_F(ZoomSettingTest, theChoiceIsKeptBesideTheOtherSettingsWhichIgnoreIt)
{
    write("[Pictova]\nTextsize=12\nPhrase2=Hi\n");
    saveZoom(path(), 250);
    EXPECT_EQ(loadZoom(path()), 250);
    EXPECT_EQ(read(), QByteArray("[Pictova]\nTextsize=12\nPhrase2=Hi\nZoom=250\n"));
    const LoadedSettings others = loadSettings(path(), 0);
    EXPECT_EQ(others.textsize, 12);
    EXPECT_EQ(others.phrases.value(1), QStringLiteral("Hi"));

    // Saving the other settings keeps the zoom.
    saveSettings(path(), SavedSettings{});
    EXPECT_EQ(loadZoom(path()), 250);
}

TEST_F(ZoomSettingTest, aHandEditedValueIsTakenAsItsNearestStep)
{
    write("[pictova]\nzoom= 190 \n");
    EXPECT_EQ(loadZoom(path()), 200);
    write("[Pictova]\nZoom=2147483647\n");
    EXPECT_EQ(loadZoom(path()), 300);
}

} // namespace

TEST(ZoomSetting, aStepIsOfferedWhenTheWholeWindowFitsToThePixel)
{
    const QSize designed(784, 537);
    const QSize frame(10, 40);
    // 200 %: 1568 + 10 wide, 1074 + 40 high.
    EXPECT_EQ(zoomStepsThatFit({1578, 1114}, designed, frame), QList<int>({100, 125, 150, 200}));
    EXPECT_EQ(zoomStepsThatFit({1578, 1113}, designed, frame), QList<int>({100, 125, 150}));
    EXPECT_EQ(zoomStepsThatFit({1577, 1114}, designed, frame), QList<int>({100, 125, 150}));
    EXPECT_EQ(zoomStepsThatFit({100, 100}, designed, frame), QList<int>{100});
    EXPECT_EQ(zoomStepsThatFit({9000, 9000}, designed, {}), QList<int>(kZoomSteps.begin(), kZoomSteps.end()));
}
