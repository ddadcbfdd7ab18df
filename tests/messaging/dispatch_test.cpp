#include "messaging/dispatcher.h"
#include "messaging/drain.h"
#include "messaging/errors.h"
#include "messaging/integer.h"
#include "tests/support/waitfor.h"

#include <gtest/gtest.h>

using namespace pictova;

namespace {
struct Recorder
{
    CommandTable table;
    QStringList calls;
    Recorder()
    {
        table.add("CMD_chat", [this](const QString& p) { calls << "chat:" + p; });
        table.add("CMD_full", [this](const QString& p) { calls << "full:" + p; });
        table.add("CMD_bad", [this](const QString& p) {
            calls << "bad";
            parseInteger(p);
            calls << "not reached";
        });
    }
};
} // namespace

TEST(Dispatch, ExactNamesOnlyAndThePayloadAfterTheFirstPlus)
{
    Recorder r;
    EXPECT_TRUE(r.table.dispatch("CMD_chat+3+a+b"));
    EXPECT_TRUE(r.table.dispatch("CMD_full+"));
    EXPECT_FALSE(r.table.dispatch("cmd_chat+3+x"));
    EXPECT_FALSE(r.table.dispatch("CMD_chat"));
    EXPECT_FALSE(r.table.dispatch(""));
    EXPECT_FALSE(r.table.dispatch("+CMD_chat+1"));
    EXPECT_FALSE(r.table.dispatch("CMD_updatetime+8"));
    EXPECT_EQ(r.calls, (QStringList{"chat:3+a+b", "full:"}));
}

TEST(Dispatch, AFailingHandlerLosesOnlyItsOwnMessage)
{
    Recorder r;
    EXPECT_TRUE(r.table.dispatch("CMD_bad+x"));
    EXPECT_TRUE(r.table.dispatch("CMD_chat+ok"));
    EXPECT_EQ(r.calls, (QStringList{"bad", "chat:ok"}));
}

TEST(Drain, OneEntryPerTickAndTheTimerSleepsWhenIdle)
{
    QStringList queue{"a", "b", "c"};
    QStringList handled;
    DrainTimer drain(1, [&] {
        if (!queue.isEmpty())
            handled << queue.takeFirst();
        return !queue.isEmpty();
    });
    drain.setManual(true);
    EXPECT_TRUE(drain.tick());
    EXPECT_EQ(handled, QStringList{"a"});
    drain.setManual(false);
    drain.wake();
    EXPECT_TRUE(test::waitFor([&] { return queue.isEmpty(); }));
    EXPECT_TRUE(test::waitFor([&] { return !drain.isRunning(); }));
    EXPECT_EQ(handled, (QStringList{"a", "b", "c"}));
}

TEST(Integer, DecimalDollarAndZeroXWithTheirLimits)
{
    EXPECT_EQ(parseInteger("12"), 12);
    EXPECT_EQ(parseInteger("  12"), 12);
    EXPECT_EQ(parseInteger("-1"), -1);
    EXPECT_EQ(parseInteger("$FF"), 255);
    EXPECT_EQ(parseInteger("0x1f"), 31);
    EXPECT_EQ(parseInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(parseInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseInteger("-2147483648"), std::numeric_limits<qint32>::min());
    for (const char* bad : {"", "$", "0x", "12 ", "2147483648", "$FFFFFFFFFF", "1e3", "abc", "+", "- 1"}) {
        try {
            parseInteger(QString::fromLatin1(bad));
            ADD_FAILURE() << bad;
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.text(),
                      QStringLiteral("'%1' is not a valid integer value").arg(QString::fromLatin1(bad)));
        }
    }
}
