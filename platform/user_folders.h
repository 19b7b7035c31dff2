#pragma once

#include <QString>

/// Where the program keeps files of its own for the user between runs. Tests give a
/// temporary folder, so that no test run ever sees or changes the user's files.
class UserFolders {
public:
    virtual ~UserFolders() = default;
    /// The copies of the maps sent; they follow the user's profile on Windows.
    virtual QString SentMaps() = 0;
    /// The recovery files of unsaved work, of this computer alone.
    virtual QString Recovery() = 0;
};

/// The user's real folders, as QtUserFolders gives them.
QString UserSentFolder();
QString UserRecoveryFolder();
