// pictova-soak: a long run of bots against one headless host, with checks. Not a test: it
// runs for many minutes and prints its figures.
#include "tools/soak/soak.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Runs a headless host (pictova-bot --serve) and bots that play fast games against it, "
        "joining, leaving, being reset and removed, and sending garbage; checks that the host keeps "
        "serving, that the bots see the seats as the host has them, and samples the host's memory."));
    parser.addHelpOption();
    auto option = [&parser](const char* name, const char* help, const char* value, const QString& fallback) {
        QCommandLineOption o(QString::fromLatin1(name), QString::fromLatin1(help), QString::fromLatin1(value),
                             fallback);
        parser.addOption(o);
        return o;
    };
    pictova::soak::SoakSettings s;
    const auto minutes = option("minutes", "How long to run.", "n", QString::number(s.minutes));
    const auto bots = option("bots", "How many bots play.", "n", QString::number(s.bots));
    const auto second = option("second-ms", "How long a second of the turn's phases lasts.", "ms",
                               QString::number(s.secondMs));
    const auto check =
        option("check-every", "Seconds between checks.", "s", QString::number(s.checkEverySeconds));
    const auto botPath =
        option("bot", "The pictova-bot program to host with.", "path",
               QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("pictova-bot")));
    parser.process(app);

    bool ok1 = false, ok2 = false, ok3 = false, ok4 = false;
    s.minutes = parser.value(minutes).toInt(&ok1);
    s.bots = parser.value(bots).toInt(&ok2);
    s.secondMs = parser.value(second).toInt(&ok3);
    s.checkEverySeconds = parser.value(check).toInt(&ok4);
    s.botPath = parser.value(botPath);
    if (!ok1 || !ok2 || !ok3 || !ok4 || s.minutes < 1 || s.bots < 2 || s.bots > 15 || s.secondMs < 10 ||
        s.checkEverySeconds < 5) {
        std::fprintf(stderr,
                     "pictova-soak: --minutes >= 1, --bots 2..15, --second-ms >= 10, --check-every >= 5\n");
        return 2;
    }
    QTextStream out(stdout);
    pictova::soak::Soak soak(s, out);
    return soak.run();
}
