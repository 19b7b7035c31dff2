#include "app/form1.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <utility>

#include "app/accessible_controls.h"
#include "app/apply_texts.h"
#include "app/box_state_view.h"
#include "app/chart_menu.h"
#include "app/curve_commands.h"
#include "app/entry_boxes.h"
#include "app/focus_picture.h"
#include "app/frame_choosers.h"
#include "app/hold_ending.h"
#include "app/keyboard_shortcuts.h"
#include "app/picture_clicks.h"
#include "app/pictures.h"
#include "app/port_chooser_menu.h"
#include "app/press_completion.h"
#include "app/range_commands.h"
#include "app/recovery_sign.h"
#include "app/send_button_menu.h"
#include "app/step_buttons.h"
#include "app/tab_cycle.h"
#include "app/undo_button_menu.h"
#include "chart/chart_view.h"
#include "device/port_names.h"
#include "device/progress_window.h"
#include "device/send_map.h"
#include "files/data_file.h"
#include "files/file_commands.h"
#include "history/send_record.h"
#include "history/sent_maps.h"
#include "platform/browser.h"
#include "platform/message_box.h"
#include "platform/twips.h"
#include "platform/user_folders.h"
#include "platform/user_settings.h"
#include "recovery/work_recovery.h"
#include "table/cell_editor.h"
#include "table/clipboard.h"
#include "table/table_view.h"

