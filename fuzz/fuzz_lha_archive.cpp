// The archive reader on any bytes: every header, then every body decoded and
// its CRC checked, as the test command does.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "Decoder.h"
#include "LhaHeader.h"

namespace {
constexpr std::size_t kOutputCap = 1 << 20;  // a body may claim any size
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int fd = memfd_create("archive", 0);
    if (fd < 0) return 0;
    if (write(fd, data, size) != static_cast<ssize_t>(size)) {
        close(fd);
        return 0;
    }
    try {
        tolvane::lha::FileReader in("/proc/self/fd/" + std::to_string(fd));
        while (auto e = tolvane::lha::ReadHeader(in)) {
            std::size_t produced = 0;
            try {
                in.Seek(e->dataOffset);
                tolvane::lha::DecodeBody(in, *e, [&](const std::uint8_t*, std::size_t n) {
                    produced += n;
                    if (produced > kOutputCap) {
                        throw tolvane::lha::LhaError(tolvane::lha::kErrBadData, "cap");
                    }
                });
            } catch (const tolvane::lha::LhaError&) {
            }
            (void)e->DisplayName();
            in.Seek(e->dataOffset + e->packedSize);
        }
    } catch (const tolvane::lha::LhaError&) {
    }
    close(fd);
    return 0;
}
