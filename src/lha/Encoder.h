#pragma once
// The -lh5-/-lh6-/-lh7- encoder: hash-chain LZ77 with one step of lazy
// matching, then static Huffman blocks as the decoder reads them.

#include <cstdint>

#include "FileIo.h"

namespace tolvane::lha {

struct EncodeResult {
    std::uint64_t packedSize = 0;
    std::uint64_t originalSize = 0;
    std::uint16_t crc = 0;
};

// Reads `in` to its end and writes the compressed body to `out`.
EncodeResult EncodeBody(FileReader& in, FileWriter& out, int dictionaryBits);

}  // namespace tolvane::lha
