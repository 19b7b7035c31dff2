#include "app/form1_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/chooser_font.h"
#include "app/focus_picture.h"
#include "app/note_box.h"
#include "platform/twips.h"

namespace {

template <typename Widget>
Widget* Make(QWidget* parent, const char* name, double left, double top, double width,
             double height) {
    auto* widget = new Widget(parent);
    widget->setObjectName(name);
    PlaceInTwips(widget, left, top, width, height);
    return widget;
}

QLabel* FixedLabel(QWidget* parent, const char* name, const char* text, double left, double top,
                   double width, double height) {
    auto* label = Make<QLabel>(parent, name, left, top, width, height);
    label->setText(text);
    return label;
}

QPushButton* FixedButton(QWidget* parent, const char* name, const char* text, double left,
                         double top, double width, double height) {
    auto* button = Make<QPushButton>(parent, name, left, top, width, height);
    button->setText(text);
    return button;
}

QComboBox* Chooser(QWidget* parent, const char* name, const QStringList& items, double left,
                   double top, double width, double height) {
    auto* combo = Make<QComboBox>(parent, name, left, top, width, height);
    combo->addItems(items);
    combo->setFont(ChooserFont(combo));
    return combo;
}

QStringList SpanItems() {
    return {"0 - 5 V", "0 - 10 V", "0 - 15 V"};
}

QStringList PortItems() {
    QStringList items;
    for (int port = 1; port <= 16; ++port) {
        items << QString("com %1").arg(port);
    }
    return items;
}

}  // namespace

Form1Widgets CreateForm1Widgets(QWidget* form) {
    Form1Widgets w{};

    w.Frame10 = Make<QGroupBox>(form, "Frame10", 13680, 0, 1215, 1455);
    w.Label13 = Make<QLabel>(w.Frame10, "Label13", 120, 360, 975, 255);
    w.Text6 = Make<QLineEdit>(w.Frame10, "Text6", 120, 720, 735, 315);
    w.Text6->setReadOnly(true);
    w.Label12 = FixedLabel(w.Frame10, "Label12", "V", 915, 750, 255, 255);
    w.Command7 = FixedButton(w.Frame10, "Command7", "+", 120, 1080, 495, 255);
    w.Command6 = FixedButton(w.Frame10, "Command6", "-", 600, 1080, 495, 255);

    w.Frame9 = Make<QGroupBox>(form, "Frame9", 13680, 1440, 1215, 1095);
    w.Text5 = Make<QLineEdit>(w.Frame9, "Text5", 120, 360, 735, 315);
    w.Label11 = FixedLabel(w.Frame9, "Label11", "V", 915, 390, 255, 255);
    w.Command5 = Make<QPushButton>(w.Frame9, "Command5", 120, 720, 975, 255);

    w.Frame8 = Make<QGroupBox>(form, "Frame8", 13680, 2520, 1215, 1095);
    w.Text3 = Make<QLineEdit>(w.Frame8, "Text3", 120, 360, 975, 315);
    w.Command8 = Make<QPushButton>(w.Frame8, "Command8", 120, 720, 975, 255);

    w.Frame11 = Make<QGroupBox>(form, "Frame11", 13680, 3600, 1215, 1095);
    w.Text4 = Make<QLineEdit>(w.Frame11, "Text4", 120, 360, 735, 315);
    w.Label14 = FixedLabel(w.Frame11, "Label14", "V", 915, 390, 255, 255);
    w.Command9 = Make<QPushButton>(w.Frame11, "Command9", 120, 720, 975, 255);

    w.Command10 = Make<QPushButton>(form, "Command10", 13680, 4800, 1215, 255);
    w.Picture3 = Make<FocusPicture>(form, "Picture3", 13680, 5160, 615, 495);
    w.Picture4 = Make<FocusPicture>(form, "Picture4", 14280, 5160, 615, 495);

    w.Frame6 = Make<QGroupBox>(form, "Frame6", 13680, 5640, 1215, 1335);
    w.Label8 = Make<QLabel>(w.Frame6, "Label8", 0, 120, 1215, 255);
    w.Label8->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    w.Combo4 = Chooser(w.Frame6, "Combo4", {"128", "64", "32", "16", "8"}, 240, 360, 735, 315);
    w.Label7 = FixedLabel(w.Frame6, "Label7", "Com port:", 120, 720, 975, 255);
    w.Combo1 = Chooser(w.Frame6, "Combo1", PortItems(), 120, 960, 975, 315);

    w.Frame3 = Make<QGroupBox>(form, "Frame3", 13680, 6960, 1215, 2175);
    w.Command3 = Make<QPushButton>(w.Frame3, "Command3", 120, 240, 975, 375);
    w.Command2 = Make<QPushButton>(w.Frame3, "Command2", 120, 720, 975, 375);
    w.Command1 = Make<QPushButton>(w.Frame3, "Command1", 120, 1200, 975, 375);
    w.Command4 = Make<QPushButton>(w.Frame3, "Command4", 120, 1680, 975, 375);

    w.Frame5 = Make<QGroupBox>(form, "Frame5", 0, 9120, 6015, 1095);
    w.Text2 = Make<NoteBox>(w.Frame5, "Text2", 120, 240, 5775, 735);

    w.Frame4 = Make<QGroupBox>(form, "Frame4", 6120, 9145, 4935, 1072);
    w.Label5 = Make<QLabel>(w.Frame4, "Label5", 120, 240, 1215, 255);
    w.Combo3 = Chooser(w.Frame4, "Combo3", SpanItems(), 1440, 240, 975, 315);
    w.Label6 = Make<QLabel>(w.Frame4, "Label6", 120, 600, 1215, 255);
    w.Combo2 = Chooser(w.Frame4, "Combo2", SpanItems(), 1440, 600, 975, 315);
    w.Check1 = Make<QCheckBox>(w.Frame4, "Check1", 2640, 240, 2175, 255);
    w.Check2 = Make<QCheckBox>(w.Frame4, "Check2", 2640, 600, 2175, 375);

    w.Picture2 = Make<FocusPicture>(form, "Picture2", 11160, 9240, 3735, 995);
    return w;
}
