#pragma once

#include <QString>

/// The open and save dialogs: a full path, or the empty text when cancelled.
/// The filter is given in the dialogs' own form, "PAX Files(*.pax)|*.pax".
class FileDialog {
public:
    virtual ~FileDialog() = default;
    virtual QString AskSaveName(const QString& title, const QString& filter) = 0;
    virtual QString AskOpenName(const QString& title, const QString& filter) = 0;
};
