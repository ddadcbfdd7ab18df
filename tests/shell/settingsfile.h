#pragma once

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pictova::test {

// A settings file of its own in a temporary folder, written and read back as raw bytes.
class SettingsFileTest : public ::testing::Test
{
protected:
    QString path() const { return m_dir.filePath("orvilobby.ini"); }
    void write(const QByteArray& bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir m_dir;
};

} // namespace pictova::test
