#include <QApplication>
#include <gtest/gtest.h>

// Widget and network tests need an application object and its event loop.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // A test binary run by hand, without ctest's environment, must still not announce a game
    // beyond the loopback.
    if (qgetenv("PICTOVA_LAN_INTERFACE").isEmpty())
        qputenv("PICTOVA_LAN_INTERFACE", "lo");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
