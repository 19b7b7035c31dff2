#pragma once

#include <QObject>
#include <functional>

class PopupMenu;
class QPushButton;
class SentMaps;
class Texts;

/// The right-click menu of the send button: loads the last map sent, which is what the box
/// holds, or one of the newest copies listed with when, where and the checksum of what was
/// sent, through the load command. A send cut off is listed first, marked as such.
class SendButtonMenu : public QObject {
    Q_OBJECT

public:
    using LoadCommand = std::function<void(const QString& fileName)>;

    SendButtonMenu(QPushButton* Command1, PopupMenu& menu, const SentMaps& sent, const Texts& texts,
                   LoadCommand load, QObject* parent = nullptr);

private:
    static constexpr int kListedCopies = 10;

    void Open(const QPoint& pos);
    /// When, where and the checksum of what was sent.
    static QString ListedLabel(const QString& path);

    QPushButton* Command1_;
    PopupMenu& menu_;
    const SentMaps& sent_;
    const Texts& texts_;
    LoadCommand load_;
};
