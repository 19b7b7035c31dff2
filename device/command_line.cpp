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
#include "progress_view.h"
#include "qt_platform.h"
#include "qt_serial_port.h"
#include "send_map.h"
#include "send_stream.h"
#include "texts.h"
#include "voltage_map.h"

namespace {

const QString kProgram = QStringLiteral("solva-tx: ");

/// Reads the data file into a fresh map; on refusal says why and gives nothing.
bool LoadMap(const QString& paxPath, VoltageMap& map, QTextStream& err) {
    const PaxDecodeResult file = ReadPaxFile(paxPath);
    if (!file.Ok()) {
        err << kProgram << LoadFailedMessage(Texts(UiLanguage::Eng), paxPath, file) << '\n';
        err.flush();
        return false;
    }
    FillStartLine(map);
    ApplyPaxData(map, file.Data);
    return true;
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
                   QTextStream& err) {
    VoltageMap map;
    if (!LoadMap(paxPath, map, err)) {
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
    return kExitSent;
}

int RunStreamCommand(const QString& paxPath) {
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
    return RunSendCommand(paxPath, portNumber, port, clock, err);
}
