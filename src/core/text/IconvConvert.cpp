#include "text/IconvConvert.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace tolvane {

std::string IconvConvert(const char* from, const char* to, std::string_view in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw EIconvError(std::string("no converter from ") + from + " to " + to);
    }
    std::unique_ptr<void, int (*)(iconv_t)> guard(cd, iconv_close);
    std::string out;
    out.resize(in.size() * 3 + 8);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char* dst = out.data();
    size_t dstLeft = out.size();
    while (srcLeft > 0) {
        if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1)) {
            if (errno == E2BIG) {
                size_t used = out.size() - dstLeft;
                out.resize(out.size() * 2);
                dst = out.data() + used;
                dstLeft = out.size() - used;
                continue;
            }
            throw EIconvError(std::string("cannot convert text from ") + from + " to " + to);
        }
    }
    out.resize(out.size() - dstLeft);
    return out;
}

}  // namespace tolvane
