// The command-line tool on the same core as the windows:
//   tolvane-cli send    --user U --password P --folder DIR --to LANFOLDER
//   tolvane-cli receive --user U --password P --from LANFOLDER|URL --save DIR
//   tolvane-cli pack    --user U --password P --folder DIR --package FILE
//   tolvane-cli unpack  --password P --package FILE --save DIR
//   tolvane-cli demo    [SAMPLEFOLDER]
// Texts are UTF-8 here and CP932 inside. Work files live in a private
// temporary folder. Exit code 0 when the job completed, 1 when it stopped.

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <string>

#include "TerminalHost.h"
#include "archiver/LibLha32.h"
#include "archiver/LibLhaCt.h"
#include "jobs/CommandLine.h"
#include "jobs/Jobs.h"
#include "jobs/LanFolder.h"
#include "net/HttpFetch.h"
#include "text/Cp932.h"

using namespace tolvane;

namespace {

int Usage() {
    std::fputs(
        "usage:\n"
        "  tolvane-cli send    --user U --password P --folder DIR --to LANFOLDER\n"
        "  tolvane-cli receive --user U --password P --from LANFOLDER --save DIR\n"
        "  tolvane-cli pack    --user U --password P --folder DIR --package FILE\n"
        "  tolvane-cli unpack  --password P --package FILE --save DIR\n"
        "  tolvane-cli demo    [SAMPLEFOLDER]\n"
        "options: --quiet (no log lines)\n",
        stderr);
    return 2;
}

// One job: the host, the state and the steps' context over a work folder.
struct Runner {
    app::TerminalHost host;
    JobState state;
    JobParameters job;
    TLibLha lha;
    StepContext ctx;
    InternetRoads roads;
    QTemporaryDir work;

    explicit Runner(bool quiet) : host(quiet), ctx(host, state, job) {
        job.DownloadWord = Sj("ダウンロード");
        job.UploadWord = Sj("アップロード");
        ctx.ProgramFolder = QStringToCp932(work.path() + "/");
        ctx.LibLha = &lha;
        ctx.ReadJobParameters = [] {};
        ctx.DialUp = [] { return true; };
        ctx.HangUp = [] {};
        roads.FetchUrlToFile = [](StepContext& c, const std::string& url,
                                  const std::string& target) { FetchUrlToFile(c, url, target); };
    }
    // Runs `steps` in the frame; true when the job completed.
    bool Run(const std::vector<JobStep>& steps) {
        JobFrameOptions options;
        options.RunMode = rmSend;
        options.Compact = false;
        options.LogFileName = ctx.ProgramFolder + "Tolvane.log";
        RunJobFrame(host, state, options, steps);
        return std::find(host.LogLines().begin(), host.LogLines().end(), Sj("処理完了")) !=
               host.LogLines().end();
    }
};

std::map<std::string, std::string> Options(const QStringList& args, int from) {
    std::map<std::string, std::string> o;
    for (int i = from; i < args.size(); ++i) {
        const QString a = args[i];
        if (a == "--quiet") {
            o["quiet"] = "1";
        } else if (a.startsWith("--") && i + 1 < args.size()) {
            o[a.mid(2).toStdString()] = QStringToCp932(args[++i]);
        } else {
            o["arg"] = QStringToCp932(a);
        }
    }
    return o;
}

bool Require(const std::map<std::string, std::string>& o, std::initializer_list<const char*> keys) {
    for (const char* k : keys) {
        if (!o.count(k)) {
            std::fprintf(stderr, "missing --%s\n", k);
            return false;
        }
    }
    return true;
}

int Send(const std::map<std::string, std::string>& o, const std::string& to) {
    Runner r(o.count("quiet") > 0);
    r.job.JobUser = o.at("user");
    r.job.JobPassword = o.at("password");
    r.job.JobSendFolder = o.at("folder");
    r.job.JobFtpServer = to;
    if (!IsLanFolder(to, r.ctx.ProgramFolder, "")) {
        std::fprintf(stderr, "not a writable folder: %s\n", Cp932ToUtf8(to).c_str());
        return 1;
    }
    if (auto p = SendJobProblem(r.job, true); !p.empty()) {
        r.host.ShowWarning(p);
        return 1;
    }
    return r.Run(SendJobSteps(r.ctx, r.roads)) ? 0 : 1;
}

int Receive(const std::map<std::string, std::string>& o, const std::string& from) {
    Runner r(o.count("quiet") > 0);
    r.job.JobUser = o.at("user");
    r.job.JobPassword = o.at("password");
    r.job.JobReceiveAddress = from;
    r.job.JobSaveFolder = o.at("save");
    if (auto p = ReceiveJobProblem(r.job); !p.empty()) {
        r.host.ShowWarning(p);
        return 1;
    }
    return r.Run(ReceiveJobSteps(r.ctx, r.roads)) ? 0 : 1;
}

std::map<QString, QByteArray> Tree(const QString& root) {
    std::map<QString, QByteArray> tree;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        QFile f(p);
        tree[QDir(root).relativeFilePath(p)] =
            QFileInfo(p).isDir() ? QByteArray("/") : (f.open(QIODevice::ReadOnly), f.readAll());
    }
    return tree;
}

