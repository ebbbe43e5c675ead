#include <dlfcn.h>
#include <gtest/gtest.h>

#include "archiver/LibLha32.h"
#include "archiver/LibLhaCt.h"

using namespace tolvane;

namespace {

const std::string kEcho = std::string(TOLVANE_TEST_LIB_DIR) + "/libecho_unlha32.so";

struct Counters {
    int cursor = 0, unlha = 0, mode = 0;
};
Counters Read() {
    Counters c;
    void* h = dlopen(kEcho.c_str(), RTLD_NOW | RTLD_NOLOAD);
    auto fn = reinterpret_cast<void (*)(int*, int*, int*)>(dlsym(h, "EchoCounters"));
    fn(&c.cursor, &c.unlha, &c.mode);
    dlclose(h);
    return c;
}

class LibLhaTest : public testing::Test {
  protected:
    void SetUp() override { LoadUnlha32(kEcho); }
    void TearDown() override { FreeUnlha32(); }
};

}  // namespace

TEST_F(LibLhaTest, TheStepsCommandTexts) {
    TLibLha compress;
    compress.Command = cmdAdd;
    compress.ARCFileName = "C:\\App\\\\DATA.$$$";
    compress.BaseDirName = "C:\\Send";
    compress.ARCPattern = "";
    compress.Options.OpReSearch = rsAllSearch;
    compress.Options.OpDirEffect = true;
    compress.Options.OpLogDisp = ldFileOnly;
    compress.DlgOptions.OpErrorDlg = false;
    EXPECT_EQ(compress.CommandText(),
              "A -+ -x1 -r2 -gm1 \"C:\\App\\\\DATA.$$$\" \"C:\\Send\\\" \"\"");

    TLibLha extract;
    extract.Command = cmdExtract;
    extract.ARCFileName = "DATA.$$$";
    extract.BaseDirName = "C:\\Save\\";
    extract.ARCPattern = "";
    extract.Options.OpReSearch = rsAllSearch;
    extract.Options.OpDirEffect = true;
    extract.Options.OpLogDisp = ldDetail;
    extract.Options.OpDlgYes = {dyDirectory, dyReplaceFile};
    extract.Options.OpROot = false;
    extract.DlgOptions.OpErrorDlg = false;
    EXPECT_EQ(extract.CommandText(),
              "E -+ -x1 -jyco -l2 -r2 -jf0 -gm1 \"DATA.$$$\" \"C:\\Save\\\" \"\"");
}

TEST_F(LibLhaTest, SwitchesInTheirOrder) {
    struct Case {
        void (*set)(TLibLha&);
        std::string switches;
    } cases[] = {
        {[](TLibLha&) {}, ""},
        {[](TLibLha& l) { l.Options.OpCompType = ctLH0; }, " -jm0"},
        {[](TLibLha& l) { l.Options.OpCompType = ctLH6; }, " -jm3"},
        {[](TLibLha& l) { l.Options.OpCompType = ctLH7; }, " -jm4"},
        {[](TLibLha& l) {
             l.Options.OpCompType = ctLH7;
             l.LibraryVersion = 69;
         },
         ""},
        {[](TLibLha& l) {
             l.Options.OpCompType = ctLH7;
             l.LibraryVersion = 70;
         },
         " -jm4"},
        {[](TLibLha& l) {
             l.Options.OpDlgYes = {dyReplaceFile, dyDirectory, dyDiskSpace, dyFileDelete,
                                   dyNewFileName};
         },
         " -jycdkno"},
        {[](TLibLha& l) {
             l.Options.OpUpperCase = ucToLower;
             l.Options.OpUpdFile = ufToOld;
         },
         " -u2 -i2"},
        {[](TLibLha& l) {
             l.Options.OpAllAttr = true;
             l.Options.OpDictHalf = true;
             l.Options.OpDskChk = false;
             l.Options.OpNameCheck = ncSubTree;
             l.Options.OpShortFile = true;
             l.Options.OpTmCheck = false;
             l.Options.OpWinSfx = wsNoDialog32;
             l.DlgOptions = {false, false, false, false};
         },
         " -a1 -e1 -f1 -p2 -ji1 -c1 -gw2 -n1 -s1 -gm1 -gn2"},
    };
    for (const auto& c : cases) {
        TLibLha l;
        c.set(l);
        EXPECT_EQ(l.BuildSwitches(), c.switches);
    }
    TLibLha l;
    l.Options.OpCompType = ctLH0;
    l.ResetOptions();
    EXPECT_EQ(l.BuildSwitches(), "");
}

TEST_F(LibLhaTest, ArgumentsAndWorkFolder) {
    TLibLha l;
    l.ARCFileName = "a.lzh";
    EXPECT_EQ(l.CommandText(), "L -+ \"a.lzh\" \"*.*\"");
    l.WorkDirName = "C:\\W";
    l.BaseDirName = "C:\\B\\";
    EXPECT_EQ(l.CommandText(), "L -+ \"-wC:\\W\\\"  \"a.lzh\" \"C:\\B\\\" \"*.*\"");
    l.ExtraSwitches = "-z";
    EXPECT_EQ(l.CommandText(), "L -+ \"-wC:\\W\\\"  -z \"a.lzh\" \"C:\\B\\\" \"*.*\"");
}

TEST_F(LibLhaTest, ExecuteResultsAndReplyLines) {
    TLibLha l;
    EXPECT_EQ(l.Version(), "Version 2.66");
    const Counters before = Read();
    EXPECT_EQ(l.Execute(), -1);  // no archive named: nothing is called
    EXPECT_EQ(Read().cursor, before.cursor);

    l.ARCFileName = "a.lzh";
    l.Debug = true;
    l.DebugQuestion = [](const std::string& text) { return text.empty(); };  // cancel
    EXPECT_EQ(l.Execute(), -999);
    EXPECT_EQ(Read().cursor, before.cursor + 1);
    EXPECT_EQ(Read().unlha, before.unlha);

    l.Debug = false;
    l.DisplayCSR = false;
    std::vector<std::string> lines;
    l.OutputLines = [&](const std::string& s) { lines.push_back(s); };
    EXPECT_EQ(l.Execute(), 7);
    EXPECT_EQ(Read().mode, 0);
    EXPECT_EQ(lines, (std::vector<std::string>{"L -+ \"a.lzh\" \"*.*\"", "second\r", "", "last"}));
}

TEST(LibLhaVersion, TextFromTheNumber) {
    LoadUnlha32(kEcho);
    TLibLha l;
    l.LibraryVersion = 5;
    EXPECT_EQ(l.VersionText(), "0.05");
    l.LibraryVersion = 266;
    EXPECT_EQ(l.VersionText(), "2.66");
    FreeUnlha32();
    LoadUnlha32(std::string(TOLVANE_TEST_LIB_DIR) + "/libpartial_unlha32.so");
    EXPECT_THROW(TLibLha{}, EUnlha32Error);
    FreeUnlha32();
}
