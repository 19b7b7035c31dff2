#pragma once

#include <QHash>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <optional>

#include "device/null_serial_port.h"
#include "platform/user_folders.h"
#include "platform/user_settings.h"

class Form1;
class QWidget;

/// What a picture of the main window shows over it.
enum class PictureState {
    Main,          ///< the window alone
    Parts,         ///< the window with its parts numbered, as the user guide names them
    Reprompt,      ///< a value refused in the table, asked again
    SaveQuestion,  ///< the exit button's question over a changed map
    Progress,      ///< a send halfway
    PortMenu,      ///< the port chooser's right-click menu
    ChartMenu,     ///< the chart's right-click menu
    UndoMenu       ///< the undo button's right-click menu after two changes and an undo
};

/// The state of a name on the command line ("main", "parts", "reprompt", "save-question",
/// "progress", "port-menu", "chart-menu", "undo-menu"); nothing for another name.
std::optional<PictureState> PictureStateNamed(const QString& name);

/// A picture of the main window in a state, for the user guide and the README: what the
/// state opens is drawn over the window as the user sees it, a dialog with its title. The
/// program does what a user would do to get there; whatever opens is then closed unanswered,
/// so nothing is sent, saved or kept, and the user's settings and folders stay untouched.
class WindowPicture {
public:
    WindowPicture(PictureState state, QString path);

    /// The port the window must be given: it opens no device, and the send it takes breaks
    /// off halfway, after the picture.
    SerialPort& Port() { return port_; }
    /// Settings the window may read and write, held in memory.
    UserSettings& Settings() { return settings_; }
    /// Folders of the picture's own, removed with it: the send it takes and the work it changes
    /// leave no record of a send and no recovery file among the user's.
    UserFolders& Folders() { return folders_; }

    /// Shows the form, brings it to the state and writes the picture; the exit status.
    int Take(Form1& form);

private:
    class PicturePort : public NullSerialPort {
    public:
        std::function<bool()> halfway;  ///< true when the picture was taken

        SerialStatus Write(const SendPacket& packet) override;

    private:
        int written_ = 0;
    };

    class MemorySettings : public UserSettings {
    public:
        QString Value(const QString& key) override { return values_.value(key); }
        void SetValue(const QString& key, const QString& value) override {
            values_.insert(key, value);
        }

    private:
        QHash<QString, QString> values_;
    };

    class PictureFolders : public UserFolders {
    public:
        QString SentMaps() override { return dir_.filePath(QStringLiteral("sent")); }
        QString Recovery() override { return dir_.filePath(QStringLiteral("recovery")); }

    private:
        QTemporaryDir dir_;
    };

    /// Watches for the dialog or menu the state opens, draws it over the form and closes it.
    void Watch();
    void Capture(QWidget* over, bool titled);
    /// False when a part to number is missing.
    bool DrawParts(QPixmap& picture);

    PictureState state_;
    QString path_;
    PicturePort port_;
    MemorySettings settings_;
    PictureFolders folders_;
    QPointer<Form1> form_;
    QTimer watcher_;
    QPoint menuAt_;  ///< where the right click opens its menu
    bool taken_ = false;
    bool saved_ = false;
};
