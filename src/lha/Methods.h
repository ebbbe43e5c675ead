#pragma once
// The compression methods this library knows, by their five-letter names.

#include <optional>
#include <string>

namespace tolvane::lha {

struct MethodInfo {
    int dictionaryBits = 0;  // 0 for stored bodies
    bool directory = false;
};

// Nothing for a method that cannot be decoded here (-lh1-, -lh2-, ...).
std::optional<MethodInfo> LookUpMethod(const std::string& method);

// The position-code count and its bit width for a dictionary size.
inline int PositionCodes(int dictionaryBits) { return dictionaryBits + 1; }
inline int PositionBits(int dictionaryBits) { return dictionaryBits <= 13 ? 4 : 5; }

}  // namespace tolvane::lha
