#pragma once

#include "texts/texts.h"

class QWidget;

/// Sets the caption and tool tip of every control of ControlTexts() found under root (by object
/// name) to the given language. Controls not (yet) present are skipped; nothing else changes.
void ApplyTexts(QWidget* root, UiLanguage language);

void ApplyHungarianTexts(QWidget* root);
void ApplyEnglishTexts(QWidget* root);
