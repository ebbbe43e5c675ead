// The FTP and POP3 clients and the upload road against real servers on
// 127.0.0.1: pyftpdlib and dovecot.

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>

#include "RecordingHost.h"
#include "ServerFixtures.h"
#include "TestUtil.h"
#include "net/Ftp.h"
#include "net/FtpUpload.h"
#include "net/Pop3.h"
#include "package/Steps.h"

using namespace tolvane;
using test::Sj;

namespace {

struct TraceLog {
    std::vector<std::string> lines;
    TTraceProc Proc() {
        return [this](const std::string& s, TTraceLevel level) {
            if (level != tt_socket_event) lines.push_back(s);
        };
    }
    bool Has(const std::string& s) const {
        return std::find(lines.begin(), lines.end(), s) != lines.end();
    }
    bool Mentions(const std::string& s) const {
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& l) { return l.find(s) != std::string::npos; });
    }
};

// The test server's account, with the client's lines recorded.
void LogInTo(const test::Pop3Server& server, T_Pop3& pop, TraceLog& trace) {
    pop.OnTrace = trace.Proc();
    pop.Hostname = "127.0.0.1";
    pop.RemotePort = static_cast<std::uint16_t>(server.server.port);
    pop.UserName = "user";
    pop.Password = "pass";
}

std::string Pattern(std::size_t n) {
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>(i * 31 + 7);
    return s;
}

}  // namespace

class FtpClientTest : public testing::Test {
  protected:
    test::FtpServer server;
    T_FTP ftp;
    TraceLog trace;
    void SetUp() override {
        ASSERT_GT(server.server.port, 0) << "pyftpdlib did not start";
        QDir().mkpath(server.root + "/in");
        ftp.Hostname = "127.0.0.1";
        ftp.Port = static_cast<std::uint16_t>(server.server.port);
        ftp.Username = "user";
        ftp.Password = "pass";
        ftp.OnTrace = trace.Proc();
    }
};

TEST_F(FtpClientTest, UploadsInChunksAndReadsBack) {
    std::vector<int> chunks;
    ftp.OnDataReceived = [&](T_FTP&, t_ftp_mode mode, int bytes) {
        if (mode == tftp_upload) chunks.push_back(bytes);
    };
    ftp.Connect();
    EXPECT_TRUE(trace.Has("USER user"));
    EXPECT_TRUE(trace.Has("PASS ******"));
    EXPECT_FALSE(trace.Mentions("PASS pass"));
    ftp.ChangeDir("in");
    EXPECT_EQ(ftp.ReplyCode, 250);
    const std::string data = Pattern(70000);
    ftp.Stream.assign(data.begin(), data.end());
    ftp.URI = "USER";
    ftp.Upload();
    EXPECT_EQ(ftp.ReplyCode, 226);
    EXPECT_EQ(chunks, (std::vector<int>{32512, 32512, 4976}));
    EXPECT_EQ(test::ReadFile(server.root + "/in/USER"), data);

    ftp.Download();
    EXPECT_EQ(ftp.ReplyCode, 226);
    EXPECT_EQ(std::string(ftp.Stream.begin(), ftp.Stream.end()), data);
    EXPECT_EQ(ftp.TransferSize, 70000);
    ftp.ListDirectory(".");
    ASSERT_EQ(ftp.DirectoryLines.size(), 1u);
    EXPECT_NE(ftp.DirectoryLines[0].find("USER"), std::string::npos);
    ftp.Disconnect();
    EXPECT_TRUE(trace.Has("QUIT"));
}

TEST_F(FtpClientTest, ActiveModeAndAnEmptyFile) {
    ftp.Passive = false;
    ftp.Connect();
    ftp.URI = "empty";
    ftp.Upload();
    EXPECT_EQ(ftp.ReplyCode, 226);
    EXPECT_TRUE(trace.Mentions("PORT 127,0,0,1,"));
    EXPECT_TRUE(QFile::exists(server.root + "/empty"));
    EXPECT_EQ(QFile(server.root + "/empty").size(), 0);
}

TEST_F(FtpClientTest, RefusalsLeaveCodesNotExceptions) {
    ftp.Password = "wrong";
    ftp.Connect();
    EXPECT_EQ(ftp.ReplyCode, 530);  // TYPE I after the refused log-in
    ftp.ChangeDir("in");
    EXPECT_NE(ftp.ReplyCode, 250);
    ftp.Disconnect();

    ftp.Password = "pass";
    ftp.Connect();
    ftp.ChangeDir("missing");
    EXPECT_EQ(ftp.ReplyCode, 550);
}

