#include "cli/window_picture.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "app/form1.h"
#include "chart/chart_view.h"
#include "cli/exit_status.h"
#include "device/progress_window.h"
#include "table/cell_editor.h"
#include "table/table_view.h"

namespace {

constexpr int kTitleBarHeight = 24;
constexpr int kGiveUpMs = 60000;
/// The send breaks off once the progress window shows half: after packet 127, 50 %.
constexpr int kPacketsBeforePicture = 128;

const std::pair<const char*, PictureState> kStateNames[] = {
    {"main", PictureState::Main},
    {"parts", PictureState::Parts},
    {"reprompt", PictureState::Reprompt},
    {"save-question", PictureState::SaveQuestion},
    {"progress", PictureState::Progress},
    {"port-menu", PictureState::PortMenu},
    {"chart-menu", PictureState::ChartMenu},
    {"undo-menu", PictureState::UndoMenu},
};

/// The parts of the main window in the order the user guide numbers them.
const char* const kNumberedParts[] = {"Frame2",  "Frame7",    "Frame10",  "Frame9", "Frame8",
                                      "Frame11", "Command10", "Picture3", "Frame6", "Frame3",
                                      "Frame5",  "Frame4",    "Picture2"};

void DrawBadge(QPainter& painter, QPointF centre, int number) {
    constexpr double radius = 10;
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(QColor(0xE0, 0x60, 0x00));
    painter.drawEllipse(centre, radius, radius);
    QFont font = painter.font();
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                     Qt::AlignCenter, QString::number(number));
}

}  // namespace

std::optional<PictureState> PictureStateNamed(const QString& name) {
    for (const auto& [text, state] : kStateNames) {
        if (name == QLatin1String(text)) {
            return state;
        }
    }
    return std::nullopt;
}

SerialStatus WindowPicture::PicturePort::Write(const SendPacket&) {
    if (++written_ > kPacketsBeforePicture && halfway && halfway()) {
        return SerialError{0, QStringLiteral("the picture is taken")};
    }
    return {};
}

WindowPicture::WindowPicture(PictureState state, QString path)
    : state_(state), path_(std::move(path)) {
    QObject::connect(&watcher_, &QTimer::timeout, [this] { Watch(); });
    // From the start: a question the window asks before it is brought to the state is
    // dismissed, not drawn.
    watcher_.start(10);
    // A build waits for the picture: a state that never comes back must not hang it.
    QTimer::singleShot(kGiveUpMs, [] {
        std::fprintf(stderr, "solva-tx: the picture's state did not end in time\n");
        std::_Exit(kExitNotWritten);
    });
    port_.halfway = [this] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->inherits("Form2") && window->isVisible()) {
                Capture(window, true);
            }
        }
        return taken_;
    };
}

int WindowPicture::Take(Form1& form) {
    form_ = &form;
    form.show();
    QCoreApplication::processEvents();
    switch (state_) {
        case PictureState::Main:
        case PictureState::Parts:
            Capture(nullptr, false);
            break;
        case PictureState::Reprompt:
            // Above the output span: the re-prompt names the span.
            form.Cells->SelectCell(4);
            form.Table->SetCellText(4, QStringLiteral("20"));
            form.Cells->CommitCell(4);
            break;
        case PictureState::SaveQuestion:
            form.Cells->SelectCell(9);
            form.Table->SetCellText(9, QStringLiteral("2"));
            form.Cells->CommitCell(9);
            form.W.Command4->click();
            break;
        case PictureState::Progress:
            form.W.Command1->click();
            break;
        case PictureState::PortMenu:
            menuAt_ = form.W.Combo1->mapToGlobal(QPoint(20, 10));
            emit form.W.Combo1->customContextMenuRequested(QPoint(20, 10));
            break;
        case PictureState::UndoMenu:
            // Two values changed and one taken back with Ctrl+Z: the menu offers both ways.
            for (const auto& [row, text] : {std::pair(9, "2"), std::pair(19, "8")}) {
                form.Cells->SelectCell(row);
                form.Table->SetCellText(row, QLatin1String(text));
                form.Cells->CommitCell(row);
            }
            for (QShortcut* shortcut : form.findChildren<QShortcut*>()) {
                if (shortcut->key() == QKeySequence(Qt::CTRL | Qt::Key_Z)) {
                    emit shortcut->activated();
                }
            }
            menuAt_ = form.W.Command10->mapToGlobal(QPoint(20, 10));
            emit form.W.Command10->customContextMenuRequested(QPoint(20, 10));
            break;
        case PictureState::ChartMenu:
            menuAt_ = form.Frame7->mapToGlobal(QPoint(380, 260));
            emit form.Frame7->customContextMenuRequested(QPoint(380, 260));
            break;
    }
    watcher_.stop();
    if (!taken_) {
        std::fprintf(stderr, "solva-tx: nothing opened for the picture\n");
    }
    return saved_ ? kExitDone : kExitNotWritten;
}

