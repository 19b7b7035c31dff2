#include "settings_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

TEST(SettingsFileTest, OnlyAPortNumberFrom1To16IsRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("SOLVA-TX.ini"));
    const struct {
        QByteArray content;
        std::optional<int> port;
    } cases[] = {
        {"7\r\n", 7},     {"1\r\n", 1},
        {"16\r\n", 16},   {"3", 3},
        {" 12 \r\n", 12}, {"9\nrest\n", 9},
        {"17\r\n", {}},   {"0\r\n", {}},
        {"-1\r\n", {}},   {"com\r\n", {}},
        {"", {}},         {"\r\n7\r\n", {}},
        {"7.5\r\n", {}},  {QByteArray(5000, '7'), {}},
    };
    for (const auto& c : cases) {
        WriteBytes(path, c.content);
        EXPECT_EQ(ReadSettings(path), c.port) << c.content.left(20).constData();
    }
    EXPECT_EQ(ReadSettings(dir.filePath(QStringLiteral("missing.ini"))), std::nullopt);
    EXPECT_EQ(ReadSettings(dir.path()), std::nullopt);
}

TEST(SettingsFileTest, WritingLeavesOneLineWithCrLf) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("SOLVA-TX.ini"));
    WriteBytes(path, "3\r\nold stuff\r\n");
    ASSERT_TRUE(WriteSettings(12, path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("12\r\n"));
    EXPECT_EQ(ReadSettings(path), 12);
    EXPECT_FALSE(WriteSettings(4, dir.filePath(QStringLiteral("no-such-folder/SOLVA-TX.ini"))));
}

TEST(SettingsFileTest, WithoutAPathTheFileIsTheOneInTheWorkingDirectory) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    EXPECT_EQ(ReadSettings(), std::nullopt);
    const bool written = WriteSettings(5);
    const std::optional<int> read = ReadSettings();
    QDir::setCurrent(previous);
    EXPECT_TRUE(written);
    EXPECT_EQ(read, 5);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("SOLVA-TX.ini"))));
}
