#pragma once

#include "app/focus_picture.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

/// The controls of the main window outside the table and the chart, under their design
/// names, each created at its design position (twips).
struct Form1Widgets {
    // Point panel: the selected breakpoint.
    QGroupBox* Frame10;
    QLabel* Label13;
    QLineEdit* Text6;
    QLabel* Label12;
    QPushButton* Command7;  ///< step up, "+"
    QPushButton* Command6;  ///< step down, "-"
    // Line panel.
    QGroupBox* Frame9;
    QLineEdit* Text5;
    QLabel* Label11;
    QPushButton* Command5;
    // Multiply panel.
    QGroupBox* Frame8;
    QLineEdit* Text3;
    QPushButton* Command8;
    // Offset panel.
    QGroupBox* Frame11;
    QLineEdit* Text4;
    QLabel* Label14;
    QPushButton* Command9;
    QPushButton* Command10;  ///< undo
    // Language flags and the web-page picture.
    FocusPicture* Picture3;
    FocusPicture* Picture4;
    FocusPicture* Picture2;
    // Settings panel.
    QGroupBox* Frame6;
    QLabel* Label8;
    QComboBox* Combo4;  ///< resolution
    QLabel* Label7;
    QComboBox* Combo1;  ///< serial port
    // Command panel.
    QGroupBox* Frame3;
    QPushButton* Command3;  ///< load
    QPushButton* Command2;  ///< save
    QPushButton* Command1;  ///< send
    QPushButton* Command4;  ///< exit
    // Note panel.
    QGroupBox* Frame5;
    QPlainTextEdit* Text2;
    // Span panel.
    QGroupBox* Frame4;
    QLabel* Label5;
    QComboBox* Combo3;  ///< input span
    QLabel* Label6;
    QComboBox* Combo2;  ///< output span
    QCheckBox* Check1;  ///< input filter
    QCheckBox* Check2;  ///< output filter
};

/// Creates every control of the list above on the main window.
Form1Widgets CreateForm1Widgets(QWidget* form);
