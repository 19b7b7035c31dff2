#pragma once

class QAccessibleInterface;
class QObject;
class QString;
class QWidget;

/// What a screen reader gets for a chooser (a combo box): its name is its own accessible name
/// (its label's text), its value the item chosen. Qt's own names a combo box by its current
/// item on Linux, so that a reader said "32" or "com 1" and never what was being chosen.
QAccessibleInterface* ChooserAccessibleFactory(const QString& className, QObject* object);

/// The chart as a screen reader gets it: a chart whose value is the selected breakpoint's
/// output voltage (none while nothing is selected), from 0 to the output span.
QAccessibleInterface* ChartAccessibleFactory(const QString& className, QObject* object);

/// The chart's value for a screen reader, announced as a change when it differs; a negative
/// value means no breakpoint is selected.
void SetChartAccessibleValue(QWidget* chart, double volts, double span);

/// Installs both factories once for the program; before the first control is made, since a
/// screen reader keeps what it got first.
void InstallAccessibleControls();
