#pragma once

#include <memory>

class QTranslator;

/// The texts that Qt itself puts on the standard dialogs (Yes, No, Cancel, OK, the file
/// dialog): Qt's own Hungarian translation while Hungarian is chosen, Qt's built-in English
/// otherwise. Without the translation file the dialogs stay English.
class DialogLanguage {
public:
    DialogLanguage();
    ~DialogLanguage();

    void SetHungarian(bool hungarian);

private:
    std::unique_ptr<QTranslator> hungarian_;
    bool installed_ = false;
};
