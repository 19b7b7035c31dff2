#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include "data_file.h"

class MessageBox;
class Texts;

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
    /// The newest file kept; empty when there is none.
    QString Newest() const;
    /// The newest file kept of a send to com portNumber; empty when there is none.
    QString NewestFor(int portNumber) const;
    /// Paths of the newest count files kept, the newest first.
    QStringList NewestFirst(int count) const;
    /// When and where a kept file was sent, from its name: "2026-12-07 14:03:59, com 3".
    static QString SentLabel(const QString& path);
    const QString& Folder() const { return folder_; }

private:
    /// The kept files, oldest first; other files in the folder are left alone.
    QStringList KeptNames() const;

    QString folder_;
};

/// A send from the window to com portNumber completed: keeps the map, or tells why it could
/// not.
void KeepSentMap(SentMaps& sent, const MapContent& map, int portNumber, MessageBox& messageBox,
                 const Texts& texts);
