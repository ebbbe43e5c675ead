#include "jobs/Jobs.h"

#include "package/UserId.h"
#include "text/Cp932.h"

namespace tolvane {
namespace {

std::string DialProblem(const JobParameters& job) {
    if (job.JobDialCheck && !job.JobDialEntry.empty()) {
        if (job.JobDialUser.empty()) return Sj("ダイアルアップ接続ユーザＩＤが未設定です。");
        if (job.JobDialPassword.empty()) return Sj("ダイアルアップ接続パスワードが未設定です。");
    }
    return {};
}

}  // namespace

std::string ReceiveJobProblem(const JobParameters& job) {
    if (job.JobUser.empty()) return Sj("ユーザＩＤが未設定です。");
    if (job.JobPassword.empty()) return Sj("パスワードが未設定です。");
    if (auto p = DialProblem(job); !p.empty()) return p;
    if (job.JobReceiveAddress.empty()) return Sj("受信アドレスが未設定です。");
    // Past the checks as designed: a user ID must be a plain file name, and
    // the save folder must be named before anything in it is deleted.
    if (auto p = UserIdProblem(job.JobUser); !p.empty()) return p;
    if (job.JobSaveFolder.empty()) return Sj("保存フォルダが未設定です。");
    return {};
}

std::string SendJobProblem(const JobParameters& job, bool lanDestination) {
    if (job.JobUser.empty()) return Sj("ユーザＩＤが未設定です。");
    if (job.JobPassword.empty()) return Sj("パスワードが未設定です。");
    if (!lanDestination) {
        if (auto p = DialProblem(job); !p.empty()) return p;
        if (job.JobPopCheck) {
            if (job.JobPopServer.empty()) return Sj("ＰＯＰサーバが未設定です。");
            if (job.JobPopUser.empty()) return Sj("ＰＯＰユーザＩＤが未設定です。");
            if (job.JobPopPassword.empty()) return Sj("ＰＯＰパスワードが未設定です。");
        }
        if (job.JobFtpServer.empty()) return Sj("送信先ＦＴＰサーバが未設定です。");
        if (job.JobFtpFolder.empty()) return Sj("送信先ＦＴＰフォルダが未設定です。");
        if (job.JobFtpUser.empty()) return Sj("送信先ＦＴＰユーザＩＤが未設定です。");
        if (job.JobFtpPassword.empty()) return Sj("送信先ＦＴＰパスワードが未設定です。");
    }
    if (auto p = UserIdProblem(job.JobUser); !p.empty()) return p;
    return {};
}

std::vector<JobStep> ReceiveJobSteps(StepContext& ctx, const InternetRoads& roads) {
    return {{[&ctx, &roads] { DownloadStep(ctx, roads); }},
            {[&ctx] { ExtractStep(ctx); }},
            {[&ctx] { CleanUpStep(ctx); }, true}};
}

std::vector<JobStep> SendJobSteps(StepContext& ctx, const InternetRoads& roads) {
    return {{[&ctx] { CompressStep(ctx); }},
            {[&ctx, &roads] { UploadStep(ctx, roads); }},
            {[&ctx] { CleanUpStep(ctx); }, true}};
}

}  // namespace tolvane
