#pragma once

#include <QString>

/// The open and save dialogs: a full path, or the empty text when cancelled.
/// The filter is given in the dialogs' own form, "PAX Files(*.pax)|*.pax". A dialog opens
/// at start: a folder, or a file whose folder it shows with the name filled in; empty
/// leaves the place to the system.
class FileDialog {
public:
    virtual ~FileDialog() = default;
    virtual QString AskSaveName(const QString& title, const QString& filter,
                                const QString& start = {}) = 0;
    virtual QString AskOpenName(const QString& title, const QString& filter,
                                const QString& start = {}) = 0;
};
