// POP3 status-line checking on any line.
#include <cstddef>
#include <cstdint>
#include <string>

#include "net/Pop3.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        tolvane::CheckPop3Status(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const tolvane::EProtocolError& e) {
        if (e.ErrorCode != 500 && e.ErrorCode != 999) __builtin_trap();
    }
    return 0;
}
