#pragma once

#include <QObject>
#include <functional>

#include "platform.h"

class ChartView;
class QPoint;
class Texts;
struct VoltageMap;

/// The chart's right-click menu: compare the curve with a file's or with the last map sent
/// to the chosen com number, copy the chart as a picture, save it as a PNG file. Its texts
/// follow the current language.
class ChartMenu : public QObject {
    Q_OBJECT

public:
    /// The copy of the last map sent to the chosen com number; empty when there is none.
    using LastSentFile = std::function<QString()>;

    ChartMenu(ChartView& chart, VoltageMap& map, const Texts& texts, Platform platform,
              LastSentFile lastSent);

    /// A right click: the four actions in the current language.
    void Open(const QPoint& pos);

    /// The reference curve is a compared file's, not the map as last saved or loaded.
    bool ShowsComparison = false;

    void CompareWithFile();
    void CompareWithLastSent();
    void CopyPicture();
    void SavePicture();

private:
    ChartView& chart_;
    VoltageMap& map_;
    const Texts& texts_;
    Platform platform_;
    LastSentFile lastSent_;
};
