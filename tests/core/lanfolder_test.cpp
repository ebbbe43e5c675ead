#include <gtest/gtest.h>

#include "TestUtil.h"
#include "jobs/LanFolder.h"

using namespace tolvane;

TEST(IsLanFolder, AnswersForEachKindOfDestination) {
    QTemporaryDir home, lan;
    QDir(lan.path()).mkdir(QStringLiteral(u"共有"));
    QDir(lan.path()).mkdir("taken");
    test::WriteFile(lan.path() + "/taken/check.$$$", "x");
    test::WriteFile(lan.path() + "/plain-file", "x");
    const std::string lanFolder = QStringToCp932(lan.path());
    struct Case {
        std::string destination;
        bool expected;
    } cases[] = {
        {"", false},
        {lanFolder, true},
        {lanFolder + "\\" + test::Sj("共有"), true},
        {test::Folder(home), false},  // the program folder itself
        {lanFolder + "\\taken", false},
        {lanFolder + "\\missing", false},
        {lanFolder + "\\plain-file", false},
        {"ftp.example.com", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsLanFolder(c.destination, test::Folder(home), "probe\r\n"), c.expected)
            << c.destination;
    }
    // No probe is left behind anywhere, and an existing one is not removed.
    EXPECT_FALSE(QFile::exists(home.path() + "/check.$$$"));
    EXPECT_FALSE(QFile::exists(lan.path() + "/check.$$$"));
    EXPECT_FALSE(QFile::exists(lan.path() + QStringLiteral(u"/共有/check.$$$")));
    EXPECT_TRUE(QFile::exists(lan.path() + "/taken/check.$$$"));
}
