// The steps and the two jobs over LAN folders, with the real archiver
// library, through the job frame.

#include <gtest/gtest.h>

#include <QDirIterator>
#include <map>

#include "RecordingHost.h"
#include "TestUtil.h"
#include "archiver/LibLha32.h"
#include "archiver/LibLhaCt.h"
#include "jobs/CommandLine.h"
#include "jobs/Jobs.h"
#include "package/UserId.h"

using namespace tolvane;
using test::Sj;

namespace {

using test::Tree;

// One side of the transfer: a program folder of its own, a job, the steps.
struct Side {
    QTemporaryDir programFolder;
    test::RecordingHost host;
    JobState state;
    JobParameters job;
    std::unique_ptr<TLibLha> lha;
    StepContext ctx{host, state, job};
    InternetRoads roads;

    Side() {
        if (!Unlha32Loaded()) LoadUnlha32(std::string(TOLVANE_BIN_DIR) + "/" + kUnlha32FileName);
        lha = std::make_unique<TLibLha>();
        ctx.ProgramFolder = test::Folder(programFolder);
        ctx.LibLha = lha.get();
        ctx.ReadJobParameters = [] {};
        ctx.DialUp = [] { return true; };
        ctx.HangUp = [] {};
        job.JobUser = Sj("利用者1");
        job.JobPassword = "secret";
        job.DownloadWord = Sj("ダウンロード");
        job.UploadWord = Sj("アップロード");
    }
    void Run(const std::vector<JobStep>& steps) {
        JobFrameOptions options;
        options.RunMode = rmSend;
        options.LogFileName = ctx.ProgramFolder + "Tolvane.log";
        RunJobFrame(host, state, options, steps);
    }
    std::string Package() const { return ctx.PackageFile(); }
};

class LanJobs : public testing::Test {
  protected:
    QTemporaryDir dir;
    QString send = dir.path() + QStringLiteral(u"/送信");
    QString lan = dir.path() + "/lan";
    QString save = dir.path() + QStringLiteral(u"/保存");
    Side sender, receiver;

    void SetUp() override {
        test::WritePath(send + "/a.txt", "alpha\n");
        test::WritePath(send + QStringLiteral(u"/表示/ソフト.txt"), "0x5C\n");
        test::WritePath(send + "/sub/deeper/empty", "");
        QDir().mkpath(send + "/empty folder");
        QDir().mkpath(lan);
        sender.job.JobSendFolder = QStringToCp932(send);
        sender.job.JobFtpServer = QStringToCp932(lan);
        sender.job.JobFtpFolder = "";
        receiver.job.JobReceiveAddress = QStringToCp932(lan);
        receiver.job.JobSaveFolder = QStringToCp932(save);
    }
    void SendAndReceive() {
        sender.Run(SendJobSteps(sender.ctx, sender.roads));
        std::string shown;
        for (const auto& l : sender.host.log)
            shown += Cp932ToQStringLenient(l).toStdString() + "\n";
        // The frame leaves the abort flag set after every job; the result box tells.
        ASSERT_EQ(sender.host.calls[sender.host.calls.size() - 2],
                  "info " + Sj("処理は完了しました。"))
            << "send failed:\n"
            << shown;
        receiver.Run(ReceiveJobSteps(receiver.ctx, receiver.roads));
    }
};

}  // namespace

TEST_F(LanJobs, AFolderGoesThroughALanFolderAndComesOutWhole) {
    SendAndReceive();
    EXPECT_EQ(receiver.host.calls[receiver.host.calls.size() - 2],
              "info " + Sj("処理は完了しました。"));
    EXPECT_EQ(Tree(save), Tree(send));
    // Only the delivered package stays; both program folders are clean.
    EXPECT_EQ(QDir(lan).entryList(QDir::Files), QStringList{QStringLiteral(u"利用者1")});
    for (Side* s : {&sender, &receiver}) {
        EXPECT_EQ(QDir(s->programFolder.path()).entryList(QDir::Files), QStringList{"Tolvane.log"});
    }
}

