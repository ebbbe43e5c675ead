// The HTTP fetch and the download step's internet route against a real HTTP
// server on 127.0.0.1.

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "HttpServerFixture.h"
#include "RecordingHost.h"
#include "TestUtil.h"
#include "net/HttpFetch.h"
#include "package/Steps.h"

using namespace tolvane;
using test::Sj;

namespace {

class HttpFetchTest : public testing::Test {
  protected:
    test::HttpServer server;
    QTemporaryDir dir;
    test::RecordingHost host;
    JobState state;
    JobParameters job;
    StepContext ctx{host, state, job};
    InternetRoads roads;
    std::string target;

    void SetUp() override {
        ASSERT_GT(server.port, 0) << "the HTTP server did not start";
        state.AbortRequested = false;
        ctx.ProgramFolder = test::Folder(dir);
        ctx.ReadJobParameters = [] {};
        ctx.DialUp = [] { return true; };
        ctx.HangUp = [] {};
        job.DownloadWord = Sj("ダウンロード");
        job.JobUser = "USER";
        target = ctx.PackageFile();
        roads.FetchUrlToFile = [](StepContext& c, const std::string& url, const std::string& t) {
            FetchUrlToFile(c, url, t,
                           HttpTimeouts{std::chrono::seconds(5), std::chrono::seconds(2)});
        };
    }
    QString Target() const { return dir.path() + "/USER"; }
};

}  // namespace

TEST_F(HttpFetchTest, TheDownloadStepFetchesAddressSlashUser) {
    test::WriteFile(server.root + "/USER", std::string(2500, 'p'));
    job.JobReceiveAddress = server.Url("/Data");
    DownloadStep(ctx, roads);
    EXPECT_FALSE(state.AbortRequested);
    EXPECT_EQ(test::ReadFile(Target()), std::string(2500, 'p'));
    EXPECT_EQ(host.log, (std::vector<std::string>{Sj("ダウンロード中"), job.JobReceiveAddress,
                                                  Sj("2500 Byte 完了しました。"),
                                                  Sj("ダウンロード完了"), ""}));
    EXPECT_EQ(test::ReadFile(server.agents), "Quorvik\n");
}

TEST_F(HttpFetchTest, FailuresAreErrorsAndLeaveNoPackage) {
    struct Case {
        const char* path;
        const char* why;
    } cases[] = {
        {"/Data/missing", "HTTP 404"},
        {"/status/500", "HTTP 500"},
        {"/cut/1000", ""},  // body shorter than announced
        {"/hang", ""},      // a server that goes silent
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        host.log.clear();
        state.AbortRequested = false;
        EXPECT_THROW(roads.FetchUrlToFile(ctx, server.Url(c.path), target), EHttpError);
        EXPECT_FALSE(QFile::exists(Target()));
        if (c.why[0] != 0) {
            EXPECT_EQ(host.log.back(), c.why);
        }
    }
    job.JobReceiveAddress = server.Url("/status");
    job.JobUser = "404";
    DownloadStep(ctx, roads);
    EXPECT_TRUE(state.AbortRequested);
    EXPECT_EQ(host.label1, Sj("ダウンロードエラー"));
    EXPECT_TRUE(host.red);
}

TEST_F(HttpFetchTest, NoServerIsAnError) {
    EXPECT_THROW(roads.FetchUrlToFile(ctx, "http://127.0.0.1:1/Data/USER", target), EHttpError);
    EXPECT_FALSE(QFile::exists(Target()));
}

TEST_F(HttpFetchTest, StopEndsAStalledFetchAtOnce) {
    QElapsedTimer clock;
    clock.start();
    host.onPump = [&](int n) {
        if (n == 10) state.AbortRequested = true;
    };
    roads.FetchUrlToFile(ctx, server.Url("/slow"), target);
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_TRUE(state.AbortRequested);
    host.onPump = nullptr;
    job.JobReceiveAddress = server.Url("");
    job.JobUser = "slow";
    state.AbortRequested = false;
    const int before = host.pumps;
    host.onPump = [&](int n) {
        if (n == before + 10) state.AbortRequested = true;
    };
    DownloadStep(ctx, roads);
    EXPECT_EQ(host.label1, Sj("ダウンロード中止"));
}
