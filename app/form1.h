#pragma once

#include <QLocale>
#include <QWidget>
#include <memory>

#include "app/form1_widgets.h"
#include "chart/chart_editing.h"
#include "core/map_document.h"
#include "core/voltage_map.h"
#include "files/file_command_host.h"
#include "files/settings_file.h"
#include "platform/clock.h"
#include "platform/dialog_language.h"
#include "platform/platform.h"
#include "table/edit_state.h"
#include "texts/texts.h"

class BoxStateView;
class RecoverySign;
class CellClipboard;
class CellEditor;
class ChartMenu;
class ChartView;
class CurveCommands;
class DeviceTransfer;
class EntryBoxes;
class FrameChoosers;
class StepButtons;
class TabCycle;
class FileCommands;
class PortAssignments;
class RangeCommands;
class ProgressWindow;
class SentMaps;
class SerialPort;
class TableView;
class WorkRecovery;

/// The main window. It owns the map's document and every view of it, and wires the controls
/// to the handlers of the subsystems; what the document says changed, it shows.
class Form1 : public QWidget, private MapObserver, private ChartEditHost, private FileCommandHost {
    Q_OBJECT

    /// First of all, so that it outlives every view that keeps a reference to its map.
    MapDocument document_;

public:
    /// Runs the load procedure: texts, settings, defaults, table and chart.
    Form1(Platform platform, SerialPort& serialPort, const QLocale& locale = QLocale::system(),
          const QString& settingsFileName = kSettingsFileName, QWidget* parent = nullptr);
    ~Form1() override;

    const VoltageMap& Map() const { return document_.Map(); }
    MapDocument& Document() { return document_; }

    /// The message texts of the current language.
    const Texts& Messages() const { return Msg; }
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
    /// Operations on a range of breakpoints and the import of a datasheet's points.
    std::unique_ptr<RangeCommands> Range;
    /// The maps sent from here, and the devices the user gave to com numbers.
    std::unique_ptr<SentMaps> Sent;
    std::unique_ptr<PortAssignments> Ports;
    /// Whether the map on screen is what the box on the chosen com number holds.
    std::unique_ptr<BoxStateView> Box;
    /// Stays while unsaved work is not being kept for recovery.
    std::unique_ptr<RecoverySign> RecoveryWarning;

    /// Flag clicks: switch every text to the language, unless it is already active.
    void HungarianFlagClicked();
    void EnglishFlagClicked();
    void WebPageClicked();
    /// The send button; a map that reached the box is kept in Sent.
    void SendMapToDevice();
    /// A data file named when the program was started: loaded as the load command loads
    /// it, or shown as refused. True when it was loaded.
    bool OpenFile(const QString& fileName);
    /// At start, before a file named on the command line: offers the work that a run
    /// ended by a crash left behind, then tells of the sends that one cut off.
    void OfferLeftWork();

    /// The page the web-page picture and F1 open: the user guide in the language, beside the
    /// executable, else the installed one.
    static QUrl UserGuideUrl(UiLanguage language);

protected:
    void closeEvent(QCloseEvent* event) override;
    /// Tab and Shift+Tab anywhere in the window go round the one cycle.
    bool focusNextPrevChild(bool next) override;

private:
    Texts Msg;
    /// FormReady, EditedCell, TextBeforeEdit and the decimal separator.
    EditState Edit;
    bool StepButtonHeld = false;

    void Load(const QString& settingsFileName);
    /// The Tab cycle.
    void SetUpKeyboard();
    /// Where Tab enters the table.
    QWidget* TableEntryCell() const;
    /// The cells' and the chart's names and description in the current language.
    void NameForScreenReader();
    void DescribeChart();
    void ConnectCommands();
    void SwitchLanguage(UiLanguage language);
    void ShowLanguageBorders();
    void ShowGuidePicture();
    /// The UnDo button's menu: one step back or forth through the history.
    void StepThroughHistory(bool back);
    void SaveClicked();
    void LoadClicked();
    void ReadSettings(const QString& settingsFileName);
    /// The copy of the last send to the chosen com number read again, and shown against
    /// the map.
    void RefreshBoxState();
    /// At start: the sends on record as cut off, in one message.
    void TellCutOffSends();
    /// The range menus and keys, and the keys of the chart.
    void ConnectRange();
    void ChartKeyPressed(int key);
    /// The table and the chart show the document's range.
    void ShowRange(const MapChanges& changes);

    // MapObserver: the one place where the window follows the map.
    void MapChanged(const MapChanges& changes) override;
    void ShowFrame(const MapChanges& changes);
    void ShowSelection(const MapChanges& changes);
    /// Point panel of breakpoint k: input label, caption numbered k+1, output box, step
    /// buttons enabled.
    void ShowPointPanel(int k);
    void ShowPointInput(int k);
    void ShowPointValue(int k);
    /// Point panel emptied, its caption unnumbered, step buttons disabled.
    void ClearPointPanel();
    /// Text of the note box, with any line breaks.
    QString NoteBoxText() const;
    QString NoteText() const { return QString::fromStdString(document_.Note()); }

    // ChartEditHost
    int EditedCell() const override { return Edit.EditedCell; }
    void SetEditedCell(int i) override { Edit.EditedCell = i; }
    void CommitCell(int i) override;

    // FileCommandHost
    void SetWindowTitle(const QString& title) override { setWindowTitle(title); }
    bool CloseWindow() override { return close(); }

    /// A pause this long ends a stretch of typing in the note: one step of the history.
    static constexpr std::chrono::milliseconds kNotePause{1000};
    Clock::TimePoint noteTyped_{};
    Platform platform_;
    QLocale locale_;
    DialogLanguage dialogLanguage_;
    std::unique_ptr<ProgressWindow> progress_;
    std::unique_ptr<DeviceTransfer> transfer_;
    /// Made once the start map is on screen: only changes from then on are kept.
    std::unique_ptr<WorkRecovery> recovery_;
    std::unique_ptr<TabCycle> tabCycle_;
};
