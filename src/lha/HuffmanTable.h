#pragma once
// Canonical Huffman decoding table for the -lh5- family: codes are given as
// lengths per symbol, shorter codes first, symbols in order within a length.

#include <array>
#include <cstdint>
#include <vector>

#include "BitReader.h"

namespace tolvane::lha {

class HuffmanTable {
  public:
    static constexpr int kMaxLength = 16;

    // False when the lengths do not form a complete prefix code.
    bool Build(const std::uint8_t* lengths, int count);
    // A table that yields one symbol and reads no bits.
    void SetConstant(int symbol);

    int Decode(BitReader& in) const {
        if (constant_ >= 0) return constant_;
        const std::uint32_t peek = in.Peek(kMaxLength);
        const std::uint16_t entry = fast_[peek >> (kMaxLength - kFastBits)];
        if ((entry & 0x1F) != 0) {
            in.Skip(entry & 0x1F);
            return entry >> 5;
        }
        return DecodeLong(in, peek);
    }

  private:
    static constexpr int kFastBits = 10;
    int DecodeLong(BitReader& in, std::uint32_t peek) const;

    int constant_ = -1;
    std::array<std::uint16_t, 1 << kFastBits> fast_{};  // symbol << 5 | length
    std::array<std::uint16_t, kMaxLength + 1> countOf_{};
    std::vector<std::uint16_t> sorted_;  // symbols by length, then by value
};

}  // namespace tolvane::lha
