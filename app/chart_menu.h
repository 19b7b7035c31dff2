#pragma once

#include <QObject>

#include "platform.h"

class ChartView;
class QPoint;
class Texts;
class MapDocument;

/// The chart's right-click menu: compare the curve with a file's, copy the chart as a
/// picture, save it as a PNG file. Its texts follow the current language.
class ChartMenu : public QObject {
    Q_OBJECT

public:
    ChartMenu(ChartView& chart, MapDocument& document, const Texts& texts, Platform platform);

    /// A right click: the three actions in the current language.
    void Open(const QPoint& pos);

    /// The reference curve is a compared file's, not the map as last saved or loaded.
    bool ShowsComparison = false;

    void CompareWithFile();
    void CopyPicture();
    void SavePicture();

private:
    ChartView& chart_;
    MapDocument& document_;
    const Texts& texts_;
    Platform platform_;
};