namespace {

constexpr double kClientWidth = 14925;
constexpr double kClientHeight = 10215;
/// Where the user's settings keep the language of the last run.
const QString kLanguageKey = QStringLiteral("language");

void SetBorder(QLabel* picture, bool border) {
    picture->setFrameStyle(border ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
}

}  // namespace

Form1::Form1(Platform platform, SerialPort& serialPort, const QLocale& locale,
             const QString& settingsFileName, QWidget* parent)
    : QWidget(parent), platform_(platform), locale_(locale) {
    InstallAccessibleControls();
    setObjectName("Form1");
    setWindowTitle("SOLVA-TX");
    setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));

    // The decimal separator is what the locale writes between 0 and 5 in one half.
    Edit.DecimalSeparator = locale_.toString(0.5, 'f', 1).mid(1, 1);

    Table = new TableView(this, SeparatorChar());
    Frame7 = new ChartView(Map(), this);
    PlaceInTwips(Frame7, 2880, 0, 10695, 9135);
    Frame7->Chart().DecimalSeparator = SeparatorChar();
    Frame7->EnableEditing(document_, *this, StepButtonHeld);
    W = CreateForm1Widgets(this);

    W.Picture3->setPixmap(HungarianFlag());
    W.Picture4->setPixmap(EnglishFlag());
    for (QLabel* picture : {W.Picture2, W.Picture3, W.Picture4}) {
        picture->setScaledContents(true);  // keeps the border of the active flag visible
        picture->setCursor(Qt::PointingHandCursor);
    }
    auto* clicks = new PictureClicks(this);
    clicks->Watch(W.Picture3, [this] { HungarianFlagClicked(); });
    clicks->Watch(W.Picture4, [this] { EnglishFlagClicked(); });
    clicks->Watch(W.Picture2, [this] { WebPageClicked(); });

    Cells = std::make_unique<CellEditor>(document_, *Table, Edit, Msg, platform_.inputBox);
    Boxes = std::make_unique<EntryBoxes>(W.Text3, W.Text4, W.Text5, Map(), Edit, Msg,
                                         platform_.inputBox);
    Curve = std::make_unique<CurveCommands>(document_, *Boxes);
    Steps = std::make_unique<StepButtons>(W.Command6, W.Command7, document_, *Table,
                                          platform_.messageBox, Msg, StepButtonHeld);
    Choosers = std::make_unique<FrameChoosers>(
        FrameControls{W.Combo3, W.Combo2, W.Combo4, W.Combo1, W.Check1, W.Check2}, document_,
        platform_.messageBox, Msg);
    Files = std::make_unique<FileCommands>(document_, static_cast<FileCommandHost&>(*this),
                                           platform_.messageBox, platform_.fileDialog, Msg,
                                           settingsFileName);
    Clip = std::make_unique<CellClipboard>(document_, *Table, Edit, *Cells, Msg,
                                           platform_.messageBox, platform_.clipboard);
    Sent = std::make_unique<SentMaps>(platform_.folders.SentMaps());
    Files->KeepOutOf(Sent->Folder());
    Box = std::make_unique<BoxStateView>(W.Frame3, *Sent, Msg);
    RecoveryWarning = std::make_unique<RecoverySign>(W.Frame5, Msg);
    Frame7Menu = new ChartMenu(*Frame7, document_, Msg, platform_,
                               [this] { return Sent->NewestFor(Map().PortNumber); });
    Frame7Menu->ReportSourceOf = [this] {
        const QString file = Files->CurrentFileName();
        const QFileInfo info(file);
        return file.isEmpty()
                   ? ReportSource{{}, {}, false, NoteText()}
                   : ReportSource{file, info.lastModified(), IsMapChanged(Map(), file), NoteText()};
    };
    // Typing joins one step of the history until it pauses.
    connect(W.Text2, &QPlainTextEdit::textChanged, this, [this] {
        const Clock::TimePoint now = platform_.clock.Now();
        if (now - std::exchange(noteTyped_, now) >= kNotePause) {
            document_.EndTyping();
        }
        document_.SetNote(NoteBoxText().toStdString());
    });
    auto* undoMenu = new UndoButtonMenu(W.Command10, platform_.popupMenu, document_, Msg, this);
    connect(undoMenu, &UndoButtonMenu::StepBackChosen, this, [this] { StepThroughHistory(true); });
    connect(undoMenu, &UndoButtonMenu::StepForwardChosen, this,
            [this] { StepThroughHistory(false); });
    document_.AddObserver(*this);
    progress_ = std::make_unique<ProgressWindow>(this, Msg);
    transfer_ = std::make_unique<DeviceTransfer>(serialPort, *progress_, platform_.clock,
                                                 platform_.messageBox, Msg);
    Ports = std::make_unique<PortAssignments>();
    new PortChooserMenu(W.Combo1, platform_.popupMenu, *Ports, Msg, FindSerialDevices, this);
    new SendButtonMenu(
        W.Command1, platform_.popupMenu, *Sent, Msg,
        [this](const QString& fileName) {
            Cells->CommitPendingCells();
            Files->LoadCommand(fileName);
        },
        this);
    ConnectCommands();
    new HoldEnding(this, StepButtonHeld, [this] {
        Steps->EndHold();
        Frame7->Editing()->EndDrag();
    });
    ConnectRange();
    SetUpKeyboard();
    // A prompt of the cell or box being left takes the release of the click that left it.
    auto* completion = new PressCompletion(this);
    completion->Watch({W.Command1, W.Command2, W.Command3, W.Command4, W.Command5, W.Command8,
                       W.Command9, W.Command10, W.Check1, W.Check2});
    connect(Boxes.get(), &EntryBoxes::ClickCancelled, completion,
            &PressCompletion::DropPressInProgress);
    Load(settingsFileName);
    recovery_ = std::make_unique<WorkRecovery>(
        platform_.folders.Recovery(),
        [this] {
            return WorkingState{.Map = Map().Content(),
                                .FileName = Files->WorkFileName(),
                                .Saved = !Files->HasUnsavedWork(),
                                .Changed = {},
                                .PortNumber = Map().PortNumber,
                                .SelectedPoint = document_.SelectedPoint(),
                                .RangeEnd = document_.RangeEnd(),
                                .CurveBoxes = {W.Text3->text(), W.Text4->text(), W.Text5->text()}};
        },
        platform_.messageBox, Msg, platform_.clock);
    connect(recovery_.get(), &WorkRecovery::WritingFailed, this,
            [this](const QString& reason) { RecoveryWarning->SetFailure(reason); });
    connect(recovery_.get(), &WorkRecovery::WritingWorks, this,
            [this] { RecoveryWarning->SetFailure({}); });
    for (QLineEdit* box : {W.Text3, W.Text4, W.Text5}) {
        connect(box, &QLineEdit::textChanged, recovery_.get(), &WorkRecovery::Changed);
    }
    // After the load procedure: the table's rows exist by now.
    new KeyboardShortcuts(
        this, W.Command2, W.Command3, W.Command10, [this] { document_.StepBack(); },
        [this] { document_.StepForward(); }, [this] { WebPageClicked(); });
}

