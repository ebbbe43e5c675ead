#pragma once
// The CRC-16 of LHA archives (reflected polynomial 0xA001, start 0), used for
// every file body and for the level-2 header check.

#include <cstddef>
#include <cstdint>

namespace tolvane::lha {

std::uint16_t Crc16(std::uint16_t crc, const std::uint8_t* data, std::size_t size);

}  // namespace tolvane::lha
