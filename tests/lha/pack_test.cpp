// Packing with the archiver library, read back by the library itself. The
// outside programs' view of the same archives is in interop_test.cpp.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <random>

#include "LhaTestUtil.h"

using namespace tolvane::test;

namespace {

std::string Quoted(const QString& s) { return "\"" + s.toStdString() + "\""; }

// Data that exercises the coder's corners: empty, tiny, one repeated byte
// (one-symbol tables), two symbols, random (stored), long repeats, text.
std::map<std::string, std::string> CornerFiles() {
    std::mt19937 rng(12345);
    auto random = [&](std::size_t n) {
        std::string s(n, '\0');
        for (char& c : s) c = static_cast<char>(rng());
        return s;
    };
    std::string text;
    for (int i = 0; i < 20000; ++i) text += "row " + std::to_string(i * 7919 % 100003) + " value\n";
    std::string twoSymbols;
    for (int i = 0; i < 50000; ++i) twoSymbols += (rng() % 3 == 0) ? 'a' : 'b';
    const std::string block = random(40000);
    return {
        {"empty", ""},
        {"one", "x"},
        {"three", "abc"},
        {"same-byte", std::string(300000, 'z')},
        {"two-symbols", twoSymbols},
        {"random", random(100000)},
        {"far-repeats", block + random(30000) + block + block},
        {"text.txt", text},
        {"window-edge", std::string(65537, 'q') + random(3) + std::string(8193, 'q')},
    };
}

void WriteTree(const QString& root, const std::map<std::string, std::string>& files) {
    for (const auto& [name, bytes] : files) {
        const QString path = root + "/" + QString::fromStdString(name);
        QDir().mkpath(QFileInfo(path).path());
        WriteFile(path, bytes);
    }
}

}  // namespace

TEST(LhaPack, EveryMethodRoundTripsTheCorners) {
    QTemporaryDir dir;
    const auto files = CornerFiles();
    WriteTree(dir.path() + "/src", files);
    for (const char* sw : {"", " -jm0", " -jm3", " -jm4"}) {
        SCOPED_TRACE(sw);
        const QString archive = dir.path() + "/a.lzh";
        QFile::remove(archive);
        UnlhaResult packed =
            RunUnlha(std::string("A -+") + sw + " -x1 -r2 -gm1 " + Quoted(archive) + " " +
                     Quoted(dir.path() + "/src\\") + " \"\"");
        ASSERT_EQ(packed.code, 0) << packed.reply;
        EXPECT_EQ(RunUnlha("T " + Quoted(archive)).code, 0);
        const QString out = dir.path() + "/out";
        QDir(out).removeRecursively();
        UnlhaResult r = RunUnlha("E -+ -x1 -jyco -l2 -r2 -jf0 -gm1 " + Quoted(archive) + " " +
                                 Quoted(out + "\\") + " \"\"");
        ASSERT_EQ(r.code, 0) << r.reply;
        ExpectSameTree(TreeOf(out), TreeOf(dir.path() + "/src"));
    }
}

TEST(LhaPack, RandomDataIsStoredAndCompressibleDataShrinks) {
    QTemporaryDir dir;
    WriteTree(dir.path() + "/src", CornerFiles());
    const QString archive = dir.path() + "/a.lzh";
    ASSERT_EQ(RunUnlha("A -x1 -r2 " + Quoted(archive) + " " + Quoted(dir.path() + "/src/")).code,
              0);
    const std::string list = RunUnlha("L " + Quoted(archive)).reply;
    EXPECT_NE(list.find("-lh0-     100000     100000"), std::string::npos) << list;
    EXPECT_NE(list.find("-lh5-     300000"), std::string::npos) << list;
    EXPECT_NE(list.find("L2 text.txt"), std::string::npos) << list;
}

TEST(LhaPack, FoldersNamesTimesAndModesSurvive) {
    QTemporaryDir dir;
    const QString src = dir.path() + "/src";
    WriteTree(src, {{"表示/ソフト/能力.txt", "x\n"}, {"run.sh", "#!/bin/sh\n"}});
    QDir().mkpath(src + QStringLiteral(u"/空"));
    chmod((src + "/run.sh").toLocal8Bit().constData(), 0750);
    struct timespec times[2] = {{1600000000, 0}, {1600000000, 0}};
    utimensat(AT_FDCWD, (src + "/run.sh").toLocal8Bit().constData(), times, 0);
    const QString archive = dir.path() + "/a.lzh";
    ASSERT_EQ(RunUnlha("A -x1 -r2 " + Quoted(archive) + " " + Quoted(src + "/")).code, 0);
    const QString out = dir.path() + "/out";
    ASSERT_EQ(RunUnlha("X " + Quoted(archive) + " " + Quoted(out + "/")).code, 0);
    ExpectSameTree(TreeOf(out), TreeOf(src));
    struct stat st {};
    ASSERT_EQ(stat((out + "/run.sh").toLocal8Bit().constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0750u);
    EXPECT_EQ(st.st_mtime, 1600000000);
}

TEST(LhaPack, AddingReplacesSameNamesAndDeleteRemoves) {
    QTemporaryDir dir;
    const QString archive = dir.path() + "/a.lzh";
    WriteTree(dir.path() + "/one", {{"a.txt", "first"}, {"b.txt", "keep"}});
    WriteTree(dir.path() + "/two", {{"a.txt", "second"}});
    ASSERT_EQ(RunUnlha("A -r2 -x1 " + Quoted(archive) + " " + Quoted(dir.path() + "/one/")).code,
              0);
    ASSERT_EQ(RunUnlha("A -r2 -x1 " + Quoted(archive) + " " + Quoted(dir.path() + "/two/")).code,
              0);
    ASSERT_EQ(RunUnlha("X " + Quoted(archive) + " " + Quoted(dir.path() + "/x1/")).code, 0);
    EXPECT_EQ(TreeOf(dir.path() + "/x1"),
              (std::map<std::string, std::string>{{"a.txt", "second"}, {"b.txt", "keep"}}));
    ASSERT_EQ(RunUnlha("D " + Quoted(archive) + " \"b.txt\"").code, 0);
    EXPECT_EQ(RunUnlha("D " + Quoted(archive) + " \"missing.txt\"").code, 0x8012);
    ASSERT_EQ(RunUnlha("X " + Quoted(archive) + " " + Quoted(dir.path() + "/x2/")).code, 0);
    EXPECT_EQ(TreeOf(dir.path() + "/x2"),
              (std::map<std::string, std::string>{{"a.txt", "second"}}));
}

TEST(LhaPack, ANameWithoutShiftJisFormStopsPackingAndNamesTheFile) {
    QTemporaryDir dir;
    WriteTree(dir.path() + "/src", {{"ok.txt", "x"}, {"smile-\xF0\x9F\x98\x80.txt", "y"}});
    const QString archive = dir.path() + "/a.lzh";
    UnlhaResult r = RunUnlha("A -x1 -r2 " + Quoted(archive) + " " + Quoted(dir.path() + "/src/"));
    EXPECT_EQ(r.code, 0x8031);
    EXPECT_NE(r.reply.find("smile-"), std::string::npos) << r.reply;
    EXPECT_FALSE(QFile::exists(archive));  // no archive that silently lacks a file
}

TEST(LhaPack, AnEmptyFolderHasNothingToPack) {
    QTemporaryDir dir;
    QDir().mkpath(dir.path() + "/src");
    UnlhaResult r =
        RunUnlha("A -x1 -r2 " + Quoted(dir.path() + "/a.lzh") + " " + Quoted(dir.path() + "/src/"));
    EXPECT_EQ(r.code, 0x8012);
}
