// The package header check on any first bytes of a package.
#include <cstddef>
#include <cstdint>
#include <string>

#include "package/PackageCipher.h"
#include "text/ScrambleText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::string headerText;
    if (tolvane::CheckPackageHeader(bytes, headerText).empty()) {
        (void)tolvane::UnscrambleText(headerText);
    }
    return 0;
}