TEST_F(LanJobs, TheLogsReadLineByLine) {
    SendAndReceive();
    const std::string work = sender.ctx.WorkFile();
    std::vector<std::string> sendLog = sender.host.log;
    // The archiver's own lines: one per entry, between the folder line and "圧縮完了".
    ASSERT_GT(sendLog.size(), 6u);
    auto done = std::find(sendLog.begin(), sendLog.end(), Sj("圧縮完了"));
    ASSERT_NE(done, sendLog.end());
    EXPECT_EQ(done - sendLog.begin() - 2, 7);  // three files and four folders
    sendLog.erase(sendLog.begin() + 2, done);
    const std::string count = sendLog[5];
    EXPECT_EQ(count.substr(count.find(' ')), Sj(" Byte 暗号化しました。"));
    EXPECT_EQ(sendLog,
              (std::vector<std::string>{
                  Sj("圧縮中"), Sj("フォルダ：") + QStringToCp932(send) + Sj(" → 書庫名：") + work,
                  Sj("圧縮完了"), "", Sj("暗号化中"), count, Sj("暗号化完了"), "",
                  Sj("アップロード中"), QStringToCp932(lan), Sj("アップロード完了"), "",
                  Sj("ワーク消去中"), Sj("処理完了"), ""}));

    std::vector<std::string> receiveLog = receiver.host.log;
    auto extracted = std::find(receiveLog.begin(), receiveLog.end(), Sj("解凍完了"));
    auto folderLine = std::find(
        receiveLog.begin(), receiveLog.end(),
        Sj("書庫名：") + receiver.ctx.WorkFile() + Sj(" → フォルダ：") + QStringToCp932(save));
    ASSERT_NE(extracted, receiveLog.end());
    ASSERT_NE(folderLine, receiveLog.end());
    receiveLog.erase(folderLine + 1, extracted);
    const std::string received = receiveLog[5];
    EXPECT_EQ(receiveLog,
              (std::vector<std::string>{
                  Sj("ダウンロード中"), QStringToCp932(lan), Sj("ダウンロード完了"), "",
                  Sj("暗号解析中"), received, Sj("暗号解析完了"), "", Sj("解凍中"), *folderLine,
                  Sj("解凍完了"), "", Sj("ワーク消去中"), Sj("処理完了"), ""}));
    EXPECT_EQ(test::ReadFile(receiver.programFolder.path() + "/Tolvane.log").substr(0, 16),
              Sj("ダウンロード中") + "\r\n");
}

TEST_F(LanJobs, TheSaveFolderIsEmptiedOfTopLevelFilesOnly) {
    test::WritePath(save + "/old-top.txt", "gone");
    test::WritePath(save + "/.hidden", "stays");
    test::WritePath(save + "/sub/other.txt", "stays below");
    test::WritePath(save + "/sub/deeper/empty", "replaced");
    test::WritePath(save + "/a.txt", "replaced");
    SendAndReceive();
    auto tree = Tree(save);
    EXPECT_EQ(tree.count("old-top.txt"), 0u);
    EXPECT_EQ(tree[".hidden"], "stays");
    EXPECT_EQ(tree["sub/other.txt"], "stays below");
    EXPECT_EQ(tree["sub/deeper/empty"], "");
    EXPECT_EQ(tree["a.txt"], "alpha\n");
}

