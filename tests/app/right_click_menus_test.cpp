// The right-click menus of the port chooser and of the send button.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "fake_platform.h"
#include "form1.h"
#include "port_chooser_menu.h"
#include "port_names.h"
#include "pseudo_terminal.h"
#include "qt_printers.h"
#include "qt_serial_port.h"
#include "sent_maps.h"

namespace {

void RightClick(QWidget* widget) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 5}, widget->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(widget, &event);
}

/// "-" marks a disabled item, " *" a checked one.
QStringList Lines(const std::vector<MenuItem>& items) {
    QStringList lines;
    for (const MenuItem& item : items) {
        lines << (item.enabled ? "" : "-") + item.text + (item.checked ? " *" : "");
    }
    return lines;
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
    EXPECT_EQ(Lines(menu.shown[0]),
              QStringList({"-com 2: /dev/ttyS1 (default)", "", "/dev/ttyUSB0 - UART (FTDI)", "",
                           "Default device: /dev/ttyS1 *"}));
    EXPECT_EQ(Lines(menu.shown[1]).mid(0, 3),
              QStringList({"-com 2: /dev/serial/by-id/usb-A (hozzárendelt eszköz)", "",
                           "/dev/ttyUSB0 - UART (FTDI) *"}));
    EXPECT_EQ(
        Lines(menu.shown[2]),
        QStringList({"-com 2: /tmp/line (környezeti változó: SOLVA_TX_COM2)", "",
                     "-/dev/ttyUSB0 - UART (FTDI)", "", "-Alapértelmezett eszköz: /dev/ttyS1"}));
}

TEST(RightClickMenus, SendButtonLoadsTheLastMapSentThroughTheLoadCommand) {
    QTemporaryDir dir;
    QDir(SentMaps::UserFolder()).removeRecursively();  // the test copy of the user's folder
    FakePlatform platform;
    QtSerialPort port;
    Form1 form{platform.Get(), port, QLocale::c(), dir.filePath("SOLVA-TX.ini")};
    platform.popupMenu.choices = {0, 0};
    RightClick(form.W.Command1);
    EXPECT_EQ(Lines(platform.popupMenu.shown[0]),
              QStringList{"-Utoljára áttöltött adatállomány betöltése (még nem volt áttöltés)"});

    PseudoTerminal line;
    line.Route(9);
    form.W.Combo1->setCurrentIndex(8);
    emit form.W.Combo1->activated(8);
    QTest::mouseClick(form.W.Command1, Qt::LeftButton);
    const QString kept = SentMaps().Newest();
    ASSERT_TRUE(kept.endsWith("_com9.pax")) << kept.toStdString();
    RightClick(form.W.Command1);
    EXPECT_EQ(form.windowTitle(), "SOLVA-TX  " + kept);
    EXPECT_TRUE(platform.fileDialog.asked.empty());
}

}  // namespace
