#include "HuffmanTable.h"

namespace tolvane::lha {

void HuffmanTable::SetConstant(int symbol) { constant_ = symbol; }

bool HuffmanTable::Build(const std::uint8_t* lengths, int count) {
    constant_ = -1;
    countOf_.fill(0);
    for (int s = 0; s < count; ++s) {
        if (lengths[s] > kMaxLength) return false;
        ++countOf_[lengths[s]];
    }
    countOf_[0] = 0;
    // Complete: the codes fill the whole space exactly.
    std::uint32_t space = 0;
    for (int len = 1; len <= kMaxLength; ++len)
        space += static_cast<std::uint32_t>(countOf_[len]) << (kMaxLength - len);
    if (space != (1u << kMaxLength)) return false;

    std::array<std::uint16_t, kMaxLength + 2> offset{};
    for (int len = 1; len <= kMaxLength; ++len)
        offset[len + 1] = static_cast<std::uint16_t>(offset[len] + countOf_[len]);
    sorted_.assign(offset[kMaxLength + 1], 0);
    for (int s = 0; s < count; ++s) {
        if (lengths[s] != 0) sorted_[offset[lengths[s]]++] = static_cast<std::uint16_t>(s);
    }

    fast_.fill(0);
    std::uint32_t code = 0;
    std::size_t index = 0;
    for (int len = 1; len <= kMaxLength; ++len) {
        for (int k = 0; k < countOf_[len]; ++k, ++index, ++code) {
            if (len > kFastBits) continue;
            const std::uint32_t first = code << (kFastBits - len);
            const std::uint32_t span = 1u << (kFastBits - len);
            const std::uint16_t entry = static_cast<std::uint16_t>((sorted_[index] << 5) | len);
            for (std::uint32_t i = 0; i < span; ++i) fast_[first + i] = entry;
        }
        code <<= 1;
    }
    return true;
}

int HuffmanTable::DecodeLong(BitReader& in, std::uint32_t peek) const {
    std::uint32_t code = 0, first = 0, index = 0;
    for (int len = 1; len <= kMaxLength; ++len) {
        code |= (peek >> (kMaxLength - len)) & 1;
        const std::uint32_t n = countOf_[len];
        if (code - first < n) {
            in.Skip(len);
            return sorted_[index + code - first];
        }
        index += n;
        first = (first + n) << 1;
        code <<= 1;
    }
    return 0;  // unreachable for a complete code
}

}  // namespace tolvane::lha
