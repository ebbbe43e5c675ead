// FTP reply reading and the PASV parse on any server lines.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "net/FtpReply.h"
#include "net/TcpIpErrors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            lines.emplace_back();
        } else {
            lines.back() += static_cast<char>(data[i]);
        }
    }
    std::size_t next = 0;
    auto source = [&]() -> std::optional<std::string> {
        if (next >= lines.size()) return std::nullopt;
        return lines[next++];
    };
    try {
        while (next < lines.size()) {
            const tolvane::FtpReply r = tolvane::ReadFtpReply(source, nullptr);
            if (r.Code == 227) (void)tolvane::ParsePasvReply(r.Text);
        }
    } catch (const tolvane::EProtocolError&) {
    }
    return 0;
}
