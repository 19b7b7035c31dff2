#pragma once

#include <QLabel>

/// A picture that acts as a button (the flags, the guide picture): it takes the focus by
/// Tab or a click and shows it with a frame drawn over its edge, without moving its picture.
class FocusPicture : public QLabel {
    Q_OBJECT

public:
    explicit FocusPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
