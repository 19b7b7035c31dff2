#pragma once

#include <QString>

#include "files/data_file.h"

class SentMaps;
struct VoltageMap;

/// What a send leaves on record, so that a kill or a power loss at any moment leaves the
/// truth about the box behind: the intent before the port opens, the copy as soon as the
/// last byte is out. A send that fails after the port opened stays on record as cut off.
class SendRecord {
public:
    virtual ~SendRecord() = default;

    /// Before the port opens.
    virtual void Begin(const VoltageMap& map) = 0;
    /// The port did not open: the box was not touched.
    virtual void Withdraw() = 0;
    /// The last byte is out and the port closed, before the end display.
    virtual void Complete(const VoltageMap& map) = 0;
};

/// Keeps the record among the copies of the maps sent.
class SentMapsRecord : public SendRecord {
public:
    explicit SentMapsRecord(SentMaps& sent) : sent_(sent) {}

    void Begin(const VoltageMap& map) override;
    void Withdraw() override;
    void Complete(const VoltageMap& map) override;

    /// False when the copy of a completed send could not be written; Result says why.
    bool Kept() const { return !kept_.isEmpty(); }
    const WriteResult& Result() const { return result_; }

private:
    SentMaps& sent_;
    QString intent_;
    QString kept_;
    WriteResult result_;
};
