// The package cipher and the file copy on real files.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "RecordingHost.h"
#include "TestUtil.h"
#include "package/FileCopy.h"
#include "package/PackageCipher.h"

using namespace tolvane;
using test::Sj;

namespace {

std::string Fixture(const char* name) {
    return test::ReadFile(QStringLiteral(TOLVANE_SOURCE_DIR "/tests/data/package/") + name);
}

// Lowers the file size limit for one scope: a full disk without a disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

  private:
    rlimit saved_{};
};

class CipherTest : public testing::Test {
  protected:
    QTemporaryDir dir;
    test::RecordingHost host;
    JobState state;
    JobParameters job;
    StepContext ctx{host, state, job};
    QString package = dir.path() + "/USER";
    QString work = dir.path() + "/USER.$$$";

    void SetUp() override {
        state.AbortRequested = false;
        job.JobUser = "USER";
        job.JobPassword = "abc";
        ctx.ProgramFolder = test::Folder(dir);
        ctx.ProgressInterval = std::chrono::milliseconds(0);
    }
};

}  // namespace

TEST_F(CipherTest, EncryptsToThePackageLayout) {
    test::WriteFile(work, Fixture("archive.bin"));
    EncryptPackage(ctx);
    EXPECT_FALSE(state.AbortRequested);
    EXPECT_EQ(test::ReadFile(package), Fixture("abc-2500.pkg"));
    EXPECT_EQ(host.log, (std::vector<std::string>{Sj("暗号化中"), Sj("3500 Byte 暗号化しました。"),
                                                  Sj("暗号化完了"), ""}));
    EXPECT_EQ(host.label2, Sj("3500 Byte 暗号化しました。"));
}

TEST_F(CipherTest, DecryptsAndChecksThePassword) {
    test::WriteFile(package, Fixture("abc-2500.pkg"));
    DecryptPackage(ctx);
    EXPECT_FALSE(state.AbortRequested);
    EXPECT_EQ(test::ReadFile(work), Fixture("archive.bin"));
    EXPECT_EQ(host.log,
              (std::vector<std::string>{Sj("暗号解析中"), Sj("3500 Byte 暗号解析しました。"),
                                        Sj("暗号解析完了"), ""}));

    host.log.clear();
    job.JobPassword = "abd";
    DecryptPackage(ctx);
    EXPECT_TRUE(state.AbortRequested);
    EXPECT_EQ(host.label1, Sj("暗号解析完了"));
    EXPECT_FALSE(host.red);
    EXPECT_EQ(host.log,
              (std::vector<std::string>{Sj("暗号解析中"), Sj("3500 Byte 暗号解析しました。"),
                                        Sj("暗号解析完了"), "", Sj("パスワードが違います。"), ""}));
}

TEST_F(CipherTest, AnEmptyArchiveIsAHeaderAlone) {
    test::WriteFile(work, "");
    EncryptPackage(ctx);
    EXPECT_EQ(test::ReadFile(package), PackageHeader("abc"));
    EXPECT_EQ(host.log[1], Sj("1000 Byte 暗号化しました。"));
    QFile::remove(work);
    DecryptPackage(ctx);
    EXPECT_FALSE(state.AbortRequested);
    EXPECT_EQ(test::ReadFile(work), "");
}

TEST_F(CipherTest, DamagedPackagesStopWithALine) {
    struct Case {
        std::string bytes;
        const char* line;
    } cases[] = {
        {PackageHeader("abc").substr(0, 500), "パッケージが短すぎます。"},
        {std::string("<html>404 Not Found</html>") + std::string(1200, ' '),
         "パッケージのヘッダが壊れています。"},
        {"$$31" + std::string(2000, '\0'), "パッケージのヘッダが壊れています。"},
    };
    for (const auto& c : cases) {
        test::WriteFile(package, c.bytes);
        host.log.clear();
        state.AbortRequested = false;
        DecryptPackage(ctx);
        EXPECT_TRUE(state.AbortRequested);
        EXPECT_TRUE(host.red);
        EXPECT_EQ(host.log,
                  (std::vector<std::string>{Sj("暗号解析中"), Sj(c.line), Sj("暗号解析中止"), ""}));
    }
    QFile::remove(package);  // nothing downloaded
    host.log.clear();
    state.AbortRequested = false;
    DecryptPackage(ctx);
    EXPECT_TRUE(state.AbortRequested);
    EXPECT_EQ(host.log, (std::vector<std::string>{Sj("暗号解析中"), Sj("暗号解析中止"), ""}));
}

TEST_F(CipherTest, StopEndsThePassAfterTheCurrentBlock) {
    test::WriteFile(work, std::string(50000, 'x'));
    host.onPump = [&](int n) {
        if (n == 3) state.AbortRequested = true;
    };
    EncryptPackage(ctx);
    EXPECT_TRUE(state.AbortRequested);
    EXPECT_EQ(host.label1, Sj("暗号化中止"));
    EXPECT_TRUE(host.red);
    EXPECT_EQ(test::ReadFile(package).size(), 1000u + 3 * 1000u);  // header and three blocks
}

