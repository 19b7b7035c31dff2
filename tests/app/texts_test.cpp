// The vocabulary, its application to widgets, and the drawn pictures.
#include <gtest/gtest.h>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QWidget>
#include <cstring>
#include <initializer_list>

#include "apply_texts.h"
#include "pictures.h"
#include "texts.h"

namespace {

// Joins pieces the way the message boxes do: parts starting with "Msg" are keys, others values.
QString Compose(const Texts& texts, std::initializer_list<const char*> parts) {
    QString message;
    for (const char* part : parts) {
        message += std::strncmp(part, "Msg", 3) == 0 ? texts(part) : QString::fromUtf8(part);
    }
    return message;
}

struct ComposedCase {
    const char* name;
    UiLanguage language;
    std::initializer_list<const char*> parts;
    const char* expected;
};

TEST(TextsTest, ComposedMessagesReadAsShown) {
    const ComposedCase cases[] = {
        {"step-up hun",
         UiLanguage::Hun,
         {"MsgAboveMaxHead", "15", "MsgAboveMaxTail"},
         "Kimeneti feszültség nem növelhető 15V fölé!"},
        {"step-up eng",
         UiLanguage::Eng,
         {"MsgAboveMaxHead", "15", "MsgAboveMaxTail"},
         "Output voltage can not be increased above 15V!"},
        {"line max hun",
         UiLanguage::Hun,
         {"MsgLineMaxHead", "15", "MsgLineMaxMid", "15", "MsgLineMaxTail"},
         "Maximális kimeneti érték: 15V! Adja meg újból a(z) 15V-hoz tartozó kimeneti "
         "feszültséget!"},
        {"line max eng",
         UiLanguage::Eng,
         {"MsgLineMaxHead", "15", "MsgLineMaxMid", "15", "MsgLineMaxTail"},
         "Maximum output value is: 15V! Set again the output voltage for input voltage: 15V!"},
        {"line max eng mixed spans",
         UiLanguage::Eng,
         {"MsgLineMaxHead", "5", "MsgLineMaxMid", "10", "MsgLineMaxTail"},
         "Maximum output value is: 5V! Set again the output voltage for input voltage: 10V!"},
        {"cell max hun",
         UiLanguage::Hun,
         {"MsgCellMaxHead", "15", "MsgCellMaxTail"},
         "Maximális kimeneti érték: 15V! Adja meg újból:"},
        {"cell max eng",
         UiLanguage::Eng,
         {"MsgCellMaxHead", "15", "MsgCellMaxTail"},
         "Maximum output value: 15V! Try again:"},
        {"offset min hun",
         UiLanguage::Hun,
         {"MsgOffsetMinHead", "10", "MsgOffsetMinTail"},
         "Minimális hozzaadandó érték: -10V! Adja meg újból a hozzáadandó értéket!"},
        {"offset min eng",
         UiLanguage::Eng,
         {"MsgOffsetMinHead", "10", "MsgOffsetMinTail"},
         "Minimum offset is: -10V! Set again the offset!"},
        {"line not number hun",
         UiLanguage::Hun,
         {"MsgLineNotNumberHead", "5", "MsgLineNotNumberTail"},
         "Megadott érték csak szám lehet! Adja meg újból a(z) 5V-hoz tartozó kimeneti "
         "feszültséget!"},
        {"line comma eng",
         UiLanguage::Eng,
         {"MsgLineCommaOnlyHead", "5", "MsgLineCommaOnlyTail"},
         "Only decimal comma is accepted, not decimal point! Set again the output voltage for "
         "input voltage: 5V!"},
        {"serial error hun",
         UiLanguage::Hun,
         {"MsgSerialErrorHead", "Permission denied", "MsgSerialErrorMid", "13"},
         "[HIBA: Soros port]: 'Permission denied.' Hibakód: 13"},
        {"serial error eng",
         UiLanguage::Eng,
         {"MsgSerialErrorHead", "Permission denied", "MsgSerialErrorMid", "13"},
         "[ERROR: Serial port]: 'Permission denied.' Errorcode: 13"},
    };
    for (const ComposedCase& c : cases) {
        EXPECT_EQ(Compose(Texts(c.language), c.parts), QString::fromUtf8(c.expected)) << c.name;
    }
}

TEST(TextsTest, EveryTitleKeyGivesItsTitle) {
    const char* const attentionKeys[] = {
        "MsgResolutionDecreaseTitle",
        "MsgBelowZeroTitle",
        "MsgAboveMaxTitle",
        "MsgCellPointOnlyTitle",
        "MsgCellCommaOnlyTitle",
        "MsgCellMaxTitle",
        "MsgCellMinTitle",
        "MsgCellNotNumberTitle",
        "MsgFactorPointOnlyTitle",
        "MsgFactorCommaOnlyTitle",
        "MsgFactorMinTitle",
        "MsgFactorNotNumberTitle",
        "MsgOffsetPointOnlyTitle",
        "MsgOffsetCommaOnlyTitle",
        "MsgOffsetMaxTitle",
        "MsgOffsetMinTitle",
        "MsgOffsetNotNumberTitle",
        "MsgLinePointOnlyTitle",
        "MsgLineCommaOnlyTitle",
        "MsgLineMaxTitle",
        "MsgLineMinTitle",
        "MsgLineNotNumberTitle",
    };
    const Texts hun(UiLanguage::Hun);
    const Texts eng(UiLanguage::Eng);
    for (const char* key : attentionKeys) {
        EXPECT_EQ(hun(key), QStringLiteral("Figyelem!")) << key;
        EXPECT_EQ(eng(key), QStringLiteral("Attention!")) << key;
    }
    EXPECT_EQ(hun("MsgOverwriteFileTitle"), QStringLiteral("Felülírás"));
    EXPECT_EQ(eng("MsgOverwriteFileTitle"), QStringLiteral("Overwrite"));
    for (const char* key : {"MsgSaveBeforeExitTitle", "MsgSaveOnCloseTitle"}) {
        EXPECT_EQ(hun(key), QStringLiteral("Kilépés")) << key;
        EXPECT_EQ(eng(key), QStringLiteral("Exit")) << key;
    }
}

TEST(TextsTest, PiecesFollowedByAValueKeepTheirTrailingBlank) {
    const char* const keys[] = {
        "MsgAboveMaxHead",      "MsgCellMaxHead",    "MsgOffsetMaxHead", "MsgLinePointOnlyHead",
        "MsgLineCommaOnlyHead", "MsgLineMaxHead",    "MsgLineMaxMid",    "MsgLineMinHead",
        "MsgLineNotNumberHead", "MsgSerialErrorMid",
    };
    for (UiLanguage language : {UiLanguage::Hun, UiLanguage::Eng}) {
        const Texts texts(language);
        for (const char* key : keys) {
            EXPECT_TRUE(texts(key).endsWith(QLatin1Char(' '))) << key;
            EXPECT_FALSE(texts(key).endsWith(QStringLiteral("  "))) << key;
        }
    }
}

TEST(TextsTest, SwitchingLanguageChangesTheTextsRead) {
    Texts texts;
    EXPECT_EQ(texts.Language(), UiLanguage::Hun);
    EXPECT_EQ(texts("MsgSentLabel"), QStringLiteral("Elküldve:"));
    texts.SetLanguage(UiLanguage::Eng);
    EXPECT_EQ(texts("MsgSentLabel"), QStringLiteral("Sent:"));
    EXPECT_EQ(LanguageCode(UiLanguage::Hun), QStringLiteral("hun"));
    EXPECT_EQ(LanguageCode(UiLanguage::Eng), QStringLiteral("eng"));
}

// A repeated key or control would silently hide the later row.
TEST(TextsTest, KeysAndControlsAreUniqueAndComplete) {
    QSet<QString> keys;
    for (const MessageText& row : MessageTexts()) {
        EXPECT_FALSE(keys.contains(QString::fromLatin1(row.key))) << row.key;
        keys.insert(QString::fromLatin1(row.key));
        EXPECT_TRUE(row.hun != nullptr && *row.hun != '\0') << row.key;
        EXPECT_TRUE(row.eng != nullptr && *row.eng != '\0') << row.key;
    }
    // Every composed message has its closing piece and its title.
    for (const QString& key : keys) {
        if (key.endsWith(QStringLiteral("Head")) && key != QStringLiteral("MsgSerialErrorHead")) {
            const QString stem = key.chopped(4);
            EXPECT_TRUE(keys.contains(stem + QStringLiteral("Tail"))) << qPrintable(key);
            EXPECT_TRUE(keys.contains(stem + QStringLiteral("Title"))) << qPrintable(key);
        }
    }
    QSet<QString> controls;
    for (const ControlText& row : ControlTexts()) {
        EXPECT_FALSE(controls.contains(QString::fromLatin1(row.control))) << row.control;
        controls.insert(QString::fromLatin1(row.control));
        EXPECT_EQ(row.captionHun == nullptr, row.captionEng == nullptr) << row.control;
        EXPECT_TRUE(row.toolTipHun != nullptr && row.toolTipEng != nullptr) << row.control;
    }
    EXPECT_EQ(controls.size(), 39);
}

TEST(TextsTest, UnknownKeyIsAProgrammingError) {
#ifdef QT_NO_DEBUG
    EXPECT_EQ(Texts()("MsgNoSuchKey"), QStringLiteral("MsgNoSuchKey"));
#else
    EXPECT_DEATH(Texts()("MsgNoSuchKey"), "MsgNoSuchKey");
#endif
}

TEST(TextsTest, PointPanelCaptionCarriesTheNumber) {
    EXPECT_EQ(PointPanelCaption(5), QStringLiteral("Pont(5)"));
    EXPECT_EQ(PointPanelCaption(128), QStringLiteral("Pont(128)"));
}

class ApplyTextsTest : public ::testing::Test {
protected:
    ApplyTextsTest() {
        chart_ = new QGroupBox(QStringLiteral("Frame7 design"), &root_);
        chart_->setObjectName(QStringLiteral("Frame7"));
        // Nested a level down: the window's buttons sit inside panels.
        send_ = new QPushButton(QStringLiteral("Command1 design"), chart_);
        send_->setObjectName(QStringLiteral("Command1"));
        inputHead_ = new QLabel(QStringLiteral("Label3 design"), &root_);
        inputHead_->setObjectName(QStringLiteral("Label3"));
        port_ = new QLabel(QStringLiteral("Com port:"), &root_);
        port_->setObjectName(QStringLiteral("Label7"));
        pointPanel_ = new QGroupBox(PointPanelCaption(5), &root_);
        pointPanel_->setObjectName(QStringLiteral("Frame10"));
        unit_ = new QLabel(QStringLiteral("V"), &root_);
        unit_->setObjectName(QStringLiteral("Label11"));
        unit_->setToolTip(QStringLiteral("unit"));
    }

