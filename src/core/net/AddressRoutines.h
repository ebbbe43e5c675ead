#pragma once
// Small address helpers of the socket layer. Addresses are IPv4 in network
// byte order; kNoAddress stands for none.

#include <cstdint>
#include <string>

namespace tolvane {

inline constexpr std::uint32_t kNoAddress = 0xFFFFFFFFu;

// A dotted address is taken as it is; otherwise the name is looked up.
std::uint32_t ResolveHost(const std::string& name);
std::string AddressToText(std::uint32_t address);
// 1-based position of the n-th `separator`; past the end by the number of
// missing ones when the text holds fewer.
int NthPos(char separator, const std::string& text, int n);

}  // namespace tolvane