TEST_F(LanJobs, AWrongPasswordOrADamagedPackageLeavesTheSaveFolderUntouched) {
    test::WritePath(save + "/keep.txt", "untouched");
    sender.Run(SendJobSteps(sender.ctx, sender.roads));
    const QString delivered = lan + QStringLiteral(u"/利用者1");
    const std::string good = test::ReadFile(delivered);

    receiver.job.JobPassword = "wrong";
    receiver.Run(ReceiveJobSteps(receiver.ctx, receiver.roads));
    EXPECT_TRUE(receiver.state.AbortRequested);
    EXPECT_NE(
        std::find(receiver.host.log.begin(), receiver.host.log.end(), Sj("パスワードが違います。")),
        receiver.host.log.end());
    EXPECT_EQ(receiver.host.label1, Sj("処理中止"));

    std::string damaged = good;
    ASSERT_GT(damaged.size(), 1100u);
    for (std::size_t i = 1050; i < damaged.size(); i += 37)
        damaged[i] = static_cast<char>(~damaged[i]);
    test::WriteFile(delivered, damaged);
    receiver.job.JobPassword = "secret";
    receiver.Run(ReceiveJobSteps(receiver.ctx, receiver.roads));
    EXPECT_TRUE(receiver.state.AbortRequested);
    EXPECT_NE(
        std::find(receiver.host.log.begin(), receiver.host.log.end(), Sj("書庫が壊れています。")),
        receiver.host.log.end());
    EXPECT_EQ(Tree(save), (std::map<QString, std::string>{{"keep.txt", "untouched"}}));
    EXPECT_EQ(QDir(receiver.programFolder.path()).entryList(QDir::Files),
              QStringList{"Tolvane.log"});
}

TEST_F(LanJobs, UnusableEntriesAreRefusedBeforeAnyFileIsNamed) {
    struct Case {
        std::string user;
        std::string save;
        const char* warning;
    } cases[] = {
        {"", "s", "ユーザＩＤが未設定です。"},
        {"a/b", "s", "ユーザＩＤに使えない文字が含まれています。"},
        {"..", "s", "ユーザＩＤに使えない文字が含まれています。"},
        {"a\\b", "s", "ユーザＩＤに使えない文字が含まれています。"},
        {"tab\there", "s", "ユーザＩＤに使えない文字が含まれています。"},
        {Sj("表"), "", "保存フォルダが未設定です。"},  // 95 5C: a trail byte is no separator
        {Sj("表"), "s", ""},
    };
    for (const auto& c : cases) {
        JobParameters job;
        job.JobUser = c.user;
        job.JobPassword = "p";
        job.JobReceiveAddress = "http://example";
        job.JobSaveFolder = c.save;
        EXPECT_EQ(ReceiveJobProblem(job), Sj(c.warning)) << c.user;
    }
}

TEST_F(LanJobs, ASaveFolderThatCannotBeMadeStopsTheJob) {
    sender.Run(SendJobSteps(sender.ctx, sender.roads));
    receiver.job.JobSaveFolder = QStringToCp932(dir.path() + "/missing-parent/save");
    receiver.Run(ReceiveJobSteps(receiver.ctx, receiver.roads));
    EXPECT_TRUE(receiver.state.AbortRequested);
    EXPECT_NE(std::find(receiver.host.log.begin(), receiver.host.log.end(),
                        Sj("保存フォルダを作成できません：") + receiver.job.JobSaveFolder),
              receiver.host.log.end());
    EXPECT_FALSE(QDir(dir.path() + "/missing-parent").exists());
}

TEST_F(LanJobs, StopDuringTheLanCopyEndsTheJob) {
    std::string noise(8 << 20, '\0');
    std::uint32_t x = 2463534242u;
    for (char& c : noise) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = static_cast<char>(x);
    }
    test::WritePath(send + "/big.bin", noise);  // stored as it is: the package stays big
    sender.ctx.ProgressInterval = std::chrono::milliseconds(0);
    sender.Run(SendJobSteps(sender.ctx, sender.roads));
    receiver.ctx.ProgressInterval = std::chrono::milliseconds(0);
    receiver.host.onPump = [&](int n) {
        if (n == 4) receiver.state.AbortRequested = true;  // inside the copy
    };
    receiver.Run(ReceiveJobSteps(receiver.ctx, receiver.roads));
    EXPECT_TRUE(receiver.state.AbortRequested);
    EXPECT_NE(std::find(receiver.host.log.begin(), receiver.host.log.end(), Sj("ダウンロード中止")),
              receiver.host.log.end());
    EXPECT_EQ(std::find(receiver.host.log.begin(), receiver.host.log.end(), Sj("暗号解析中")),
              receiver.host.log.end());
    EXPECT_FALSE(QDir(save).exists());
    EXPECT_EQ(QDir(receiver.programFolder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"Tolvane.log"});
}
