#pragma once

#include <QPointer>
#include <QWidget>

#include "browser.h"
#include "clock.h"
#include "file_dialog.h"
#include "input_box.h"
#include "message_box.h"
#include "platform.h"

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

/// The real platform; dialogs are parented to the main window once it exists.
class QtPlatform {
public:
    void SetParent(QWidget* parent);
    Platform Get() { return {messageBox_, inputBox_, fileDialog_, clock_, browser_}; }

private:
    QtMessageBox messageBox_;
    QtInputBox inputBox_;
    QtFileDialog fileDialog_;
    QtClock clock_;
    QtBrowser browser_;
};
