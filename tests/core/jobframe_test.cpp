#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "TestUtil.h"
#include "jobs/CommandLine.h"
#include "jobs/JobFrame.h"
#include "jobs/ShellTexts.h"

using namespace tolvane;
using tolvane::test::RecordingHost;

class JobFrameTest : public testing::Test {
  protected:
    QTemporaryDir dir;
    RecordingHost host;
    JobState state;
    JobFrameOptions options;
    void SetUp() override {
        options.RunMode = rmReceive;
        options.LogFileName = test::Folder(dir) + "\\Tolvane.log";
        host.log.push_back("left over from the last job");
    }
};

TEST_F(JobFrameTest, SuccessfulJob) {
    std::vector<std::string> ran;
    RunJobFrame(host, state, options,
                {{[&] {
                     ran.push_back("one");
                     host.AddLog(test::Sj("ダウンロード中"));
                     host.AddLog("");
                 }},
                 {[&] { ran.push_back("cleanup"); }, true}});
    EXPECT_EQ(ran, (std::vector<std::string>{"one", "cleanup"}));
    const std::vector<std::string> expected = {"save",
                                               "disable",
                                               std::string("button ") + kStopCaption,
                                               "progress",
                                               "clear",
                                               "hide",
                                               std::string("info ") + kJobDoneText,
                                               std::string("button ") + kCloseCaption + " focus"};
    EXPECT_EQ(host.calls, expected);
    EXPECT_TRUE(state.AbortRequested);
    EXPECT_EQ(test::ReadFile(dir.path() + "/Tolvane.log"), test::Sj("ダウンロード中") + "\r\n\r\n");
}

TEST_F(JobFrameTest, AFailingStepSkipsTheRestButNotTheCleanUp) {
    std::vector<std::string> ran;
    options.RunMode = rmFull;
    RunJobFrame(host, state, options,
                {{[&] {
                     ran.push_back("fails");
                     state.AbortRequested = true;
                 }},
                 {[&] { ran.push_back("skipped"); }},
                 {[&] { ran.push_back("cleanup"); }, true}});
    EXPECT_EQ(ran, (std::vector<std::string>{"fails", "cleanup"}));
    ASSERT_GE(host.calls.size(), 3u);
    EXPECT_EQ(host.calls[host.calls.size() - 3], std::string("warning ") + kJobAbortedText);
    EXPECT_EQ(host.calls[host.calls.size() - 2], "enable");  // mode 0 may run again
    EXPECT_EQ(test::ReadFile(dir.path() + "/Tolvane.log"), "");
}

TEST_F(JobFrameTest, CompactOnlyBeeps) {
    options.Compact = true;
    RunJobFrame(host, state, options, {});
    EXPECT_EQ(host.calls[host.calls.size() - 2], "beep");
    state.AbortRequested = false;
    RunJobFrame(host, state, options, {{[&] { state.AbortRequested = true; }}});
    EXPECT_EQ(host.calls[host.calls.size() - 2], "beep");
}

TEST_F(JobFrameTest, ALogThatCannotBeWrittenIsReportedAndTheJobStillEnds) {
    options.LogFileName = test::Folder(dir) + "missing-folder\\Tolvane.log";
    RunJobFrame(host, state, options, {});
    ASSERT_GE(host.calls.size(), 4u);
    EXPECT_EQ(host.calls[5].rfind(std::string("warning ") + kLogWriteFailedText, 0), 0u);
    EXPECT_EQ(host.calls.back(), std::string("button ") + kCloseCaption + " focus");
}
