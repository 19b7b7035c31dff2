#pragma once

// Windows has neither named pipes in the file system nor a limit on the size of the files a
// process writes.

#include <QString>

/// The path stays missing, which a read refuses as it refuses a pipe.
inline bool MakePipe(const QString&) {
    return true;
}

/// The tests that need the limit are left out of the Windows run (tests/CMakeLists.txt).
class FileSizeLimit {
public:
    explicit FileSizeLimit(long long) {}
    bool IsSet() const { return false; }
};