// Sends the sample folder through a LAN folder and receives it back.
int Demo(const QString& samples, bool quiet) {
    QTemporaryDir place;
    const QString lan = place.path() + QStringLiteral(u"/共有フォルダ");
    const QString save = place.path() + QStringLiteral(u"/受信データ");
    QDir().mkpath(lan);
    std::printf("== send %s -> %s\n", samples.toStdString().c_str(), lan.toStdString().c_str());
    std::map<std::string, std::string> o = {{"user", "DEMO"},
                                            {"password", "tolvane"},
                                            {"folder", QStringToCp932(samples)},
                                            {"save", QStringToCp932(save)}};
    if (quiet) o["quiet"] = "1";
    if (Send(o, QStringToCp932(lan)) != 0) return 1;
    std::printf("== receive %s -> %s\n", lan.toStdString().c_str(), save.toStdString().c_str());
    if (Receive(o, QStringToCp932(lan)) != 0) return 1;
    const bool same = Tree(samples) == Tree(save);
    std::fflush(stderr);
    std::printf("== %s\n", same ? "the received folder equals the sent one, byte for byte"
                                : "THE RECEIVED FOLDER DIFFERS");
    std::fflush(stdout);
    return same ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) return Usage();
    try {
        LoadUnlha32(
            (QCoreApplication::applicationDirPath() + "/" + kUnlha32FileName).toStdString());
        const QString command = args[1];
        const auto o = Options(args, 2);
        if (command == "demo") {
            QString samples = o.count("arg") ? Cp932ToQString(o.at("arg"))
                                             : QCoreApplication::applicationDirPath() +
                                                   QStringLiteral(u"/../../../samples/送信データ");
            return Demo(QDir(samples).absolutePath(), o.count("quiet") > 0);
        }
        if (command == "send" && Require(o, {"user", "password", "folder", "to"}))
            return Send(o, o.at("to"));
        if (command == "receive" && Require(o, {"user", "password", "from", "save"})) {
            return Receive(o, o.at("from"));
        }
        if (command == "pack" && Require(o, {"user", "password", "folder", "package"})) {
            // Packing is a send into the package's folder under the package's name.
            QTemporaryDir out;
            auto p = o;
            p["user"] = QStringToCp932(QFileInfo(Cp932ToQString(o.at("package"))).fileName());
            const int rc = Send(p, QStringToCp932(out.path()));
            if (rc != 0) return rc;
            const QString target = Cp932ToQString(o.at("package"));
            QFile::remove(target);
            return QFile::rename(out.path() + "/" + Cp932ToQString(p["user"]), target) ? 0 : 1;
        }
        if (command == "unpack" && Require(o, {"password", "package", "save"})) {
            const QFileInfo package(Cp932ToQString(o.at("package")));
            auto p = o;
            p["user"] = QStringToCp932(package.fileName());
            return Receive(p, QStringToCp932(package.absolutePath()));
        }
        return Usage();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
