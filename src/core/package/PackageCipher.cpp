#include "package/PackageCipher.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

#include "package/ProgressThrottle.h"
#include "text/Cp932.h"
#include "text/ScrambleText.h"

namespace tolvane {
namespace {

// Many blocks per system call, whole blocks only, so block boundaries stay
// where they are; small enough that one write seldom stalls the window.
constexpr std::size_t kBlocksPerRead = 1000;

// Reverses one 1000-byte block: 125 words swapped end for end, each with its
// bytes swapped.
void ReverseWholeBlock(char* p) {
    static_assert(kPackageBlockSize % 8 == 0 && (kPackageBlockSize / 8) % 2 == 1);
    constexpr std::size_t kWords = kPackageBlockSize / 8;
    for (std::size_t i = 0; i < kWords / 2; ++i) {
        std::uint64_t a, b;
        std::memcpy(&a, p + 8 * i, 8);
        std::memcpy(&b, p + 8 * (kWords - 1 - i), 8);
        a = __builtin_bswap64(a);
        b = __builtin_bswap64(b);
        std::memcpy(p + 8 * i, &b, 8);
        std::memcpy(p + 8 * (kWords - 1 - i), &a, 8);
    }
    std::uint64_t mid;
    std::memcpy(&mid, p + 8 * (kWords / 2), 8);
    mid = __builtin_bswap64(mid);
    std::memcpy(p + 8 * (kWords / 2), &mid, 8);
}

class Fd {
  public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { Close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return fd_; }
    bool Close() {
        if (fd_ < 0) return true;
        const int rc = close(fd_);
        fd_ = -1;
        return rc == 0;
    }

