#pragma once

struct CommandRequest;

// The modes that run in the window application: the editor, its picture and the report,
// whose text needs the window application's fonts.

/// The main window with the file named, if any; without a display, a picture of the start
/// screen instead.
int RunEditorMode(const CommandRequest& request);

/// --screenshot FILE [MAP.pax]: the picture of the window in a state (--state) and language
/// (--language), with the map of the file when one is given.
int RunScreenshotMode(const CommandRequest& request);

/// --report MAP.pax OUT.pdf.
int RunReportMode(const CommandRequest& request);
