// The main window by keyboard alone and as a screen reader sees it, in both languages.
#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>

#include "app/form1.h"
#include "app/screen_fit.h"
#include "chart/chart_view.h"
#include "device/null_serial_port.h"
#include "table/table_view.h"
#include "tests/fakes/fake_platform.h"
#include "tests/fakes/qt_printers.h"

namespace {

class KeyboardTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    FakePlatform platform;
    NullSerialPort port;
    Form1 form{platform.Get(), port, QLocale::c(), dir.filePath("SOLVA-TX.ini")};

    void SetUp() override {
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    QString Focused() const { return QApplication::focusWidget()->objectName(); }
};

// Breakpoint 128 selected (by the chart) while the table shows rows 1 to 32: Tab from the
// guide picture enters the table at its cell, which comes into view (24480 twips, the last
// page); 99 typed there is checked and asked again as after a click, and Tab takes 9.
TEST_F(KeyboardTest, ACellReachedByTabComesIntoViewAndItsValueIsTakenAsAfterAClick) {
    form.Document().Select(127);
    form.W.Picture2->setFocus();
    QTest::keyClick(form.W.Picture2, Qt::Key_Tab);
    EXPECT_EQ(Focused(), "Text1_127");
    EXPECT_EQ(form.Table->ScrollPosition(), 24480);
    platform.inputBox.replies = {"9"};
    QTest::keyClicks(form.Table->Text1[127], "99");
    QTest::keyClick(form.Table->Text1[127], Qt::Key_Tab);
    ASSERT_EQ(platform.inputBox.asked.size(), 1U);
    EXPECT_EQ(platform.inputBox.asked[0].prompt, "Maximális kimeneti érték: 15V! Adja meg újból:");
    EXPECT_EQ(form.Table->CellText(127), "9.000");
    EXPECT_EQ(form.Document().History().UndoAction(), MapAction::Cell);
    EXPECT_EQ(Focused(), "Frame7");
    // Shift+Tab from the first row leaves the table for the guide picture, scrolling nothing.
    form.Table->SetScrollPosition(0);
    form.Document().Select(0);
    form.W.Picture2->setFocus();
    QTest::keyClick(form.W.Picture2, Qt::Key_Tab);
    QTest::keyClick(form.Table->Text1[0], Qt::Key_Backtab);
    EXPECT_EQ(Focused(), "Picture2");
    EXPECT_EQ(form.Table->ScrollPosition(), 0);
}

TEST_F(KeyboardTest, TabGoesRoundEveryControlInReadingOrderAndTheNoteLetsItGo) {
    form.Document().Select(4);
    const QStringList cycle = {
        "Text1_4", "Frame7",   "Text6",    "Command7", "Command6",  "Text5",    "Command5",
        "Text3",   "Command8", "Text4",    "Command9", "Command10", "Picture3", "Picture4",
        "Combo4",  "Combo1",   "Command3", "Command2", "Command1",  "Command4", "Text2",
        "Combo3",  "Combo2",   "Check1",   "Check2",   "Picture2",  "Text1_4"};
    form.Table->Text1[4]->setFocus(Qt::TabFocusReason);
    QStringList forward = {Focused()};
    for (int i = 1; i < cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << Focused();
    }
    EXPECT_EQ(forward, cycle);
    QStringList back = {Focused()};
    for (int i = 1; i < cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        back.prepend(Focused());
    }
    EXPECT_EQ(back, cycle);
    // Ctrl+Tab types the tab in the note that Tab leaves.
    form.W.Text2->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.W.Text2, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form.W.Text2->toPlainText(), "\t");
    EXPECT_EQ(Focused(), "Text2");
}

QString Spoken(QObject* control, QAccessible::Text text) {
    return QAccessible::queryAccessibleInterface(control)->text(text);
}

// Row 5 sits at 5 * 15 / 128 = 0.586 V, and so does its value on the start map. Enter on the
// English flag switches the language as a click does; Space on the Hungarian one back.
TEST_F(KeyboardTest, AScreenReaderNamesEveryControlInTheLanguageShown) {
    form.Document().Select(4);
    struct Expected {
        QObject* control;
        QAccessible::Text text;
        const char* hun;
        const char* eng;
    };
    using enum QAccessible::Text;
    const Expected rows[] = {
        {form.Table->Text1[4], Name, "5. sor, bemenet 0.586 V", "Row 5, input 0.586 V"},
        {form.Table->Text1[4], Value, "0.586", "0.586"},
        {form.W.Combo4, Name, "Felbontás", "Resolution"},
        {form.W.Combo4, Value, "128", "128"},
        {form.W.Combo1, Name, "Com port", "Com port"},
        {form.W.Combo3, Name, "Bemenet (V)", "Input (V)"},
        {form.W.Combo2, Name, "Kimenet (V)", "Output (V)"},
        {form.W.Command7, Name, "Kiválasztott pont értékének növelése",
         "Step the selected value up"},
        {form.W.Command6, Name, "Kiválasztott pont értékének csökkentése",
         "Step the selected value down"},
        {form.W.Picture3, Name, "Magyar", "Magyar"},
        {form.W.Picture4, Name, "English", "English"},
        {form.W.Picture2, Name, "Felhasználói útmutató megnyitása", "Open the user guide"},
        {form.W.Command4, Description, "Alkalmazásból való kilépéshez",
         "Exit from the application"},
        {form.Frame7, Name, "Grafikon", "Graph"},
        {form.Frame7, Value, "0.586 V", "0.586 V"},
    };
    const auto check = [&](bool hun) {
        for (const Expected& row : rows) {
            EXPECT_EQ(Spoken(row.control, row.text), QString::fromUtf8(hun ? row.hun : row.eng))
                << row.control->objectName().toStdString();
        }
        EXPECT_TRUE(Spoken(form.Frame7, Description)
                        .startsWith(hun ? "Bemenet 0 - 15 V, kimenet 0 - 15 V, 128 pont. "
                                          "Kiválasztott: 5. pont, bemenet 0.586 V, kimenet "
                                          "0.586 V."
                                        : "Input 0 - 15 V, output 0 - 15 V, 128 points. "
                                          "Selected: point 5, input 0.586 V, output 0.586 V."));
    };
    check(true);
    form.W.Picture4->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.W.Picture4, Qt::Key_Return);
    check(false);
    form.W.Picture3->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.W.Picture3, Qt::Key_Space);
    check(true);
}

// A window of 1000 x 700 px with a control at its lower right corner, on room of 800 x 500
// px, keeps the control's place on a page that scrolls; on room of its size it stays as is.
TEST(ScreenFit, AWindowLargerThanItsRoomScrollsAndOneThatFitsStaysAsItIs) {
    for (const QSize room : {QSize(1000, 700), QSize(800, 500)}) {
        QWidget window;
        window.resize(1000, 700);
        auto* corner = new QPushButton(&window);
        corner->setGeometry(900, 650, 100, 50);
        const bool scrolls = FitWindowToRoom(&window, room);
        EXPECT_EQ(scrolls, room.width() < 1000);
        EXPECT_EQ(corner->geometry(), QRect(900, 650, 100, 50));
        EXPECT_EQ(corner->parentWidget() == &window, !scrolls);
        EXPECT_TRUE(window.width() <= room.width() && window.height() <= room.height());
        EXPECT_EQ(window.findChild<QScrollArea*>() != nullptr, scrolls);
    }
}

}  // namespace
