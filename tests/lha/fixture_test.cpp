// The archiver library against archives written by jlha, and against
// crafted archives that no archiver should accept.

#include <gtest/gtest.h>

#include "LhaTestUtil.h"

using namespace tolvane::test;

namespace {
std::string Quoted(const QString& s) { return "\"" + s.toStdString() + "\""; }
}  // namespace

TEST(LhaFixtures, EveryLevelAndMethodExtractsByteForByte) {
    for (const char* name : {"jlha-l0-lh5.lzh", "jlha-l1-lh5.lzh", "jlha-l2-lh5.lzh",
                             "jlha-l2-lh6.lzh", "jlha-l2-lh7.lzh", "jlha-l2-lh0.lzh"}) {
        SCOPED_TRACE(name);
        QTemporaryDir out;
        EXPECT_EQ(RunUnlha("T " + Quoted(FixturePath(name))).code, 0);
        UnlhaResult r = RunUnlha("X " + Quoted(FixturePath(name)) + " " + Quoted(out.path() + "/"));
        EXPECT_EQ(r.code, 0) << r.reply;
        ExpectSameTree(TreeOf(out.path()), FixtureTree());
    }
}

TEST(LhaFixtures, ListShowsNamesMethodsAndLevels) {
    UnlhaResult r = RunUnlha("L " + Quoted(FixturePath("jlha-l1-lh5.lzh")));
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.reply.find("-lh5-       3230"), std::string::npos) << r.reply;
    EXPECT_NE(r.reply.find("L1 sub/ネスト/表示.txt"), std::string::npos) << r.reply;
    EXPECT_NE(r.reply.find("-lhd-"), std::string::npos);
}

TEST(LhaFixtures, ExtractWithoutPathsFlattens) {
    QTemporaryDir out;
    UnlhaResult r = RunUnlha("E " + Quoted(FixturePath("jlha-l2-lh5.lzh")) + " " +
                             Quoted(out.path() + "/") + " \"*.txt\"");
    EXPECT_EQ(r.code, 0) << r.reply;
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files, QDir::Name),
              (QStringList{"empty.txt", "hello.txt", QStringLiteral(u"表示.txt")}));
}

TEST(LhaFixtures, HostileNamesAreRefusedAndNothingLeavesTheTarget) {
    for (const char* name : {"hostile-dotdot.lzh", "hostile-absolute.lzh", "hostile-drive.lzh",
                             "hostile-symlink.lzh", "hostile-control.lzh"}) {
        SCOPED_TRACE(name);
        QTemporaryDir outer;
        const QString target = outer.path() + "/target";
        UnlhaResult r = RunUnlha("X " + Quoted(FixturePath(name)) + " " + Quoted(target + "/"));
        EXPECT_EQ(r.code, 0x8030) << r.reply;
        EXPECT_NE(r.reply.find("refused"), std::string::npos) << r.reply;
        // Only the safe entry arrived, and nothing beside the target.
        EXPECT_EQ(TreeOf(outer.path()), (std::map<std::string, std::string>{
                                            {"target", "/"}, {"target/ok.txt", "safe\n"}}));
    }
    EXPECT_FALSE(QFile::exists("/tmp/evil.txt"));
}

TEST(LhaFixtures, DamageIsAnErrorAndLeavesNoHalfFile) {
    struct Case {
        const char* name;
        int code;
        const char* missing;  // the entry that must not appear
    } cases[] = {
        {"damaged-crc.lzh", 0x8021, "hello.txt"},
        {"damaged-stored-crc.lzh", 0x8022, "hello.txt"},
        {"truncated.lzh", 0x8020, "sub/repeat.bin"},
        {"bad-header-crc.lzh", 0x8020, "hello.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RunUnlha("T " + Quoted(FixturePath(c.name))).code, c.code);
        QTemporaryDir out;
        UnlhaResult r =
            RunUnlha("X " + Quoted(FixturePath(c.name)) + " " + Quoted(out.path() + "/"));
        EXPECT_EQ(r.code, c.code) << r.reply;
        const auto tree = TreeOf(out.path());
        EXPECT_EQ(tree.count(c.missing), 0u);
        for (const auto& [path, bytes] : tree) {
            EXPECT_EQ(path.find(".tolvane-"), std::string::npos) << "temporary file left: " << path;
            if (bytes != "/") {
                EXPECT_EQ(bytes, FixtureTree().at(path)) << path;
            }
        }
    }
}

TEST(LhaLibrary, TheReplyNeverRunsPastItsBuffer) {
    if (!tolvane::Unlha32Loaded()) RunUnlha("L \"/nonexistent.lzh\"");
    const std::string text = tolvane::Utf8ToCp932("L " + Quoted(FixturePath("jlha-l2-lh5.lzh")));
    for (std::uint32_t size : {1u, 2u, 17u, 100u}) {
        std::vector<char> buffer(size + 8, 'Z');
        EXPECT_EQ(tolvane::Unlha(nullptr, text.c_str(), buffer.data(), size), 0);
        EXPECT_EQ(std::strlen(buffer.data()), size - 1);
        EXPECT_EQ(buffer[size], 'Z');
    }
}

TEST(LhaLibrary, CommandErrorsAnswerWithACodeAndALine) {
    struct Case {
        std::string command;
        int code;
    } cases[] = {
        {"", 0x8010},
        {"Q \"a.lzh\"", 0x8010},
        {"L -q9 \"a.lzh\"", 0x8010},
        {"L \"unbalanced", 0x8010},
        {"L \"/nonexistent/archive.lzh\"", 0x8011},
        {"A -jm1 \"x.lzh\"", 0x8010},
    };
    for (const auto& c : cases) {
        UnlhaResult r = RunUnlha(c.command);
        EXPECT_EQ(r.code, c.code) << c.command;
        EXPECT_EQ(r.reply.rfind("error: ", 0), 0u) << c.command << ": " << r.reply;
    }
}
