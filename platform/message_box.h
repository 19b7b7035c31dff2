#pragma once

#include <QString>

enum class MessageButtons { Ok, YesNo, YesNoCancel, ApplyCancel };
enum class MessageIcon { None, Question };
enum class MessageAnswer { Ok, Yes, No, Cancel, Apply };

/// A modal message box: prompt, title, buttons, icon and default button in; button out.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual MessageAnswer Show(const QString& prompt, const QString& title,
                               MessageButtons buttons = MessageButtons::Ok,
                               MessageIcon icon = MessageIcon::None,
                               MessageAnswer defaultAnswer = MessageAnswer::Ok) = 0;
};
