#pragma once

class QLockFile;

/// Takes `lock` unless a running program holds it. Qt tells a holder that has ended by its
/// process number; Windows can reuse or keep that number, so there the lock file itself
/// decides: a running holder keeps it open, and an open file cannot be deleted.
bool TakeInstanceLock(QLockFile& lock);
