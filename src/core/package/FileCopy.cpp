#include "package/FileCopy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

#include "package/ProgressThrottle.h"
#include "text/Cp932.h"

namespace tolvane {
namespace {

constexpr std::size_t kCopyBuffer = 1 << 20;

std::string Filled(const char* utf8Pattern, const std::string& cp932Path) {
    std::string text = Sj(utf8Pattern);
    const std::size_t at = text.find("%s");
    return text.replace(at, 2, cp932Path);
}

std::string FileNameOf(const std::string& utf8Path) {
    const std::size_t slash = utf8Path.rfind('/');
    return slash == std::string::npos ? utf8Path : utf8Path.substr(slash + 1);
}

std::string KbText(std::int64_t done, std::int64_t size) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%lldKB / %lldKB", static_cast<long long>(done / 1024),
                  static_cast<long long>(size / 1024));
    return buf;
}

}  // namespace

int CopyFileWithProgress(const std::string& source, const std::string& destinationFolder,
                         const CopyHooks& hooks) {
    std::unique_ptr<CopyProgressWindow> window =
        hooks.CreateWindow ? hooks.CreateWindow() : nullptr;
    if (window) window->SetLabel(Sj("準備中"));
    if (hooks.ProcessMessages) hooks.ProcessMessages();

    std::string sourcePath, folder;
    try {
        sourcePath = FsPath(source);
        folder = FsPath(destinationFolder);
    } catch (const ECp932Error&) {
        throw EFCant(Filled("ｺﾋﾟｰ元 ﾌｧｲﾙ %s は開けません", source));
    }
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    const std::string target = folder + "/" + FileNameOf(sourcePath);
    std::string targetShown = target;
    try {
        targetShown = Utf8ToCp932(target);
    } catch (const ECp932Error&) {
    }

    const int in = open(sourcePath.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) throw EFCant(Filled("ｺﾋﾟｰ元 ﾌｧｲﾙ %s は開けません", source));
    std::vector<char> tmpl(folder.begin(), folder.end());
    const std::string suffix = "/.tolvane-copy-XXXXXX";
    tmpl.insert(tmpl.end(), suffix.begin(), suffix.end());
    tmpl.push_back('\0');
    const int out = mkstemp(tmpl.data());
    if (out < 0) {
        close(in);
        throw EFCant(Filled("ｺﾋﾟｰ先 ﾌｧｲﾙ %s は作成できません", targetShown));
    }
    const std::string temp(tmpl.data());

    if (window) window->SetCaption(source);
    struct stat st {};
    fstat(in, &st);
    const std::int64_t size = std::max<std::int64_t>(st.st_size, 100);
    if (window) window->SetRange(size);

    int result = kCopyDone;
    std::int64_t copied = 0, shownPercent = 0;
    ProgressThrottle throttle(hooks.Interval);
    std::vector<char> buffer(kCopyBuffer);
    while (result == kCopyDone) {
        const ssize_t n = read(in, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // a failing read ends the copy like its end
        std::size_t written = 0;
        while (written < static_cast<std::size_t>(n)) {
            const ssize_t w =
                write(out, buffer.data() + written, static_cast<std::size_t>(n) - written);
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) break;
            written += static_cast<std::size_t>(w);
        }
        if (written < static_cast<std::size_t>(n)) {
            result = kCopyShortWrite;
            break;
        }
        copied += n;
        const std::int64_t percent = copied / (size / 100);
        if (percent != shownPercent || throttle.Due()) {
            shownPercent = percent;
            if (window) {
                window->SetPosition(copied);
                window->SetLabel(KbText(copied, size));
            }
            if (hooks.ProcessMessages) hooks.ProcessMessages();
            if (hooks.StopRequested && hooks.StopRequested()) result = kCopyStopped;
        }
    }

    fchmod(out, st.st_mode & 0777);
    timespec times[2] = {st.st_atim, st.st_mtim};
    futimens(out, times);
    const bool closed = close(out) == 0;
    close(in);
    if (result == kCopyDone && !closed) result = kCopyShortWrite;
    if (result == kCopyDone && rename(temp.c_str(), target.c_str()) != 0) {
        unlink(temp.c_str());
        throw EFCant(Filled("ｺﾋﾟｰ先 ﾌｧｲﾙ %s は作成できません", targetShown));
    }
    if (result != kCopyDone) unlink(temp.c_str());
    return result;
}

}  // namespace tolvane