void WindowPicture::Watch() {
    QWidget* popup = QApplication::activePopupWidget();
    QWidget* open = popup != nullptr ? popup : QApplication::activeModalWidget();
    if (open == nullptr || !open->isVisible()) {
        return;
    }
    if (!taken_ && form_ != nullptr) {
        Capture(open, popup == nullptr);
    }
    if (auto* dialog = qobject_cast<QDialog*>(open)) {
        dialog->reject();
    } else {
        open->close();
    }
}

void WindowPicture::Capture(QWidget* over, bool titled) {
    taken_ = true;
    QPixmap window = form_->grab();
    if (state_ == PictureState::Parts && !DrawParts(window)) {
        return;
    }
    QRect canvas(QPoint(0, 0), window.size());
    QPixmap top;
    QRect topRect;
    const int bar = titled ? kTitleBarHeight : 0;
    if (over != nullptr) {
        top = over->grab();
        topRect =
            QRect(over->mapToGlobal(QPoint(0, 0)) - form_->mapToGlobal(QPoint(0, 0)), top.size());
        canvas = canvas.united(topRect.adjusted(-1, -bar - 1, 1, 1));
    }
    QPixmap picture(canvas.size());
    picture.fill(QColor(0x60, 0x60, 0x60));
    QPainter painter(&picture);
    painter.translate(-canvas.topLeft());
    painter.drawPixmap(0, 0, window);
    if (over != nullptr) {
        // The window system's frame is not part of a grab: its title is drawn here.
        const QRect barRect(topRect.left(), topRect.top() - bar, topRect.width(), bar);
        painter.fillRect(barRect, QColor(0x2B, 0x4A, 0x73));
        painter.setPen(Qt::white);
        painter.drawText(barRect.adjusted(8, 0, -8, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         over->windowTitle());
        painter.drawPixmap(topRect.topLeft(), top);
        painter.setPen(QColor(0x20, 0x20, 0x20));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(topRect.adjusted(-1, -bar - 1, 0, 0));
    }
    painter.end();
    saved_ = picture.save(path_, "PNG");
}

bool WindowPicture::DrawParts(QPixmap& picture) {
    // The narrow column at the right has no room inside: its numbers stand in a margin.
    constexpr int margin = 28;
    QPixmap numbered(picture.width() + margin, picture.height());
    numbered.fill(Qt::white);
    QPainter painter(&numbered);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(0, 0, picture);
    const int column = form_->W.Frame10->x();
    int number = 1;
    for (const char* name : kNumberedParts) {
        const QWidget* part = form_->findChild<QWidget*>(QLatin1String(name));
        if (part == nullptr) {
            std::fprintf(stderr, "solva-tx: the window has no part %s to number\n", name);
            return false;
        }
        const QRect at(part->mapTo(form_, QPoint(0, 0)), part->size());
        const QPointF centre = at.left() >= column
                                   ? QPointF(picture.width() + margin / 2.0, at.center().y())
                                   : QPointF(at.right() - 11, at.top() + 11);
        DrawBadge(painter, centre, number++);
    }
    painter.end();
    picture = numbered;
    return true;
}
