#include <gtest/gtest.h>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include "tests/fakes/qt_printers.h"
#include "texts/texts.h"

namespace {

// A repeated key would silently hide the later row.
TEST(TextsTest, KeysAreUniqueAndComplete) {
    QSet<QString> keys;
    for (const MessageText& row : MessageTexts()) {
        EXPECT_FALSE(keys.contains(row.key)) << row.key;
        keys.insert(row.key);
        EXPECT_TRUE(*row.hun != '\0' && *row.eng != '\0') << row.key;
    }
    // Every composed message has its closing piece and its title.
    for (const QString& key : keys) {
        if (key.endsWith("Head") && key != "MsgSerialErrorHead") {
            EXPECT_TRUE(keys.contains(key.chopped(4) + "Tail")) << qPrintable(key);
            EXPECT_TRUE(keys.contains(key.chopped(4) + "Title")) << qPrintable(key);
        }
    }
}

// A misspelt key would show itself to the user instead of its text: every key the program's
// sources name ("Msg..." in quotes) must be a row of the table, or the stem of a composed
// message's head, tail and title; and every row's key starts so.
TEST(TextsTest, EveryKeyTheSourcesNameIsInTheTable) {
    QSet<QString> keys;
    for (const MessageText& row : MessageTexts()) {
        EXPECT_TRUE(QString(row.key).startsWith("Msg")) << row.key;
        keys.insert(row.key);
    }
    const QRegularExpression quotedKey(R"re("(Msg\w*)")re");
    int named = 0;
    for (const char* folder : {"app", "chart", "cli", "core", "device", "files", "history",
                               "platform", "recovery", "report", "table", "texts"}) {
        QDirIterator files(QStringLiteral(SOLVA_SOURCE_DIR "/") + folder, {"*.cpp", "*.h"},
                           QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
            const QString text = QString::fromUtf8(file.readAll());
            for (const QRegularExpressionMatch& match : quotedKey.globalMatch(text)) {
                ++named;
                const QString name = match.captured(1);
                const bool stem = keys.contains(name + "Head") && keys.contains(name + "Tail") &&
                                  keys.contains(name + "Title");
                EXPECT_TRUE(keys.contains(name) || stem)
                    << qPrintable(match.captured(1)) << " in " << qPrintable(file.fileName());
            }
        }
    }
    EXPECT_GT(named, keys.size()) << "the sources were not found";
}

}  // namespace
