#include "device/send_map.h"

#include <algorithm>

#include "core/device_table.h"
#include "core/send_stream.h"
#include "core/voltage_map.h"
#include "device/progress_view.h"
#include "history/send_record.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "texts/texts.h"

using namespace std::chrono_literals;

namespace {

constexpr auto kBreakTime = 500ms;
constexpr auto kLastPacketsShown = 300ms;
constexpr auto kEndDisplayTime = 1500ms;
/// Longest stretch without an event pass while waiting.
constexpr auto kPaintSlice = 20ms;
constexpr int kPacketBytes = int(std::tuple_size_v<SendPacket>);
/// A start bit, 8 data bits and a stop bit at 2400 baud.
constexpr std::chrono::microseconds kByteTime{10 * 1'000'000 / 2400};

}  // namespace

DeviceTransfer::DeviceTransfer(SerialPort& port, ProgressView& progress, Clock& clock,
                               MessageBox& messageBox, const Texts& texts)
    : port_(port), progress_(progress), clock_(clock), messageBox_(messageBox), texts_(texts) {}

bool DeviceTransfer::SendMapToDevice(const VoltageMap& map, SendRecord* record) {
    // The event pass below may deliver a second click on the send button.
    if (running_) {
        return false;
    }
    running_ = true;
    clock_.ProcessEvents();
    VoltageMap sent = map;
    BuildDeviceTable(sent);
    const SerialStatus error = Transfer(sent, record);
    // Input that came since the last pass goes too, not to the message box or the window.
    clock_.ProcessEventsWithoutInput();
    if (error) {
        // A port left open would refuse every later attempt.
        port_.Close();
        ReportError(*error);
        progress_.Hide();
    }
    running_ = false;
    return !error;
}

SerialStatus DeviceTransfer::Transfer(const VoltageMap& map, SendRecord* record) {
    if (record != nullptr) {
        record->Begin(map);
    }
    if (SerialStatus error = OpenPort(map.PortNumber)) {
        if (record != nullptr) {
            record->Withdraw();
        }
        return error;
    }
    if (SerialStatus error = HoldBreak()) {
        return error;
    }
    progress_.Show();
    if (SerialStatus error = SendPackets(map)) {
        return error;
    }
    if (SerialStatus error = port_.Close()) {
        return error;
    }
    // The box holds the map now: a kill during the end display must not lose that.
    if (record != nullptr) {
        record->Complete(map);
    }
    ShowEnd();
    return {};
}

SerialStatus DeviceTransfer::OpenPort(int portNumber) {
    SerialStatus error = port_.SelectPort(portNumber);
    if (!error) {
        error = port_.SetLineSettings(LineSettings{});
    }
    if (!error) {
        error = port_.SetDtr(true);
    }
    if (!error) {
        error = port_.SetRts(false);
    }
    if (!error) {
        error = port_.Open();
    }
    return error;
}

SerialStatus DeviceTransfer::HoldBreak() {
    if (SerialStatus error = port_.SetBreak(true)) {
        return error;
    }
    WaitPainting(kBreakTime);
    return port_.SetBreak(false);
}

SerialStatus DeviceTransfer::SendPackets(const VoltageMap& map) {
    for (int k = 0; k < kPacketCount; ++k) {
        if (SerialStatus error = port_.Write(PacketAt(map, k))) {
            return error;
        }
        // Packet k waits in the queue while packet k - 1 goes out, so the line never idles;
        // the progress counts packet k when at most it is left, within a packet of the line.
        if (SerialStatus error = WaitUntilQueuedAtMost(kPacketBytes)) {
            return error;
        }
        if (k >= 1) {
            ShowProgressAfter(k);
        }
        clock_.ProcessEventsWithoutInput();
    }
    // Once, so that the close drops nothing still queued.
    return port_.Drain();
}

SerialStatus DeviceTransfer::WaitUntilQueuedAtMost(int limit) {
    for (;;) {
        int queued = 0;
        if (SerialStatus error = port_.QueuedBytes(queued)) {
            return error;
        }
        if (queued <= limit) {
            return {};
        }
        // About until the line has sent the surplus.
        clock_.Sleep(std::max(
            1ms, std::chrono::floor<std::chrono::milliseconds>((queued - limit) * kByteTime)));
    }
}

void DeviceTransfer::ShowProgressAfter(int k) {
    const int blocks = ProgressBlocksAfter(k);
    if (blocks >= 1 && !progress_.IsBlockVisible(blocks - 1)) {
        progress_.ShowBlock(blocks - 1);
        progress_.Repaint();
    }
    progress_.SetPercentText(QString::number(ProgressPercentAfter(k)) + QLatin1Char('%'));
}

void DeviceTransfer::ShowEnd() {
    progress_.Repaint();
    WaitPainting(kLastPacketsShown);
    progress_.ShowEndDisplay();
    progress_.Repaint();
    WaitPainting(kEndDisplayTime);
    progress_.Close();
}

void DeviceTransfer::ReportError(const SerialError& error) {
    QString prompt = error.code == kNoSuchPortCode
                         ? texts_("MsgNoSuchPort")
                         : texts_("MsgSerialErrorHead") + error.description +
                               texts_("MsgSerialErrorMid") + QString::number(error.code);
    // Which device "com N" is depends on this computer; the user needs it to find the fault.
    if (const QString device = port_.DeviceName(); !device.isEmpty()) {
        prompt += QLatin1Char('\n') + texts_("MsgPortDeviceTried") + device;
    }
    messageBox_.Show(prompt, QStringLiteral("SOLVA-TX"), MessageButtons::Ok, MessageIcon::None,
                     MessageAnswer::Ok);
}

void DeviceTransfer::WaitPainting(std::chrono::milliseconds duration) {
    const Clock::TimePoint deadline = clock_.Now() + duration;
    for (Clock::TimePoint now = clock_.Now(); now < deadline; now = clock_.Now()) {
        clock_.ProcessEventsWithoutInput();
        clock_.Sleep(std::min(std::chrono::ceil<std::chrono::milliseconds>(deadline - now),
                              std::chrono::milliseconds(kPaintSlice)));
    }
}
