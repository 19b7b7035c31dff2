#include <gtest/gtest.h>
#include <QSet>

#include "qt_printers.h"
#include "texts.h"

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

}  // namespace
