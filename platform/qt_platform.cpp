#include "platform/qt_platform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>

#include "platform/input_dropper.h"

namespace {

QMessageBox::StandardButton ToStandard(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::Yes:
            return QMessageBox::Yes;
        case MessageAnswer::No:
            return QMessageBox::No;
        case MessageAnswer::Cancel:
            return QMessageBox::Cancel;
        case MessageAnswer::Apply:
            return QMessageBox::Apply;
        case MessageAnswer::Ok:
            break;
    }
    return QMessageBox::Ok;
}

/// "PAX Files(*.pax)|*.pax" becomes Qt's "PAX Files(*.pax)".
QString ToQtFilter(const QString& filter) {
    return filter.section('|', 0, 0);
}

}  // namespace

MessageAnswer QtMessageBox::Show(const QString& prompt, const QString& title,
                                 MessageButtons buttons, MessageIcon icon,
                                 MessageAnswer defaultAnswer) {
    QMessageBox box(icon == MessageIcon::Question ? QMessageBox::Question : QMessageBox::NoIcon,
                    title, prompt, QMessageBox::NoButton, parent_);
    switch (buttons) {
        case MessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case MessageButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        case MessageButtons::ApplyCancel:
            box.setStandardButtons(QMessageBox::Apply | QMessageBox::Cancel);
            break;
    }
    box.setDefaultButton(ToStandard(defaultAnswer));
    if (buttons == MessageButtons::YesNo) {
        // Esc or the title bar must not pick No behind the user's back: it gives the
        // default, which is always the answer that loses nothing.
        box.setEscapeButton(box.button(ToStandard(defaultAnswer)));
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        case QMessageBox::Apply:
            return MessageAnswer::Apply;
        default:
            break;
    }
    // Closing a box that has Cancel with Esc or the title bar counts as Cancel.
    return buttons == MessageButtons::YesNoCancel || buttons == MessageButtons::ApplyCancel
               ? MessageAnswer::Cancel
               : MessageAnswer::Ok;
}

QString QtInputBox::Ask(const QString& prompt, const QString& title) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, QString(), &ok);
    return ok ? text : QString();
}

QString QtFileDialog::AskSaveName(const QString& title, const QString& filter,
                                  const QString& start) {
    // The program asks its own overwrite question, for the name it will really write.
    return QFileDialog::getSaveFileName(parent_, title, start, ToQtFilter(filter), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString QtFileDialog::AskOpenName(const QString& title, const QString& filter,
                                  const QString& start) {
    return QFileDialog::getOpenFileName(parent_, title, start, ToQtFilter(filter));
}

Clock::TimePoint QtClock::Now() {
    return std::chrono::steady_clock::now();
}

void QtClock::Sleep(std::chrono::milliseconds duration) {
    QThread::msleep(static_cast<unsigned long>(duration.count()));
}

void QtClock::ProcessEvents() {
    QCoreApplication::processEvents();
}

void QtClock::ProcessEventsWithoutInput() {
    // Excluding user input would only hold it back until the command ends.
    const InputDropper dropper;
    QCoreApplication::processEvents();
}

bool QtBrowser::Open(const QUrl& url) {
    // Windows reports a missing file association at once; elsewhere only a missing opener
    // (xdg-open) is seen, not a browser that fails after it has started.
    return QDesktopServices::openUrl(url);
}

QString QtClipboard::Text() {
    return QGuiApplication::clipboard()->text();
}

void QtClipboard::SetText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

void QtClipboard::SetImage(const QImage& image) {
    QGuiApplication::clipboard()->setImage(image);
}

QString QtUserSettings::Value(const QString& key) {
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kSettingsOrganization,
                             kSettingsApplication);
    return settings.value(key).toString();
}

void QtUserSettings::SetValue(const QString& key, const QString& value) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kSettingsOrganization,
                       kSettingsApplication);
    settings.setValue(key, value);
}

QString UserSentFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/sent");
}

QString UserRecoveryFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

int QtPopupMenu::Choose(const std::vector<MenuItem>& items, const QPoint& screenPos) {
    QMenu menu(parent_);
    std::vector<QAction*> actions;
    for (const MenuItem& item : items) {
        QAction* action = item.text.isEmpty() ? menu.addSeparator() : menu.addAction(item.text);
        action->setEnabled(item.enabled);
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
        actions.push_back(action);
    }
    const auto chosen = std::find(actions.begin(), actions.end(), menu.exec(screenPos));
    return chosen == actions.end() ? -1 : int(chosen - actions.begin());
}

void QtPlatform::SetParent(QWidget* parent) {
    messageBox_.SetParent(parent);
    inputBox_.SetParent(parent);
    fileDialog_.SetParent(parent);
    popupMenu_.SetParent(parent);
}