TEST_F(CipherTest, AFullDiskFailsAndLeavesNoHalfPackage) {
    test::WriteFile(work, std::string(20000, 'x'));
    {
        FileSizeLimit limit(5000);
        EncryptPackage(ctx);
    }
    EXPECT_TRUE(state.AbortRequested);
    EXPECT_EQ(host.label1, Sj("暗号化中止"));
    EXPECT_FALSE(QFile::exists(package));
}

TEST_F(CipherTest, AnAbortedStepOnlyReports) {
    test::WriteFile(work, Fixture("archive.bin"));
    state.AbortRequested = true;
    EncryptPackage(ctx);
    EXPECT_FALSE(QFile::exists(package));
    EXPECT_EQ(host.log, (std::vector<std::string>{Sj("暗号化中止"), ""}));
}

namespace {

struct RecordingWindow : CopyProgressWindow {
    std::vector<std::string>* labels;
    std::string* caption;
    RecordingWindow(std::vector<std::string>* l, std::string* c) : labels(l), caption(c) {}
    void SetCaption(const std::string& t) override { *caption = t; }
    void SetRange(std::int64_t) override {}
    void SetPosition(std::int64_t) override {}
    void SetLabel(const std::string& t) override { labels->push_back(t); }
};

}  // namespace

class CopyTest : public testing::Test {
  protected:
    QTemporaryDir from, to;
    std::vector<std::string> labels;
    std::string caption;
    bool stop = false;
    CopyHooks hooks{[this] { return std::make_unique<RecordingWindow>(&labels, &caption); }, [] {},
                    [this] { return stop; }, std::chrono::milliseconds(1000)};
    std::string Source(const char* name) { return QStringToCp932(from.path() + "/" + name); }
    std::string Dest() { return QStringToCp932(to.path()); }
};

TEST_F(CopyTest, CopiesBytesNameAndTime) {
    struct Case {
        const char* name;
        std::size_t size;
        const char* lastLabel;
    } cases[] = {{"empty", 0, "準備中"},
                 {"block", 8192, "8KB / 8KB"},
                 {"larger", 250 * 1024, "250KB / 250KB"}};
    for (const auto& c : cases) {
        labels.clear();
        const QString src = from.path() + "/" + c.name;
        test::WriteFile(src, std::string(c.size, 'k'));
        struct timespec times[2] = {{1500000000, 0}, {1500000000, 0}};
        utimensat(AT_FDCWD, src.toLocal8Bit().constData(), times, 0);
        EXPECT_EQ(CopyFileWithProgress(Source(c.name), Dest(), hooks), kCopyDone);
        EXPECT_EQ(test::ReadFile(to.path() + "/" + c.name), std::string(c.size, 'k'));
        struct stat st {};
        stat((to.path() + "/" + c.name).toLocal8Bit().constData(), &st);
        EXPECT_EQ(st.st_mtime, 1500000000);
        EXPECT_EQ(labels.back(), Sj(c.lastLabel)) << c.name;
        EXPECT_EQ(caption, Source(c.name));
    }
}

TEST_F(CopyTest, ReplacesAnEarlierCopy) {
    test::WriteFile(from.path() + "/USER", "new package");
    test::WriteFile(to.path() + "/USER", "old package, longer than the new one");
    EXPECT_EQ(CopyFileWithProgress(Source("USER"), Dest(), hooks), kCopyDone);
    EXPECT_EQ(test::ReadFile(to.path() + "/USER"), "new package");
}

TEST_F(CopyTest, ErrorsNameTheFile) {
    try {
        CopyFileWithProgress(Source("missing"), Dest(), hooks);
        FAIL();
    } catch (const EFCant& e) {
        EXPECT_EQ(e.what(), Sj("ｺﾋﾟｰ元 ﾌｧｲﾙ ") + Source("missing") + Sj(" は開けません"));
    }
    test::WriteFile(from.path() + "/f", "x");
    try {
        CopyFileWithProgress(Source("f"), Dest() + "/no-such-folder", hooks);
        FAIL();
    } catch (const EFCant& e) {
        EXPECT_EQ(e.what(),
                  Sj("ｺﾋﾟｰ先 ﾌｧｲﾙ ") + Dest() + "/no-such-folder/f" + Sj(" は作成できません"));
    }
}

TEST_F(CopyTest, AShortWriteOrAStopLeavesTheOldFileAndNoHalfCopy) {
    test::WriteFile(from.path() + "/USER", std::string(3 << 20, 'n'));
    test::WriteFile(to.path() + "/USER", "old");
    {
        FileSizeLimit limit(1 << 20);
        EXPECT_EQ(CopyFileWithProgress(Source("USER"), Dest(), hooks), kCopyShortWrite);
    }
    stop = true;
    hooks.Interval = std::chrono::milliseconds(0);
    EXPECT_EQ(CopyFileWithProgress(Source("USER"), Dest(), hooks), kCopyStopped);
    EXPECT_EQ(QDir(to.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"USER"});
    EXPECT_EQ(test::ReadFile(to.path() + "/USER"), "old");
}
