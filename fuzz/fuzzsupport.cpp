#include "fuzz/fuzzsupport.h"

#include "messaging/errors.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace pictova::fuzz {

namespace {

QStringList& reported()
{
    static QStringList errors;
    return errors;
}

void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "qFatal: %s\n", message.toLocal8Bit().constData());
        std::abort();
    }
}

void prepare()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("PICTOVA_NO_SOUND", "1");
    qInstallMessageHandler(quietMessages);
}

} // namespace

void startCoreApplication(int* argc, char*** argv)
{
    prepare();
    new QCoreApplication(*argc, *argv);
}

void startGuiApplication(int* argc, char*** argv)
{
    prepare();
    new QApplication(*argc, *argv);
}

QString scratchTemplate()
{
    const QString ram = QStringLiteral("/dev/shm");
    const QString base = QFileInfo(ram).isWritable() ? ram : QDir::tempPath();
    return base + QStringLiteral("/pictova-fuzz-XXXXXX");
}

void captureReportedErrors()
{
    setErrorReporter([](const QString& text) { reported().append(text); });
}

QStringList takeReportedErrors()
{
    QStringList taken;
    taken.swap(reported());
    return taken;
}

} // namespace pictova::fuzz
