// The main window driven as a user does: languages, pictures, choosers, keys, clipboard,
// the command buttons and right-click menus with the real port layer on a pseudo-terminal,
// the data file through scripted dialogs, and input while a map is being sent.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QWheelEvent>
#include <fstream>

#include "app/box_state_view.h"
#include "app/chart_menu.h"
#include "app/chooser_font.h"
#include "app/form1.h"
#include "app/port_chooser_menu.h"
#include "app/step_buttons.h"
#include "chart/chart_view.h"
#include "device/null_serial_port.h"
#include "device/port_names.h"
#include "device/qt_serial_port.h"
#include "files/data_file.h"
#include "files/file_commands.h"
#include "history/sent_maps.h"
#include "platform/qt_platform.h"
#include "table/cell_editor.h"
#include "table/table_view.h"
#include "tests/fakes/fake_platform.h"
#include "tests/fakes/pseudo_terminal.h"
#include "tests/fakes/qt_printers.h"

namespace {

template <class Port>
class Window : public ::testing::Test {
protected:
    QTemporaryDir dir;
    FakePlatform platform;
    Port port;
    Form1 form{platform.Get(), port, QLocale::c(), dir.filePath("SOLVA-TX.ini")};

    void Activate() {
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    void Choose(QComboBox* chooser, int index) {
        chooser->setCurrentIndex(index);
        emit chooser->activated(index);
    }
};
using Form1Test = Window<NullSerialPort>;
using Form1Commands = Window<QtSerialPort>;

bool HasBorder(const QLabel* picture) {
    return picture->frameShape() != QFrame::NoFrame;
}

QString YesNo() {
    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No);
    return box.button(QMessageBox::Yes)->text() + box.button(QMessageBox::No)->text();
}

/// Yes and No in Qt's own Hungarian translation where the system has it, else Qt's English.
QString QtHungarianYesNo() {
    QTranslator qt;
    if (!qt.load("qtbase_hu", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return "&Yes&No";
    }
    return qt.translate("QPlatformTheme", "&Yes") + qt.translate("QPlatformTheme", "&No");
}

TEST_F(Form1Test, FlagsSwitchEveryTextAndAreRememberedSeparatorFollowsLocale) {
    EXPECT_TRUE(HasBorder(form.W.Picture3) && !HasBorder(form.W.Picture4));
    EXPECT_EQ(YesNo(), QtHungarianYesNo());
    QLabel* english = form.W.Picture4;
    QTest::mousePress(english, Qt::LeftButton);
    QTest::mouseRelease(english, Qt::LeftButton, {}, QPoint(-5, 10));  // dragged off
    EXPECT_EQ(form.CurrentLanguage(), "hun");
    // The flags overlap by a pixel column, which belongs to the active one.
    const QPoint overlap(form.W.Picture3->geometry().right(), english->geometry().center().y());
    EXPECT_EQ(form.childAt(overlap), form.W.Picture3);

    QTest::mouseClick(english, Qt::LeftButton);
    EXPECT_TRUE(!HasBorder(form.W.Picture3) && HasBorder(english));
    EXPECT_EQ(form.W.Command1->toolTip(), "Load opened/modified data onto the BOX");
    EXPECT_EQ(YesNo(), "&Yes&No");
    form.W.Frame10->setTitle("Pont(5)");
    QTest::mouseClick(english, Qt::LeftButton);  // the active flag does nothing
    EXPECT_EQ(form.W.Frame10->title(), "Pont(5)");
    FakePlatform next;
    next.settings = platform.settings;
    std::ofstream(dir.filePath("SOLVA-TX.ini").toStdString()) << "3,5\r\n";  // com 4, to even
    Form1 again(next.Get(), port, QLocale(QLocale::Hungarian), dir.filePath("SOLVA-TX.ini"));
    EXPECT_EQ(again.CurrentLanguage(), "eng");
    EXPECT_EQ(again.SeparatorChar(), ',');  // from the locale
    EXPECT_EQ(again.Map().PortNumber, 4);
    EXPECT_EQ(again.Table->Label2[0]->text(), "0,117");  // the input column too

    // The point panel caption follows the language and a cleared selection.
    for (QLabel* flag : {english, static_cast<QLabel*>(form.W.Picture3)}) {
        QTest::mouseClick(flag, Qt::LeftButton);
        QTest::mouseClick(form.Table->Text1[3], Qt::LeftButton);
        const QString point = flag == english ? "Point" : "Pont";
        EXPECT_EQ(form.W.Frame10->title(), point + "(4)");
        emit form.W.Combo4->activated(1);  // the question's default No still clears
        EXPECT_EQ(form.W.Frame10->title(), point);
    }
}

TEST_F(Form1Test, GuidePictureActsOnceAndSaysWhereTheGuideIs) {
    platform.browser.starts = false;
    QTest::mouseClick(form.W.Picture2, Qt::LeftButton);  // a double click as Qt sends it
    QTest::mouseDClick(form.W.Picture2, Qt::LeftButton);
    QTest::mouseRelease(form.W.Picture2, Qt::LeftButton);
    // None beside the test program: the installed one, where the installation puts it.
#ifdef Q_OS_WIN
    const char* installed = "/docs/user-guide-hu.html";
#else
    const char* installed = "/../share/solva-tx/user-guide-hu.html";
#endif
    const QUrl guide =
        QUrl::fromLocalFile(QDir::cleanPath(QCoreApplication::applicationDirPath() + installed));
    EXPECT_EQ(platform.browser.opened, std::vector<QUrl>{guide});
    ASSERT_EQ(platform.messageBox.shown.size(), 1u);
    EXPECT_EQ(platform.messageBox.shown[0].prompt,
              "Nem indítható böngésző a felhasználói útmutatóhoz. Az útmutató itt található:\n" +
                  QDir::toNativeSeparators(guide.toLocalFile()));
}

TEST_F(Form1Test, ChoosersIgnoreTheWheelShowEveryItemAndTakeKeys) {
    Activate();
    form.Table->FocusCell(0);
    for (QComboBox* chooser : {form.W.Combo3, form.W.Combo2, form.W.Combo4, form.W.Combo1}) {
        const int index = chooser->currentIndex();
        for (const int notch : {-120, 120}) {
            QWheelEvent wheel({5, 5}, chooser->mapToGlobal(QPointF(5, 5)), {}, {0, notch},
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QSpontaneKeyEvent::setSpontaneous(&wheel);  // as from the window system
            qApp->notify(chooser, &wheel);
            EXPECT_EQ(chooser->currentIndex(), index) << qPrintable(chooser->objectName());
        }
        EXPECT_TRUE(ChooserItemsFit(chooser, chooser->font())) << qPrintable(chooser->objectName());
    }
    EXPECT_EQ(QApplication::focusWidget(), form.Table->Text1[0]);
    QTest::keyClick(form.W.Combo1, Qt::Key_Down);
    EXPECT_EQ(form.Map().PortNumber, 2);

    // Row 4 left for the chart beside every breakpoint; 5 V is code 85 of the 15 V span.
    QTest::mouseClick(form.Table->Text1[3], Qt::LeftButton);
    QTest::keyClicks(form.Table->Text1[3], "5");
    QTest::mouseClick(form.Frame7, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(form.W.Text6->text(), "5.000");
    EXPECT_EQ(form.Frame7->Chart().Line7.Y1, 8650 - form.Frame7->Chart().ChartStepY * 85);
}

TEST_F(Form1Test, PasteIsOneUndoStepAndCopyGivesEveryValue) {
    Activate();
    QLineEdit* cell = form.Table->Text1[0];
    QTest::mouseClick(cell, Qt::LeftButton);
    platform.clipboard.text = "1.5\n2.5\n3.5\n";
    QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(cell, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = platform.clipboard.text.split('\n');
    ASSERT_EQ(lines.size(), 129);  // 128 lines, each ended
    EXPECT_EQ(lines.mid(2, 2), QStringList({"3.500", "0.469"}));
    EXPECT_EQ(lines[127], "15.000");

    QTest::mouseClick(form.W.Command10, Qt::LeftButton);
    EXPECT_EQ(form.Table->CellText(2), "0.352");
}

TEST_F(Form1Test, KeysRunTheButtonsAfterTheCellCheck) {
    Activate();
    QLineEdit* cell = form.Table->Text1[0];
    QTest::mouseClick(cell, Qt::LeftButton);
    cell->setText("2");
    QTest::keyClick(cell, Qt::Key_Z, Qt::ControlModifier);  // checks 2, then undoes it
    EXPECT_EQ(form.Table->CellText(0), "0.117");
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(platform.fileDialog.asked.size(), 2U);
    EXPECT_TRUE(platform.fileDialog.asked[0].save);
    EXPECT_EQ(platform.fileDialog.asked[1].title, "Betöltés");
    QTest::keyClick(&form, Qt::Key_F1);
    QTest::mouseClick(form.W.Picture4, Qt::LeftButton);
    QTest::keyClick(&form, Qt::Key_F1);  // the guide of the interface language
    ASSERT_EQ(platform.browser.opened.size(), 2U);
    EXPECT_EQ(platform.browser.opened[0].fileName(), "user-guide-hu.html");
    EXPECT_EQ(platform.browser.opened[1].fileName(), "user-guide-en.html");
}

// 0 - 5 V both ways, 8 breakpoints on the line output = input: compared on the current
// spans, opened from the command line.
void RightClick(QWidget* widget) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 5}, widget->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(widget, &event);
}

/// The items between "|", "-" marking a disabled item and " *" a checked one.
QString Lines(const std::vector<MenuItem>& items) {
    QStringList lines;
    for (const MenuItem& item : items) {
        lines << (item.enabled ? "" : "-") + item.text + (item.checked ? " *" : "");
    }
    return lines.join('|');
}

// A step button's hold and a chart drag end where the value is when something else takes
// over; a right click during a drag does nothing. Breakpoint 5 steps from 0.703 V to 0.718 V
// (15 / 1024 V a step); breakpoint 4, drawn at (58, 555) px, drags to 3.333 V at 455 px,
// then to 3.333 + (6829.7 - 4500) * 15 / 8192 = 7.599 V at 300 px. Each is one undo step.
TEST_F(Form1Test, AHoldEndsWhenSomethingElseTakesOverAndARightClickLeavesADrag) {
    Activate();
    QMenu menu;
    menu.addAction("x");
    const auto send = [this](QEvent::Type type) {
        QEvent event(type);
        QApplication::sendEvent(&form, &event);
    };
    const std::pair<const char*, std::function<void(QWidget*)>> takeOvers[] = {
        {"a modal box", [&](QWidget*) { send(QEvent::WindowBlocked); }},
        {"another window", [&](QWidget*) { send(QEvent::WindowDeactivate); }},
        {"a pop-up",
         [&](QWidget*) {
             menu.popup({0, 0}), menu.close();
         }},
        {"Esc", [&](QWidget*) { QTest::keyClick(&form, Qt::Key_Escape); }},
        {"right button",
         [&](QWidget* held) {
             QTest::mousePress(held, Qt::RightButton, {}, QPoint(58, 455));
             RightClick(held);
             QTest::mouseRelease(held, Qt::RightButton, {}, QPoint(58, 455));
         }},
    };
    for (const auto& [name, takeOver] : takeOvers) {
        SCOPED_TRACE(name);
        QTest::mouseClick(form.Table->Text1[5], Qt::LeftButton);
        QTest::mousePress(form.W.Command7, Qt::LeftButton);
        takeOver(form.W.Command7);
        EXPECT_FALSE(form.Steps->findChild<QTimer*>("StepRepeat")->isActive());  // no repeat
        EXPECT_EQ(form.Map().OutputValues[5], 0.718);
        QTest::mouseRelease(form.W.Command7, Qt::LeftButton);
        QTest::mouseClick(form.W.Command10, Qt::LeftButton);
        EXPECT_EQ(form.Map().OutputValues[5], 0.703);

        QTest::mousePress(form.Frame7, Qt::LeftButton, {}, QPoint(58, 555));
        QTest::mouseMove(form.Frame7, QPoint(58, 455));
        takeOver(form.Frame7);
        QTest::mouseMove(form.Frame7, QPoint(58, 300));
        EXPECT_EQ(form.Map().OutputValues[4], name == std::string("right button") ? 7.599 : 3.333);
        QTest::mouseRelease(form.Frame7, Qt::LeftButton, {}, QPoint(58, 300));
        QTest::mouseClick(form.W.Command10, Qt::LeftButton);
        EXPECT_EQ(form.Map().OutputValues[4], 0.586);
    }
    EXPECT_TRUE(platform.popupMenu.shown.empty());
}

// Whatever the window system did with the focus, a command reads what the cells show: 7.5
// typed into row r and never checked goes into the map before the command runs.
TEST_F(Form1Test, EveryCommandReadsTheMapTheCellsShow) {
    const QString saved = dir.filePath("m.pax");
    const auto click = [](QWidget* button) {
        return [button] { QTest::mouseClick(button, Qt::LeftButton); };
    };
    const std::tuple<const char*, std::function<void()>, double> commands[] = {
        {"send", click(form.W.Command1), 7.5},
        {"save", [&] { platform.fileDialog.names = {saved}, click(form.W.Command2)(); }, 7.5},
        {"load", click(form.W.Command3), 7.5},  // the question's Cancel
        {"exit", click(form.W.Command4), 7.5},
        {"multiply by 1", click(form.W.Command8), 7.5},
        {"add 0", click(form.W.Command9), 7.5},
        {"copy", [&] { QTest::keyClick(form.Table->Text1[0], Qt::Key_C, Qt::ControlModifier); },
         7.5},
        {"compare", [&] { platform.popupMenu.choices = {0}, RightClick(form.Frame7); }, 7.5},
        {"input span", [&] { Choose(form.W.Combo3, 1); }, 7.5},
        {"step", [&] { QTest::mousePress(form.W.Command7, Qt::LeftButton); }, 7.515},
    };
    int row = 0;
    for (const auto& [name, run, value] : commands) {
        form.Document().Select(++row);
        form.Table->SetCellText(row, "7.5");
        run();
        EXPECT_EQ(form.Map().OutputValues[row], value) << name;
    }
    QTest::mouseRelease(form.W.Command7, Qt::LeftButton);
    EXPECT_EQ(ReadDataFile(saved).Data.OutputValues[2], 7.5);
    EXPECT_EQ(platform.clipboard.text.split('\n').value(7), "7.500");
}

// Row 1 holds 0.117 at the start; the note's typing is a step per pause.
TEST_F(Form1Test, HistoryByKeysAndByTheUndoButtonsMenuInBothLanguages) {
    Activate();
    QTest::mouseClick(form.Table->Text1[0], Qt::LeftButton);
    form.Table->SetCellText(0, "2");
    QTest::keyClick(form.Table->Text1[0], Qt::Key_Z, Qt::ControlModifier);  // checked, undone
    EXPECT_EQ(form.Table->CellText(0), "0.117");
    QTest::keyClick(&form, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(form.Table->CellText(0), "2.000");
    platform.popupMenu.choices = {0, 1};
    RightClick(form.W.Command10);
    EXPECT_EQ(Lines(platform.popupMenu.shown.at(0)), "Visszavonás: Cella értéke|-Mégis");
    EXPECT_EQ(form.Table->CellText(0), "0.117");
    QTest::mouseClick(form.W.Picture4, Qt::LeftButton);
    RightClick(form.W.Command10);
    EXPECT_EQ(Lines(platform.popupMenu.shown.at(1)), "-Undo|Redo: Cell value");
    EXPECT_EQ(form.Table->CellText(0), "2.000");
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form.Table->CellText(0), "2.000");
    QTest::keyClicks(form.W.Text2, "ab");
    platform.clock.now += std::chrono::milliseconds(999);
    QTest::keyClicks(form.W.Text2, "c");
    EXPECT_EQ(form.Document().History().Steps(), 2);
    platform.clock.now += std::chrono::milliseconds(1000);
    QTest::keyClicks(form.W.Text2, "d");
    EXPECT_EQ(form.Document().History().Steps(), 3);
}

TEST_F(Form1Test, ComparedAndOpenedFiles) {
    const QString path = dir.filePath("line.pax");
    std::ofstream(path.toStdString(), std::ios::binary)
        << "5\r\n5\r\n0\r\n0\r\n8\r\n625\r\n1250\r\n1875\r\n2500\r\n3125\r\n3750\r\n"
           "4375\r\n5000\r\n\r\n";
    platform.fileDialog.names = {path};
    platform.popupMenu.choices = {0};
    RightClick(form.Frame7);
    EXPECT_EQ(Lines(platform.popupMenu.shown.at(0)),
              "Összehasonlítás fájllal…|-Összehasonlítás az utoljára áttöltöttel (még nem volt "
              "áttöltés)|Grafikon másolása képként|Grafikon mentése képként…|"
              "Jegyzőkönyv mentése (PDF)…||-Érték beállítása…\t=|-Szorzás…\t*|-Hozzáadás…\tCtrl++|"
              "-Interpolálás\t/|-Simítás\tS||Pontok beolvasása…|Pontok beolvasása a vágólapról");
    // 1.875 V and 3.75 V in, the same out; above 5 V in the file's 5 V holds.
    EXPECT_EQ(form.Map().SavedDeviceTable[32], 32);
    EXPECT_EQ(form.Map().SavedDeviceTable[256], 85);
    EXPECT_EQ(form.Map().DeviceTable[256], 256);
    EXPECT_EQ(form.windowTitle(), "SOLVA-TX");

    EXPECT_TRUE(form.OpenFile(path));
    EXPECT_EQ(form.windowTitle(), "SOLVA-TX  " + QDir::toNativeSeparators(path));
    EXPECT_EQ(form.Table->CellText(7), "5.000");
    EXPECT_FALSE(form.OpenFile(dir.filePath("missing.pax")));
    EXPECT_EQ(platform.messageBox.shown.size(), 1U);
    platform.fileDialog.names = {dir.filePath("report")};  // the suffix is added
    platform.popupMenu.choices = {4};
    RightClick(form.Frame7);
    EXPECT_TRUE(QFileInfo(dir.filePath("report.pdf")).size() > 0);
}

QString Cells(const Form1& form, int first, int last) {
    QStringList texts;
    for (int k = first; k <= last; ++k) {
        texts << form.Table->CellText(k);
    }
    return texts.join(' ');
}

// Start line: rows 2 to 6 hold 0.352 0.469 0.586 0.703 0.820.
TEST_F(Form1Test, RangeOperationsFromKeysMenusAndPointsAreOneUndoStepEach) {
    Activate();
    QLineEdit* cell = form.Table->Text1[2];
    QTest::mouseClick(cell, Qt::LeftButton);
    QTest::mouseClick(form.Table->Text1[5], Qt::LeftButton, Qt::ShiftModifier);
    QTest::keyClick(form.Table->Text1[5], Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(form.Document().Range()->Last, 6);
    EXPECT_EQ(form.W.Frame10->title(), "Pont(3)");  // the breakpoint clicked last
    EXPECT_NE(form.Table->Text1[6]->palette().color(QPalette::Base), Qt::white);
    platform.inputBox.replies = {"20", "2"};
    QTest::keyClick(form.Table->Text1[5], Qt::Key_Equal);
    EXPECT_EQ(Cells(form, 1, 7), "0.234 2.000 2.000 2.000 2.000 2.000 0.938");
    EXPECT_EQ(platform.inputBox.asked.at(1).prompt,
              "Maximális kimeneti érték: 15V! Adja meg újból:");
    EXPECT_EQ(form.Document().History().UndoAction(), MapAction::RangeSet);
    QTest::mouseClick(form.W.Command10, Qt::LeftButton);
    EXPECT_EQ(Cells(form, 2, 2), "0.352");

    form.Table->FocusCell(6);
    form.Table->Text1[6]->selectAll();
    QTest::keyClick(form.Table->Text1[6], Qt::Key_1);
    platform.popupMenu.choices = {3};  // Interpolate: from 0.352 to the 1.000 just typed
    RightClick(form.Table->Text1[6]);
    EXPECT_EQ(Cells(form, 2, 6), "0.352 0.514 0.676 0.838 1.000");
    EXPECT_EQ(Lines(platform.popupMenu.shown.back()).section('|', 3, 3), "Interpolálás\t/");

    platform.clipboard.text = "7.5;1\n15;1";  // 1 V is 17 units, 0.996 V: 3.9 mV below
    platform.popupMenu.choices = {13, 13};    // the chart's own five and a separator first
    platform.messageBox.answers = {MessageAnswer::Cancel};
    RightClick(form.Frame7);
    EXPECT_EQ(Cells(form, 0, 0), "0.117");
    RightClick(form.Frame7);
    EXPECT_EQ(Cells(form, 0, 127).count("1.000"), 128);
    EXPECT_TRUE(platform.messageBox.shown.back().prompt.startsWith(
        "A pontok és a készülék kimenete közötti legnagyobb eltérés: 4 mV, ennél a pontnál: "
        "7.500 V \u2192 1.000 V (sor: 1)"));
    QTest::mouseClick(form.W.Command10, Qt::LeftButton);
    EXPECT_EQ(Cells(form, 0, 0), "0.117");

    QTest::mouseClick(form.Frame7, Qt::LeftButton, {}, form.Frame7->rect().center());
    form.Frame7->setFocus();
    const int selected = form.Document().SelectedPoint();
    QTest::keyClick(form.Frame7, Qt::Key_Right);
    QTest::keyClick(form.Frame7, Qt::Key_Up);  // 0.0146 V a step: shown with three decimals
    QTest::keyClick(form.Frame7, Qt::Key_Up);
    form.Document().StepBack();  // each press is a step of its own
    EXPECT_EQ(form.Document().SelectedPoint(), selected + 1);
    ASSERT_EQ(selected, 61);  // the middle of the chart
    // Breakpoint 62 holds 63 * 15 / 128 = 7.383 V; a step of 15 / 1024 V makes it 7.398 V.
    EXPECT_EQ(form.Map().OutputValues[62], 7.398);
}

// What the box holds is shown from the copies: unknown, the same after a send, different
// after an edit, the same again with the copy loaded, unknown on another com number.
TEST_F(Form1Commands, SendPutsTheMapOnTheLineAndTheBoxStateFollows) {
    const auto box = [this] { return form.Box->Label()->text(); };
    platform.popupMenu.choices = {0, 1, 0};
    RightClick(form.W.Command1);
    EXPECT_EQ(Lines(platform.popupMenu.shown[0]),
              "-Utoljára áttöltött adatállomány betöltése (még nem volt áttöltés)");
    EXPECT_EQ(box(), "BOX: nem ismert");

    PseudoTerminal line;
    ASSERT_TRUE(line.IsOpen());
    line.Route(9);
    Choose(form.W.Combo1, 8);
    QTest::mouseClick(form.W.Command1, Qt::LeftButton);
    std::vector<int> expected{0x05, 0xFF, 0xFF};
    for (int k = 1; k <= 255; ++k) {
        expected.insert(expected.end(), {k, 0xFF, 0xFF});
    }
    EXPECT_EQ(line.ReadAll(), expected);
    EXPECT_TRUE(platform.messageBox.shown.empty());
    EXPECT_EQ(box(), "BOX: azonos");
    EXPECT_EQ(form.Box->Label()->toolTip(),
              "A képernyőn lévő adatállomány azonos azzal, amit erről a számítógépről utoljára "
              "a com 9 portra áttöltöttek.");

    form.Table->SetCellText(5, "9");
    form.Cells->CommitCell(5);  // breakpoint 5 is entry 12: N(9 * 256 / 15) = 154
    EXPECT_EQ(box(), "BOX: eltér");
    RightClick(form.Frame7);  // compared with the copy sent: the start line, entry m is m
    EXPECT_EQ(std::tuple(form.Map().DeviceTable[12], form.Map().SavedDeviceTable[12]),
              std::tuple(154, 12));
    platform.messageBox.answers = {MessageAnswer::No};  // not to save the edit first
    RightClick(form.W.Command1);
    EXPECT_EQ(std::tuple(box(), form.Files->CurrentFileName(), form.windowTitle()),
              std::tuple(QString("BOX: azonos"), QString(), QString("SOLVA-TX")));  // a copy
    // The copy is listed with the CRC-32 of the bytes above (zlib.crc32, in Python).
    EXPECT_TRUE(QRegularExpression("^Utoljára áttöltött adatállomány betöltése\\|\\|"
                                   "[-0-9]{10} [:0-9]{8}, com 9  CRC-32 D36C63F8$")
                    .match(Lines(platform.popupMenu.shown.at(2)))
                    .hasMatch())
        << Lines(platform.popupMenu.shown.at(2)).toStdString();
    Choose(form.W.Combo1, 2);
    form.EnglishFlagClicked();
    EXPECT_EQ(box(), "BOX: unknown");
    EXPECT_TRUE(platform.fileDialog.asked.empty());
}

// Work left by a crash comes back at the next start, not while its window still runs; a
// clean exit leaves nothing to restore.
TEST(Recovery, WorkLeftByACrashComesBackAtTheNextStart) {
    QTemporaryDir dir;
    FakePlatform first, second;
    NullSerialPort port;
    const auto start = [&](FakePlatform& p) {
        return std::make_unique<Form1>(
            Platform{p.messageBox, p.inputBox, p.fileDialog, p.clock, p.browser, p.clipboard,
                     p.settings, p.popupMenu, first.folders},
            port, QLocale::c(), dir.filePath("SOLVA-TX.ini"));
    };
    auto crashed = start(first);
    crashed->W.Combo1->setCurrentIndex(2);
    emit crashed->W.Combo1->activated(2);  // com 3, which no settings file keeps yet
    crashed->Table->SetCellText(5, "9");
    crashed->Cells->CommitCell(5);
    crashed->Document().Select(7);
    crashed->Document().SelectRangeTo(3);
    crashed->W.Text3->setText("2.5");  // a factor typed, not yet used
    // The last change comes the write delay after the first unwritten one: written at once.
    first.clock.now += std::chrono::milliseconds(500);
    crashed->W.Text5->setText("12");
    WriteResult kept;  // what com 3 was last sent: the map on screen
    SentMaps(first.folders.SentMaps()).Keep(crashed->Map(), 3, QDateTime::currentDateTime(), kept);
    const QDir folder(first.folders.Recovery());
    // Only the disk write on its own thread is waited for.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !folder.entryList({"*.recovery"}).isEmpty(); }, 5000));
    auto next = start(second);
    EXPECT_EQ(next->Box->Label()->text(), "BOX: nem ismert");  // com 1
    second.messageBox.answers = {MessageAnswer::Yes, MessageAnswer::No};
    next->OfferLeftWork();
    EXPECT_TRUE(second.messageBox.shown.empty());
    crashed.reset();  // its lock goes, its file stays
    next->OfferLeftWork();
    ASSERT_EQ(second.messageBox.shown.size(), 1u);
    EXPECT_TRUE(
        second.messageBox.shown[0].prompt.endsWith("\nAdatállomány: (még nem volt mentve)"));
    EXPECT_EQ(std::tuple(next->Table->CellText(5), next->windowTitle()),
              std::tuple(QString("9.000"), QString("SOLVA-TX")));
    EXPECT_EQ(std::tuple(next->W.Combo1->currentIndex(), next->Box->Label()->text()),
              std::tuple(2, QString("BOX: azonos")));
    EXPECT_EQ(std::tuple(next->Document().SelectedPoint(), next->Document().RangeEnd(),
                         next->W.Text3->text(), next->W.Text4->text(), next->W.Text5->text()),
              std::tuple(7, 3, QString("2.5"), QString("0"), QString("12")));
    EXPECT_TRUE(next->close());  // No to the save question
    EXPECT_TRUE(folder.entryList({"*.recovery"}).isEmpty());
}

TEST_F(Form1Commands, SaveThenLoadRestoresTheMapTheChoosersAndTheNote) {
    const QString path = dir.filePath("map.pax");
    Choose(form.W.Combo2, 1);  // output span 0 - 10 V, as a user's choice
    form.W.Check1->setChecked(true);
    form.Table->SetCellText(5, "2.5");
    form.Cells->CommitCell(5);
    form.W.Text2->setPlainText("első sor\nsecond line");
    platform.fileDialog.names = {path};
    QTest::mouseClick(form.W.Command2, Qt::LeftButton);
    EXPECT_EQ(form.Frame7->Chart().Line11[5].Y2, 8650 - 64 * 32);  // at once: N(2.5 * 256 / 10)

    Choose(form.W.Combo2, 2);
    form.W.Check1->setChecked(false);
    form.W.Text2->clear();
    platform.fileDialog.names = {path};
    platform.messageBox.answers = {MessageAnswer::No};  // not to save the changes first
    QTest::mouseClick(form.W.Command3, Qt::LeftButton);
    EXPECT_EQ(platform.messageBox.shown.size(), 1u);
    EXPECT_EQ(form.W.Combo2->currentText(), "0 - 10 V");
    EXPECT_TRUE(form.W.Check1->isChecked());
    EXPECT_EQ(form.Table->CellText(5), "2.500");
    EXPECT_EQ(form.Map().UndoValues[5], 2.5);  // the loaded map is what an undo returns to
    EXPECT_EQ(form.W.Text2->toPlainText(), "első sor\nsecond line");
    EXPECT_TRUE(form.Frame7->Chart().Line11[0].Visible);  // the saved curve is drawn
}

TEST_F(Form1Commands, ClosingCountsTheTypedCellAndKeepsTheNoteAsTyped) {
    const QString path = dir.filePath("note.pax");
    VoltageMap saved;
    FillStartLine(saved);
    saved.Note = "100\u00a0%";
    ASSERT_TRUE(WriteDataFile(saved, path).Ok);
    platform.fileDialog.names = {path};
    QTest::mouseClick(form.W.Command3, Qt::LeftButton);
    ASSERT_EQ(form.Files->CurrentFileName(), path);
    EXPECT_TRUE(form.close());  // the map equals its file: no question
    EXPECT_TRUE(platform.messageBox.shown.empty());

    Activate();
    form.Table->Text1[5]->setFocus();
    ASSERT_TRUE(form.Table->Text1[5]->hasFocus());
    form.Table->SetCellText(5, "9.5");
    EXPECT_FALSE(form.close());  // Yes to the question, then the save dialog is cancelled
    ASSERT_EQ(platform.messageBox.shown.size(), 1u);
    EXPECT_EQ(platform.messageBox.shown[0].prompt, "Menti az adatállományt?");
    EXPECT_EQ(form.Map().OutputValues[5], 9.5);
}

// Cancel on the re-prompt of a box cancels the click that left it, and only that click.
TEST_F(Form1Commands, ACancelledRepromptCancelsItsCommand) {
    Activate();
    const auto undo = form.Map().UndoValues;
    const struct {
        QLineEdit* box;
        const char *typed, *reply, *lastCell;
        QWidget* leaveBy;
    } cases[] = {
        {form.W.Text3, "abc", "", "15.000", form.W.Command8},
        {form.W.Text5, "16", "", "15.000", form.W.Command5},  // not a line to 0 V
        {form.W.Text3, "x", "", "15.000", form.W.Text2},
        {form.W.Text3, "y", "0.5", "7.500", form.W.Command8},  // a valid reply runs
    };
    for (const auto& c : cases) {
        platform.inputBox.replies = {c.reply};
        QTest::mouseClick(c.box, Qt::LeftButton);
        QTest::keyClicks(c.box, c.typed);
        QTest::mouseClick(c.leaveBy, Qt::LeftButton);
        QTest::qWait(0);
        EXPECT_EQ(form.Table->CellText(127), c.lastCell) << c.typed;
        EXPECT_TRUE(*c.reply || form.Map().UndoValues == undo) << c.typed;
    }
    EXPECT_EQ(platform.inputBox.asked.size(), 4u);
}

TEST(RightClickMenus, PortChooserGivesAFoundDeviceToTheChosenComNumber) {
    QTemporaryDir dir;
    PortAssignments assignments(dir.filePath("user.ini"));
    QComboBox Combo1;
    Combo1.addItems({"com 1", "com 2"});
    Combo1.setCurrentIndex(1);
    qunsetenv("SOLVA_TX_COM2");
    FakePopupMenu menu;
    menu.choices = {2, 4};  // the device found, then the default device again
    Texts texts(UiLanguage::Eng);
    PortChooserMenu chooser(&Combo1, menu, assignments, texts, [] {
        return QList<SerialDevice>{{"/dev/ttyUSB0", "/dev/serial/by-id/usb-A", "UART", "FTDI", {}}};
    });
    RightClick(&Combo1);
    EXPECT_EQ(assignments.Assigned(2), "/dev/serial/by-id/usb-A");
    texts.SetLanguage(UiLanguage::Hun);
    RightClick(&Combo1);
    EXPECT_EQ(assignments.Assigned(2), QString());
    qputenv("SOLVA_TX_COM2", "/tmp/line");
    RightClick(&Combo1);
    ASSERT_EQ(menu.shown.size(), 3u);
#ifdef Q_OS_WIN
    const QString com2 = "COM2";
#else
    const QString com2 = "/dev/ttyS1";
#endif
    EXPECT_EQ(Lines(menu.shown[0]),
              QString("-com 2: %1 (default)||/dev/ttyUSB0 - UART (FTDI)||Default device: %1 *")
                  .arg(com2));
    EXPECT_TRUE(Lines(menu.shown[1])
                    .startsWith("-com 2: /dev/serial/by-id/usb-A (hozzárendelt "
                                "eszköz)||/dev/ttyUSB0 - UART (FTDI) *|"));
    EXPECT_EQ(Lines(menu.shown[2]),
              "-com 2: /tmp/line (környezeti változó: SOLVA_TX_COM2)||-/dev/ttyUSB0 - UART "
              "(FTDI)||-Alapértelmezett eszköz: " +
                  com2);
}

/// Time passes at once, but the event passes of a send are real ones.
struct PassingClock : FakeClock {
    QtClock real;
    void ProcessEventsWithoutInput() override { real.ProcessEventsWithoutInput(); }
};

/// Halfway through, clicks "Áttöltés" and "Kilépés" and turns the wheel on the port chooser.
struct BusyPort : NullSerialPort {
    Form1* form = nullptr;
    int writes = 0;
    SerialStatus Write(const SendPacket&) override {
        if (++writes == 100) {
            for (QPushButton* button : {form->W.Command1, form->W.Command4}) {
                const QPointF at = QRectF(button->rect()).center();
                for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                    QCoreApplication::postEvent(
                        button, new QMouseEvent(type, at, at, Qt::LeftButton, {}, {}));
                }
            }
            QCoreApplication::postEvent(
                form->W.Combo1,
                new QWheelEvent({5, 5}, {5, 5}, {}, {0, -120}, {}, {}, Qt::NoScrollPhase, false));
        }
        return {};
    }
};

TEST(SendInput, ClicksAndWheelDuringASendAreDropped) {
    QTemporaryDir dir;
    FakePlatform fake;
    PassingClock clock;
    BusyPort port;
    Form1 form{Platform{fake.messageBox, fake.inputBox, fake.fileDialog, clock, fake.browser,
                        fake.clipboard, fake.settings, fake.popupMenu, fake.folders},
               port, QLocale::c(), dir.filePath("SOLVA-TX.ini")};
    port.form = &form;
    form.show();
    QTest::mouseClick(form.W.Command1, Qt::LeftButton);
    QCoreApplication::processEvents();

    EXPECT_EQ(port.writes, 256);
    EXPECT_TRUE(fake.messageBox.shown.empty());
    EXPECT_EQ(form.W.Combo1->currentIndex(), 0);
}

}  // namespace
