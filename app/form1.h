#pragma once

#include <QLocale>
#include <QWidget>

#include "form1_widgets.h"
#include "platform.h"
#include "texts.h"
#include "voltage_map.h"

class QGroupBox;
class TableView;

/// The main window. It owns the voltage map and every view of it, and wires the controls
/// to the handlers of the subsystems.
class Form1 : public QWidget {
    Q_OBJECT

public:
    /// Runs the load procedure: texts, settings, defaults, table and chart.
    explicit Form1(Platform platform, const QLocale& locale = QLocale::system(),
                   QWidget* parent = nullptr);
    ~Form1() override;

    VoltageMap Map;
    Texts Msg;

    bool FormReady = false;
    bool LoadingFile = false;
    bool StepButtonHeld = false;
    bool FirstStepPending = false;
    int EditedCell = kMaxResolution;
    QString DecimalSeparator;
    QString WrongSeparator;

    QString CurrentLanguage() const { return LanguageCode(Msg.Language()); }
    char SeparatorChar() const { return DecimalSeparator.at(0).toLatin1(); }

    TableView* Table;
    QGroupBox* Frame7;
    Form1Widgets W;

    /// Flag clicks: switch every text to the language, unless it is already active.
    void HungarianFlagClicked();
    void EnglishFlagClicked();
    void WebPageClicked();

    /// The page the web-page picture opens: the bundled user guide.
    static QUrl UserGuideUrl();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Load();
    void SwitchLanguage(UiLanguage language);
    void ShowLanguageBorders();
    bool ReadSettings();

    Platform platform_;
    QLocale locale_;
};
