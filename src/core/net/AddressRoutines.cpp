#include "net/AddressRoutines.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

#include <cstring>

namespace tolvane {

std::uint32_t ResolveHost(const std::string& name) {
    if (name.empty()) return kNoAddress;
    in_addr dotted{};
    if (inet_pton(AF_INET, name.c_str(), &dotted) == 1 && dotted.s_addr != kNoAddress) {
        return dotted.s_addr;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(name.c_str(), nullptr, &hints, &found) != 0 || found == nullptr)
        return kNoAddress;
    std::uint32_t address = kNoAddress;
    if (found->ai_addr != nullptr && found->ai_family == AF_INET) {
        address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
    }
    freeaddrinfo(found);
    return address;
}

std::string AddressToText(std::uint32_t address) {
    const auto* b = reinterpret_cast<const unsigned char*>(&address);
    return std::to_string(b[0]) + "." + std::to_string(b[1]) + "." + std::to_string(b[2]) + "." +
           std::to_string(b[3]);
}

int NthPos(char separator, const std::string& text, int n) {
    if (n <= 0) return 0;
    int found = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == separator && ++found == n) return static_cast<int>(i) + 1;
    }
    return static_cast<int>(text.size()) + (n - found);
}

}  // namespace tolvane
