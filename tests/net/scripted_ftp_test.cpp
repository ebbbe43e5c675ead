// The FTP client against scripted replies that no real server sends: each
// case is a table of {expected command → reply} and the transcript checked.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "ServerFixtures.h"
#include "TestUtil.h"
#include "net/Ftp.h"

using namespace tolvane;

namespace {

struct Scripted {
    QTemporaryDir dir;
    std::unique_ptr<test::ScriptServer> server;
    explicit Scripted(const std::string& script) {
        test::WriteFile(dir.path() + "/script", script);
        server = std::make_unique<test::ScriptServer>(
            "scripted_ftp.py", QStringList{dir.path() + "/script", dir.path() + "/transcript"});
    }
    std::string Transcript() const { return test::ReadFile(dir.path() + "/transcript"); }
};

const char* const kLogin =
    "> 220-Welcome\\n 220 indented\\n220 ready\n"
    "< USER user\n> 331 password\n"
    "< PASS pass\n> 230 logged in\n"
    "< TYPE I\n> 200 binary\n";

T_FTP Client(int port) {
    T_FTP ftp;
    ftp.Hostname = "127.0.0.1";
    ftp.Port = static_cast<std::uint16_t>(port);
    ftp.Username = "user";
    ftp.Password = "pass";
    ftp.Timeouts.Reply = std::chrono::milliseconds(2000);
    return ftp;
}

}  // namespace

TEST(ScriptedFtp, A1xxThenA4xxOnStorIsTheOutcome) {
    Scripted s(
        std::string(kLogin) +
        "< PASV\n> PASV\n< STOR USER\n> 150 sending\\nDATA\\n451 local error\n< QUIT\n> 221 bye\n");
    ASSERT_GT(s.server->port, 0);
    T_FTP ftp = Client(s.server->port);
    ftp.Connect();
    const std::string data(100000, 'd');
    ftp.Stream.assign(data.begin(), data.end());
    ftp.URI = "USER";
    ftp.Upload();
    EXPECT_EQ(ftp.ReplyCode, 451);
    ftp.Disconnect();
    EXPECT_EQ(s.Transcript(), "USER user\nPASS pass\nTYPE I\nPASV\nSTOR USER\nQUIT\n");
}

TEST(ScriptedFtp, ThePassiveAddressOfTheReplyIsNotUsed) {
    // The script names 10.9.8.7; the data connection still reaches the
    // control connection's host, or the upload would hang or fail.
    Scripted s(std::string(kLogin) +
               "< PASV\n> PASV\n< STOR F\n> 150 go\\nDATA\\n226 done\n< QUIT\n> 221 bye\n");
    ASSERT_GT(s.server->port, 0);
    T_FTP ftp = Client(s.server->port);
    ftp.Connect();
    ftp.URI = "F";
    ftp.Stream = {'x'};
    ftp.Upload();
    EXPECT_EQ(ftp.ReplyCode, 226);
    ftp.Disconnect();
}

TEST(ScriptedFtp, RefusedPasvRaisesAndSendsNoStor) {
    Scripted s(std::string(kLogin) + "< PASV\n> 500 no passive\n< QUIT\n> 221 bye\n");
    ASSERT_GT(s.server->port, 0);
    T_FTP ftp = Client(s.server->port);
    ftp.Connect();
    ftp.URI = "F";
    try {
        ftp.Upload();
        FAIL();
    } catch (const EProtocolError& e) {
        EXPECT_EQ(e.ErrorCode, 500);
        EXPECT_EQ(e.Protocol, "FTP");
    }
    EXPECT_FALSE(ftp.Busy);
    ftp.Disconnect();
    EXPECT_EQ(s.Transcript(), "USER user\nPASS pass\nTYPE I\nPASV\nQUIT\n");
}

TEST(ScriptedFtp, AHangAfterTheBannerEndsWithATimeout) {
    Scripted s("> 220 hello\\nHANG\n");
    ASSERT_GT(s.server->port, 0);
    T_FTP ftp = Client(s.server->port);
    ftp.Timeouts.Reply = std::chrono::milliseconds(500);
    EXPECT_THROW(ftp.Connect(), ETcpIpError);
    EXPECT_EQ(s.Transcript(), "");  // nothing was read after the banner
}

TEST(ScriptedFtp, AnOperationWhileBusyRaises) {
    Scripted s(std::string(kLogin) +
               "< PASV\n> PASV\n< STOR F\n> 150 go\\nDATA\\n226 done\n< QUIT\n> 221 bye\n");
    ASSERT_GT(s.server->port, 0);
    T_FTP ftp = Client(s.server->port);
    ftp.Connect();
    ftp.URI = "F";
    ftp.Stream.assign(70000, 'b');
    bool raised = false;
    ftp.OnDataReceived = [&](T_FTP& self, t_ftp_mode, int) {
        try {
            self.ChangeDir("x");
        } catch (const EProtocolBusy& e) {
            raised = std::string(e.what()) == "Protocol busy";
        }
    };
    ftp.Upload();
    EXPECT_TRUE(raised);
    ftp.Disconnect();
    EXPECT_EQ(s.Transcript(), "USER user\nPASS pass\nTYPE I\nPASV\nSTOR F\nQUIT\n");
}
