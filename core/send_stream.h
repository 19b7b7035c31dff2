#pragma once

#include <array>
#include <cstdint>
#include <string>

struct MapContent;
struct VoltageMap;

/// One write to the port: the payload byte and the two 0xFF bytes behind it.
using SendPacket = std::array<std::uint8_t, 3>;

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

/// The CRC-32 of the 768 bytes that a send of the map puts on the line, as eight hex digits
/// ("D36C63F8"). The report, --stream --checksum and the list of maps sent all show it, so
/// that a printed report, a file and a send can be matched.
std::string StreamChecksum(const MapContent& map);

/// Number of progress blocks due after packet k (1..255): N((k+1) / 16), 0..16.
int ProgressBlocksAfter(int k);

/// Percentage shown after packet k (1..255): N((k+1) * 100 / 256).
int ProgressPercentAfter(int k);
