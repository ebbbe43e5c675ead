#include <gtest/gtest.h>

#include "TestUtil.h"
#include "jobs/CommandLine.h"
#include "jobs/ShellTexts.h"

using namespace tolvane;

TEST(CommandLine, Switches) {
    struct Case {
        std::vector<std::string> args;
        int mode;
        std::string user, folder, ini, compact;
    } cases[] = {
        {{}, rmFull, "", "", "", ""},
        {{"/S"}, rmSend, "", "", "", ""},
        {{"/R"}, rmReceive, "", "", "", ""},
        {{"/S/R"}, rmReceive, "", "", "", ""},   // "/R" is tested after "/S"
        {{"/R", "/S"}, rmSend, "", "", "", ""},  // the last argument wins
        {{"/U:ABC", "/F:C:\\IN"}, rmFull, "ABC", "C:\\IN", "", ""},
        {{"/U:ABC/N"}, rmFull, "ABC/N", "", "", "/U:ABC/N"},
        {{"/I:other.ini"}, rmFull, "", "", "other.ini", ""},
        {{"x/U:a", "/s", "/n"}, rmFull, "a", "", "", ""},  // case-sensitive
        {{"/U:A/F:B"}, rmFull, "A/F:B", "B", "", ""},
        {{"/Sx/I:a.ini"}, rmSend, "", "", "a.ini", ""},
    };
    for (const auto& c : cases) {
        CommandLine cl = ReadCommandLine(c.args);
        std::string shown;
        for (const auto& a : c.args) shown += a + " ";
        EXPECT_EQ(cl.RunMode, c.mode) << shown;
        EXPECT_EQ(cl.CommandUser, c.user) << shown;
        EXPECT_EQ(cl.CommandFolder, c.folder) << shown;
        EXPECT_EQ(cl.CommandIniName, c.ini) << shown;
        EXPECT_EQ(cl.CommandCompact, c.compact) << shown;
    }
}

TEST(CommandLine, TheTitleWinsOverTheSwitches) {
    EXPECT_EQ(ChooseRunMode(kReceiveTitle, rmSend), rmReceive);
    EXPECT_EQ(ChooseRunMode(kSendTitle, rmReceive), rmSend);
    EXPECT_EQ(ChooseRunMode(kFullTitle, rmSend), rmSend);
    EXPECT_EQ(ChooseRunMode(kFullTitle, rmFull), rmFull);
}