Form1::~Form1() = default;

void Form1::Load(const QString& settingsFileName) {
    ApplyHungarianTexts(this);
    Msg.SetLanguage(UiLanguage::Hun);
    dialogLanguage_.SetHungarian(true);
    ShowLanguageBorders();
    ShowGuidePicture();
    Edit.FormReady = false;
    StepButtonHeld = false;
    ReadSettings(settingsFileName);
    // The decimal separator was taken from the locale when the window was created; the
    // document holds the start map.
    Edit.EditedCell = 128;
    W.Text3->setText("1");
    W.Text4->setText("0");
    W.Text5->setText("0");
    Table->BuildTable(Map());
    Frame7->Chart().BuildChart();
    Edit.FormReady = true;
    NameForScreenReader();
    MapChanged({.Flags = kWholeMap});
    if (platform_.settings.Value(kLanguageKey) == LanguageCode(UiLanguage::Eng)) {
        SwitchLanguage(UiLanguage::Eng);
    }
}

void Form1::ReadSettings(const QString& settingsFileName) {
    const std::optional<int> port = ::ReadSettings(settingsFileName, SeparatorChar());
    document_.SetPort(port.value_or(1));
}

void Form1::RefreshBoxState() {
    Box->Refresh(Map().PortNumber);
    Box->Show(Map());
}

void Form1::ConnectCommands() {
    // Every command reads the map: what the cells show goes into it first, whatever the
    // window system did with the focus on the way to the button.
    const auto command = [this](QPushButton* button, std::function<void()> run) {
        connect(button, &QPushButton::clicked, this, [this, run = std::move(run)] {
            Cells->CommitPendingCells();
            run();
        });
    };
    command(W.Command2, [this] { SaveClicked(); });
    command(W.Command3, [this] { LoadClicked(); });
    command(W.Command4, [this] { Files->ExitCommand(); });
    command(W.Command1, [this] { SendMapToDevice(); });
    command(W.Command8, [this] { Curve->Multiply(); });
    command(W.Command9, [this] { Curve->AddOffset(); });
    command(W.Command5, [this] { Curve->CreateLine(); });
    command(W.Command10, [this] { Curve->Undo(); });
    const auto commitPending = [this] { Cells->CommitPendingCells(); };
    Steps->BeforeStep = commitPending;
    Choosers->BeforeChange = commitPending;
    Frame7Menu->BeforeAction = commitPending;
}

void Form1::StepThroughHistory(bool back) {
    // As the keys do: a value being typed is checked first, and is a step of its own.
    W.Command10->setFocus(Qt::ShortcutFocusReason);
    back ? document_.StepBack() : document_.StepForward();
}

void Form1::SaveClicked() {
    // A save does not redraw the chart; a compared file's curve would stay on it although
    // the save has taken the reference back.
    if (Files->SaveCommand() && std::exchange(Frame7Menu->ShowsComparison, false)) {
        Frame7->Chart().RedrawChart();
    }
}

void Form1::LoadClicked() {
    if (Files->LoadCommand()) {
        Frame7Menu->ShowsComparison = false;
    }
}

bool Form1::OpenFile(const QString& fileName) {
    return Files->LoadFile(QFileInfo(fileName).absoluteFilePath());
}

