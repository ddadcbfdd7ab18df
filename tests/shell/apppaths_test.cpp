#include "shell/apppaths.h"
#include "shell/inifile.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pictova;

TEST(AppPaths, AFolderNamedInTheEnvironmentIsMadeSoTheSettingsCanBeSaved)
{
    QTemporaryDir root;
    const QString folder = root.filePath("not/yet/there");
    const QByteArray before = qgetenv("PICTOVA_DATA_DIR");
    qputenv("PICTOVA_DATA_DIR", folder.toLocal8Bit());

    EXPECT_EQ(dataFolder(), folder);
    EXPECT_TRUE(QDir(folder).exists());
    IniFile ini(settingsFilePath());
    ini.writeString("Pictova", "Textsize", "8");
    EXPECT_NO_THROW(ini.save());
    EXPECT_TRUE(QFile::exists(QDir(folder).filePath("orvilobby.ini")));

    if (before.isNull())
        qunsetenv("PICTOVA_DATA_DIR");
    else
        qputenv("PICTOVA_DATA_DIR", before);
}
