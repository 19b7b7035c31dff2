#pragma once

#include <QObject>
#include <QThread>
#include <QTimer>
#include <functional>
#include <optional>

#include "platform/clock.h"

#include "recovery/recovery_files.h"
#include "recovery/working_state.h"

class MessageBox;
class Texts;

/// Keeps the working state in a recovery file while the program runs, and offers at the
/// next start the work that a crash left behind. The state is taken and encoded on the
/// window's thread; the disk write, which waits for the disk to confirm it, runs on a
/// thread of its own, so that a slow disk never holds up editing.
class WorkRecovery : public QObject {
    Q_OBJECT

public:
    /// Every change reaches the disk this soon: a crash loses at most this much work.
    static constexpr int kWriteDelayMs = 500;

    using StateSource = std::function<WorkingState()>;
    using Restore = std::function<void(const WorkingState&)>;

    WorkRecovery(const QString& folder, StateSource source, MessageBox& messageBox,
                 const Texts& texts, Clock& clock, QObject* parent = nullptr);
    ~WorkRecovery() override;

    /// The map, the note or its file changed: the state is written within kWriteDelayMs,
    /// by the timer or by a change that comes later. A write never waits for a pause in the
    /// changes, so a long drag is kept as it goes.
    void Changed();
    /// Hands the state to the writer at once.
    void WriteNow();
    /// Returns once every write handed over so far has ended.
    void Flush();
    /// A clean exit: the work is saved or given up by the user, nothing is left to restore.
    /// Returns once the file is gone.
    void CleanExit();

    /// At start: asks, newest first, whether to restore the work of each instance that
    /// ended without a clean exit, until one is restored. restore puts it on screen; it is
    /// on disk as this instance's own before the old file goes. Work saved to its file goes
    /// without a question; a file that cannot be read back is set aside with a message.
    void OfferLeftWork(const Restore& restore);

    /// The folder the work is kept in.
    const QString& Folder() const { return folder_; }

signals:
    /// A write failed while the last one worked, or with another reason: the work is not
    /// being kept until WritingWorks. reason names the folder and why.
    void WritingFailed(const QString& reason);
    /// A write worked after one that failed.
    void WritingWorks();

private:
    /// On the window's thread after every write.
    void WriteEnded(bool written, const QString& error);
    QByteArray CurrentBytes();
    /// Writes the state and returns once it is on disk; false when it could not be.
    bool WriteAndWait();
    /// Asks about one file; true when it was restored.
    bool Offer(const QString& path, const Restore& restore);
    void Refuse(const QString& path, const RecoveryDecodeResult& result);
    void ShowFailure(const QString& error);
    /// The folder and, when the system says more, why.
    QString FailureText(const QString& error) const;

    QString folder_;
    StateSource source_;
    MessageBox& messageBox_;
    const Texts& texts_;
    LeftRecoveryFiles left_;
    /// Used on the writer's thread alone.
    OwnRecoveryFile own_;
    QThread thread_;
    QObject* writer_;  ///< lives on thread_; what runs there runs through it
    Clock& clock_;
    /// A child named "RecoveryWrite", so that tests can run a write without waiting.
    QTimer timer_{this};
    /// When the oldest change not yet handed to the writer was made.
    std::optional<Clock::TimePoint> unwritten_;
    QDateTime changed_;
    /// A failed write is told once per run, not at every change; the sign stays meanwhile.
    bool failureShown_ = false;
    QString failure_;  ///< why the last write failed; empty when it worked
};
