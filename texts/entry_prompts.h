#pragma once

#include <QString>

#include "core/entry_rules.h"
#include "core/field_splitter.h"
#include "texts/texts.h"

/// Prompt and title of the input box that asks again for a refused number.
struct EntryPromptText {
    QString Prompt;
    QString Title;
};

/// Composes the message from its key pieces in the current language, with M =
/// OutputRangeMax and I = InputRangeMax written as whole numbers where the message takes
/// them (for example MsgLineMaxHead + M + MsgLineMaxMid + I + MsgLineMaxTail).
EntryPromptText EntryPrompt(const Texts& texts, EntryMessage message, EntryLimits limits);

/// The column separator found in a refused line and the decimal separator that line takes:
/// "Column separator found: semicolon. Decimal separator expected: comma or point."
QString SeparatorsNote(const Texts& texts, FieldSeparator found, bool commaIsDecimal);
