#include <gtest/gtest.h>

#include "TestUtil.h"
#include "settings/Settings.h"
#include "text/ScrambleText.h"

using namespace tolvane;

class SettingsTest : public testing::Test {
  protected:
    QTemporaryDir dir;
    QString path = dir.path() + "/Tolvane.ini";
    IniFile ini{QStringToCp932(path)};
    std::string section = test::Sj("データ受信");
};

TEST_F(SettingsTest, FirstRunDefaults) {
    SettingsValues v = LoadSettingsValues(ini, section, "", "");
    EXPECT_EQ(v.User, "DATA");
    EXPECT_EQ(v.Pass, "guest1");
    EXPECT_EQ(v.WriteDir, "UserData");
    EXPECT_EQ(v.CopyURL, "http://");
    EXPECT_EQ(v.ReadDir, "");
    EXPECT_EQ(v.FTPServer, "");
    EXPECT_EQ(v.FTPDir, "/");
    EXPECT_EQ(v.FTPUser, "");
    EXPECT_EQ(v.FTPPass, "");
    EXPECT_FALSE(v.POPCheck);
    EXPECT_FALSE(v.NETCheck);
    EXPECT_EQ(v.NETServer, "");
}

TEST_F(SettingsTest, PresetUserDefaults) {
    SettingsValues v = LoadSettingsValues(ini, section, "ABC", "C:\\IN");
    EXPECT_EQ(v.User, "ABC");
    EXPECT_EQ(v.Pass, "");
    EXPECT_EQ(v.WriteDir, "C:\\IN");
    EXPECT_EQ(v.ReadDir, "C:\\IN");
    EXPECT_EQ(v.CopyURL, std::string(builtin::kWebAddress));
    EXPECT_EQ(v.FTPServer, std::string(builtin::kFtpServer));
    EXPECT_EQ(v.FTPUser.size(), 10u);
    EXPECT_EQ(v.FTPPass, "tolvane");
    EXPECT_EQ(v.POPPass, "tolvane");
    EXPECT_TRUE(v.POPCheck);
    EXPECT_EQ(v.POPServer, std::string(builtin::kMailServer));
}

TEST_F(SettingsTest, SavedValuesWinOverTheCommandLine) {
    SettingsValues v = LoadSettingsValues(ini, section, "ABC", "C:\\IN");
    v.WriteDir = test::Sj("D:\\保存");
    v.Pass = "odd";  // odd length: comes back without the trailing 0 byte
    v.POPCheck = false;
    SaveSettingsValues(ini, section, v);
    SettingsValues again = LoadSettingsValues(ini, section, "XYZ", "C:\\OTHER");
    EXPECT_EQ(again.User, "ABC");
    EXPECT_EQ(again.WriteDir, test::Sj("D:\\保存"));
    EXPECT_EQ(again.Pass, "odd");
    EXPECT_FALSE(again.POPCheck);
}

TEST_F(SettingsTest, SavedFileHoldsKeysInOrderWithScrambledPasswords) {
    SettingsValues v;
    v.User = "U";
    v.Pass = "abc";
    v.NETServer = test::Sj("ＬＡＮ接続");
    v.NETCheck = true;
    SaveSettingsValues(ini, section, v);
    const std::string expected = "[" + section + "]\r\n" +
                                 "User=U\r\nPass=$$3130800318\r\nWriteDIR=\r\nCopyURL=\r\n"
                                 "ReadDIR=\r\nFTPServer=\r\nFTPDir=\r\nFTPUser=\r\nFTPPass=$$\r\n"
                                 "POPCheck=0\r\nPOPServer=\r\nPOPUser=\r\nPOPPass=$$\r\n"
                                 "NETCheck=1\r\nNETServer=" +
                                 test::Sj("ＬＡＮ接続") + "\r\nNETUser=\r\nNETPass=$$\r\n";
    EXPECT_EQ(test::ReadFile(path), expected);
}

TEST_F(SettingsTest, EachToolReadsOnlyItsOwnSection) {
    SettingsValues send;
    send.User = "SENDER";
    SaveSettingsValues(ini, test::Sj("データ送信"), send);
    EXPECT_EQ(LoadSettingsValues(ini, section, "", "").User, "DATA");
    EXPECT_EQ(LoadSettingsValues(ini, test::Sj("データ送信"), "", "").User, "SENDER");
}

TEST_F(SettingsTest, HandTypedPasswordIsTakenAsItStands) {
    ini.WriteString(section, "Pass", "secret");
    EXPECT_EQ(LoadSettingsValues(ini, section, "", "").Pass, "secret");
}

TEST_F(SettingsTest, FormPosition) {
    EXPECT_FALSE(LoadFormPosition(ini, section).Saved);
    SaveFormPosition(ini, section, 120, -30);
    FormPosition p = LoadFormPosition(ini, section);
    EXPECT_TRUE(p.Saved);
    EXPECT_EQ(p.Top, 120);
    EXPECT_EQ(p.Left, -30);
}
