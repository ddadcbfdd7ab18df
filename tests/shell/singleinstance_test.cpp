#include "shell/singleinstance.h"
#include "tests/support/waitfor.h"

#include <QDir>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pictova;
using pictova::test::waitFor;

namespace {

// Runs the probe program (a separate process standing in for another copy of the game) and
// returns its exit code.
int runProbe(const QString& folder, const QString& mode)
{
    QProcess probe;
    probe.start(QStringLiteral(PICTOVA_INSTANCE_PROBE), {folder, mode});
    if (!probe.waitForStarted(5000))
        return -1;
    waitFor([&] { return probe.state() == QProcess::NotRunning; }, 10000);
    return probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -2;
}

TEST(SingleInstance, aSecondCopyAsksTheFirstToComeForwardAndLeaves)
{
    QTemporaryDir runtime;
    SingleInstance first(nullptr, runtime.path());
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);
    ASSERT_TRUE(first.acquire());

    EXPECT_EQ(runProbe(runtime.path(), "second"), 1);
    EXPECT_TRUE(waitFor([&] { return raised.count() == 1; }));

    // Within one process too, as a test or a restart in place would do it.
    SingleInstance second(nullptr, runtime.path());
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(waitFor([&] { return raised.count() == 2; }));

    // The marker lock is held as long as the first copy lives.
    QLockFile marker(runtime.filePath("pictova.lock"));
    EXPECT_FALSE(marker.tryLock(0));
}

TEST(SingleInstance, copiesWithTheirOwnRuntimeFoldersRunSideBySide)
{
    QTemporaryDir one;
    QTemporaryDir two;
    SingleInstance a(nullptr, one.path());
    SingleInstance b(nullptr, two.path());
    EXPECT_TRUE(a.acquire());
    EXPECT_TRUE(b.acquire());
}

TEST(SingleInstance, theLockOfACrashedCopyDoesNotBlockANewStart)
{
    QTemporaryDir runtime;
    ASSERT_EQ(runProbe(runtime.path(), "crash"), 0);
    ASSERT_TRUE(QFile::exists(runtime.filePath("kavrel.lock")));

    SingleInstance next(nullptr, runtime.path());
    QSignalSpy raised(&next, &SingleInstance::raiseRequested);
    EXPECT_TRUE(next.acquire());
    // It also took over the crashed copy's socket name, so later copies still find it.
    EXPECT_EQ(runProbe(runtime.path(), "second"), 1);
    EXPECT_TRUE(waitFor([&] { return raised.count() == 1; }));
}

TEST(SingleInstance, aCopyThatEndsLetsTheNextOneBeFirst)
{
    QTemporaryDir runtime;
    {
        SingleInstance first(nullptr, runtime.path());
        ASSERT_TRUE(first.acquire());
    }
    SingleInstance next(nullptr, runtime.path());
    EXPECT_TRUE(next.acquire());
}

TEST(SingleInstance, garbageOnTheSocketRaisesNothing)
{
    QTemporaryDir runtime;
    SingleInstance first(nullptr, runtime.path());
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);
    ASSERT_TRUE(first.acquire());
    QLocalSocket socket;
    socket.connectToServer(first.socketPath());
    ASSERT_TRUE(socket.waitForConnected(3000));
    socket.write("please raise yourself and do other things\n");
    ASSERT_TRUE(socket.waitForBytesWritten(3000));
    EXPECT_TRUE(waitFor([&] { return socket.state() == QLocalSocket::UnconnectedState; }));
    EXPECT_EQ(raised.count(), 0);
}

TEST(SingleInstance, theRuntimeFolderComesFromTheEnvironment)
{
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", "/some/runtime");
    EXPECT_EQ(SingleInstance::defaultRuntimeFolder(), "/some/runtime");
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(SingleInstance::defaultRuntimeFolder(), QDir::tempPath());
    qputenv("XDG_RUNTIME_DIR", saved);
}

} // namespace
