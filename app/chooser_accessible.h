#pragma once

class QAccessibleInterface;
class QObject;
class QString;

/// What a screen reader gets for a chooser (a combo box): its name is its own accessible name
/// (its label's text), its value the item chosen. Qt's own names a combo box by its current
/// item on Linux, so that a reader said "32" or "com 1" and never what was being chosen.
QAccessibleInterface* ChooserAccessibleFactory(const QString& className, QObject* object);

/// Installs the factory above once for the program; before the first chooser is made, since
/// a screen reader keeps what it got first.
void InstallChooserAccessible();
