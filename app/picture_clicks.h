#pragma once

#include <QHash>
#include <QObject>
#include <functional>

class QWidget;

/// Lets pictures act as buttons do: a left press and a release on the same picture act
/// once. A press dragged off the picture does nothing, and the second press of a double
/// click starts no click of its own. Space, Enter and Return on a focused picture act as a
/// click.
class PictureClicks : public QObject {
    Q_OBJECT

public:
    explicit PictureClicks(QObject* parent = nullptr) : QObject(parent) {}

    void Watch(QWidget* picture, std::function<void()> action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QObject*, std::function<void()>> actions_;
    /// The picture that took the last left press, until its release.
    QObject* pressed_ = nullptr;
};
