#pragma once
// Decodes one entry's body, handing the bytes on in blocks and returning
// their CRC-16. A body that does not decode to its stated size raises
// LhaError(kErrBadData).

#include <cstdint>
#include <functional>

#include "FileIo.h"
#include "LhaHeader.h"

namespace tolvane::lha {

using ByteSink = std::function<void(const std::uint8_t*, std::size_t)>;

// `in` must stand at the entry's body.
std::uint16_t DecodeBody(FileReader& in, const LhaEntry& entry, const ByteSink& sink);

}  // namespace tolvane::lha
