#pragma once

// What a test makes of the file system to see reads and writes fail: a named pipe, and a
// limit on the size of the files this process writes.

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QFile>
#include <QString>

inline bool MakePipe(const QString& path) {
    return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

/// While it lives, files may grow to `bytes` only: every write beyond fails as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        handler_ = signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = saved_;
        tiny.rlim_cur = bytes;
        set_ = setrlimit(RLIMIT_FSIZE, &tiny) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool IsSet() const { return set_; }

private:
    rlimit saved_{};
    sighandler_t handler_ = SIG_DFL;
    bool set_ = false;
};
