#pragma once
// One archive entry's header: reading levels 0, 1 and 2, writing level 2.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "FileIo.h"

namespace tolvane::lha {

struct LhaEntry {
    std::string method;            // "-lh5-" and the like
    std::uint64_t packedSize = 0;  // the body alone
    std::uint64_t originalSize = 0;
    std::int64_t mtime = 0;         // seconds since 1970
    std::uint8_t attribute = 0x20;  // MS-DOS attribute
    int level = 2;
    std::uint8_t osId = 'U';
    bool hasCrc = false;
    std::uint16_t crc = 0;
    std::optional<std::uint16_t> unixMode;
    // The entry's path as raw CP932 components (folders, then the name).
    std::vector<std::string> components;
    bool absolute = false;  // the stored name began with a separator

    std::uint64_t headerOffset = 0;
    std::uint64_t dataOffset = 0;

    bool IsDirectory() const { return method == "-lhd-"; }
    bool IsSymlink() const { return unixMode && (*unixMode & 0170000) == 0120000; }
    std::string DisplayName() const;  // CP932, "/" between components
};

// Reads the header at the reader's position; nothing at the end of the
// archive. Throws LhaError(kErrBadHeader) for a damaged or truncated header.
std::optional<LhaEntry> ReadHeader(FileReader& in);

// The bytes of a level-2 header for `e` (name from its components).
std::vector<std::uint8_t> Level2Header(const LhaEntry& e);

// Splits a stored name into components at "/", at 0xFF and at a "\" that is
// not the second byte of a CP932 character.
std::vector<std::string> SplitStoredName(const std::string& raw, bool* absolute);

}  // namespace tolvane::lha
