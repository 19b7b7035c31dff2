#pragma once

class Browser;
class SystemClipboard;
class Clock;
class FileDialog;
class InputBox;
class MessageBox;
class UserSettings;
class UserFolders;
class PopupMenu;

/// Everything the program shows or touches outside itself, handed to the main window.
struct Platform {
    MessageBox& messageBox;
    InputBox& inputBox;
    FileDialog& fileDialog;
    Clock& clock;
    Browser& browser;
    SystemClipboard& clipboard;
    UserSettings& settings;
    PopupMenu& popupMenu;
    UserFolders& folders;
};
