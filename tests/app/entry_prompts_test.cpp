#include <gtest/gtest.h>

#include "entry_prompts.h"
#include "qt_printers.h"

namespace {

struct PromptCase {
    EntryMessage message;
    int outputMax, inputMax;
    UiLanguage language;
    const char* prompt;
    const char* title;
};

// One row per way of putting the pieces together: the key alone, with M, with I, with
// M and I; the titles come from the key plus "Title".
const PromptCase kCases[] = {
    {EntryMessage::CellMin, 15, 15, UiLanguage::Eng,
     "Minimum output value: 0V! Try again:", "Attention!"},
    {EntryMessage::FactorNotNumber, 15, 15, UiLanguage::Hun,
     "Megadott érték csak szám lehet! Adja meg újból a szorzó tényezőt!", "Figyelem!"},
    {EntryMessage::CellMax, 10, 15, UiLanguage::Hun,
     "Maximális kimeneti érték: 10V! Adja meg újból:", "Figyelem!"},
    {EntryMessage::OffsetMax, 5, 15, UiLanguage::Eng,
     "Maximum offset is: 5V! Set again the offset!", "Attention!"},
    {EntryMessage::LineNotNumber, 15, 10, UiLanguage::Eng,
     "Value must be number! Set again the output voltage for input voltage: 10V!", "Attention!"},
    {EntryMessage::LineMin, 15, 5, UiLanguage::Hun,
     "Minimális kimeneti érték: 0V! Adja meg újból a(z) 5V-hoz tartozó kimeneti feszültséget!",
     "Figyelem!"},
    {EntryMessage::LineMax, 15, 15, UiLanguage::Hun,
     "Maximális kimeneti érték: 15V! Adja meg újból a(z) 15V-hoz tartozó kimeneti feszültséget!",
     "Figyelem!"},
    {EntryMessage::LineMax, 10, 5, UiLanguage::Eng,
     "Maximum output value is: 10V! Set again the output voltage for input voltage: 5V!",
     "Attention!"},
};

TEST(EntryPrompt, ComposesThePiecesInTheirOrder) {
    for (const PromptCase& c : kCases) {
        const EntryPromptText text =
            EntryPrompt(Texts(c.language), c.message,
                        {.OutputRangeMax = c.outputMax, .InputRangeMax = c.inputMax});
        EXPECT_EQ(text.Prompt, QString::fromUtf8(c.prompt)) << static_cast<int>(c.message);
        EXPECT_EQ(text.Title, QString::fromUtf8(c.title)) << static_cast<int>(c.message);
    }
}

}  // namespace
