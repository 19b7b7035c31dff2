#pragma once

#include <QLocale>
#include <QWidget>
#include <memory>

#include "chart_editing.h"
#include "dialog_language.h"
#include "edit_state.h"
#include "file_command_host.h"
#include "form1_widgets.h"
#include "map_views.h"
#include "platform.h"
#include "settings_file.h"
#include "texts.h"
#include "voltage_map.h"

class BoxStateView;
class CellClipboard;
class CellEditor;
class ChartMenu;
class ChartView;
class CurveCommands;
class DeviceTransfer;
class EntryBoxes;
class FrameChoosers;
class StepButtons;
class FileCommands;
class PortAssignments;
class ProgressWindow;
class SentMaps;
class SerialPort;
class TableView;

/// The main window. It owns the voltage map and every view of it, and wires the controls
/// to the handlers of the subsystems; the views it keeps current are its MapViews.
class Form1 : public QWidget, private MapViews, private ChartEditHost, private FileCommandHost {
    Q_OBJECT

public:
    /// Runs the load procedure: texts, settings, defaults, table and chart.
    Form1(Platform platform, SerialPort& serialPort, const QLocale& locale = QLocale::system(),
          const QString& settingsFileName = kSettingsFileName, QWidget* parent = nullptr);
    ~Form1() override;

    VoltageMap Map;
    Texts Msg;

    /// FormReady, EditedCell, TextBeforeEdit and the decimal separators.
    EditState Edit;
    bool LoadingFile = false;
    bool StepButtonHeld = false;

    QString CurrentLanguage() const { return LanguageCode(Msg.Language()); }
    char SeparatorChar() const { return Edit.SeparatorChar(); }

    TableView* Table;
    ChartView* Frame7;
    Form1Widgets W;
    std::unique_ptr<CellEditor> Cells;
    std::unique_ptr<EntryBoxes> Boxes;
    std::unique_ptr<CurveCommands> Curve;
    std::unique_ptr<StepButtons> Steps;
    std::unique_ptr<FrameChoosers> Choosers;
    std::unique_ptr<FileCommands> Files;
    std::unique_ptr<CellClipboard> Clip;
    ChartMenu* Frame7Menu;
    /// The maps sent from here, and the devices the user gave to com numbers.
    std::unique_ptr<SentMaps> Sent;
    std::unique_ptr<PortAssignments> Ports;
    /// Whether the map on screen is what the box on the chosen com number holds.
    std::unique_ptr<BoxStateView> Box;

    /// Flag clicks: switch every text to the language, unless it is already active.
    void HungarianFlagClicked();
    void EnglishFlagClicked();
    void WebPageClicked();
    /// The send button; a map that reached the box is kept in Sent.
    void SendMapToDevice();
    /// A data file named when the program was started: loaded as the load command loads
    /// it, or shown as refused. True when it was loaded.
    bool OpenFile(const QString& fileName);

    /// The page the web-page picture and F1 open: the user guide in the language, beside the
    /// executable, else the installed one.
    static QUrl UserGuideUrl(UiLanguage language);

    MapViews& Views() { return *this; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Load(const QString& settingsFileName);
    void ConnectCommands();
    void SwitchLanguage(UiLanguage language);
    void ShowLanguageBorders();
    void ShowGuidePicture();
    void SaveClicked();
    void LoadClicked();
    void ReadSettings(const QString& settingsFileName);
    /// The copy of the last send to the chosen com number read again, and shown against
    /// the map.
    void RefreshBoxState();
    /// A value typed into a cell counts before the window asks whether to save: closing
    /// from the title bar takes no focus from the cell.
    void CommitFocusedCell();

    // MapViews
    void ShowValue(int k) override;
    void ShowValues() override;
    void RefreshTable() override;
    void ShowInputLabels() override;
    void RedrawChart() override;
    void RedrawSegment(int k, double volts) override;
    void DrawMarker(int k) override;
    void HideMarker() override;
    void ShowPointPanel(int k) override;
    void ShowPointInput(int k) override;
    void ShowPointValue(int k) override;
    void ClearPointPanel() override;

    // ChartEditHost
    int EditedCell() const override { return Edit.EditedCell; }
    void SetEditedCell(int i) override { Edit.EditedCell = i; }
    void CommitCell(int i) override;
    void ShowCellValue(int k) override { ShowValue(k); }
    void FillPointPanel(int k) override { ShowPointPanel(k); }

    // FileCommandHost
    QString NoteText() const override;
    void SetNoteText(const QString& note) override;
    void SetWindowTitle(const QString& title) override { setWindowTitle(title); }
    void SetLoadingFile(bool loading) override { LoadingFile = loading; }
    void ShowMapFrame() override;
    void ShowMapInTable() override;
    void ShowSavedCurve() override;
    bool CloseWindow() override { return close(); }

    Platform platform_;
    QLocale locale_;
    DialogLanguage dialogLanguage_;
    std::unique_ptr<ProgressWindow> progress_;
    std::unique_ptr<DeviceTransfer> transfer_;
};
