#include "package/UserId.h"

#include "text/Cp932.h"

namespace tolvane {

std::string UserIdProblem(const std::string& user) {
    if (user.empty()) return Sj("ユーザＩＤが未設定です。");
    bool bad = user == "." || user.find("..") != std::string::npos;
    for (std::size_t i = 0; i < user.size() && !bad; ++i) {
        const unsigned char c = static_cast<unsigned char>(user[i]);
        if (IsLeadByte(c) && i + 1 < user.size()) {
            ++i;  // a trail byte of 0x5C is no separator
            continue;
        }
        bad = c < 0x20 || c == 0x7F || c == '/' || c == '\\' || IsLeadByte(c);
    }
    return bad ? Sj("ユーザＩＤに使えない文字が含まれています。") : std::string();
}

}  // namespace tolvane