TEST_F(FtpClientTest, LineBreaksInArgumentsAreRefusedBeforeSending) {
    ftp.Connect();
    const std::size_t before = trace.lines.size();
    EXPECT_THROW(ftp.ChangeDir("in\r\nDELE x"), ETcpIpError);
    ftp.URI = "a\nb";
    EXPECT_THROW(ftp.Upload(), ETcpIpError);
    EXPECT_EQ(trace.lines.size(), before);
    ftp.Username = "user\r\nSITE x";
    EXPECT_THROW(ftp.Connect(), ETcpIpError);
}

TEST(TcpIp, ASilentServerTimesOutAndStopEndsTheWait) {
    // A socket that listens but never answers: the greeting never comes.
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(0x7F000001);
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    listen(listener, 4);
    socklen_t len = sizeof a;
    getsockname(listener, reinterpret_cast<sockaddr*>(&a), &len);

    T_FTP ftp;
    ftp.Hostname = "127.0.0.1";
    ftp.Port = ntohs(a.sin_port);
    ftp.Timeouts.Reply = std::chrono::milliseconds(500);
    QElapsedTimer clock;
    clock.start();
    EXPECT_THROW(ftp.Connect(), ETcpIpError);
    EXPECT_LT(clock.elapsed(), 3000);

    ftp.Timeouts.Reply = std::chrono::milliseconds(60000);
    int pumps = 0;
    ftp.ProcessMessages = [&] { ++pumps; };
    ftp.StopRequested = [&] { return pumps >= 5; };
    clock.restart();
    EXPECT_THROW(ftp.Connect(), ETcpIpError);
    EXPECT_LT(clock.elapsed(), 3000);
    close(listener);
}

TEST(TcpIp, NamesAndRefusedConnections) {
    T_FTP ftp;
    ftp.Hostname = "";
    try {
        ftp.Connect();
        FAIL();
    } catch (const ETcpIpError& e) {
        EXPECT_STREQ(e.what(), "Couldn't resolve hostname ");
    }
    ftp.Hostname = "127.0.0.1";
    ftp.Port = 1;
    EXPECT_THROW(ftp.Connect(), ESocketError);
    EXPECT_FALSE(ftp.Connected);
}

TEST(Pop3, LogsInListsFetchesAndLogsOut) {
    test::Pop3Server server(2);
    ASSERT_GT(server.server.port, 0) << "dovecot did not start";
    T_Pop3 pop;
    TraceLog trace;
    LogInTo(server, pop, trace);
    pop.Connect();
    EXPECT_EQ(pop.NumberOfMails, 2);
    pop.Retrieve(1);
    EXPECT_NE(std::find(pop.MessageLines.begin(), pop.MessageLines.end(), "..two dots"),
              pop.MessageLines.end());
    pop.Disconnect();
    EXPECT_TRUE(trace.Has("USER user"));
    EXPECT_TRUE(trace.Has("PASS *****"));
    EXPECT_FALSE(trace.Mentions("PASS pass"));
    EXPECT_TRUE(trace.Has("LIST"));
    EXPECT_TRUE(trace.Has("RETR 1"));
    EXPECT_TRUE(trace.Has("QUIT"));

    pop.Password = "wrong";
    try {
        pop.Execute();
        FAIL();
    } catch (const EProtocolError& e) {
        EXPECT_EQ(e.ErrorCode, 500);
        EXPECT_EQ(e.Protocol, "POP3");
    }
}

TEST(Pop3, AnEmptyMailboxFetchesNothing) {
    test::Pop3Server server(0);
    ASSERT_GT(server.server.port, 0);
    T_Pop3 pop;
    TraceLog trace;
    LogInTo(server, pop, trace);
    pop.Execute();
    EXPECT_FALSE(trace.Mentions("RETR"));
    EXPECT_TRUE(trace.Has("QUIT"));
}

class UploadRoad : public testing::Test {
  protected:
    test::FtpServer ftpServer;
    QTemporaryDir dir;
    test::RecordingHost host;
    JobState state;
    JobParameters job;
    StepContext ctx{host, state, job};
    T_FTP ftp;
    T_Pop3 pop;
    InternetRoads roads;
    void SetUp() override {
        ASSERT_GT(ftpServer.server.port, 0);
        QDir().mkpath(ftpServer.root + "/up");
        state.AbortRequested = false;
        ctx.ProgramFolder = test::Folder(dir);
        ctx.ReadJobParameters = [] {};
        ctx.DialUp = [] { return true; };
        ctx.HangUp = [] {};
        job.JobUser = "USER";
        job.UploadWord = Sj("アップロード");
        job.JobFtpServer = "127.0.0.1";
        job.JobFtpFolder = "up";
        job.JobFtpUser = "user";
        job.JobFtpPassword = "pass";
        ftp.Port = static_cast<std::uint16_t>(ftpServer.server.port);
        BindClientsToStep(ctx, ftp, pop);
        roads.UploadByFtp = [this](StepContext& c, const std::string& package) {
            return UploadByFtp(c, ftp, pop, package);
        };
        test::WriteFile(dir.path() + "/USER", std::string(2500, 'k'));
    }
};

