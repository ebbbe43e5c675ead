#include "net/FtpReply.h"

#include <arpa/inet.h>

#include <charconv>

#include "net/AddressRoutines.h"
#include "net/TcpIpErrors.h"

namespace tolvane {
namespace {

int CodeOf(const std::string& line) {
    if (line.size() < 3) return 999;
    int code = 0;
    for (int i = 0; i < 3; ++i) {
        if (line[static_cast<std::size_t>(i)] < '0' || line[static_cast<std::size_t>(i)] > '9')
            return 999;
        code = code * 10 + (line[static_cast<std::size_t>(i)] - '0');
    }
    return code;
}

bool Continues(const std::string& line) {
    return (!line.empty() && line[0] == ' ') || (line.size() >= 4 && line.find('-') == 3);
}

std::string Line(const std::function<std::optional<std::string>()>& nextLine) {
    std::optional<std::string> line = nextLine();
    if (!line) throw EProtocolError("FTP", 0, "connection closed inside a reply");
    if (line->size() > kMaxReplyLine) throw EProtocolError("FTP", 0, "reply line too long");
    return *line;
}

std::optional<long> Number(const std::string& s) {
    long v = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return v;
}

}  // namespace

FtpReply ReadFtpReply(const std::function<std::optional<std::string>()>& nextLine,
                      const std::function<void(const std::string&)>& trace) {
    std::string line = Line(nextLine);
    if (trace) trace(line);
    FtpReply reply;
    reply.Code = CodeOf(line);
    reply.Text = line.size() > 4 ? line.substr(4) : std::string();
    if (reply.Code >= 400) return reply;
    int lines = 1;
    while (Continues(line)) {
        if (++lines > kMaxReplyLines) throw EProtocolError("FTP", 0, "reply without an end");
        line = Line(nextLine);
        if (trace) trace(line);
    }
    return reply;
}

std::optional<PassiveTarget> ParsePasvReply(const std::string& text) {
    std::string inner = text;
    if (const auto open = inner.find('('); open != std::string::npos)
        inner = inner.substr(open + 1);
    const auto close = inner.find(')');
    inner = close == std::string::npos ? std::string() : inner.substr(0, close);
    const int k = NthPos(',', inner, 4);
    if (k <= 0 || static_cast<std::size_t>(k) > inner.size()) return std::nullopt;
    std::string host = inner.substr(0, static_cast<std::size_t>(k - 1));
    for (char& c : host) {
        if (c == ',') c = '.';
    }
    // The address only informs: the data connection goes to the control
    // connection's host, so a reply that names another host leads nowhere.
    in_addr address{};
    if (inet_pton(AF_INET, host.c_str(), &address) != 1) address.s_addr = kNoAddress;
    const std::string ports = inner.substr(static_cast<std::size_t>(k));
    const auto comma = ports.find(',');
    if (comma == std::string::npos) return std::nullopt;
    const auto p1 = Number(ports.substr(0, comma));
    const auto p2 = Number(ports.substr(comma + 1));
    if (!p1 || !p2) return std::nullopt;
    return PassiveTarget{address.s_addr, static_cast<std::uint16_t>((*p1 * 256 + *p2) % 65536)};
}

}  // namespace tolvane
