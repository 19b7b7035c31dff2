#pragma once

// Scripted stand-ins for the platform seams: they answer from queues and record what
// was shown, so tests can check exact texts and never block on a real dialog.

#include <QHash>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <vector>

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

/// The next scripted answer, or the fallback once the script has run out.
template <typename T>
T NextOf(std::deque<T>& script, T fallback) {
    if (!script.empty()) {
        fallback = script.front();
        script.pop_front();
    }
    return fallback;
}

struct ShownMessage {
    QString prompt, title;
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
        return NextOf(answers, defaultAnswer);
    }
};

struct AskedInput {
    QString prompt, title;
};

class FakeInputBox : public InputBox {
public:
    std::vector<AskedInput> asked;
    std::deque<QString> replies;  ///< next replies; when empty, Cancel (the empty text)

    QString Ask(const QString& prompt, const QString& title) override {
        asked.push_back({prompt, title});
        return NextOf(replies, QString());
    }
};

struct AskedFile {
    bool save;
    QString title, filter, start;
};

class FakeFileDialog : public FileDialog {
public:
    std::vector<AskedFile> asked;
    std::deque<QString> names;  ///< next paths; when empty, cancelled

    QString AskSaveName(const QString& title, const QString& filter,
                        const QString& start) override {
        asked.push_back({true, title, filter, start});
        return NextOf(names, QString());
    }
    QString AskOpenName(const QString& title, const QString& filter,
                        const QString& start) override {
        asked.push_back({false, title, filter, start});
        return NextOf(names, QString());
    }
};

/// Time stands still unless slept; event passes run a hook the test may set.
class FakeClock : public Clock {
public:
    TimePoint now{};
    std::vector<std::chrono::milliseconds> sleeps;
    int eventPasses = 0, paintPasses = 0;  ///< paint passes hold user input back
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
    bool starts = true;  ///< whether a browser can be started
    bool Open(const QUrl& url) override {
        opened.push_back(url);
        return starts;
    }
};

class FakeClipboard : public SystemClipboard {
public:
    QString text;
    QImage image;
    QString Text() override { return text; }
    void SetText(const QString& newText) override { text = newText; }
    void SetImage(const QImage& newImage) override { image = newImage; }
};

/// Settings kept in memory: tests never touch the user's own.
class FakeUserSettings : public UserSettings {
public:
    QHash<QString, QString> values;
    QString Value(const QString& key) override { return values.value(key); }
    void SetValue(const QString& key, const QString& value) override { values[key] = value; }
};

/// Records the items of every menu shown and answers from a queue.
class FakePopupMenu : public PopupMenu {
public:
    std::vector<std::vector<MenuItem>> shown;
    std::deque<int> choices;  ///< next choices; when empty, the menu is closed (-1)

    int Choose(const std::vector<MenuItem>& items, const QPoint&) override {
        shown.push_back(items);
        return NextOf(choices, -1);
    }
};

/// A fresh temporary folder for each platform, removed with it.
class FakeUserFolders : public UserFolders {
public:
    QTemporaryDir dir;
    QString SentMaps() override { return dir.filePath("sent"); }
    QString Recovery() override { return dir.filePath("recovery"); }
};

struct FakePlatform {
    FakeMessageBox messageBox;
    FakeInputBox inputBox;
    FakeFileDialog fileDialog;
    FakeClock clock;
    FakeBrowser browser;
    FakeClipboard clipboard;
    FakeUserSettings settings;
    FakePopupMenu popupMenu;
    FakeUserFolders folders;

    Platform Get() {
        return {messageBox, inputBox, fileDialog, clock,  browser,
                clipboard,  settings, popupMenu,  folders};
    }
};
