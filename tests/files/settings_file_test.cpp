#include "files/settings_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// The file lives in the working directory; only a first line holding a port 1..16 counts.
TEST(SettingsFileTest, WritesOneLineAndReadsOnlyAPortFrom1To16) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    QFile file(QStringLiteral("SOLVA-TX.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("3\r\nold stuff\r\n");
    file.close();
    EXPECT_TRUE(WriteSettings(12));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("12\r\n"));
    file.close();
    const struct {
        QByteArray content;
        std::optional<int> port;
    } cases[] = {{"1\r\n", 1},  {" 16 ", 16}, {"9\nrest\n", 9},           {"17\r\n", {}},
                 {"0\r\n", {}}, {"", {}},     {"\r\n7\r\n", {}},          {"7.5\r\n", 8},
                 {"6.5", 6},    {"7.0", 7},   {QByteArray(5000, '7'), {}}};
    for (const auto& c : cases) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.content);
        file.close();
        EXPECT_EQ(ReadSettings(), c.port) << c.content.left(20).constData();
    }
    ASSERT_TRUE(file.remove());
    EXPECT_EQ(ReadSettings(), std::nullopt);
    QDir::setCurrent(previous);
    EXPECT_EQ(ReadSettings(dir.path()), std::nullopt);
    EXPECT_FALSE(WriteSettings(4, dir.filePath(QStringLiteral("no-such-folder/SOLVA-TX.ini"))));
}
