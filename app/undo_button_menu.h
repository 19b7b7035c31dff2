#pragma once

#include <QObject>

class MapDocument;
class PopupMenu;
class QPushButton;
class Texts;

/// The right-click menu of the UnDo button: the way further back through the history of
/// the map, and forward again, each naming the action it takes back or repeats. The button
/// itself keeps its one level.
class UndoButtonMenu : public QObject {
    Q_OBJECT

public:
    UndoButtonMenu(QPushButton* Command10, PopupMenu& menu, const MapDocument& document,
                   const Texts& texts, QObject* parent = nullptr);

signals:
    void StepBackChosen();
    void StepForwardChosen();

private:
    void Open(const QPoint& pos);

    QPushButton* Command10_;
    PopupMenu& menu_;
    const MapDocument& document_;
    const Texts& texts_;
};
