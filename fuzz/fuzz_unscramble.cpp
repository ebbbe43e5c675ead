// Scrambled text from the settings file or a package header, on any bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "text/ScrambleText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string plain = tolvane::UnscrambleText(text);
    // Every plain text survives the round trip (with the odd-length 0 byte).
    std::string back = tolvane::UnscrambleText(tolvane::ScrambleText(text));
    if (back.substr(0, size) != text) std::abort();
    (void)plain;
    return 0;
}
