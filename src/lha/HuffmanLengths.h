#pragma once
// Code lengths for given symbol frequencies, no code longer than 16 bits, and
// always a complete code (as the decoder requires) when two or more symbols
// occur.

#include <cstdint>
#include <vector>

namespace tolvane::lha {

// Returns one length per symbol (0 for symbols that do not occur).
std::vector<std::uint8_t> HuffmanLengths(const std::vector<std::uint32_t>& frequencies,
                                         int maxLength = 16);

// Canonical codes for the lengths: shorter first, then by symbol.
std::vector<std::uint16_t> CanonicalCodes(const std::vector<std::uint8_t>& lengths);

}  // namespace tolvane::lha
