// The commands that write an archive: add (pack) and delete. Both write a
// new archive beside the old one and rename it into place at the end, so a
// failure leaves the old archive (or none) and never a half one.

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <functional>
#include <set>

#include "Commands.h"
#include "Crc16.h"
#include "Encoder.h"
#include "EntryNames.h"
#include "FsOps.h"
#include "LhaHeader.h"
#include "Methods.h"

namespace tolvane::lha {
namespace {

constexpr std::uint64_t kMaxEntrySize = 0xFFFFFFFFull;  // the header's 32-bit sizes

struct Item {
    std::string path;                     // UTF-8
    std::vector<std::string> components;  // CP932
    bool directory = false;
    struct stat st {};
};

std::string Joined(const std::vector<std::string>& parts) {
    std::string s;
    for (const std::string& p : parts) s += (s.empty() ? "" : "/") + p;
    return s;
}

std::vector<std::string> SortedNames(const std::string& folder) {
    DIR* d = opendir(folder.c_str());
    if (d == nullptr) {
        throw LhaError(kErrRead, "cannot read folder \"" + folder + "\": " + std::strerror(errno));
    }
    std::vector<std::string> names;
    while (dirent* ent = readdir(d)) {
        const std::string n = ent->d_name;
        if (n != "." && n != "..") names.push_back(n);
    }
    closedir(d);
    std::sort(names.begin(), names.end());
    return names;
}

void Collect(const CommandText& c, const std::string& folder,
             const std::vector<std::string>& prefix, std::vector<Item>& items, Reply& reply) {
    for (const std::string& name : SortedNames(folder)) {
        Item item;
        item.path = folder + "/" + name;
        item.components = prefix;
        item.components.push_back(Cp932Name(name));
        if (lstat(item.path.c_str(), &item.st) != 0) continue;
        if (S_ISLNK(item.st.st_mode)) {
            // A link to a file is packed as that file; a link to a folder
            // could lead in a circle and is left out, with a line saying so.
            struct stat target {};
            if (stat(item.path.c_str(), &target) != 0 || !S_ISREG(target.st_mode)) {
                reply.Line("skipped link " + Joined(item.components));
                continue;
            }
            item.st = target;
        }
        if (S_ISDIR(item.st.st_mode)) {
            if (c.recurse == 0) continue;
            item.directory = true;
            std::vector<std::string> inner = c.keepPaths ? item.components : prefix;
            if (c.keepPaths) items.push_back(item);
            Collect(c, item.path, inner, items, reply);
            continue;
        }
        if (!S_ISREG(item.st.st_mode)) continue;
        if (!c.keepPaths) item.components = {item.components.back()};
        if (MatchesPatterns(c.patterns, Joined(item.components))) items.push_back(item);
    }
}

void CopyRange(FileReader& in, std::uint64_t from, std::uint64_t size, FileWriter& out) {
    in.Seek(from);
    std::vector<std::uint8_t> buffer(1 << 16);
    while (size > 0) {
        const std::size_t n = size < buffer.size() ? static_cast<std::size_t>(size) : buffer.size();
        in.ReadExact(buffer.data(), n, kErrRead);
        out.Write(buffer.data(), n);
        size -= n;
    }
}

std::uint16_t CopyStored(FileReader& in, FileWriter& out, std::uint64_t& size) {
    std::vector<std::uint8_t> buffer(1 << 16);
    std::uint16_t crc = 0;
    size = 0;
    while (std::size_t n = in.Read(buffer.data(), buffer.size())) {
        crc = Crc16(crc, buffer.data(), n);
        out.Write(buffer.data(), n);
        size += n;
    }
    return crc;
}

void WriteHeader(FileWriter& out, const LhaEntry& e) {
    const auto h = Level2Header(e);
    out.Write(h.data(), h.size());
}

void AddItem(const CommandText& c, const Item& item, FileWriter& out, Reply& reply) {
    LhaEntry e;
    e.components = item.components;
    e.mtime = item.st.st_mtime;
    e.unixMode = static_cast<std::uint16_t>(item.st.st_mode & 0xFFFF);
    e.attribute = item.directory ? 0x10 : 0x20;
    e.method = item.directory ? "-lhd-" : c.method;
    if (item.directory) {
        WriteHeader(out, e);
        reply.Line(Joined(item.components) + "/");
        return;
    }
    if (static_cast<std::uint64_t>(item.st.st_size) > kMaxEntrySize) {
        throw LhaError(kErrRead, "file too large for the archive: \"" + item.path + "\"");
    }
    const std::uint64_t headerAt = out.Position();
    WriteHeader(out, e);  // sizes and CRC follow once the body is written
    const std::uint64_t bodyAt = out.Position();
    FileReader in(item.path);
    const int bits = LookUpMethod(e.method)->dictionaryBits;
    if (bits == 0) {
        e.crc = CopyStored(in, out, e.originalSize);
        e.packedSize = e.originalSize;
    } else {
        const EncodeResult r = EncodeBody(in, out, bits);
        e.originalSize = r.originalSize;
        e.packedSize = r.packedSize;
        e.crc = r.crc;
        if (r.packedSize >= r.originalSize) {
            // A body that does not shrink is stored as it is.
            out.Seek(bodyAt);
            out.Truncate(bodyAt);
            in.Seek(0);
            e.method = "-lh0-";
            e.crc = CopyStored(in, out, e.originalSize);
            e.packedSize = e.originalSize;
        }
    }
    if (e.originalSize > kMaxEntrySize) {
        throw LhaError(kErrRead, "file too large for the archive: \"" + item.path + "\"");
    }
    const std::uint64_t endAt = out.Position();
    out.Seek(headerAt);
    WriteHeader(out, e);
    out.Seek(endAt);
    reply.Line(Joined(item.components) + "\t" + e.method + " " + std::to_string(e.originalSize) +
               " -> " + std::to_string(e.packedSize));
}

// Copies the entries of an existing archive that `keep` accepts.
int CopyEntries(const std::string& archive, FileWriter& out, Reply& reply,
                const std::function<bool(const LhaEntry&)>& keep) {
    FileReader in(archive);
    int dropped = 0;
    while (auto e = ReadHeader(in)) {
        if (keep(*e)) {
            CopyRange(in, e->headerOffset, e->dataOffset + e->packedSize - e->headerOffset, out);
        } else {
            ++dropped;
            reply.Line(e->DisplayName() + "\tremoved");
        }
        in.Seek(e->dataOffset + e->packedSize);
    }
    return dropped;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

}  // namespace

void AddToArchive(const CommandText& c, Reply& reply) {
    const std::string archive = FsPathOf(c.archive);
    std::string base = c.baseDir.empty() ? std::string(".") : FsPathOf(c.baseDir);
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    std::vector<Item> items;
    Collect(c, base, {}, items, reply);
    if (items.empty()) throw LhaError(kErrNoMatchingFiles, "nothing to pack in \"" + base + "\"");

    std::set<std::string> names;
    for (const Item& i : items) names.insert(Joined(i.components));
    PendingFile pending(archive);
    FileWriter& out = pending.Writer();
    if (Exists(archive)) {
        CopyEntries(archive, out, reply,
                    [&](const LhaEntry& e) { return names.count(e.DisplayName()) == 0; });
    }
    for (const Item& item : items) AddItem(c, item, out, reply);
    const std::uint8_t end = 0;
    out.Write(&end, 1);
    pending.Commit(0644, std::time(nullptr));
}

void DeleteFromArchive(const CommandText& c, Reply& reply) {
    if (c.patterns.empty()) throw LhaError(kErrNoMatchingFiles, "no entries named to delete");
    const std::string archive = FsPathOf(c.archive);
    PendingFile pending(archive);
    const int dropped = CopyEntries(archive, pending.Writer(), reply, [&](const LhaEntry& e) {
        return !MatchesPatterns(c.patterns, e.DisplayName());
    });
    if (dropped == 0) throw LhaError(kErrNoMatchingFiles, "no entry matched");
    const std::uint8_t end = 0;
    pending.Writer().Write(&end, 1);
    struct stat st {};
    stat(archive.c_str(), &st);
    pending.Commit(st.st_mode & 0777, std::time(nullptr));
}

}  // namespace tolvane::lha
