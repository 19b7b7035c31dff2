#pragma once

#include <QPlainTextEdit>

/// The note box: Tab and Shift+Tab move the focus on as everywhere in the window, Ctrl+Tab
/// types a tab, and the focus shows as a frame in the highlight colour.
class NoteBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit NoteBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
