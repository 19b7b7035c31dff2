#include "device/progress_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>

#include "platform/design_font.h"
#include "platform/twips.h"
#include "texts/texts.h"

namespace {

const QColor kPurple(128, 0, 128);
const QColor kGreen(0, 255, 0);

/// A solid green rectangle with a dark border, as the blocks of the strip look.
class ProgressBlock : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(Qt::black);
        painter.setBrush(kGreen);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

QFont LabelFont(int pixelSize, bool bold) {
    return DesignFont(QStringLiteral("Lucida Sans Unicode"), pixelSize, bold);
}

QLabel* MakeLabel(QWidget* parent, const char* name, Qt::Alignment alignment, const QFont& font,
                  const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(alignment | Qt::AlignTop);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

}  // namespace

Form2::Form2(QWidget* mainWindow, const Texts& texts)
    : QWidget(mainWindow, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("Form2"));
    setFixedSize(TwipsToPixels(3900), TwipsToPixels(1080));

    Label1 = MakeLabel(this, "Label1", Qt::AlignHCenter, LabelFont(13, false), Qt::black);
    PlaceInTwips(Label1, 0, 120, 975, 255);
    Label2 = MakeLabel(this, "Label2", Qt::AlignRight, LabelFont(13, true), kPurple);
    PlaceInTwips(Label2, 960, 120, 615, 255);
    Label2->setText(QStringLiteral("00%"));
    Label3 = MakeLabel(this, "Label3", Qt::AlignHCenter, LabelFont(15, false), kPurple);
    PlaceInTwips(Label3, 0, 120, 3890, 255);

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    PlaceInTwips(Picture1, 0, 480, 3904, 547);
    for (int i = 0; i < kProgressBlockCount; ++i) {
        Shape1[i] = new ProgressBlock(Picture1);
        Shape1[i]->setObjectName(QStringLiteral("Shape1(%1)").arg(i));
        PlaceInTwips(Shape1[i], 240 * i, 0, 255, 495);
    }

    ApplyTexts(texts);
    if (mainWindow != nullptr) {
        CentreOver(mainWindow);
    }
    for (QWidget* block : Shape1) {
        block->hide();
    }
    Picture1->raise();
    Label1->show();
    Label2->show();
    Label3->hide();
}

void Form2::ApplyTexts(const Texts& texts) {
    Label3->setText(texts("MsgDataSent"));
    setWindowTitle(texts("MsgSendingTitle"));
    Label1->setText(texts("MsgSentLabel"));
}

void Form2::closeEvent(QCloseEvent* event) {
    if (event->spontaneous()) {
        event->ignore();
    }
}

void Form2::CentreOver(const QWidget* mainWindow) {
    // The window has no frame before it is shown; it gets one like the main window's.
    const QRect outer = mainWindow->frameGeometry();
    const QSize frame = outer.size() - mainWindow->size();
    const QSize own = size() + frame;
    move(outer.x() + outer.width() / 2 - own.width() / 2,
         outer.y() + outer.height() / 2 - own.height() / 2);
}

ProgressWindow::ProgressWindow(QWidget* mainWindow, const Texts& texts)
    : mainWindow_(mainWindow), texts_(texts) {}

ProgressWindow::~ProgressWindow() {
    delete form_.data();
}

void ProgressWindow::Show() {
    if (form_.isNull()) {
        form_ = new Form2(mainWindow_, texts_);
    }
    // A window kept by a failed send may have been made in another language.
    form_->ApplyTexts(texts_);
    form_->show();
}

void ProgressWindow::ShowBlock(int i) {
    if (form_) {
        form_->Shape1[i]->show();
    }
}

bool ProgressWindow::IsBlockVisible(int i) const {
    // A hidden window hides its children too; what counts is the block's own state.
    return form_ && !form_->Shape1[i]->isHidden();
}

void ProgressWindow::SetPercentText(const QString& text) {
    if (form_) {
        form_->Label2->setText(text);
    }
}

void ProgressWindow::Repaint() {
    if (form_) {
        form_->repaint();
    }
}

void ProgressWindow::ShowEndDisplay() {
    if (form_) {
        form_->Label1->hide();
        form_->Label2->hide();
        form_->Label3->show();
    }
}

void ProgressWindow::Close() {
    delete form_.data();
}

void ProgressWindow::Hide() {
    if (form_) {
        form_->hide();
    }
}
