// The commands that read an archive: list, test and extract.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "Commands.h"
#include "Decoder.h"
#include "EntryNames.h"
#include "FsOps.h"
#include "LhaHeader.h"

namespace tolvane::lha {

void Reply::Fail(const LhaError& e) {
    Line("error: " + Cp932Shown(e.what()));
    if (code_ == kOk) code_ = e.Code();
}

namespace {

// Calls `visit` for every entry; a damaged header ends the walk with its error.
template <typename Visit>
void ForEachEntry(FileReader& in, Reply& reply, Visit visit) {
    try {
        while (auto e = ReadHeader(in)) {
            visit(*e);
            in.Seek(e->dataOffset + e->packedSize);
        }
    } catch (const LhaError& err) {
        reply.Fail(err);
    }
}

std::string TimeText(std::int64_t t) {
    std::time_t v = static_cast<std::time_t>(t);
    std::tm tm{};
    localtime_r(&v, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &tm);
    return buf;
}

// Decodes an entry and checks its CRC; `sink` gets the bytes.
void CheckedDecode(FileReader& in, const LhaEntry& e, const ByteSink& sink) {
    in.Seek(e.dataOffset);
    const std::uint16_t crc = DecodeBody(in, e, sink);
    if (e.hasCrc && !e.IsDirectory() && crc != e.crc) {
        throw LhaError(kErrCrc, "CRC error in \"" + e.DisplayName() + "\"");
    }
}

}  // namespace

void ListArchive(const CommandText& c, Reply& reply) {
    FileReader in(FsPathOf(c.archive));
    ForEachEntry(in, reply, [&](const LhaEntry& e) {
        if (!MatchesPatterns(c.patterns, e.DisplayName())) return;
        char line[160];
        std::snprintf(line, sizeof line, "%s %10llu %10llu %s %04X L%d ", e.method.c_str(),
                      static_cast<unsigned long long>(e.originalSize),
                      static_cast<unsigned long long>(e.packedSize), TimeText(e.mtime).c_str(),
                      e.crc, e.level);
        reply.Line(line + e.DisplayName() + (e.IsDirectory() ? "/" : ""));
    });
}

void TestArchive(const CommandText& c, Reply& reply) {
    FileReader in(FsPathOf(c.archive));
    int entries = 0;
    ForEachEntry(in, reply, [&](const LhaEntry& e) {
        if (!MatchesPatterns(c.patterns, e.DisplayName())) return;
        ++entries;
        try {
            CheckedDecode(in, e, [](const std::uint8_t*, std::size_t) {});
            reply.Line(e.DisplayName() + "\tOK");
        } catch (const LhaError& err) {
            reply.Fail(err);
        }
    });
    if (entries == 0 && reply.Code() == kOk) {
        reply.Fail(LhaError(kErrNoMatchingFiles, "no entries to test"));
    }
}

void ExtractArchive(const CommandText& c, Reply& reply) {
    FileReader in(FsPathOf(c.archive));
    const std::string target = c.baseDir.empty() ? std::string(".") : FsPathOf(c.baseDir);
    MakeFolders(target);
    struct FolderTime {
        std::string path;
        std::int64_t mtime;
    };
    std::vector<FolderTime> folderTimes;
    ForEachEntry(in, reply, [&](const LhaEntry& e) {
        if (!MatchesPatterns(c.patterns, e.DisplayName())) return;
        try {
            std::vector<std::string> parts = SafeComponents(e);
            if (!c.keepPaths) {
                if (e.IsDirectory()) return;
                parts = {parts.back()};
            }
            std::string path = target;
            for (const std::string& p : parts) path += "/" + p;
            if (e.IsDirectory()) {
                MakeFolders(path);
                folderTimes.push_back({path, e.mtime});
                if (c.logDetail > 0) reply.Line(e.DisplayName() + "/");
                return;
            }
            MakeFolders(path.substr(0, path.rfind('/')));
            // Written beside its place and renamed there only once its CRC
            // has been checked, so a damaged entry never looks complete.
            PendingFile out(path);
            CheckedDecode(in, e, [&](const std::uint8_t* p, std::size_t n) { out.Write(p, n); });
            unsigned mode = e.unixMode ? (*e.unixMode & 0777) : 0644;
            out.Commit(mode, e.mtime);
            reply.Line(e.DisplayName() + "\tOK");
        } catch (const LhaError& err) {
            reply.Fail(err);
        }
    });
    // Folder times last: writing their files would have changed them.
    for (auto it = folderTimes.rbegin(); it != folderTimes.rend(); ++it)
        SetTime(it->path, it->mtime);
}

}  // namespace tolvane::lha
