#include "recovery/recovery_files.h"

#include <QDir>
#include <QFileInfo>
#include <QUuid>

#include "files/whole_file.h"
#include "platform/instance_lock.h"

namespace {

QString LockOf(const QString& path) {
    return path + QStringLiteral(".lock");
}

/// A lock that only a dead holder gives up: by age alone a lock is never taken, as an
/// instance may run for days.
std::unique_ptr<QLockFile> TryLock(const QString& path) {
    auto lock = std::make_unique<QLockFile>(LockOf(path));
    lock->setStaleLockTime(0);
    return TakeInstanceLock(*lock) ? std::move(lock) : nullptr;
}

}  // namespace

bool OwnRecoveryFile::Write(const QByteArray& bytes, QString& error) {
    if (!lock_) {
        if (!QDir().mkpath(folder_)) {
            error = QDir::toNativeSeparators(folder_);
            return false;
        }
        const QString path = QDir(folder_).filePath(
            QUuid::createUuid().toString(QUuid::WithoutBraces) + kRecoverySuffix);
        lock_ = TryLock(path);
        if (!lock_) {
            error = QDir::toNativeSeparators(LockOf(path));
            return false;
        }
        path_ = path;
    }
    return SaveWholeFile(path_, bytes, error);
}

void OwnRecoveryFile::Remove() {
    if (lock_) {
        QFile::remove(path_);
        lock_.reset();
    }
}

QStringList LeftRecoveryFiles::Claim() {
    const QFileInfoList files = QDir(folder_).entryInfoList(
        {QLatin1Char('*') + QLatin1String(kRecoverySuffix)}, QDir::Files, QDir::Time);
    QStringList left;
    for (const QFileInfo& file : files) {
        const QString path = file.absoluteFilePath();
        if (claimed_.contains(path)) {
            continue;
        }
        if (auto lock = TryLock(path)) {
            claimed_[path] = std::move(lock);
            left << path;
        }
    }
    return left;
}

void LeftRecoveryFiles::Release(const QString& path) {
    claimed_.erase(path);
}

void LeftRecoveryFiles::Discard(const QString& path) {
    QFile::remove(path);
    claimed_.erase(path);
}

QString LeftRecoveryFiles::SetAside(const QString& path) {
    const QString base = path.chopped(qstrlen(kRecoverySuffix));
    QString aside = base + QStringLiteral(".refused");
    for (int n = 2; QFileInfo::exists(aside); ++n) {
        aside = base + QStringLiteral("-%1.refused").arg(n);
    }
    const bool moved = QFile::rename(path, aside);
    claimed_.erase(path);
    return moved ? aside : QString();
}
