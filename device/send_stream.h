#pragma once

#include <array>
#include <cstdint>

#include "serial_port.h"

struct MapContent;
struct VoltageMap;

/// Packet 0 carries the configuration byte, packets 1..255 the device table entries 1..255.
inline constexpr int kPacketCount = 256;
inline constexpr int kStreamSize = kPacketCount * 3;
inline constexpr int kProgressBlockCount = 16;

using SendStream = std::array<std::uint8_t, kStreamSize>;

/// Packet k of a map whose device table is current.
SendPacket PacketAt(const VoltageMap& map, int k);

/// The 768 bytes that a transfer of the map puts on the line after the break, from the
/// device table built afresh, as the transfer builds it before sending.
SendStream BuildSendStream(const MapContent& map);

/// Number of progress blocks due after packet k (1..255): N((k+1) / 16), 0..16.
int ProgressBlocksAfter(int k);

/// Percentage shown after packet k (1..255): N((k+1) * 100 / 256).
int ProgressPercentAfter(int k);
