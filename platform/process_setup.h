#pragma once

// What differs between systems in the process the program runs in: its display, its
// standard streams and where its settings file lives.

#include <QString>

/// Whether windows can be shown. Linux needs an X or Wayland display (or a Qt platform named
/// in QT_QPA_PLATFORM); Windows always has its desktop.
bool HasDisplay();

/// The Windows program is built for the window and so gets no console of its own: its
/// messages go to the console it was started from, where there is one and they are not
/// redirected. Elsewhere nothing to do.
void UseParentConsole();

/// Puts standard output into binary mode, so that bytes written there reach the file or pipe
/// unchanged; Windows would otherwise write every LF as CR LF.
void SetBinaryStandardOutput();

/// Where the settings file of that bare name lives. Started from a console (and always outside
/// Windows) it is opened by its bare name, in the working directory. A Windows program started
/// from the Start menu or by opening a .pax in Explorer keeps it in the user's own data folder
/// (%APPDATA%\solva-tx, made when missing), so neither the shortcut's folder nor the map's
/// decides it, and every user keeps their own.
QString SettingsFilePath(const QString& bareName);
