#pragma once

#include <QString>

/// The transfer progress window as a transfer drives it. The window of the program is
/// ProgressWindow; the command line and the tests have their own.
class ProgressView {
public:
    virtual ~ProgressView() = default;
    /// Creates the window when there is none (no blocks, "00%") and shows it; a window kept
    /// by Hide comes back as it was. Either way its texts are in the current language.
    virtual void Show() = 0;
    /// Block i = 0..15 of the strip.
    virtual void ShowBlock(int i) = 0;
    virtual bool IsBlockVisible(int i) const = 0;
    virtual void SetPercentText(const QString& text) = 0;
    /// Paints the window at once, without waiting for the event loop.
    virtual void Repaint() = 0;
    /// The label and the percentage give way to the completion text.
    virtual void ShowEndDisplay() = 0;
    /// Destroys the window; the next Show creates it anew.
    virtual void Close() = 0;
    /// Hides the window and keeps it, blocks and percentage included, for the next Show.
    virtual void Hide() = 0;
};
