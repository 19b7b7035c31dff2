#pragma once

// What differs between systems in the process the program runs in: its display and its
// standard streams.

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
