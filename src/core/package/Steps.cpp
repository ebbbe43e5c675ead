#include "package/Steps.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <exception>
#include <functional>
#include <stdexcept>

#include "archiver/LibLha32.h"
#include "archiver/LibLhaCt.h"
#include "jobs/LanFolder.h"
#include "package/FileCopy.h"
#include "package/PackageCipher.h"
#include "package/UserId.h"
#include "text/Cp932.h"

namespace tolvane {
namespace {

CopyHooks HooksOf(StepContext& ctx) {
    return {ctx.CreateCopyProgress, [&ctx] { ctx.Host.ProcessMessages(); },
            [&ctx] { return ctx.State.AbortRequested; }, ctx.ProgressInterval};
}

bool IsFile(const std::string& cp932) {
    struct stat st {};
    try {
        return stat(FsPath(cp932).c_str(), &st) == 0 && S_ISREG(st.st_mode);
    } catch (const ECp932Error&) {
        return false;
    }
}

void RemoveFile(const std::string& cp932) {
    try {
        unlink(FsPath(cp932).c_str());
    } catch (const ECp932Error&) {
    }
}

// Ends a step as failed: the label, the red panel, the outcome lines.
void Stop(StepContext& ctx, const std::string& label) {
    ctx.Fail(label);
    ctx.Outcome(label);
}

// A step given a user ID that cannot name a file stops before naming one.
bool RefuseUnsafeUser(StepContext& ctx, const std::string& failLabel) {
    const std::string problem = UserIdProblem(ctx.Job.JobUser);
    if (problem.empty()) return false;
    ctx.Host.SetProLabel2(problem);
    ctx.Host.AddLog(problem);
    Stop(ctx, failLabel);
    return true;
}

// The settings both archiver steps share: fresh options, the work file, no
// pattern, every sub-folder with its folder names, no error dialog.
TLibLha& PrepareArchiver(StepContext& ctx, TCommand command, const std::string& base) {
    TLibLha& lha = *ctx.LibLha;
    lha.ResetOptions();
    lha.ARCFileName = ctx.WorkFile();
    lha.ARCPattern = "";
    lha.BaseDirName = base;
    lha.Command = command;
    lha.ExecMode = exForeGround;
    lha.Options.OpReSearch = rsAllSearch;
    lha.Options.OpDirEffect = true;
    lha.DlgOptions.OpErrorDlg = false;
    return lha;
}

// Runs the archiver, its reply lines into the log when `logReply`; a library
// that lacks an entry counts as a failed run.
int RunArchiver(StepContext& ctx, TLibLha& lha, bool logReply) {
    if (logReply) lha.OutputLines = [&ctx](const std::string& line) { ctx.Host.AddLog(line); };
    int result = -1;
    try {
        result = lha.Execute();
    } catch (const EUnlha32Error& e) {
        ctx.Host.AddLog(e.what());
    }
    lha.OutputLines = nullptr;
    return result;
}

// Copies a file with the step's labels: "完了", "中止" or "エラー".
std::string CopyWithLabels(StepContext& ctx, const std::string& source, const std::string& folder,
                           const std::string& word) {
    try {
        const int result = CopyFileWithProgress(source, folder, HooksOf(ctx));
        if (result == kCopyDone) return word + Sj("完了");
        ctx.Fail(word + Sj("中止"));
        return word + Sj("中止");
    } catch (const EFCant&) {
        ctx.Fail(word + Sj("エラー"));
        return word + Sj("エラー");
    }
}

// The internet route of a network step: the dial-up line around `deliver`,
// which returns the outcome word after `word` or throws on an error.
std::string InternetRoute(StepContext& ctx, const std::string& word,
                          const std::function<std::string()>& deliver) {
    std::string outcome;
    try {
        if (!ctx.DialUp || !ctx.DialUp()) throw std::runtime_error("no connection");
        outcome = word + deliver();
        if (outcome != word + Sj("完了")) ctx.Fail(outcome);
    } catch (const std::exception&) {
        outcome = word + Sj("エラー");
        ctx.Fail(outcome);
    }
    if (ctx.HangUp) ctx.HangUp();
    return outcome;
}

// Deletes the top-level files of the save folder; hidden files, folders and
// everything below them stay.
void EmptySaveFolder(const std::string& folderUtf8) {
    DIR* d = opendir(folderUtf8.c_str());
    if (d == nullptr) return;
    while (dirent* ent = readdir(d)) {
        const std::string name = ent->d_name;
        if (name.empty() || name[0] == '.') continue;
        const std::string path = folderUtf8 + "/" + name;
        struct stat st {};
        if (lstat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) continue;
        unlink(path.c_str());  // a file that cannot go stays, silently
    }
    closedir(d);
}

}  // namespace

void DownloadStep(StepContext& ctx, const InternetRoads& roads) {
    ctx.ReadJobParameters();
    const std::string& word = ctx.Job.DownloadWord;
    ctx.Host.SetProLabel1(word + Sj("中"));
    ctx.Host.SetProLabel2(ctx.Job.JobReceiveAddress);
    ctx.Host.AddLog(word + Sj("中"));
    ctx.Host.AddLog(ctx.Job.JobReceiveAddress);
    ctx.Host.ProcessMessages();
    if (RefuseUnsafeUser(ctx, word + Sj("エラー"))) return;

    const std::string lanSource = ctx.Job.JobReceiveAddress + "\\" + ctx.Job.JobUser;
    const std::string url = ctx.Job.JobReceiveAddress + "/" + ctx.Job.JobUser;
    std::string outcome;
    if (IsFile(lanSource)) {
        outcome = CopyWithLabels(ctx, lanSource, ctx.ProgramFolder, word);
    } else {
        outcome = InternetRoute(ctx, word, [&] {
            if (!roads.FetchUrlToFile) throw std::runtime_error("no HTTP fetch");
            roads.FetchUrlToFile(ctx, url, ctx.PackageFile());
            return ctx.State.AbortRequested ? Sj("中止") : Sj("完了");
        });
    }
    if (outcome == word + Sj("完了")) ctx.Host.SetProLabel1(outcome);
    ctx.Outcome(outcome);
}

void ExtractStep(StepContext& ctx) {
    ctx.ReadJobParameters();
    const std::string stop = Sj("解凍中止");
    const std::string save = ctx.Job.JobSaveFolder;
    if (save.empty()) {
        // The emptying below is meant for the save folder alone.
        ctx.Title(Sj("解凍中"));
        ctx.Host.AddLog(Sj("保存フォルダが未設定です。"));
        Stop(ctx, stop);
        return;
    }
    if (RefuseUnsafeUser(ctx, stop)) return;
    DecryptPackage(ctx);
    if (ctx.State.AbortRequested) return;

    ctx.Title(Sj("解凍中"));
    ctx.Host.AddLog(Sj("書庫名：") + ctx.WorkFile() + Sj(" → フォルダ：") + save);
    ctx.Host.ProcessMessages();

    // The archive is tested before the save folder is touched, so a damaged
    // package leaves the folder as it was.
    if (RunArchiver(ctx, PrepareArchiver(ctx, cmdTest, ""), false) != 0) {
        ctx.Host.AddLog(Sj("書庫が壊れています。"));
        Stop(ctx, stop);
        return;
    }

    std::string folder;
    try {
        folder = FsPath(save);
    } catch (const ECp932Error&) {
    }
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    struct stat st {};
    if (!folder.empty()) mkdir(folder.c_str(), 0755);  // one level, as the field names it
    if (folder.empty() || stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        ctx.Host.AddLog(Sj("保存フォルダを作成できません：") + save);
        Stop(ctx, stop);
        return;
    }
    EmptySaveFolder(folder);

    TLibLha& lha = PrepareArchiver(ctx, cmdExtract, save);
    lha.Options.OpLogDisp = ldDetail;
    lha.Options.OpDlgYes = {dyDirectory, dyReplaceFile};
    lha.Options.OpROot = false;
    if (RunArchiver(ctx, lha, true) != 0) {
        Stop(ctx, stop);
        return;
    }
    ctx.Host.SetProLabel1(Sj("解凍完了"));
    ctx.Outcome(Sj("解凍完了"));
}

void CleanUpStep(StepContext& ctx) {
    ctx.ReadJobParameters();
    ctx.Title(Sj("ワーク消去中"));
    ctx.Host.ProcessMessages();
    if (UserIdProblem(ctx.Job.JobUser).empty()) {
        RemoveFile(ctx.WorkFile());
        RemoveFile(ctx.PackageFile());
    }
    if (ctx.State.AbortRequested) {
        ctx.Host.SetProLabel1(Sj("処理中止"));
        ctx.Host.SetProgressPanelColor(PanelColor::Red);
        ctx.Outcome(Sj("処理中止"));
    } else {
        ctx.Host.SetProLabel1(Sj("処理完了"));
        ctx.Outcome(Sj("処理完了"));
    }
}

void CompressStep(StepContext& ctx) {
    ctx.ReadJobParameters();
    const std::string stop = Sj("圧縮中止");
    ctx.Title(Sj("圧縮中"));
    if (!UserIdProblem(ctx.Job.JobUser).empty()) {
        RefuseUnsafeUser(ctx, stop);
        EncryptPackage(ctx);
        return;
    }
    ctx.Host.AddLog(Sj("フォルダ：") + ctx.Job.JobSendFolder + Sj(" → 書庫名：") + ctx.WorkFile());
    ctx.Host.ProcessMessages();
    RemoveFile(ctx.WorkFile());

    if (ctx.Job.JobSendFolder.empty()) {
        // An empty base folder would pack whatever the current folder holds.
        ctx.Host.AddLog(Sj("送信対象フォルダが未設定です。"));
        Stop(ctx, stop);
        EncryptPackage(ctx);
        return;
    }
    TLibLha& lha = PrepareArchiver(ctx, cmdAdd, ctx.Job.JobSendFolder);
    lha.Options.OpLogDisp = ldFileOnly;
    if (RunArchiver(ctx, lha, true) != 0) {
        Stop(ctx, stop);
    } else {
        ctx.Host.SetProLabel1(Sj("圧縮完了"));
        ctx.Outcome(Sj("圧縮完了"));
    }
    EncryptPackage(ctx);
}

void UploadStep(StepContext& ctx, const InternetRoads& roads) {
    ctx.ReadJobParameters();
    const std::string& word = ctx.Job.UploadWord;
    if (!UserIdProblem(ctx.Job.JobUser).empty()) {
        ctx.Host.SetProLabel1(word + Sj("中"));
        RefuseUnsafeUser(ctx, word + Sj("エラー"));
        return;
    }
    const std::string package = ctx.PackageFile();
    const std::string destination = ctx.Job.JobFtpServer + ctx.Job.JobFtpFolder;
    if (!IsFile(package)) return;
    ctx.Host.SetProLabel1(word + Sj("中"));
    ctx.Host.SetProLabel2(ctx.Job.JobFtpServer);
    ctx.Host.AddLog(word + Sj("中"));
    ctx.Host.AddLog(ctx.Job.JobFtpServer);
    ctx.Host.ProcessMessages();

    std::string outcome;
    if (IsLanFolder(destination, ctx.ProgramFolder, ctx.ProbeContent)) {
        outcome = CopyWithLabels(ctx, package, destination, word);
    } else {
        outcome = InternetRoute(ctx, word, [&] {
            if (!roads.UploadByFtp) throw std::runtime_error("no FTP upload");
            return roads.UploadByFtp(ctx, package);
        });
    }
    if (outcome == word + Sj("完了")) ctx.Host.SetProLabel1(outcome);
    ctx.Outcome(outcome);
}

}  // namespace tolvane
