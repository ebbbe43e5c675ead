#include "Methods.h"

namespace tolvane::lha {

std::optional<MethodInfo> LookUpMethod(const std::string& method) {
    if (method == "-lh0-" || method == "-lz4-") return MethodInfo{0, false};
    if (method == "-lhd-") return MethodInfo{0, true};
    if (method == "-lh4-") return MethodInfo{12, false};
    if (method == "-lh5-") return MethodInfo{13, false};
    if (method == "-lh6-") return MethodInfo{15, false};
    if (method == "-lh7-") return MethodInfo{16, false};
    return std::nullopt;
}

}  // namespace tolvane::lha
