#include "platform/instance_lock.h"

#include <QLockFile>

bool TakeInstanceLock(QLockFile& lock) {
    if (lock.tryLock(0)) {
        return true;
    }
#ifdef Q_OS_WIN
    return lock.error() == QLockFile::LockFailedError && lock.removeStaleLockFile() &&
           lock.tryLock(0);
#else
    return false;
#endif
}
