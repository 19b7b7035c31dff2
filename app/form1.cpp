#include "form1.h"

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
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

#include "apply_texts.h"
#include "browser.h"
#include "cell_editor.h"
#include "chart_view.h"
#include "curve_commands.h"
#include "entry_boxes.h"
#include "file_commands.h"
#include "frame_choosers.h"
#include "pictures.h"
#include "press_completion.h"
#include "progress_window.h"
#include "send_map.h"
#include "step_buttons.h"
#include "table_view.h"
#include "twips.h"

namespace {

constexpr double kClientWidth = 14925;
constexpr double kClientHeight = 10215;

void SetBorder(QLabel* picture, bool border) {
    picture->setFrameStyle(border ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
}

}  // namespace

Form1::Form1(Platform platform, SerialPort& serialPort, const QLocale& locale,
             const QString& settingsFileName, QWidget* parent)
    : QWidget(parent), platform_(platform), locale_(locale) {
    setObjectName("Form1");
    setWindowTitle("SOLVA-TX");
    setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));

    // The decimal separator is what the locale writes between 0 and 5 in one half.
    Edit.DecimalSeparator = locale_.toString(0.5, 'f', 1).mid(1, 1);
    Edit.WrongSeparator = Edit.DecimalSeparator == "," ? "." : ",";

    Table = new TableView(this, SeparatorChar());
    Frame7 = new ChartView(Map, this);
    PlaceInTwips(Frame7, 2880, 0, 10695, 9135);
    Frame7->Chart().DecimalSeparator = SeparatorChar();
    Frame7->EnableEditing(*this, StepButtonHeld);
    W = CreateForm1Widgets(this);

    W.Picture3->setPixmap(HungarianFlag());
    W.Picture4->setPixmap(EnglishFlag());
    W.Picture2->setPixmap(WebPagePicture(W.Picture2->size()));
    for (QLabel* picture : {W.Picture2, W.Picture3, W.Picture4}) {
        picture->setScaledContents(true);  // keeps the border of the active flag visible
        picture->setCursor(Qt::PointingHandCursor);
        picture->installEventFilter(this);
    }

    Cells = std::make_unique<CellEditor>(Map, *Table, Edit, Views(), Msg, platform_.inputBox);
    Boxes =
        std::make_unique<EntryBoxes>(W.Text3, W.Text4, W.Text5, Map, Edit, Msg, platform_.inputBox);
    Curve = std::make_unique<CurveCommands>(Map, *Boxes, Views());
    Steps = std::make_unique<StepButtons>(W.Command6, W.Command7, Map, *Table, Views(),
                                          platform_.messageBox, Msg, StepButtonHeld);
    Choosers = std::make_unique<FrameChoosers>(
        FrameControls{W.Combo3, W.Combo2, W.Combo4, W.Combo1, W.Check1, W.Check2}, Map, Views(),
        platform_.messageBox, Msg, LoadingFile);
    Files = std::make_unique<FileCommands>(Map, static_cast<FileCommandHost&>(*this),
                                           platform_.messageBox, platform_.fileDialog, Msg,
                                           settingsFileName);
    progress_ = std::make_unique<ProgressWindow>(this, Msg);
    transfer_ = std::make_unique<DeviceTransfer>(serialPort, *progress_, platform_.clock,
                                                 platform_.messageBox, Msg);
    ConnectCommands();
    // A prompt of the cell or box being left takes the release of the click that left it.
    (new PressCompletion(this))
        ->Watch({W.Command1, W.Command2, W.Command3, W.Command4, W.Command5, W.Command8, W.Command9,
                 W.Command10, W.Check1, W.Check2});
    Load(settingsFileName);
}

Form1::~Form1() = default;

void Form1::Load(const QString& settingsFileName) {
    ApplyHungarianTexts(this);
    Msg.SetLanguage(UiLanguage::Hun);
    ShowLanguageBorders();
    LoadingFile = false;
    Edit.FormReady = false;
    StepButtonHeld = false;
    Map.SavedCurveValid = false;
    ReadSettings(settingsFileName);
    // The decimal separator was taken from the locale when the window was created.
    Map.InputRangeMax = 15;
    Map.OutputRangeMax = 15;
    Map.OutputRangeIndex = 2;
    Map.InputRangeIndex = 2;
    Map.ResolutionIndex = 0;
    Map.Resolution = 128;
    Map.SelectedPoint = 128;
    Map.TableResolution = 128;
    Edit.EditedCell = 128;
    W.Combo2->setCurrentIndex(Map.OutputRangeIndex);
    W.Combo3->setCurrentIndex(Map.InputRangeIndex);
    W.Combo4->setCurrentIndex(Map.ResolutionIndex);
    W.Text3->setText("1");
    W.Text4->setText("0");
    W.Text5->setText("0");
    HideMarker();
    ClearPointPanel();
    Table->BuildTable(Map);
    Frame7->Chart().BuildChart();
    Edit.FormReady = true;
    RedrawChart();
}

void Form1::ReadSettings(const QString& settingsFileName) {
    const std::optional<int> port = ::ReadSettings(settingsFileName);
    Map.PortNumber = port.value_or(1);
    W.Combo1->setCurrentIndex(Map.PortNumber - 1);
}

void Form1::ConnectCommands() {
    connect(W.Command2, &QPushButton::clicked, this, [this] { Files->SaveCommand(); });
    connect(W.Command3, &QPushButton::clicked, this, [this] { Files->LoadCommand(); });
    connect(W.Command4, &QPushButton::clicked, this, [this] { Files->ExitCommand(); });
    connect(W.Command1, &QPushButton::clicked, this, [this] { SendMapToDevice(); });
    connect(W.Command8, &QPushButton::clicked, this, [this] { Curve->Multiply(); });
    connect(W.Command9, &QPushButton::clicked, this, [this] { Curve->AddOffset(); });
    connect(W.Command5, &QPushButton::clicked, this, [this] { Curve->CreateLine(); });
    connect(W.Command10, &QPushButton::clicked, this, [this] { Curve->Undo(); });
}

void Form1::SendMapToDevice() {
    transfer_->SendMapToDevice(Map);
}

void Form1::closeEvent(QCloseEvent* event) {
    if (transfer_->IsRunning()) {
        event->ignore();  // the window system's close waits until the map has been sent
        return;
    }
    CommitFocusedCell();
    if (Files->CloseHandler()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void Form1::CommitFocusedCell() {
    for (int i = 0; i < Map.Resolution; ++i) {
        if (Table->Text1[i]->hasFocus()) {
            Cells->CommitCell(i);
            return;
        }
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
    ShowLanguageBorders();
}

void Form1::ShowLanguageBorders() {
    SetBorder(W.Picture3, Msg.Language() == UiLanguage::Hun);
    SetBorder(W.Picture4, Msg.Language() == UiLanguage::Eng);
}

QUrl Form1::UserGuideUrl() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.filePath("user-guide.html");
    return QUrl::fromLocalFile(QFileInfo::exists(beside)
                                   ? beside
                                   : QDir::cleanPath(programDir.filePath(SOLVA_INSTALLED_GUIDE)));
}

void Form1::WebPageClicked() {
    platform_.browser.Open(UserGuideUrl());
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == W.Picture3) {
            HungarianFlagClicked();
        } else if (watched == W.Picture4) {
            EnglishFlagClicked();
        } else if (watched == W.Picture2) {
            WebPageClicked();
        }
    }
    return QWidget::eventFilter(watched, event);
}
