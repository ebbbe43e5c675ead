#include "net/FtpUpload.h"

#include <fstream>
#include <iterator>

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
    ftp.OnDataReceived = [&ctx](T_FTP&, t_ftp_mode mode, int bytes) {
        if (mode == tftp_getdir) return;
        ctx.State.ByteCount += bytes;
        ctx.Host.SetProLabel2(std::to_string(ctx.State.ByteCount) + Sj(" Byte 完了しました。"));
        ctx.Host.ProcessMessages();
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
            std::ifstream in(FsPath(package), std::ios::binary);
            if (!in) throw ETcpIpError("cannot read the package file");
            ftp.Stream.assign(std::istreambuf_iterator<char>(in), {});
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
