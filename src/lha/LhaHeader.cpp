#include "LhaHeader.h"

#include <ctime>

#include "Crc16.h"

namespace tolvane::lha {
namespace {

constexpr std::size_t kBaseSize = 21;          // bytes every level shares
constexpr std::size_t kMaxExtTotal = 1 << 20;  // a sane bound for level-1 chains

std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t Le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
void Put16(std::vector<std::uint8_t>& v, std::uint32_t x) {
    v.push_back(static_cast<std::uint8_t>(x));
    v.push_back(static_cast<std::uint8_t>(x >> 8));
}
void Put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
    Put16(v, x & 0xFFFF);
    Put16(v, x >> 16);
}

[[noreturn]] void Bad(const std::string& why) {
    throw LhaError(kErrBadHeader, "damaged header: " + why);
}

bool IsLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

std::int64_t FromDosTime(std::uint32_t stamp) {
    std::tm t{};
    t.tm_year = static_cast<int>((stamp >> 25) & 0x7F) + 80;
    t.tm_mon = static_cast<int>((stamp >> 21) & 0x0F) - 1;
    t.tm_mday = static_cast<int>((stamp >> 16) & 0x1F);
    t.tm_hour = static_cast<int>((stamp >> 11) & 0x1F);
    t.tm_min = static_cast<int>((stamp >> 5) & 0x3F);
    t.tm_sec = static_cast<int>(stamp & 0x1F) * 2;
    t.tm_isdst = -1;
    std::time_t v = std::mktime(&t);
    return v == static_cast<std::time_t>(-1) ? 0 : static_cast<std::int64_t>(v);
}

struct NameParts {
    std::string dir;  // raw folder text (level-2 0xFF separated)
    std::string file;
};

// Applies one extended header to the entry.
void ApplyExtension(LhaEntry& e, NameParts& names, std::uint8_t type, const std::uint8_t* p,
                    std::size_t n) {
    switch (type) {
        case 0x01:
            names.file.assign(reinterpret_cast<const char*>(p), n);
            break;
        case 0x02:
            names.dir.assign(reinterpret_cast<const char*>(p), n);
            break;
        case 0x40:
            if (n >= 1) e.attribute = p[0];
            break;
        case 0x50:
            if (n >= 2) e.unixMode = Le16(p);
            break;
        case 0x54:
            if (n >= 4) e.mtime = Le32(p);
            break;
        default:
            break;  // comments, owners and the rest change nothing here
    }
}

void FinishNames(LhaEntry& e, const NameParts& names) {
    std::string joined = names.dir;
    if (!joined.empty() && joined.back() != '\xFF') joined += '\xFF';
    joined += names.file;
    e.components = SplitStoredName(joined, &e.absolute);
}

LhaEntry ReadLevel01(FileReader& in, const std::uint8_t* head, int level) {
    LhaEntry e;
    e.level = level;
    const std::size_t total = static_cast<std::size_t>(head[0]) + 2;
    if (total < kBaseSize + 1 + 2) Bad("header too short");
    std::vector<std::uint8_t> h(head, head + kBaseSize);
    h.resize(total);
    in.ReadExact(h.data() + kBaseSize, total - kBaseSize, kErrBadHeader);
    unsigned sum = 0;
    for (std::size_t i = 2; i < total; ++i) sum += h[i];
    if ((sum & 0xFF) != h[1]) Bad("header checksum");
    e.method.assign(reinterpret_cast<const char*>(&h[2]), 5);
    e.packedSize = Le32(&h[7]);
    e.originalSize = Le32(&h[11]);
    e.mtime = FromDosTime(Le32(&h[15]));
    e.attribute = h[19];
    const std::size_t nameLen = h[21];
    if (22 + nameLen > total) Bad("name past the header");
    NameParts names;
    names.file.assign(reinterpret_cast<const char*>(&h[22]), nameLen);
    std::size_t pos = 22 + nameLen;
    if (pos + 2 <= total) {
        e.hasCrc = true;
        e.crc = Le16(&h[pos]);
        pos += 2;
    } else if (level == 1) {
        Bad("no CRC");
    }
    if (pos < total) e.osId = h[pos];
    if (level == 0) {
        // LHa for UNIX keeps a small extension after the OS byte.
        if (pos + 1 < total && h[pos] == 'U' && total - pos >= 12) {
            e.mtime = Le32(&h[pos + 2]);
            e.unixMode = Le16(&h[pos + 6]);
        }
        // Level-0 names may carry "\" folders; split them like any other.
        e.components = SplitStoredName(names.file, &e.absolute);
        return e;
    }
    if (total < pos + 2) Bad("no extension size");
    std::size_t next = Le16(&h[total - 2]);
    std::uint64_t extTotal = 0;
    while (next != 0) {
        if (next < 3) Bad("extension too short");
        extTotal += next;
        if (extTotal > kMaxExtTotal || extTotal > e.packedSize) Bad("extensions past the body");
        std::vector<std::uint8_t> ext(next);
        in.ReadExact(ext.data(), next, kErrBadHeader);
        ApplyExtension(e, names, ext[0], ext.data() + 1, next - 3);
        next = Le16(&ext[next - 2]);
    }
    e.packedSize -= extTotal;
    FinishNames(e, names);
    return e;
}

LhaEntry ReadLevel2(FileReader& in, const std::uint8_t* head) {
    LhaEntry e;
    e.level = 2;
    const std::size_t total = Le16(head);
    if (total < 26) Bad("header too short");
    std::vector<std::uint8_t> h(head, head + kBaseSize);
    h.resize(total);
    in.ReadExact(h.data() + kBaseSize, total - kBaseSize, kErrBadHeader);
    e.method.assign(reinterpret_cast<const char*>(&h[2]), 5);
    e.packedSize = Le32(&h[7]);
    e.originalSize = Le32(&h[11]);
    e.mtime = Le32(&h[15]);
    e.attribute = h[19];
    e.hasCrc = true;
    e.crc = Le16(&h[21]);
    e.osId = h[23];
    NameParts names;
    std::optional<std::size_t> headerCrcAt;
    std::size_t pos = 24;
    std::size_t next = Le16(&h[pos]);
    pos += 2;
    while (next != 0) {
        if (next < 3 || pos + next > total) Bad("extension past the header");
        const std::uint8_t type = h[pos];
        if (type == 0x00 && next >= 5) headerCrcAt = pos + 1;
        ApplyExtension(e, names, type, &h[pos + 1], next - 3);
        pos += next;
        next = Le16(&h[pos - 2]);
    }
    if (headerCrcAt) {
        const std::uint16_t stored = Le16(&h[*headerCrcAt]);
        h[*headerCrcAt] = h[*headerCrcAt + 1] = 0;
        if (Crc16(0, h.data(), h.size()) != stored) Bad("header CRC");
    }
    FinishNames(e, names);
    return e;
}

}  // namespace

