#pragma once
// FTP reply reading and the PASV reply, apart from any socket so that a
// table of server lines (and a fuzzer) can drive them.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tolvane {

inline constexpr std::size_t kMaxReplyLine = 8192;
inline constexpr int kMaxReplyLines = 1000;

struct FtpReply {
    int Code = 0;      // 999 when the first three characters are no number
    std::string Text;  // the first line from its fifth character on
};

// Reads one reply through `nextLine` (nothing at the end of the connection).
// Continuation lines ("-" as the fourth character, or a leading space) are
// read only for codes below 400. `trace` sees every line read. A connection
// that ends inside a reply, a line longer than kMaxReplyLine or more than
// kMaxReplyLines lines raise EProtocolError("FTP", …).
FtpReply ReadFtpReply(const std::function<std::optional<std::string>()>& nextLine,
                      const std::function<void(const std::string&)>& trace);

struct PassiveTarget {
    std::uint32_t Address = 0;  // as the server named it (network order), or kNoAddress
    std::uint16_t Port = 0;
};

// The "(h1,h2,h3,h4,p1,p2)" of a 227 reply's text; nothing when its port
// numbers do not parse.
std::optional<PassiveTarget> ParsePasvReply(const std::string& text);

}  // namespace tolvane
