#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/browser.h"
#include "platform/clock.h"
#include "platform/file_dialog.h"
#include "platform/input_box.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/popup_menu.h"
#include "platform/system_clipboard.h"
#include "platform/user_folders.h"
#include "platform/user_settings.h"

class QtMessageBox : public MessageBox {
public:
    MessageAnswer Show(const QString& prompt, const QString& title, MessageButtons buttons,
                       MessageIcon icon, MessageAnswer defaultAnswer) override;
    void SetParent(QWidget* parent) { parent_ = parent; }

private:
    QPointer<QWidget> parent_;
};

class QtInputBox : public InputBox {
public:
    QString Ask(const QString& prompt, const QString& title) override;
    void SetParent(QWidget* parent) { parent_ = parent; }

private:
    QPointer<QWidget> parent_;
};

class QtFileDialog : public FileDialog {
public:
    QString AskSaveName(const QString& title, const QString& filter, const QString& start) override;
    QString AskOpenName(const QString& title, const QString& filter, const QString& start) override;
    void SetParent(QWidget* parent) { parent_ = parent; }

private:
    QPointer<QWidget> parent_;
};

class QtClock : public Clock {
public:
    TimePoint Now() override;
    void Sleep(std::chrono::milliseconds duration) override;
    void ProcessEvents() override;
    void ProcessEventsWithoutInput() override;
};

class QtBrowser : public Browser {
public:
    bool Open(const QUrl& url) override;
};

class QtClipboard : public SystemClipboard {
public:
    QString Text() override;
    void SetText(const QString& text) override;
    void SetImage(const QImage& image) override;
};

/// QSettings in the user's own place: the registry on Windows, a file in the user's
/// configuration folder elsewhere.
class QtUserSettings : public UserSettings {
public:
    QString Value(const QString& key) override;
    void SetValue(const QString& key, const QString& value) override;
};

class QtUserFolders : public UserFolders {
public:
    QString SentMaps() override { return UserSentFolder(); }
    QString Recovery() override { return UserRecoveryFolder(); }
};

class QtPopupMenu : public PopupMenu {
public:
    int Choose(const std::vector<MenuItem>& items, const QPoint& screenPos) override;
    void SetParent(QWidget* parent) { parent_ = parent; }

private:
    QPointer<QWidget> parent_;
};

/// The real platform; dialogs are parented to the main window once it exists.
class QtPlatform {
public:
    void SetParent(QWidget* parent);
    Platform Get() {
        return {messageBox_, inputBox_, fileDialog_, clock_,  browser_,
                clipboard_,  settings_, popupMenu_,  folders_};
    }

private:
    QtMessageBox messageBox_;
    QtInputBox inputBox_;
    QtFileDialog fileDialog_;
    QtClock clock_;
    QtBrowser browser_;
    QtClipboard clipboard_;
    QtUserSettings settings_;
    QtPopupMenu popupMenu_;
    QtUserFolders folders_;
};
