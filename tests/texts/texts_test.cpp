#include <gtest/gtest.h>
#include <QSet>
#include <cstring>
#include <initializer_list>

#include "qt_printers.h"
#include "texts.h"

namespace {

using enum UiLanguage;

// Joins pieces the way the message boxes do: parts starting with "Msg" are keys, others values.
QString Compose(UiLanguage language, std::initializer_list<const char*> parts) {
    const Texts texts(language);
    QString message;
    for (const char* part : parts) {
        message += std::strncmp(part, "Msg", 3) == 0 ? texts(part) : QString::fromUtf8(part);
    }
    return message;
}

TEST(TextsTest, ComposedMessagesReadAsShown) {
    EXPECT_EQ(Compose(Hun, {"MsgAboveMaxHead", "15", "MsgAboveMaxTail"}),
              "Kimeneti feszültség nem növelhető 15V fölé!");
    EXPECT_EQ(Compose(Eng, {"MsgAboveMaxHead", "15", "MsgAboveMaxTail"}),
              "Output voltage can not be increased above 15V!");
    EXPECT_EQ(Compose(Hun, {"MsgLineMaxHead", "5", "MsgLineMaxMid", "10", "MsgLineMaxTail"}),
              "Maximális kimeneti érték: 5V! Adja meg újból a(z) 10V-hoz tartozó kimeneti "
              "feszültséget!");
    EXPECT_EQ(Compose(Eng, {"MsgLineMaxHead", "5", "MsgLineMaxMid", "10", "MsgLineMaxTail"}),
              "Maximum output value is: 5V! Set again the output voltage for input voltage: 10V!");
}

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