void Form1::OfferLeftWork() {
    recovery_->OfferLeftWork([this](const WorkingState& work) {
        // The port first: the BOX caption of the restored map is the one for that port.
        document_.SetPort(work.PortNumber);
        Files->RestoreWork(work.Map, work.FileName);
        // As after a chart click, the selected breakpoint is the edited cell.
        document_.Select(work.SelectedPoint);
        document_.SelectRangeTo(work.RangeEnd);
        Edit.EditedCell = document_.SelectedPoint();
        W.Text3->setText(work.CurveBoxes[0]);
        W.Text4->setText(work.CurveBoxes[1]);
        W.Text5->setText(work.CurveBoxes[2]);
    });
    TellCutOffSends();
}

void Form1::TellCutOffSends() {
    const QStringList cutOff = Sent->CutOffSends();
    if (cutOff.isEmpty()) {
        return;
    }
    // One message for every port: the caption keeps saying it for the port chosen.
    QString prompt = Msg("MsgCutOffAtStart");
    for (const QString& record : cutOff) {
        prompt += QLatin1Char('\n') + SentMaps::SentLabel(record);
    }
    platform_.messageBox.Show(prompt, QStringLiteral("SOLVA-TX"));
}

void Form1::SendMapToDevice() {
    SentMapsRecord record(*Sent);
    if (transfer_->SendMapToDevice(Map(), &record) && !record.Kept()) {
        ReportSentNotKept(*Sent, record.Result(), platform_.messageBox, Msg);
    }
    // A send cut off is on record too.
    RefreshBoxState();
}

void Form1::closeEvent(QCloseEvent* event) {
    if (transfer_->IsRunning()) {
        event->ignore();  // no close while the map is being sent
        return;
    }
    Cells->CommitPendingCells();
    if (Files->CloseHandler()) {
        // Saved, or given up by the user: nothing is left to restore.
        recovery_->CleanExit();
        event->accept();
    } else {
        event->ignore();
    }
}

void Form1::HungarianFlagClicked() {
    if (Msg.Language() != UiLanguage::Hun) {
        SwitchLanguage(UiLanguage::Hun);
    }
}

void Form1::EnglishFlagClicked() {
    if (Msg.Language() != UiLanguage::Eng) {
        SwitchLanguage(UiLanguage::Eng);
    }
}

void Form1::SwitchLanguage(UiLanguage language) {
    if (language == UiLanguage::Hun) {
        ApplyHungarianTexts(this);
    } else {
        ApplyEnglishTexts(this);
    }
    Msg.SetLanguage(language);
    dialogLanguage_.SetHungarian(language == UiLanguage::Hun);
    ShowLanguageBorders();
    Box->Show(Map());
    RecoveryWarning->Show();
    ShowGuidePicture();
    NameForScreenReader();
    platform_.settings.SetValue(kLanguageKey, LanguageCode(language));
}

void Form1::ShowGuidePicture() {
    W.Picture2->setPixmap(WebPagePicture(W.Picture2->size(), Msg("MsgGuidePicture")));
}

void Form1::ShowLanguageBorders() {
    const bool hun = Msg.Language() == UiLanguage::Hun;
    SetBorder(W.Picture3, hun);
    SetBorder(W.Picture4, !hun);
    // The flags overlap by a pixel: the active one lies on top, its border whole.
    (hun ? W.Picture3 : W.Picture4)->raise();
}

QUrl Form1::UserGuideUrl(UiLanguage language) {
    const QString name = language == UiLanguage::Hun ? QStringLiteral("user-guide-hu.html")
                                                     : QStringLiteral("user-guide-en.html");
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.filePath(name);
    return QUrl::fromLocalFile(
        QFileInfo::exists(beside)
            ? beside
            : QDir::cleanPath(programDir.filePath(SOLVA_INSTALLED_GUIDE_DIR "/" + name)));
}

void Form1::WebPageClicked() {
    const QUrl guide = UserGuideUrl(Msg.Language());
    if (!platform_.browser.Open(guide)) {
        platform_.messageBox.Show(
            Msg("MsgGuideNotOpened") + "\n" + QDir::toNativeSeparators(guide.toLocalFile()),
            Msg("MsgGuideNotOpenedTitle"));
    }
}
