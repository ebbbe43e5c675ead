#include "text/Cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <memory>

namespace tolvane {
namespace {

std::string Convert(const char* from, const char* to, std::string_view in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw ECp932Error(std::string("no converter from ") + from + " to " + to);
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
            throw ECp932Error(std::string("cannot convert text from ") + from + " to " + to);
        }
    }
    out.resize(out.size() - dstLeft);
    return out;
}

std::string Quoted(std::string_view utf8) { return "\"" + std::string(utf8) + "\""; }

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
    try {
        return Convert("CP932", "UTF-8", cp932);
    } catch (const ECp932Error&) {
        // Show the name with undecodable bytes replaced, so it can still be found.
        std::string shown;
        for (unsigned char c : cp932) shown += (c < 0x80 && c >= 0x20) ? static_cast<char>(c) : '?';
        throw ECp932Error("not a valid Shift-JIS text: " + Quoted(shown));
    }
}

std::string Utf8ToCp932(std::string_view utf8) {
    try {
        return Convert("UTF-8", "CP932", utf8);
    } catch (const ECp932Error&) {
        throw ECp932Error("cannot be written in Shift-JIS: " + Quoted(utf8));
    }
}

QString Cp932ToQString(std::string_view cp932) {
    return QString::fromStdString(Cp932ToUtf8(cp932));
}

QString Cp932ToQStringLenient(std::string_view cp932) {
    try {
        return Cp932ToQString(cp932);
    } catch (const ECp932Error&) {
    }
    QString out;
    for (std::size_t i = 0; i < cp932.size();) {
        std::size_t n = IsLeadByte(static_cast<unsigned char>(cp932[i])) ? 2 : 1;
        n = std::min(n, cp932.size() - i);
        try {
            out += QString::fromStdString(Convert("CP932", "UTF-8", cp932.substr(i, n)));
        } catch (const ECp932Error&) {
            out += QChar(0xFFFD);
        }
        i += n;
    }
    return out;
}

std::string QStringToCp932(const QString& text) { return Utf8ToCp932(text.toStdString()); }

std::string FsPath(std::string_view cp932) {
    std::string path = Cp932ToUtf8(cp932);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

QString FsQPath(std::string_view cp932) { return QString::fromStdString(FsPath(cp932)); }

}  // namespace tolvane
