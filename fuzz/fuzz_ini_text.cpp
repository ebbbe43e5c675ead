// The settings file parser on any bytes: parse, look up, set, write back.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "settings/IniText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tolvane::IniText ini(bytes);
    (void)ini.Find("Tolvane", "User");
    ini.Set("Tolvane", "User", bytes.substr(0, size / 2));
    tolvane::IniText again(ini.Bytes());
    (void)again.Find("tolvane", "user");
    return 0;
}