std::string LhaEntry::DisplayName() const {
    std::string s;
    for (const std::string& c : components) {
        if (!s.empty()) s += '/';
        s += c;
    }
    return s;
}

std::vector<std::string> SplitStoredName(const std::string& raw, bool* absolute) {
    std::vector<std::string> parts;
    std::string cur;
    bool leading = true;
    *absolute = false;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(raw[i]);
        if (IsLead(c) && i + 1 < raw.size()) {
            cur += raw[i];
            cur += raw[++i];
            leading = false;
            continue;
        }
        if (c == '/' || c == '\\' || c == 0xFF) {
            if (leading) *absolute = true;
            if (!cur.empty()) parts.push_back(cur);
            cur.clear();
            continue;
        }
        leading = false;
        cur += raw[i];
    }
    if (!cur.empty()) parts.push_back(cur);
    return parts;
}

std::optional<LhaEntry> ReadHeader(FileReader& in) {
    const std::uint64_t start = in.Position();
    std::uint8_t head[kBaseSize];
    const std::size_t got = in.Read(head, 1);
    if (got == 0 || head[0] == 0) return std::nullopt;  // end of the archive
    in.ReadExact(head + 1, kBaseSize - 1, kErrBadHeader);
    const int level = head[20];
    LhaEntry e;
    switch (level) {
        case 0:
        case 1:
            e = ReadLevel01(in, head, level);
            break;
        case 2:
            e = ReadLevel2(in, head);
            break;
        default:
            Bad("header level " + std::to_string(level));
    }
    if (e.method.size() != 5 || e.method[0] != '-' || e.method[4] != '-') Bad("method");
    e.headerOffset = start;
    e.dataOffset = in.Position();
    if (e.dataOffset + e.packedSize > in.Size()) {
        throw LhaError(kErrBadHeader, "archive ends inside \"" + e.DisplayName() + "\"");
    }
    return e;
}

std::vector<std::uint8_t> Level2Header(const LhaEntry& e) {
    std::vector<std::uint8_t> h;
    Put16(h, 0);  // total size, set below
    h.insert(h.end(), e.method.begin(), e.method.end());
    Put32(h, static_cast<std::uint32_t>(e.packedSize));
    Put32(h, static_cast<std::uint32_t>(e.originalSize));
    Put32(h, static_cast<std::uint32_t>(e.mtime));
    h.push_back(0x20);
    h.push_back(2);
    Put16(h, e.crc);
    h.push_back(e.osId);

    std::string file, dir;
    const std::size_t folders = e.IsDirectory() ? e.components.size() : e.components.size() - 1;
    for (std::size_t i = 0; i < folders; ++i) dir += e.components[i] + '\xFF';
    if (!e.IsDirectory() && !e.components.empty()) file = e.components.back();

    auto extension = [&h](std::uint8_t type, const std::string& data) {
        Put16(h, static_cast<std::uint32_t>(data.size() + 3));
        h.push_back(type);
        h.insert(h.end(), data.begin(), data.end());
    };
    const std::size_t crcAt = h.size() + 3;
    extension(0x00, std::string(2, '\0'));
    extension(0x01, file);
    if (!dir.empty()) extension(0x02, dir);
    extension(0x40, std::string{static_cast<char>(e.attribute), '\0'});
    if (e.unixMode) {
        extension(0x50, std::string{static_cast<char>(*e.unixMode & 0xFF),
                                    static_cast<char>(*e.unixMode >> 8)});
    }
    Put16(h, 0);  // no further extension
    // A size whose low byte is 0 would read as the end mark to older
    // readers: one padding byte avoids it.
    if ((h.size() & 0xFF) == 0) h.push_back(0);
    h[0] = static_cast<std::uint8_t>(h.size());
    h[1] = static_cast<std::uint8_t>(h.size() >> 8);
    const std::uint16_t crc = Crc16(0, h.data(), h.size());
    h[crcAt] = static_cast<std::uint8_t>(crc);
    h[crcAt + 1] = static_cast<std::uint8_t>(crc >> 8);
    return h;
}

}  // namespace tolvane::lha
