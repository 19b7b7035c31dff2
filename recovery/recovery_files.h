#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>

/// Every running instance of the program keeps its own recovery file in one folder and
/// holds a lock beside it for as long as it runs. A file without a live holder is work
/// left by an instance that ended without a clean exit (a crash, a kill, a power cut);
/// a running instance's file is never taken by another.
inline constexpr char kRecoverySuffix[] = ".recovery";

/// This instance's own recovery file.
class OwnRecoveryFile {
public:
    explicit OwnRecoveryFile(QString folder) : folder_(std::move(folder)) {}

    /// Replaces the file with bytes, whole or not at all. The first write takes the lock,
    /// before the file exists. False with error saying why.
    bool Write(const QByteArray& bytes, QString& error);
    /// A clean exit: the file goes, then the lock.
    void Remove();

private:
    QString folder_;
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

/// The files that instances no longer running have left in the folder.
class LeftRecoveryFiles {
public:
    /// Left work may be read up to this size; ours stays far below it (a note of 20000
    /// characters takes at most 60 KiB).
    static constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

    explicit LeftRecoveryFiles(QString folder) : folder_(std::move(folder)) {}

    /// The files without a live holder, newest first; each stays locked for this instance
    /// until it is released, discarded or set aside.
    QStringList Claim();
    /// Leaves the file for a later start.
    void Release(const QString& path);
    /// The work is restored or given up by the user: the file goes.
    void Discard(const QString& path);
    /// A file that cannot be read back is renamed, out of the way of later starts but kept
    /// for the user. The new path; empty when even the rename failed.
    QString SetAside(const QString& path);

private:
    QString folder_;
    std::map<QString, std::unique_ptr<QLockFile>> claimed_;
};
