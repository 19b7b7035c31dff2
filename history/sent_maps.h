#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include "files/data_file.h"

class MessageBox;
class Texts;
struct MapContent;

/// The maps that reached the box, each as a data file. The box cannot be read back, so the
/// newest file is what it holds. Files are named by a running number, the local date and
/// time and the port ("000042_2026-12-07_14-03-59_com3.pax"); the number orders them even
/// when the clock is set back.
class SentMaps {
public:
    static constexpr int kKeptCount = 500;

    /// "sent" in the user's application data folder.
    static QString UserFolder();

    explicit SentMaps(QString folder = UserFolder());

    /// Writes the map as the newest send to com portNumber and removes the oldest files
    /// beyond kKeptCount. The path of the new file, or empty with result saying why (no
    /// reason at all when the folder could not be made).
    QString Keep(const MapContent& map, int portNumber, const QDateTime& when, WriteResult& result);
    /// Before the port opens: the map goes on record as a send to com portNumber begun at
    /// when ("sending_2026-12-07_14-03-59_com3.pax"). The path of the record, or empty with
    /// result saying why.
    QString BeginSend(const MapContent& map, int portNumber, const QDateTime& when,
                      WriteResult& result);
    /// The last byte is out and the port closed: the record of BeginSend becomes the newest
    /// copy (written afresh when there is none), and every send to that port cut off before
    /// leaves the record. The copy's path, or empty with result saying why.
    QString CompleteSend(const QString& intent, const MapContent& map, int portNumber,
                         const QDateTime& when, WriteResult& result);
    /// The port did not open: the box was not touched, the record of BeginSend goes.
    static void WithdrawSend(const QString& intent);
    /// The newest send to com portNumber begun and never completed; empty when there is none.
    QString CutOffFor(int portNumber) const;
    /// Every send begun and never completed, oldest first.
    QStringList CutOffSends() const;
    /// The newest file kept; empty when there is none.
    QString Newest() const;
    /// The newest file kept of a send to com portNumber; empty when there is none.
    QString NewestFor(int portNumber) const;
    /// Paths of the newest count files kept, the newest first.
    QStringList NewestFirst(int count) const;
    /// When and where a kept file (or a send record) was sent, from its name:
    /// "2026-12-07 14:03:59, com 3".
    static QString SentLabel(const QString& path);
    const QString& Folder() const { return folder_; }

private:
    /// The kept files, oldest first; other files in the folder are left alone.
    QStringList KeptNames() const;
    /// The send records for com portNumber (any port for 0), oldest first.
    QStringList IntentNames(int portNumber) const;
    /// A free name for the next copy.
    QString NextPath(int portNumber, const QDateTime& when) const;
    /// Removes the oldest copies beyond kKeptCount.
    void Prune();

    QString folder_;
};

/// A send from the window completed but its copy could not be kept: tells why.
void ReportSentNotKept(const SentMaps& sent, const WriteResult& result, MessageBox& messageBox,
                       const Texts& texts);
