// Archives written by the library against lhasa, 7-Zip and jlha, and jlha's
// archives against the library. lhasa and 7-Zip split names at a Shift-JIS
// trail byte of "\", so they get a tree without such names; jlha gets all.

#include <gtest/gtest.h>

#include "LhaTestUtil.h"

using namespace tolvane::test;

namespace {

std::string Quoted(const QString& s) { return "\"" + s.toStdString() + "\""; }

class LhaInterop : public testing::Test {
  protected:
    QTemporaryDir dir;
    QString src = dir.path() + "/src";
    void SetUp() override {
        for (const char* p : {"lhasa", "7z", "jlha"}) {
            if (!HaveProgram(p)) GTEST_SKIP() << p << " is not installed";
        }
        std::string text;
        for (int i = 0; i < 30000; ++i) text += "line " + std::to_string(i % 977) + " of a text\n";
        std::string bin(200000, '\0');
        for (std::size_t i = 0; i < bin.size(); ++i) bin[i] = static_cast<char>((i * i) >> 7);
        for (const auto& [name, bytes] :
             std::map<std::string, std::string>{{"text.txt", text},
                                                {"sub/bin.dat", bin},
                                                {"sub/deeper/empty", ""},
                                                {"日本語/ファイル.txt", "にほんご\n"}}) {
            QDir().mkpath(QFileInfo(src + "/" + QString::fromStdString(name)).path());
            WriteFile(src + "/" + QString::fromStdString(name), bytes);
        }
        QDir().mkpath(src + "/empty folder");
    }
    QString Pack(const char* sw) {
        const QString archive = dir.path() + "/ours" + sw + ".lzh";
        UnlhaResult r = RunUnlha(std::string("A -+ ") + sw + " -x1 -r2 -gm1 " + Quoted(archive) +
                                 " " + Quoted(src + "\\") + " \"\"");
        EXPECT_EQ(r.code, 0) << r.reply;
        return archive;
    }
};

}  // namespace

TEST_F(LhaInterop, OurArchivesTestAndExtractWithLhasaAnd7Zip) {
    for (const char* sw : {"-jm0", "-jm2", "-jm3", "-jm4"}) {
        SCOPED_TRACE(sw);
        const QString archive = Pack(sw);
        QByteArray log;
        EXPECT_EQ(RunProgram("lhasa", {"t", archive}, {}, &log), 0) << log.toStdString();
        EXPECT_EQ(RunProgram("7z", {"t", archive}, {}, &log), 0) << log.toStdString();
        const QString byLhasa = dir.path() + "/lhasa" + sw;
        QDir().mkpath(byLhasa);
        EXPECT_EQ(RunProgram("lhasa", {"xq", archive}, byLhasa), 0);
        ExpectSameTree(TreeOfCp932Names(byLhasa), TreeOf(src));
        const QString by7z = dir.path() + "/7z" + sw;
        EXPECT_EQ(RunProgram("7z", {"x", "-y", "-o" + by7z, archive}), 0);
        ExpectSameTree(TreeOfCp932Names(by7z), TreeOf(src));
    }
}

TEST_F(LhaInterop, JapaneseNamesAgreeWithJlhaBothWays) {
    WriteFile(src + QStringLiteral(u"/日本語/表示ソフト能力.txt"), "0x5C trail bytes\n");
    const QString ours = Pack("");
    const QString byJlha = dir.path() + "/jlha-out";
    QDir().mkpath(byJlha);
    QByteArray log;
    EXPECT_EQ(RunProgram("jlha", {"xyqf", ours}, byJlha, &log), 0) << log.toStdString();
    auto expected = TreeOf(src);
    auto got = TreeOf(byJlha);
    expected.erase("empty folder");  // jlha makes no folder for an empty -lhd- entry
    got.erase("empty folder");
    ExpectSameTree(got, expected);

    for (const char* opt : {"cyq", "co6yq", "co7yq", "c0yq", "c1yq"}) {
        SCOPED_TRACE(opt);
        const QString theirs = dir.path() + "/jlha-" + opt + ".lzh";
        ASSERT_EQ(RunProgram("jlha", {opt, theirs, "text.txt", "sub", QStringLiteral(u"日本語")},
                             src, &log),
                  0)
            << log.toStdString();
        const QString out = dir.path() + "/from-" + opt;
        UnlhaResult r = RunUnlha("X " + Quoted(theirs) + " " + Quoted(out + "/"));
        EXPECT_EQ(r.code, 0) << r.reply;
        auto want = TreeOf(src);
        want.erase("empty folder");
        ExpectSameTree(TreeOf(out), want);
    }
}
