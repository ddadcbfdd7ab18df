// pictova-icons: renders the game's icon (drawn in code, resources/artwork.cpp) into the PNG
// files an installed game brings along. Runs at build time, without a screen.
//   pictova-icons <folder> <icon name> <size>...
// writes <folder>/<size>x<size>/apps/<icon name>.png for each size.
#include "resources/artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: pictova-icons <folder> <icon name> <size>...\n");
        return 2;
    }
    for (const QString& sizeText : arguments.mid(2)) {
        bool ok = false;
        const int size = sizeText.toInt(&ok);
        if (!ok || size < 8 || size > 1024) {
            std::fprintf(stderr, "pictova-icons: size %s is not 8..1024\n", qPrintable(sizeText));
            return 2;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(arguments[0]).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(folder, arguments[1]);
        if (!QDir().mkpath(folder) || !pictova::artwork::appIconImage(size).save(file, "PNG")) {
            std::fprintf(stderr, "pictova-icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
