#include "command_line.h"

#include <QFile>
#include <QTextStream>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "data_file.h"
#include "file_messages.h"
#include "message_box.h"
#include "port_names.h"
#include "progress_view.h"
#include "qt_platform.h"
#include "qt_serial_port.h"
#include "send_map.h"
#include "send_stream.h"
#include "sent_maps.h"
#include "serial_devices.h"
#include "standard_streams.h"
#include "texts.h"
#include "voltage_map.h"

namespace {

const QString kProgram = QStringLiteral("solva-tx: ");

/// Reads the data file into a fresh map and its note; on refusal says why and gives nothing.
bool LoadMap(const QString& paxPath, VoltageMap& map, QTextStream& err, QString* note = nullptr) {
    const PaxDecodeResult file = ReadPaxFile(paxPath);
    if (!file.Ok()) {
        err << kProgram << LoadFailedMessage(Texts(UiLanguage::Eng), paxPath, file) << '\n';
        err.flush();
        return false;
    }
    FillStartLine(map);
    ApplyPaxData(map, file.Data);
    if (note != nullptr) {
        *note = file.Data.Note;
    }
    return true;
}

QString SourceText(PortSource source, int portNumber) {
    switch (source) {
        case PortSource::Environment:
            return QStringLiteral("environment variable ") + PortVariableName(portNumber);
        case PortSource::Assigned:
            return QStringLiteral("assigned by the user");
        case PortSource::Standard:
            break;
    }
    return QStringLiteral("default");
}

int OutputFailed(QTextStream& err, const QString& reason) {
    err << kProgram << "cannot write the stream: " << reason << '\n';
    err.flush();
    return kExitOutputError;
}

/// The progress window as lines of text: one line per progress block, then the end.
class TextProgress : public ProgressView {
public:
    TextProgress(QTextStream& err, const Texts& texts) : err_(err), texts_(texts) {}

    void Show() override {
        err_ << texts_("MsgSendingTitle") << '\n';
        err_.flush();
    }
    void ShowBlock(int i) override {
        blocks_[i] = true;
        blockPending_ = true;
    }
    bool IsBlockVisible(int i) const override { return blocks_[i]; }
    void SetPercentText(const QString& text) override {
        percent_ = text;
        if (blockPending_) {
            PrintPercent();
        }
    }
    void Repaint() override {}
    void ShowEndDisplay() override {
        if (percent_ != printed_) {
            PrintPercent();
        }
        err_ << texts_("MsgDataSent") << '\n';
        err_.flush();
    }
    void Close() override {}
    void Hide() override {}

private:
    void PrintPercent() {
        err_ << texts_("MsgSentLabel") << ' ' << percent_ << '\n';
        err_.flush();
        printed_ = percent_;
        blockPending_ = false;
    }

    QTextStream& err_;
    const Texts& texts_;
    std::array<bool, kProgressBlockCount> blocks_{};
    bool blockPending_ = false;
    QString percent_;
    QString printed_;
};

/// The message box as one line on the error stream.
class TextMessageBox : public MessageBox {
public:
    explicit TextMessageBox(QTextStream& err) : err_(err) {}
    MessageAnswer Show(const QString& prompt, const QString&, MessageButtons, MessageIcon,
                       MessageAnswer defaultAnswer) override {
        err_ << kProgram << prompt << '\n';
        err_.flush();
        return defaultAnswer;
    }

private:
    QTextStream& err_;
};

}  // namespace

int RunStreamCommand(const QString& paxPath, QIODevice& out, QTextStream& err) {
    VoltageMap map;
    if (!LoadMap(paxPath, map, err)) {
        return kExitBadFile;
    }
    const SendStream stream = BuildSendStream(map);
    const qint64 written = out.write(reinterpret_cast<const char*>(stream.data()), kStreamSize);
    // A file keeps the bytes in its buffer: a full disk shows only when they go out.
    auto* file = qobject_cast<QFileDevice*>(&out);
    if (written != kStreamSize || (file != nullptr && !file->flush())) {
        return OutputFailed(err, out.errorString());
    }
    return kExitSent;
}

