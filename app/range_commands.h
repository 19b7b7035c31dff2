#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <vector>

#include "core/breakpoint_range.h"
#include "platform/platform.h"
#include "platform/popup_menu.h"

class ChartView;
class MapDocument;
class Texts;

/// The operations on a range of breakpoints (the selected breakpoint alone when no range is
/// selected) and the import of a datasheet's points, from the table's and the chart's
/// right-click menus and from keys in the table. Each change is one step of the history.
class RangeCommands : public QObject {
    Q_OBJECT

public:
    RangeCommands(MapDocument& document, ChartView& chart, const Texts& texts, Platform platform,
                  char decimalSeparator, QObject* parent = nullptr);

    /// The lines the table and chart menus add: five operations, each with its key, then
    /// the two ways of importing points. Operations need a selected breakpoint.
    std::vector<MenuItem> MenuItems() const;
    static constexpr int kMenuItemCount = 8;
    /// Runs the item at index of MenuItems(); others do nothing.
    void RunMenuItem(int index);

    /// Asks for the number the operation takes, if any, and applies it to the range.
    void Run(RangeOperation operation);
    /// Reads points from a file the user picks or from the clipboard, shows the result on
    /// the chart and asks before it is applied.
    void ImportPoints(bool fromClipboard);

    /// Runs first: a value still typed into a cell counts before the map changes.
    std::function<void()> BeforeChange = [] {};

private:
    /// The typed number after as many re-prompts as it takes; nothing on Cancel.
    std::optional<double> AskParameter(RangeOperation operation);

    MapDocument& document_;
    ChartView& chart_;
    const Texts& texts_;
    Platform platform_;
    char separator_;
};
