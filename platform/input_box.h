#pragma once

#include <QString>

/// A modal input box that starts empty; Cancel gives the empty text.
class InputBox {
public:
    virtual ~InputBox() = default;
    virtual QString Ask(const QString& prompt, const QString& title) = 0;
};
