#include "form1.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

#include "apply_texts.h"
#include "browser.h"
#include "pictures.h"
#include "table_view.h"
#include "twips.h"

namespace {

constexpr double kClientWidth = 14925;
constexpr double kClientHeight = 10215;

void SetBorder(QLabel* picture, bool border) {
    picture->setFrameStyle(border ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
}

}  // namespace

Form1::Form1(Platform platform, const QLocale& locale, QWidget* parent)
    : QWidget(parent), platform_(platform), locale_(locale) {
    setObjectName("Form1");
    setWindowTitle("SOLVA-TX");
    setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));

    // The decimal separator is what the locale writes between 0 and 5 in one half.
    DecimalSeparator = locale_.toString(0.5, 'f', 1).mid(1, 1);
    WrongSeparator = DecimalSeparator == "," ? "." : ",";

    Table = new TableView(this, SeparatorChar());
    Frame7 = new QGroupBox(this);
    Frame7->setObjectName("Frame7");
    PlaceInTwips(Frame7, 2880, 0, 10695, 9135);
    W = CreateForm1Widgets(this);

    W.Picture3->setPixmap(HungarianFlag());
    W.Picture4->setPixmap(EnglishFlag());
    W.Picture2->setPixmap(WebPagePicture(W.Picture2->size()));
    for (QLabel* picture : {W.Picture2, W.Picture3, W.Picture4}) {
        picture->setScaledContents(true);  // keeps the border of the active flag visible
        picture->setCursor(Qt::PointingHandCursor);
        picture->installEventFilter(this);
    }

    Load();
}

Form1::~Form1() = default;

void Form1::Load() {
    ApplyHungarianTexts(this);
    Msg.SetLanguage(UiLanguage::Hun);
    ShowLanguageBorders();
    LoadingFile = false;
    FormReady = false;
    StepButtonHeld = false;
    FirstStepPending = false;
    Map.SavedCurveValid = false;
    if (!ReadSettings()) {
        W.Combo1->setCurrentIndex(0);
        Map.PortNumber = 1;
    }
    // The decimal separator was taken from the locale when the window was created.
    Map.InputRangeMax = 15;
    Map.OutputRangeMax = 15;
    Map.OutputRangeIndex = 2;
    Map.InputRangeIndex = 2;
    Map.ResolutionIndex = 0;
    Map.Resolution = 128;
    Map.SelectedPoint = 128;
    Map.TableResolution = 128;
    EditedCell = 128;
    W.Combo2->setCurrentIndex(Map.OutputRangeIndex);
    W.Combo3->setCurrentIndex(Map.InputRangeIndex);
    W.Combo4->setCurrentIndex(Map.ResolutionIndex);
    W.Text3->setText("1");
    W.Text4->setText("0");
    W.Text5->setText("0");
    W.Command6->setEnabled(false);
    W.Command7->setEnabled(false);
    Table->BuildTable(Map);
    FormReady = true;
}

bool Form1::ReadSettings() {
    return false;
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
    return QUrl::fromLocalFile(QDir(QCoreApplication::applicationDirPath()).filePath("user-guide.html"));
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
