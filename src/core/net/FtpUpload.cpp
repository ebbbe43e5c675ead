#include "net/FtpUpload.h"

#include <memory>

#include "package/ProgressThrottle.h"

#include "text/Cp932.h"

namespace tolvane {

void BindClientsToStep(StepContext& ctx, T_FTP& ftp, T_Pop3& pop) {
    // Sent and received lines become the detail label and a log line;
    // socket notices stay out of the log.
    TTraceProc trace = [&ctx](const std::string& text, TTraceLevel level) {
        if (level == tt_socket_event) return;
        ctx.Host.SetProLabel2(text);
        ctx.Host.AddLog(text);
    };
    for (T_TcpIp* client : {static_cast<T_TcpIp*>(&ftp), static_cast<T_TcpIp*>(&pop)}) {
        client->OnTrace = trace;
        client->ProcessMessages = [&ctx] { ctx.Host.ProcessMessages(); };
        client->StopRequested = [&ctx] { return ctx.State.AbortRequested; };
    }
    auto throttle = std::make_shared<ProgressThrottle>(ctx.ProgressInterval);
    ftp.OnDataReceived = [&ctx, throttle, done = Sj(" Byte 完了しました。")](
                             T_FTP& sender, t_ftp_mode mode, int bytes) {
        if (mode == tftp_getdir) return;
        ctx.State.ByteCount += bytes;
        // Every chunk counts; the label and the window follow every few ms
        // and at the last chunk.
        const bool last = static_cast<std::int64_t>(sender.StreamPosition) >= sender.TransferSize;
        if (throttle->Due() || last) {
            ctx.Host.SetProLabel2(std::to_string(ctx.State.ByteCount) + done);
            ctx.Host.ProcessMessages();
        }
    };
}

std::string UploadByFtp(StepContext& ctx, T_FTP& ftp, T_Pop3& pop, const std::string& package) {
    const JobParameters& job = ctx.Job;
    try {
        if (job.JobPopCheck) {
            pop.Hostname = job.JobPopServer;
            pop.UserName = job.JobPopUser;
            pop.Password = job.JobPopPassword;
            pop.Execute();
            ctx.Host.ProcessMessages();
        }
        ftp.Hostname = job.JobFtpServer;
        ftp.Username = job.JobFtpUser;
        ftp.Password = job.JobFtpPassword;
        ftp.Connect();
        ftp.ChangeDir(job.JobFtpFolder);
        if (ftp.ReplyCode == 250) {
            ftp.URI = job.JobUser;
            ctx.State.ByteCount = 0;
            // Sent from the file chunk by chunk rather than held in memory whole.
            ftp.UploadFile = FsPath(package);
            ftp.Stream.clear();
            ftp.Upload();
        }
        const bool stored = ftp.ReplyCode == 226;
        ftp.Disconnect();
        return stored ? Sj("完了") : Sj("失敗");
    } catch (...) {
        try {
            ftp.Abort();
        } catch (...) {
        }
        throw;
    }
}

}  // namespace tolvane
