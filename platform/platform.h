#pragma once

class Browser;
class Clock;
class FileDialog;
class InputBox;
class MessageBox;
class PopupMenu;

/// Everything the program shows or touches outside itself, handed to the main window.
struct Platform {
    MessageBox& messageBox;
    InputBox& inputBox;
    FileDialog& fileDialog;
    Clock& clock;
    Browser& browser;
    PopupMenu& popupMenu;
};
