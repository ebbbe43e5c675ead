// The cipher passes and the LAN copy on one large file, side by side with cp,
// with the longest gap between two event-loop turns of the host.
//   package_bench [MEGABYTES] [WORKDIR]

#include <sys/resource.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

#include "GapHost.h"
#include "package/FileCopy.h"
#include "package/PackageCipher.h"
#include "text/Cp932.h"

using namespace tolvane;
using tolvane::bench::GapHost;
using tolvane::bench::SecondsSince;
using Clock = std::chrono::steady_clock;

namespace {

void Report(const char* what, double secs, double mb, double gapMs) {
    std::printf("%-24s %7.3f s %8.1f MB/s", what, secs, mb / secs);
    if (gapMs >= 0) std::printf("   longest gap between event-loop turns %6.1f ms", gapMs);
    std::printf("\n");
}

void DropCaches(const QString& path) {
    // Every run reads from the page cache; warm it once so all compare alike.
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    while (!f.read(1 << 20).isEmpty()) {
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const long mb = argc > 1 ? std::atol(argv[1]) : 200;
    QTemporaryDir temp;
    const QString dir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : temp.path();
    QDir().mkpath(dir + "/lan");
    const QString work = dir + "/USER.$$$";
    {
        std::mt19937_64 rng(1);
        QFile f(work);
        f.open(QIODevice::WriteOnly);
        std::vector<std::uint64_t> block(1 << 17);
        for (long i = 0; i < mb; ++i) {
            for (auto& v : block) v = rng();
            f.write(reinterpret_cast<const char*>(block.data()),
                    static_cast<qint64>(block.size() * 8));
        }
    }
    DropCaches(work);
    std::printf("file: %ld MB\n", mb);

    GapHost host;
    JobState state;
    JobParameters job;
    job.JobUser = "USER";
    job.JobPassword = "password";
    StepContext ctx(host, state, job);
    ctx.ProgramFolder = QStringToCp932(dir + "/");
    const QString package = dir + "/USER";
    CopyHooks hooks{nullptr, [&host] { host.ProcessMessages(); }, [] { return false; }};

    // Best of three runs each: a virtual machine's first touch of fresh
    // memory costs more than the work itself and would drown the comparison.
    auto best = [&](const char* what, const std::function<void()>& prepare,
                    const std::function<void()>& run, bool gaps) {
        double secs = 1e9, gap = 0;
        for (int round = 0; round < 3; ++round) {
            prepare();
            state.AbortRequested = false;
            host.Start();
            const auto t = Clock::now();
            run();
            secs = std::min(secs, SecondsSince(t));
            gap = std::max(gap, host.maxGapMs);
        }
        Report(what, secs, static_cast<double>(mb), gaps ? gap : -1);
    };
    const std::string cp = "cp '" + work.toStdString() + "' '" + dir.toStdString() + "/cp-copy'";
    best(
        "cp", [&] { QFile::remove(dir + "/cp-copy"); },
        [&] {
            if (std::system(cp.c_str()) != 0) std::exit(1);
        },
        false);
    best(
        "encrypt", [&] { QFile::remove(package); }, [&] { EncryptPackage(ctx); }, true);
    const QString keep = dir + "/work-kept";
    QFile::rename(work, keep);
    best(
        "decrypt", [&] { QFile::remove(work); }, [&] { DecryptPackage(ctx); }, true);
    best(
        "LAN copy", [&] { QFile::remove(dir + "/lan/USER"); },
        [&] { CopyFileWithProgress(ctx.PackageFile(), QStringToCp932(dir + "/lan"), hooks); },
        true);
    const bool same = QFile(keep).size() == QFile(work).size();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory: %ld KB%s\n", usage.ru_maxrss,
                same ? "" : " (the round trip differs)");
    return same ? 0 : 1;
}
