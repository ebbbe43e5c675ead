// The archiver's command-text parser on any bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "CommandText.h"
#include "LhaError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        (void)tolvane::lha::ParseCommandText(
            std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const tolvane::lha::LhaError&) {
    }
    return 0;
}