int RunSendCommand(const QString& paxPath, int portNumber, SerialPort& port, Clock& clock,
                   QTextStream& err, SentMaps* sent) {
    VoltageMap map;
    QString note;
    if (!LoadMap(paxPath, map, err, &note)) {
        return kExitBadFile;
    }
    if (portNumber < 1 || portNumber > 16) {
        err << kProgram << "the port must be 1 to 16, not " << portNumber << '\n';
        err.flush();
        return kExitPortError;
    }
    map.PortNumber = portNumber;
    const Texts texts(UiLanguage::Eng);
    TextProgress progress(err, texts);
    TextMessageBox messageBox(err);
    DeviceTransfer transfer(port, progress, clock, messageBox, texts);
    if (!transfer.SendMapToDevice(map)) {
        err << kProgram << "sending to com " << portNumber << " (" << PortDeviceName(portNumber)
            << ") failed\n";
        err.flush();
        return kExitPortError;
    }
    WriteResult kept;
    if (sent != nullptr &&
        sent->Keep(map, note, portNumber, QDateTime::currentDateTime(), kept).isEmpty()) {
        // The box has the map all the same: the send counts as done.
        err << kProgram << texts("MsgSentNotKept") << ' ' << sent->Folder() << ' '
            << (kept.TooLarge ? texts("MsgPaxTooLarge") : kept.Error) << '\n';
        err.flush();
    }
    return kExitSent;
}

void RunPortsCommand(QTextStream& out, const PortAssignments& assignments,
                     const QList<SerialDevice>& devices) {
    for (int n = 1; n <= 16; ++n) {
        const PortDevice device = ResolvePort(n, assignments);
        out << QStringLiteral("com %1").arg(n, -4) << device.name << "  ("
            << SourceText(device.source, n) << ")\n";
    }
    out << "\nSerial devices found:" << (devices.isEmpty() ? " none\n" : "\n");
    for (const SerialDevice& device : devices) {
        out << "  " << device.path;
        const std::pair<const char*, QString> fields[] = {
            {"", device.description},
            {"maker: ", device.manufacturer},
            {"serial number: ", device.serialNumber},
            {"stable name: ", device.stablePath == device.path ? QString() : device.stablePath}};
        for (const auto& [label, value] : fields) {
            if (!value.isEmpty()) {
                out << "  " << label << value;
            }
        }
        out << '\n';
    }
    out.flush();
}

int RunLastSentCommand(const SentMaps& sent, QTextStream& out, QTextStream& err) {
    const QString newest = sent.Newest();
    if (newest.isEmpty()) {
        err << kProgram << "no map has been sent yet (" << sent.Folder() << ")\n";
        err.flush();
        return kExitBadFile;
    }
    out << newest << '\n';
    out.flush();
    return kExitSent;
}

int RunStreamCommand(const QString& paxPath) {
    SetBinaryStandardOutput();
    QFile out;
    out.open(stdout, QIODevice::WriteOnly);
    QTextStream err(stderr);
    const int status = RunStreamCommand(paxPath, out, err);
    if (status == kExitSent && std::fflush(stdout) != 0) {
        return OutputFailed(err, QString::fromLocal8Bit(std::strerror(errno)));
    }
    return status;
}

int RunSendCommand(const QString& paxPath, int portNumber) {
    QTextStream err(stderr);
    QtSerialPort port;
    QtClock clock;
    SentMaps sent;
    return RunSendCommand(paxPath, portNumber, port, clock, err, &sent);
}

int RunPortsCommand() {
    QTextStream out(stdout);
    RunPortsCommand(out, PortAssignments(), FindSerialDevices());
    return kExitSent;
}

int RunLastSentCommand() {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunLastSentCommand(SentMaps(), out, err);
}
