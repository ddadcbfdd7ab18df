#include "shell/apppaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pictova {

namespace {
QString& overridden()
{
    static QString folder;
    return folder;
}
} // namespace

void overrideDataFolder(const QString& folder)
{
    overridden() = folder;
}

QString dataFolder()
{
    if (!overridden().isEmpty())
        return overridden();
    // A folder named in the environment is made as the user folder is: without it, the first
    // settings save fails.
    const QString env = qEnvironmentVariable("PICTOVA_DATA_DIR");
    if (!env.isEmpty()) {
        QDir().mkpath(env);
        return env;
    }
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo(programFolder).isWritable())
        return programFolder;
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(userFolder);
    return userFolder;
}

QString settingsFilePath()
{
    return QDir(dataFolder()).filePath(QStringLiteral("orvilobby.ini"));
}

QString snapshotFolder()
{
    return QDir(dataFolder()).filePath(QStringLiteral("snapshots"));
}

} // namespace pictova
