#pragma once

// Scripted stand-ins for the platform seams: they answer from queues and record what
// was shown, so tests can check exact texts and never block on a real dialog.

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "browser.h"
#include "clock.h"
#include "file_dialog.h"
#include "input_box.h"
#include "message_box.h"
#include "platform.h"
#include "popup_menu.h"

struct ShownMessage {
    QString prompt;
    QString title;
    MessageButtons buttons;
    MessageIcon icon;
    MessageAnswer defaultAnswer;
};

class FakeMessageBox : public MessageBox {
public:
    std::vector<ShownMessage> shown;
    std::deque<MessageAnswer> answers;  ///< next answers; when empty, the default button

    MessageAnswer Show(const QString& prompt, const QString& title, MessageButtons buttons,
                       MessageIcon icon, MessageAnswer defaultAnswer) override {
        shown.push_back({prompt, title, buttons, icon, defaultAnswer});
        if (answers.empty()) {
            return defaultAnswer;
        }
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

struct AskedInput {
    QString prompt;
    QString title;
};

class FakeInputBox : public InputBox {
public:
    std::vector<AskedInput> asked;
    std::deque<QString> replies;  ///< next replies; when empty, Cancel (the empty text)

    QString Ask(const QString& prompt, const QString& title) override {
        asked.push_back({prompt, title});
        if (replies.empty()) {
            return {};
        }
        QString reply = replies.front();
        replies.pop_front();
        return reply;
    }
};

struct AskedFile {
    bool save;
    QString title;
    QString filter;
};

class FakeFileDialog : public FileDialog {
public:
    std::vector<AskedFile> asked;
    std::deque<QString> names;  ///< next paths; when empty, cancelled

    QString AskSaveName(const QString& title, const QString& filter) override {
        return Next(true, title, filter);
    }
    QString AskOpenName(const QString& title, const QString& filter) override {
        return Next(false, title, filter);
    }

private:
    QString Next(bool save, const QString& title, const QString& filter) {
        asked.push_back({save, title, filter});
        if (names.empty()) {
            return {};
        }
        QString name = names.front();
        names.pop_front();
        return name;
    }
};

/// Time stands still unless slept; event passes run a hook the test may set.
class FakeClock : public Clock {
public:
    TimePoint now{};
    std::vector<std::chrono::milliseconds> sleeps;
    int eventPasses = 0;
    int paintPasses = 0;  ///< event passes that held user input back
    std::function<void()> onProcessEvents;

    TimePoint Now() override { return now; }
    void Sleep(std::chrono::milliseconds duration) override {
        sleeps.push_back(duration);
        now += duration;
    }
    void ProcessEvents() override {
        ++eventPasses;
        if (onProcessEvents) {
            onProcessEvents();
        }
    }
    void ProcessEventsWithoutInput() override { ++paintPasses; }
};

class FakeBrowser : public Browser {
public:
    std::vector<QUrl> opened;
    void Open(const QUrl& url) override { opened.push_back(url); }
};

/// Records the items of every menu shown and answers from a queue.
class FakePopupMenu : public PopupMenu {
public:
    std::vector<std::vector<MenuItem>> shown;
    std::deque<int> choices;  ///< next choices; when empty, the menu is closed (-1)

    int Choose(const std::vector<MenuItem>& items, const QPoint&) override {
        shown.push_back(items);
        if (choices.empty()) {
            return -1;
        }
        const int choice = choices.front();
        choices.pop_front();
        return choice;
    }
};

struct FakePlatform {
    FakeMessageBox messageBox;
    FakeInputBox inputBox;
    FakeFileDialog fileDialog;
    FakeClock clock;
    FakeBrowser browser;
    FakePopupMenu popupMenu;

    Platform Get() { return {messageBox, inputBox, fileDialog, clock, browser, popupMenu}; }
};
