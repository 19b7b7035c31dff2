#pragma once

#include <QObject>
#include <functional>

#include "platform/platform.h"
#include "report/map_report.h"

class ChartView;
class QPoint;
class Texts;
class MapDocument;
class RangeCommands;

/// The chart's right-click menu: compare the curve with a file's or with the last map sent
/// to the chosen com number, copy the chart as a picture, save it as a PNG file, save the
/// map's report as a PDF file. Its texts follow the current language.
class ChartMenu : public QObject {
    Q_OBJECT

public:
    /// The copy of the last map sent to the chosen com number; empty when there is none.
    using LastSentFile = std::function<QString()>;

    ChartMenu(ChartView& chart, MapDocument& document, const Texts& texts, Platform platform,
              LastSentFile lastSent);

    /// A right click: the actions in the current language.
    void Open(const QPoint& pos);

    /// The reference curve is a compared file's, not the map as last saved or loaded.
    bool ShowsComparison = false;

    void CompareWithFile();
    void CompareWithLastSent();
    void CopyPicture();
    void SavePicture();
    void SaveReport();

    /// The range operations and the points import, after the chart's own items.
    RangeCommands* Range = nullptr;

    /// The file and note the report names; the map's own are not held here.
    std::function<ReportSource()> ReportSourceOf;
    /// Runs before a chosen action: the cells' typed values go into the map first.
    std::function<void()> BeforeAction = [] {};

private:
    /// The save dialog until a name is free or may be overwritten; suffix added when none.
    QString AskSaveName(const char* titleKey, const QString& filter, const QString& suffix);

    ChartView& chart_;
    MapDocument& document_;
    const Texts& texts_;
    Platform platform_;
    LastSentFile lastSent_;
};