  private:
    int fd_;
};

// Fills `buf` as far as the file allows; -1 on a read error.
ssize_t ReadFull(int fd, char* buf, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = read(fd, buf + got, size - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(got);
}

bool WriteAll(int fd, const char* buf, std::size_t size) {
    while (size > 0) {
        const ssize_t n = write(fd, buf, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        buf += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

int OpenRead(const std::string& cp932) {
    try {
        return open(FsPath(cp932).c_str(), O_RDONLY | O_CLOEXEC);
    } catch (const ECp932Error&) {
        return -1;
    }
}

int OpenWrite(const std::string& cp932) {
    try {
        return open(FsPath(cp932).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    } catch (const ECp932Error&) {
        return -1;
    }
}

void RemoveFile(const std::string& cp932) {
    try {
        unlink(FsPath(cp932).c_str());
    } catch (const ECp932Error&) {
    }
}

enum class PassEnd { Done, Stopped, Failed };

// Copies `in` to `out` reversing each 1000-byte block, with the byte count
// and `doneText` shown as it goes.
PassEnd ReverseBlocks(StepContext& ctx, int in, int out, const std::string& doneText) {
    std::vector<char> buffer(kPackageBlockSize * kBlocksPerRead);
    ProgressThrottle throttle(ctx.ProgressInterval);
    auto show = [&] { ctx.Host.SetProLabel2(std::to_string(ctx.State.ByteCount) + doneText); };
    while (true) {
        const ssize_t got = ReadFull(in, buffer.data(), buffer.size());
        if (got < 0) return PassEnd::Failed;
        std::size_t ready = 0;
        bool stopped = false;
        while (ready < static_cast<std::size_t>(got)) {
            const std::size_t n =
                std::min(kPackageBlockSize, static_cast<std::size_t>(got) - ready);
            if (n == kPackageBlockSize) {
                ReverseWholeBlock(buffer.data() + ready);
            } else {
                std::reverse(buffer.begin() + static_cast<std::ptrdiff_t>(ready),
                             buffer.begin() + static_cast<std::ptrdiff_t>(ready + n));
            }
            ready += n;
            ctx.State.ByteCount += static_cast<std::int64_t>(n);
            if (throttle.Due()) {
                show();
                ctx.Host.ProcessMessages();
                if (ctx.State.AbortRequested) {
                    stopped = true;
                    break;
                }
            }
        }
        if (!WriteAll(out, buffer.data(), ready)) return PassEnd::Failed;
        show();
        if (stopped) return PassEnd::Stopped;
        if (static_cast<std::size_t>(got) < buffer.size()) return PassEnd::Done;
    }
}

bool IsScrambledText(const std::string& s) {
    if (s.size() < 2 || s.compare(0, 2, "$$") != 0 || (s.size() - 2) % 5 != 0) return false;
    return std::all_of(s.begin() + 2, s.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); });
}

}  // namespace

std::string CheckPackageHeader(const std::string& firstBytes, std::string& headerText) {
    headerText.clear();
    for (std::size_t i = 0; i < firstBytes.size() && i < kPackageHeaderSize; ++i) {
        if (firstBytes[i] != '\0') headerText += firstBytes[i];
    }
    if (firstBytes.size() < kPackageHeaderSize) return Sj("パッケージが短すぎます。");
    if (!IsScrambledText(headerText)) return Sj("パッケージのヘッダが壊れています。");
    return {};
}

std::string PackageHeader(const std::string& password) {
    std::string header = ScrambleText(password).substr(0, kPackageHeaderSize);
    header.resize(kPackageHeaderSize, '\0');
    return header;
}

void EncryptPackage(StepContext& ctx) {
    const std::string done = Sj(" Byte 暗号化しました。");
    if (!ctx.State.AbortRequested) {
        ctx.Title(Sj("暗号化中"));
        ctx.State.ByteCount = 0;
        const std::string package = ctx.PackageFile();
        Fd in(OpenRead(ctx.WorkFile()));
        Fd out(in.Get() >= 0 ? OpenWrite(package) : -1);
        PassEnd end = PassEnd::Failed;
        if (in.Get() >= 0 && out.Get() >= 0) {
            const std::string header = PackageHeader(ctx.Job.JobPassword);
            if (WriteAll(out.Get(), header.data(), header.size())) {
                ctx.State.ByteCount += static_cast<std::int64_t>(header.size());
                end = ReverseBlocks(ctx, in.Get(), out.Get(), done);
            }
        }
        // A failure ends the pass at once, before the count is logged.
        if (end != PassEnd::Failed) ctx.Host.AddLog(std::to_string(ctx.State.ByteCount) + done);
        const bool created = out.Get() >= 0;
        const bool closedIn = in.Close();
        const bool closedOut = out.Close();
        if (end == PassEnd::Failed || !closedOut) {
            // A half-written package must never be taken for a whole one.
            if (created) RemoveFile(package);
            ctx.State.AbortRequested = true;
        }
        if (end == PassEnd::Stopped || !closedIn) ctx.State.AbortRequested = true;
    }
    if (ctx.State.AbortRequested) {
        ctx.Fail(Sj("暗号化中止"));
    } else {
        ctx.Host.SetProLabel1(Sj("暗号化完了"));
    }
    ctx.Outcome(ctx.State.AbortRequested ? Sj("暗号化中止") : Sj("暗号化完了"));
}

void DecryptPackage(StepContext& ctx) {
    const std::string done = Sj(" Byte 暗号解析しました。");
    ctx.Title(Sj("暗号解析中"));
    ctx.State.ByteCount = 0;
    const std::string work = ctx.WorkFile();
    Fd in(OpenRead(ctx.PackageFile()));
    std::string problem;  // a damaged package, said in the log
    std::string headerText;
    PassEnd end = PassEnd::Failed;
    if (in.Get() >= 0) {
        std::string header(kPackageHeaderSize, '\0');
        const ssize_t got = ReadFull(in.Get(), header.data(), header.size());
        if (got >= 0) {
            ctx.State.ByteCount += got;
            header.resize(static_cast<std::size_t>(got));
            problem = CheckPackageHeader(header, headerText);
        }
        if (got >= 0 && problem.empty()) {
            Fd out(OpenWrite(work));
            if (out.Get() >= 0) {
                end = ReverseBlocks(ctx, in.Get(), out.Get(), done);
                if (!out.Close()) end = PassEnd::Failed;
                if (end == PassEnd::Failed) RemoveFile(work);
            }
        }
    }
    if (end != PassEnd::Failed) ctx.Host.AddLog(std::to_string(ctx.State.ByteCount) + done);
    if (!in.Close()) end = PassEnd::Failed;
    if (!problem.empty()) {
        ctx.Host.SetProLabel2(problem);
        ctx.Host.AddLog(problem);
    }
    if (end != PassEnd::Done) ctx.State.AbortRequested = true;
    if (ctx.State.AbortRequested) {
        ctx.Fail(Sj("暗号解析中止"));
        ctx.Outcome(Sj("暗号解析中止"));
        return;
    }
    ctx.Host.SetProLabel1(Sj("暗号解析完了"));
    ctx.Outcome(Sj("暗号解析完了"));
    if (!ctx.Job.JobPassword.empty() && ScrambleText(ctx.Job.JobPassword) != headerText) {
        const std::string wrong = Sj("パスワードが違います。");
        ctx.Host.SetProLabel2(wrong);
        ctx.Host.AddLog(wrong);
        ctx.Host.AddLog("");
        ctx.Host.ProcessMessages();
        ctx.State.AbortRequested = true;
    }
}

}  // namespace tolvane
