#pragma once

#include <QString>

/// Whether path names a file in folder or in a folder below it, however either is written
/// (relative, through links, in another letter case where the system ignores case). A
/// folder that does not exist holds nothing.
bool IsInsideFolder(const QString& path, const QString& folder);
