#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "TestUtil.h"
#include "fs/AtomicFile.h"
#include "settings/IniFile.h"
#include "settings/IniText.h"

using namespace tolvane;

TEST(IniText, FindsKeysAndSectionsWithoutRegardToCase) {
    IniText ini(
        "; comment\r\n[Tolvane]\r\nWriteDIR = C:\\IN \r\nQuoted=\"a b\"\n[Other]\nWriteDir=X\n");
    EXPECT_EQ(ini.Find("tolvane", "writedir").value(), "C:\\IN");
    EXPECT_EQ(ini.Find("TOLVANE", "Quoted").value(), "a b");
    EXPECT_EQ(ini.Find("Other", "WRITEDIR").value(), "X");
    EXPECT_FALSE(ini.Find("Tolvane", "Missing"));
    EXPECT_FALSE(ini.Find("Nowhere", "WriteDir"));
}

TEST(IniText, SetReplacesInPlaceAndAppendsWhereMissing) {
    IniText ini("[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    ini.Set("a", "X", "10");  // replace, under the new spelling
    ini.Set("A", "z", "3");   // new key goes after the section's last key
    ini.Set("C", "w", "4");   // new section at the end
    EXPECT_EQ(ini.Bytes(), "[A]\r\nX=10\r\nz=3\r\n\r\n[B]\r\ny=2\r\n\r\n[C]\r\nw=4\r\n");
}

TEST(IniText, ValuesStayOnOneLine) {
    IniText ini("");
    ini.Set("S", "k", "one\r\n[Evil]\r\nk=two");
    EXPECT_EQ(ini.Bytes(), "[S]\r\nk=one\r\n");
}

class IniFileTest : public testing::Test {
  protected:
    QTemporaryDir dir;
    QString path = dir.path() + "/Tolvane.ini";
    IniFile ini{QStringToCp932(path)};
};

TEST_F(IniFileTest, KeepsCp932BytesExactly) {
    const std::string section = test::Sj("データ受信");
    const std::string value = test::Sj("C:\\表示\\ソフト");  // trail bytes 0x5C
    ini.WriteString(section, "WriteDIR", value);
    EXPECT_EQ(ini.ReadString(section, "WriteDir", ""), value);
    EXPECT_EQ(test::ReadFile(path), "[" + section + "]\r\nWriteDIR=" + value + "\r\n");
}

TEST_F(IniFileTest, TypedReadsAndDefaults) {
    EXPECT_EQ(ini.ReadString("S", "k", "dflt"), "dflt");  // no file yet
    EXPECT_FALSE(QFile::exists(path));
    ini.WriteBool("S", "on", true);
    ini.WriteInteger("S", "n", -42);
    ini.WriteString("S", "junk", "12abc");
    ini.WriteString("S", "seven", "7");
    EXPECT_TRUE(ini.ReadBool("S", "on", false));
    EXPECT_TRUE(ini.ReadBool("S", "seven", false));  // any non-zero integer
    EXPECT_EQ(ini.ReadInteger("S", "n", 0), -42);
    EXPECT_EQ(ini.ReadInteger("S", "junk", 5), 5);
    EXPECT_FALSE(ini.ReadBool("S", "missing", false));
}

TEST_F(IniFileTest, WritesReplaceTheFileOwnerOnly) {
    ini.WriteString("S", "Pass", "$$31308");
    struct stat st {};
    ASSERT_EQ(stat(path.toLocal8Bit().constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(IniFileTest, TwoToolsSharingTheFileKeepEachOthersSections) {
    IniFile other(QStringToCp932(path));
    ini.WriteString("A", "k", "1");
    other.WriteString("B", "k", "2");
    ini.WriteString("A", "j", "3");
    EXPECT_EQ(other.ReadString("B", "k", ""), "2");
    EXPECT_EQ(other.ReadString("A", "k", ""), "1");
}

TEST_F(IniFileTest, AFailedWriteLeavesTheOldFileWhole) {
    ini.WriteString("S", "k", "old");
    const std::string before = test::ReadFile(path);
    // A file size limit stands in for a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW(ini.WriteString("S", "k", std::string(200, 'x')), EFileWriteError);
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(test::ReadFile(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Tolvane.ini"});
}