    QWidget root_;
    QGroupBox* chart_;
    QPushButton* send_;
    QLabel* inputHead_;
    QLabel* port_;
    QGroupBox* pointPanel_;
    QLabel* unit_;
};

TEST_F(ApplyTextsTest, EnglishThenHungarianSetCaptionsAndToolTips) {
    ApplyEnglishTexts(&root_);
    EXPECT_EQ(chart_->title(), QStringLiteral("Graph"));
    EXPECT_EQ(chart_->toolTip(),
              QStringLiteral("Curve regarding to the voltage values. Modify curve using your "
                             "mouse!"));
    EXPECT_EQ(send_->text(), QStringLiteral("Send"));
    EXPECT_EQ(send_->toolTip(), QStringLiteral("Load opened/modified data onto the BOX"));
    EXPECT_EQ(inputHead_->text(), QStringLiteral("U(in)"));
    EXPECT_EQ(inputHead_->toolTip(), QStringLiteral("Input voltage"));
    EXPECT_EQ(pointPanel_->title(), QStringLiteral("Point"));

    ApplyHungarianTexts(&root_);
    EXPECT_EQ(chart_->title(), QStringLiteral("Grafikon"));
    EXPECT_EQ(chart_->toolTip(),
              QStringLiteral("A megadott fesz. értétekek megjelenítése és módosítása egérrel a "
                             "grafikonon"));
    EXPECT_EQ(send_->text(), QStringLiteral("Áttöltés"));
    EXPECT_EQ(send_->toolTip(), QStringLiteral("Megnyitott/szerkesztés alatt álló adatállomány "
                                               "készülékre történő áttöltéséhez"));
    EXPECT_EQ(inputHead_->text(), QStringLiteral("U(be)"));
    EXPECT_EQ(inputHead_->toolTip(), QStringLiteral("Bemeneti feszültség"));
    EXPECT_EQ(pointPanel_->title(), QStringLiteral("Pont"));
}

TEST_F(ApplyTextsTest, LeavesCaptionsOutsideTheTableAlone) {
    for (UiLanguage language : {UiLanguage::Eng, UiLanguage::Hun}) {
        ApplyTexts(&root_, language);
        EXPECT_EQ(port_->text(), QStringLiteral("Com port:"));
        EXPECT_EQ(unit_->text(), QStringLiteral("V"));
        EXPECT_EQ(unit_->toolTip(), QStringLiteral("unit"));
    }
    EXPECT_EQ(port_->toolTip(),
              QStringLiteral("Azon port kiválasztásához, melyhez csatlakoztatva van a készülék"));
}

TEST_F(ApplyTextsTest, AppliesToTheRootItself) {
    ApplyEnglishTexts(chart_);
    EXPECT_EQ(chart_->title(), QStringLiteral("Graph"));
    EXPECT_EQ(send_->text(), QStringLiteral("Send"));
    EXPECT_EQ(inputHead_->text(), QStringLiteral("Label3 design"));
}

bool Near(QColor actual, QColor expected) {
    return qAbs(actual.red() - expected.red()) < 40 &&
           qAbs(actual.green() - expected.green()) < 40 &&
           qAbs(actual.blue() - expected.blue()) < 40;
}

TEST(PicturesTest, HungarianFlagHasThreeStripes) {
    const QImage flag = HungarianFlag().toImage();
    ASSERT_EQ(flag.size(), QSize(41, 31));
    const struct {
        int row;
        QColor color;
    } rows[] = {{0, QColor(205, 42, 62)}, {9, QColor(205, 42, 62)},  {10, Qt::white},
                {20, Qt::white},          {21, QColor(67, 111, 77)}, {30, QColor(67, 111, 77)}};
    for (const auto& r : rows) {
        for (int x : {0, 20, 40}) {
            EXPECT_TRUE(Near(flag.pixelColor(x, r.row), r.color)) << "row " << r.row << " x " << x;
        }
    }
}

TEST(PicturesTest, EnglishFlagHasBlueFieldAndRedCross) {
    const QImage flag = EnglishFlag().toImage();
    ASSERT_EQ(flag.size(), QSize(46, 30));
    EXPECT_TRUE(Near(flag.pixelColor(23, 15), QColor(200, 16, 46)));  // centre of the cross
    EXPECT_TRUE(Near(flag.pixelColor(23, 1), QColor(200, 16, 46)));   // upright of the cross
    EXPECT_TRUE(Near(flag.pixelColor(15, 3), QColor(1, 33, 105)));    // upper blue field
    EXPECT_TRUE(Near(flag.pixelColor(30, 27), QColor(1, 33, 105)));   // lower blue field
}

TEST(PicturesTest, WebPagePictureFillsTheGivenSizeWithText) {
    const QImage picture = WebPagePicture(QSize(249, 66)).toImage();
    ASSERT_EQ(picture.size(), QSize(249, 66));
    int light = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            light += picture.pixelColor(x, y).lightness() > 200 ? 1 : 0;
        }
    }
    // The title letters are white on a dark ground.
    EXPECT_GT(light, 200);
    EXPECT_LT(light, 249 * 66 / 2);
}

}  // namespace
