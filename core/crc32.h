#pragma once

#include <cstdint>
#include <span>

/// CRC-32 as zlib, PNG and most checksum tools compute it (reflected polynomial 0xEDB88320,
/// all ones in and out), so that a value can be checked with any of them.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes);