TEST_F(UploadRoad, StoresThePackageUnderTheUserId) {
    UploadStep(ctx, roads);
    EXPECT_FALSE(state.AbortRequested);
    EXPECT_EQ(test::ReadFile(ftpServer.root + "/up/USER"), std::string(2500, 'k'));
    EXPECT_EQ(host.log.front(), Sj("アップロード中"));
    EXPECT_EQ(host.log[1], "127.0.0.1");
    EXPECT_NE(std::find(host.log.begin(), host.log.end(), "STOR USER"), host.log.end());
    EXPECT_NE(std::find(host.log.begin(), host.log.end(), "PASS ******"), host.log.end());
    EXPECT_EQ(host.log[host.log.size() - 2], Sj("アップロード完了"));
    EXPECT_EQ(host.label1, Sj("アップロード完了"));
}

TEST_F(UploadRoad, RefusalsAndErrorsHaveTheirLabels) {
    struct Case {
        std::function<void(JobParameters&)> set;
        const char* label;
    } cases[] = {
        {[](JobParameters& j) { j.JobFtpPassword = "wrong"; }, "アップロード失敗"},
        {[](JobParameters& j) { j.JobFtpFolder = "missing"; }, "アップロード失敗"},
        {[](JobParameters& j) { j.JobFtpServer = "127.0.0.2"; }, "アップロードエラー"},
    };
    for (const auto& c : cases) {
        JobParameters saved = job;
        c.set(job);
        if (std::string(c.label) == "アップロードエラー") ftp.Port = 1;
        state.AbortRequested = false;
        host.log.clear();
        UploadStep(ctx, roads);
        EXPECT_TRUE(state.AbortRequested);
        EXPECT_EQ(host.label1, Sj(c.label));
        EXPECT_TRUE(host.red);
        job = saved;
        ftp.Port = static_cast<std::uint16_t>(ftpServer.server.port);
    }
    EXPECT_FALSE(QFile::exists(ftpServer.root + "/up/USER"));
}

TEST_F(UploadRoad, PopBeforeFtp) {
    test::Pop3Server popServer(1);
    ASSERT_GT(popServer.server.port, 0);
    pop.RemotePort = static_cast<std::uint16_t>(popServer.server.port);
    job.JobPopCheck = true;
    job.JobPopServer = "127.0.0.1";
    job.JobPopUser = "user";
    job.JobPopPassword = "wrong";
    UploadStep(ctx, roads);
    EXPECT_EQ(host.label1, Sj("アップロードエラー"));
    // The FTP server was never contacted: no greeting of it in the log.
    EXPECT_TRUE(std::none_of(host.log.begin(), host.log.end(),
                             [](const std::string& l) { return l.rfind("220", 0) == 0; }));
    EXPECT_FALSE(QFile::exists(ftpServer.root + "/up/USER"));

    job.JobPopPassword = "pass";
    state.AbortRequested = false;
    host.log.clear();
    UploadStep(ctx, roads);
    EXPECT_EQ(host.label1, Sj("アップロード完了"));
    EXPECT_NE(std::find(host.log.begin(), host.log.end(), "PASS *****"), host.log.end());
    EXPECT_NE(std::find(host.log.begin(), host.log.end(), "PASS ******"), host.log.end());
    EXPECT_TRUE(QFile::exists(ftpServer.root + "/up/USER"));
}

TEST(Pop3, StatusLines) {
    struct Case {
        const char* line;
        int code;  // 0: accepted
    } cases[] = {{"+OK Dovecot ready.", 0}, {"+OK", 0}, {"+ok ready", 999}, {"-ERR bad", 500},
                 {"-ERRbad", 500},          {"", 999},  {"OK", 999}};
    for (const auto& c : cases) {
        try {
            CheckPop3Status(c.line);
            EXPECT_EQ(c.code, 0) << c.line;
        } catch (const EProtocolError& e) {
            EXPECT_EQ(e.ErrorCode, c.code) << c.line;
            EXPECT_EQ(std::string(e.what()), c.line);
        }
    }
}
