#include "cli/command_line.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include "cli/message_prefix.h"
#include "cli/points_command.h"
#include "cli/window_modes.h"
#include "core/send_stream.h"
#include "core/voltage_map.h"
#include "device/port_names.h"
#include "device/progress_view.h"
#include "device/qt_serial_port.h"
#include "device/send_map.h"
#include "device/serial_devices.h"
#include "files/data_file.h"
#include "files/file_messages.h"
#include "files/inside_folder.h"
#include "history/send_record.h"
#include "history/sent_maps.h"
#include "platform/message_box.h"
#include "platform/process_setup.h"
#include "platform/qt_platform.h"
#include "texts/texts.h"

namespace {

/// Reads the data file into map; on refusal says why and leaves map as it was.
bool LoadMap(const QString& paxPath, MapContent& map, QTextStream& err) {
    const PaxDecodeResult file = ReadDataFile(paxPath);
    if (!file.Ok()) {
        err << kProgram << LoadFailedMessage(Texts(UiLanguage::Eng), paxPath, file) << '\n';
        err.flush();
        return false;
    }
    map = file.Data;
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
    return kExitNotWritten;
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

int RunStreamCommand(const QString& paxPath, QIODevice& out, QTextStream& err, bool checksum) {
    MapContent map;
    if (!LoadMap(paxPath, map, err)) {
        return kExitBadFile;
    }
    const SendStream stream = BuildSendStream(map);
    const QByteArray bytes =
        checksum ? QByteArray::fromStdString(StreamChecksum(map) + '\n')
                 : QByteArray(reinterpret_cast<const char*>(stream.data()), kStreamSize);
    const qint64 written = out.write(bytes);
    // A file keeps the bytes in its buffer: a full disk shows only when they go out.
    auto* file = qobject_cast<QFileDevice*>(&out);
    if (written != bytes.size() || (file != nullptr && !file->flush())) {
        return OutputFailed(err, out.errorString());
    }
    return kExitDone;
}

int RunSendCommand(const QString& paxPath, int portNumber, SerialPort& port, Clock& clock,
                   QTextStream& err, SentMaps* sent) {
    VoltageMap map;
    if (!LoadMap(paxPath, map.Content(), err)) {
        return kExitBadFile;
    }
    if (portNumber < 1 || portNumber > 16) {
        err << kProgram << "the port must be 1 to 16, not " << portNumber << '\n';
        err.flush();
        return kExitUsage;
    }
    map.PortNumber = portNumber;
    const Texts texts(UiLanguage::Eng);
    TextProgress progress(err, texts);
    TextMessageBox messageBox(err);
    DeviceTransfer transfer(port, progress, clock, messageBox, texts);
    std::optional<SentMapsRecord> record;
    if (sent != nullptr) {
        record.emplace(*sent);
    }
    if (!transfer.SendMapToDevice(map, record ? &*record : nullptr)) {
        err << kProgram << "sending to com " << portNumber << " (" << PortDeviceName(portNumber)
            << ") failed\n";
        err.flush();
        return kExitPortError;
    }
    if (record && !record->Kept()) {
        // The box has the map all the same: the send counts as done.
        const WriteResult& kept = record->Result();
        err << kProgram << texts("MsgSentNotKept") << ' '
            << QDir::toNativeSeparators(sent->Folder()) << ' '
            << (kept.TooLarge ? texts("MsgPaxTooLarge") : kept.Error) << '\n';
        err.flush();
    }
    return kExitDone;
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

bool RefusedAmongSentCopies(const QString& outputPath) {
    if (!IsInsideFolder(outputPath, SentMaps::UserFolder())) {
        return false;
    }
    QTextStream(stderr) << kProgram << QDir::toNativeSeparators(outputPath)
                        << " is among the copies of the maps sent, where only a send writes\n";
    return true;
}

int RunLastSentCommand(const SentMaps& sent, QTextStream& out, QTextStream& err) {
    const QString newest = sent.Newest();
    // A box that a send broke off on holds a mixture or its old map: no copy stands for it.
    const QStringList cutOff = sent.CutOffSends();
    for (const QString& record : cutOff) {
        err << kProgram << "the send of " << SentMaps::SentLabel(record)
            << " was cut off: what that BOX holds is not known; the map being sent: "
            << QDir::toNativeSeparators(record) << '\n';
    }
    if (!cutOff.isEmpty()) {
        err.flush();
        return kExitPortError;
    }
    if (newest.isEmpty()) {
        err << kProgram << "no map has been sent yet (" << QDir::toNativeSeparators(sent.Folder())
            << ")\n";
        err.flush();
        return kExitBadFile;
    }
    out << QDir::toNativeSeparators(newest) << '\n';
    out.flush();
    return kExitDone;
}

namespace {

int RunStreamMode(const CommandRequest& request) {
    SetBinaryStandardOutput();
    QFile out;
    out.open(stdout, QIODevice::WriteOnly);
    QTextStream err(stderr);
    const int status =
        RunStreamCommand(request.value, out, err, request.options.contains("checksum"));
    if (status == kExitDone && std::fflush(stdout) != 0) {
        return OutputFailed(err, QString::fromLocal8Bit(std::strerror(errno)));
    }
    return status;
}

int RunSendMode(const CommandRequest& request) {
    QTextStream err(stderr);
    bool ok = false;
    const int portNumber = request.options.value("port").toInt(&ok);
    if (!ok) {
        err << kProgram << "--port needs a number from 1 to 16, not '"
            << request.options.value("port") << "'\n";
        return kExitUsage;
    }
    QtSerialPort port;
    QtClock clock;
    SentMaps sent;
    return RunSendCommand(request.value, portNumber, port, clock, err, &sent);
}

int RunPortsMode(const CommandRequest&) {
    QTextStream out(stdout);
    RunPortsCommand(out, PortAssignments(), FindSerialDevices());
    return kExitDone;
}

int RunLastSentMode(const CommandRequest&) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunLastSentCommand(SentMaps(), out, err);
}

int RunFromPointsMode(const CommandRequest& request) {
    if (request.files.isEmpty()) {
        QTextStream(stderr) << kProgram << "--from-points needs the map file to write: OUT.pax\n";
        return kExitUsage;
    }
    if (RefusedAmongSentCopies(request.files.first())) {
        return kExitUsage;
    }
    PointsCommandOptions options;
    options.PointsFile = request.value;
    options.MapFile = request.files.first();
    options.Resolution = request.options.value("resolution", options.Resolution);
    options.InputSpan = request.options.value("input-span", options.InputSpan);
    options.OutputSpan = request.options.value("output-span", options.OutputSpan);
    options.Note = request.options.value("note");
    return RunFromPointsCommand(options);
}

int RunVersionMode(const CommandRequest&) {
    QTextStream(stdout) << QCoreApplication::applicationName() << ' '
                        << QCoreApplication::applicationVersion() << '\n';
    return kExitDone;
}

int RunHelpMode(const CommandRequest&) {
    QTextStream(stdout) << CommandLineHelp(
        CommandModes(), CommandCompanions(),
        "SOLVA-TX: edits voltage maps of the BOX, keeps them in .pax files and sends them "
        "over a serial port.\nOn Linux port N is /dev/ttyS<N-1> unless the user gave it "
        "another device (right-click on the port chooser) or the environment variable "
        "SOLVA_TX_COM<N> names one; --ports shows which.",
        "Exit status:\n  0  done\n  1  the data file or the points file was refused, or no map "
        "was sent yet (--last-sent); nothing was sent or written\n  2  the command line was "
        "refused; nothing was "
        "done\n  3  the stream, the picture, the report or the map file could not be written\n  4  "
        "the port "
        "could not "
        "be opened or the transfer broke off");
    return kExitDone;
}

}  // namespace

const QList<CommandMode>& CommandModes() {
    static const QList<CommandMode> modes = {
        {{}, {}, {}, 1, RunEditorMode, true},
        {{"screenshot"},
         "FILE",
         "Start as usual, write a picture of the main window to FILE and exit.",
         1,
         RunScreenshotMode,
         true},
        {{"stream"},
         "FILE",
         "Write to standard output the 768 bytes that sending FILE puts on the line.",
         0,
         RunStreamMode},
        {{"send"}, "FILE", "Send FILE to the BOX on the port given by --port.", 0, RunSendMode},
        {{"report"},
         "FILE",
         "Write the one-page A4 PDF report of the map in FILE to OUT.pdf: --report FILE OUT.pdf.",
         1,
         RunReportMode,
         true},
        {{"ports"},
         {},
         "List the device each com port opens and the serial devices found.",
         0,
         RunPortsMode},
        {{"last-sent"}, {}, "Print the path of the copy of the last map sent.", 0, RunLastSentMode},
        {{"from-points"},
         "POINTS",
         "Write the map that the (input, output) voltage pairs in the text file POINTS give "
         "to OUT.pax, as a save writes it; the largest difference from what the BOX puts out "
         "goes to standard error.",
         1,
         RunFromPointsMode},
        {{"help", "h", "?"}, {}, "Show this help and the exit statuses.", 0, RunHelpMode},
        {{"version", "v"}, {}, "Show the version.", 0, RunVersionMode},
    };
    return modes;
}

const QList<CommandCompanion>& CommandCompanions() {
    static const QList<CommandCompanion> companions = {
        {"port", "N", "Serial port N (1..16) for --send.", {"send"}, true},
        {"checksum",
         {},
         "With --stream: print the CRC-32 of the 768 bytes (8 hex digits) instead of the bytes.",
         {"stream"}},
        {"language",
         "hun|eng",
         "The language of the report or the picture; Hungarian when not given.",
         {"report", "screenshot"}},
        {"state",
         "STATE",
         "What the picture shows over the window: main (default), parts, reprompt, "
         "save-question, progress, port-menu, chart-menu or undo-menu.",
         {"screenshot"}},
        {"resolution",
         "R",
         "Breakpoints of --from-points: 128 (default), 64, 32, 16 or 8.",
         {"from-points"}},
        {"input-span",
         "V",
         "Input span of --from-points: 5, 10 or 15 V (default).",
         {"from-points"}},
        {"output-span",
         "V",
         "Output span of --from-points: 5, 10 or 15 V (default).",
         {"from-points"}},
        {"note", "TEXT", "The note of the map --from-points writes.", {"from-points"}},
    };
    return companions;
}
