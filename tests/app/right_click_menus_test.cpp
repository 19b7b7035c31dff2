// The right-click menus of the port chooser and of the send button, on the real window.
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
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            widget->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(widget, &event);
}

QStringList Lines(const std::vector<MenuItem>& items) {
    QStringList texts;
    for (const MenuItem& item : items) {
        texts << (item.enabled ? "" : "-") + item.text + (item.checked ? " *" : "");
    }
    return texts;
}

TEST(RightClickMenus, PortChooserGivesAFoundDeviceToTheChosenComNumber) {
    QTemporaryDir dir;
    PortAssignments assignments(dir.filePath("user.ini"));
    QComboBox Combo1;
    Combo1.addItems({"com 1", "com 2"});
    Combo1.setCurrentIndex(1);
    qunsetenv("SOLVA_TX_COM2");
    FakePopupMenu menu;
    menu.choices = {2, 4};
    Texts texts(UiLanguage::Eng);
    PortChooserMenu chooser(&Combo1, menu, assignments, texts, [] {
        return QList<SerialDevice>{
            {"/dev/ttyUSB0", "/dev/serial/by-id/usb-A", "USB UART", "FTDI", {}}};
    });
    RightClick(&Combo1);
    EXPECT_EQ(assignments.Assigned(2), "/dev/serial/by-id/usb-A");
    texts.SetLanguage(UiLanguage::Hun);
    RightClick(&Combo1);  // the default device again
    EXPECT_EQ(assignments.Assigned(2), QString());
    ASSERT_EQ(menu.shown.size(), 2u);
    EXPECT_EQ(Lines(menu.shown[0]),
              QStringList({"-com 2: /dev/ttyS1 (default)", "", "/dev/ttyUSB0 - USB UART (FTDI)", "",
                           "Default device: /dev/ttyS1 *"}));
    EXPECT_EQ(Lines(menu.shown[1]), QStringList({"-com 2: /dev/serial/by-id/usb-A (hozzárendelt "
                                                 "eszköz)",
                                                 "", "/dev/ttyUSB0 - USB UART (FTDI) *", "",
                                                 "Alapértelmezett eszköz: /dev/ttyS1"}));
    qputenv("SOLVA_TX_COM2", "/tmp/line");
    RightClick(&Combo1);
    EXPECT_EQ(menu.shown[2][0].text, "com 2: /tmp/line (környezeti változó: SOLVA_TX_COM2)");
    EXPECT_FALSE(menu.shown[2][2].enabled || menu.shown[2][4].enabled);
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
    EXPECT_TRUE(platform.fileDialog.asked.empty());

    PseudoTerminal line;
    line.Route(9);
    form.W.Combo1->setCurrentIndex(8);
    emit form.W.Combo1->activated(8);
    QTest::mouseClick(form.W.Command1, Qt::LeftButton);
    line.ReadAll();
    const QString kept = SentMaps().Newest();
    ASSERT_TRUE(kept.endsWith("_com9.pax")) << kept.toStdString();
    RightClick(form.W.Command1);
    EXPECT_EQ(form.windowTitle(), "SOLVA-TX  " + kept);
    EXPECT_TRUE(platform.fileDialog.asked.empty());
}

}  // namespace
