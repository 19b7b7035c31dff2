#pragma once

#include <QPointer>
#include <QWidget>
#include <array>

#include "core/send_stream.h"
#include "device/progress_view.h"

class QLabel;
class Texts;

/// The transfer progress window: "Sent:" with the percentage, a strip of 16 green blocks,
/// and the completion text that replaces both at the end.
class Form2 : public QWidget {
    Q_OBJECT

public:
    /// Takes its texts from the current language and centres itself over the main window.
    Form2(QWidget* mainWindow, const Texts& texts);

    QLabel* Label1;     ///< "Sent:"
    QLabel* Label2;     ///< the percentage
    QLabel* Label3;     ///< the completion text
    QWidget* Picture1;  ///< the strip
    std::array<QWidget*, kProgressBlockCount> Shape1;

    /// The title, "Sent:" and the completion text in the language of texts.
    void ApplyTexts(const Texts& texts);

protected:
    /// The transfer alone closes the window; its own close request is ignored.
    void closeEvent(QCloseEvent* event) override;

private:
    void CentreOver(const QWidget* mainWindow);
};

/// The progress window as the main window holds it between transfers: created by a show,
/// destroyed by a close, kept by a hide.
class ProgressWindow : public ProgressView {
public:
    ProgressWindow(QWidget* mainWindow, const Texts& texts);
    ~ProgressWindow() override;
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    void Show() override;
    void ShowBlock(int i) override;
    bool IsBlockVisible(int i) const override;
    void SetPercentText(const QString& text) override;
    void Repaint() override;
    void ShowEndDisplay() override;
    void Close() override;
    void Hide() override;

    /// The window while it exists, else nullptr.
    Form2* Window() const { return form_; }

private:
    QPointer<QWidget> mainWindow_;
    const Texts& texts_;
    QPointer<Form2> form_;
};
