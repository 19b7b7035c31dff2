#include "recovery/work_recovery.h"

#include <QDir>
#include <utility>

#include "files/whole_file.h"
#include "platform/message_box.h"
#include "texts/texts.h"

WorkRecovery::WorkRecovery(const QString& folder, StateSource source, MessageBox& messageBox,
                           const Texts& texts, Clock& clock, QObject* parent)
    : QObject(parent),
      folder_(folder),
      source_(std::move(source)),
      messageBox_(messageBox),
      texts_(texts),
      left_(folder),
      own_(folder),
      writer_(new QObject),
      clock_(clock) {
    writer_->moveToThread(&thread_);
    thread_.start();
    timer_.setObjectName(QStringLiteral("RecoveryWrite"));
    timer_.setSingleShot(true);
    timer_.setInterval(kWriteDelayMs);
    connect(&timer_, &QTimer::timeout, this, &WorkRecovery::WriteNow);
}

WorkRecovery::~WorkRecovery() {
    thread_.quit();
    thread_.wait();
    delete writer_;
}

void WorkRecovery::Changed() {
    changed_ = QDateTime::currentDateTimeUtc();
    const Clock::TimePoint now = clock_.Now();
    if (!unwritten_) {
        unwritten_ = now;
        timer_.start();
    } else if (now - *unwritten_ >= std::chrono::milliseconds(kWriteDelayMs)) {
        WriteNow();
    }
}

void WorkRecovery::WriteNow() {
    QMetaObject::invokeMethod(writer_, [this, bytes = CurrentBytes()] {
        QString error;
        const bool written = own_.Write(bytes, error);
        QMetaObject::invokeMethod(
            this, [this, written, error] { WriteEnded(written, error); }, Qt::QueuedConnection);
    });
}

bool WorkRecovery::WriteAndWait() {
    const QByteArray bytes = CurrentBytes();
    bool written = false;
    QString error;
    QMetaObject::invokeMethod(
        writer_, [&] { written = own_.Write(bytes, error); }, Qt::BlockingQueuedConnection);
    WriteEnded(written, error);
    return written;
}

void WorkRecovery::WriteEnded(bool written, const QString& error) {
    if (written) {
        if (!std::exchange(failure_, {}).isEmpty()) {
            emit WritingWorks();
        }
        return;
    }
    ShowFailure(error);
    if (const QString reason = FailureText(error); reason != failure_) {
        failure_ = reason;
        emit WritingFailed(reason);
    }
}

QString WorkRecovery::FailureText(const QString& error) const {
    const QString folder = QDir::toNativeSeparators(folder_);
    return error.isEmpty() || error == folder ? folder : folder + u'\n' + error;
}

void WorkRecovery::Flush() {
    QMetaObject::invokeMethod(
        writer_, [] {}, Qt::BlockingQueuedConnection);
}

QByteArray WorkRecovery::CurrentBytes() {
    timer_.stop();
    unwritten_.reset();
    WorkingState state = source_();
    state.Changed = changed_.isValid() ? changed_ : QDateTime::currentDateTimeUtc();
    return EncodeRecovery(state);
}

void WorkRecovery::ShowFailure(const QString& error) {
    if (!std::exchange(failureShown_, true)) {
        messageBox_.Show(texts_("MsgRecoveryNotWritten") + u'\n' + FailureText(error),
                         QStringLiteral("SOLVA-TX"));
    }
}

void WorkRecovery::CleanExit() {
    timer_.stop();
    unwritten_.reset();
    QMetaObject::invokeMethod(
        writer_, [this] { own_.Remove(); }, Qt::BlockingQueuedConnection);
}

void WorkRecovery::OfferLeftWork(const Restore& restore) {
    const QStringList left = left_.Claim();
    qsizetype i = 0;
    while (i < left.size() && !Offer(left[i], restore)) {
        ++i;
    }
    // Work not yet offered waits for the next start.
    for (++i; i < left.size(); ++i) {
        left_.Release(left[i]);
    }
}

bool WorkRecovery::Offer(const QString& path, const Restore& restore) {
    QByteArray bytes;
    QString error;
    const RecoveryDecodeResult read =
        ReadFileHead(path, LeftRecoveryFiles::kMaxFileBytes + 1, bytes, error)
            ? DecodeRecovery(bytes)
            : RecoveryDecodeResult{{}, RecoveryFault::Damaged, {}};
    if (read.Fault != RecoveryFault::None) {
        Refuse(path, read);
        return false;
    }
    const WorkingState& state = read.State;
    if (state.Saved) {
        left_.Discard(path);
        return false;
    }
    const QString prompt =
        texts_("MsgRestoreWork") + QStringLiteral("\n\n") + texts_("MsgRestoreChanged") +
        state.Changed.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + u'\n' +
        texts_("MsgRestoreFile") +
        (state.FileName.isEmpty() ? texts_("MsgRestoreNoFile")
                                  : QDir::toNativeSeparators(state.FileName));
    const MessageAnswer answer =
        messageBox_.Show(prompt, texts_("MsgRestoreWorkTitle"), MessageButtons::YesNo,
                         MessageIcon::Question, MessageAnswer::Yes);
    if (answer == MessageAnswer::No) {
        left_.Discard(path);
        return false;
    }
    restore(state);
    changed_ = state.Changed;
    // The old file goes only once the work is on disk again as this instance's own.
    if (WriteAndWait()) {
        left_.Discard(path);
    } else {
        left_.Release(path);
    }
    return true;
}

void WorkRecovery::Refuse(const QString& path, const RecoveryDecodeResult& result) {
    QString prompt = texts_(result.Fault == RecoveryFault::OtherVersion ? "MsgRecoveryOtherVersion"
                                                                        : "MsgRecoveryDamaged");
    if (!result.Version.isEmpty()) {
        prompt += u'\n' + texts_("MsgRecoveryVersion") + result.Version;
    }
    const QString aside = left_.SetAside(path);
    if (!aside.isEmpty()) {
        prompt += u'\n' + texts_("MsgRecoveryKeptAside") + u'\n' + QDir::toNativeSeparators(aside);
    }
    messageBox_.Show(prompt, texts_("MsgRestoreWorkTitle"));
}
