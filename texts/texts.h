#pragma once

#include <QString>
#include <span>

enum class UiLanguage { Hun, Eng };

/// "hun" or "eng", as CurrentLanguage holds it.
QString LanguageCode(UiLanguage language);

/// Caption and tool tip of one control in both languages; nullptr where the control has
/// no such text or the language routines leave it alone.
struct ControlText {
    const char* control;  ///< the control's object name, for example "Command1"
    const char* captionHun;
    const char* captionEng;
    const char* toolTipHun;
    const char* toolTipEng;
};

/// Every caption and tool tip that the language routines set.
std::span<const ControlText> ControlTexts();

/// One message text, or one piece of a composed message, in both languages.
struct MessageText {
    const char* key;  ///< for example "MsgCellMaxHead" or its title key "MsgCellMaxTitle"
    const char* hun;
    const char* eng;
};

/// Every message key with its texts; Texts reads from here.
std::span<const MessageText> MessageTexts();

/// Caption of the point panel Frame10: "Pont" or "Point", followed by "(n)" while breakpoint
/// n (counted from 1) is selected; 0 means none.
QString PointPanelCaption(UiLanguage language, int breakpointNumber = 0);

/// The message texts of one language, read under their key names.
class Texts {
public:
    explicit Texts(UiLanguage language = UiLanguage::Hun) : language_(language) {}

    UiLanguage Language() const { return language_; }
    void SetLanguage(UiLanguage language) { language_ = language; }

    /// The text under a key such as "MsgCellMaxHead" or its title key "MsgCellMaxTitle".
    /// An unknown key is a programming error: it asserts and gives the key itself.
    QString operator()(const char* key) const;

private:
    UiLanguage language_;
};
