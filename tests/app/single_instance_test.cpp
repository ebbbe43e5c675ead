#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>
#include <cstring>

#include "SingleInstance.h"

using tolvane::app::SingleInstance;

namespace {

// A copy of a window program under a name of its own in a folder of its own,
// so runs of the tests never meet each other or a running tool.
struct ProgramCopy {
    QTemporaryDir dir;
    QString name;
    QString path;
    explicit ProgramCopy(bool withArchiver = true, const char* program = "tolvane-receive") {
        name = QStringLiteral("tv-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
        path = dir.path() + "/" + name;
        QFile::copy(QStringLiteral(TOLVANE_BIN_DIR "/") + program, path);
        if (withArchiver) {
            QFile::copy(QStringLiteral(TOLVANE_BIN_DIR "/libunlha32.so"),
                        dir.path() + "/libunlha32.so");
        }
    }
    ~ProgramCopy() { QLocalServer::removeServer(Marker()); }
    QString Marker() const { return SingleInstance::MarkerFor(name); }
    QString MarkerFile() const { return QDir::tempPath() + "/" + Marker(); }
    std::unique_ptr<QProcess> Start() const {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p->setProcessEnvironment(env);
        p->start(path, {});
        p->waitForStarted();
        return p;
    }
};

// Serves the event loop until `done` or the time runs out.
template <typename F>
bool WaitFor(F done, int ms = 8000) {
    for (int waited = 0; waited < ms; waited += 20) {
        if (done()) return true;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        usleep(20 * 1000);
    }
    return done();
}

bool Ended(QProcess& p) { return p.state() == QProcess::NotRunning; }

}  // namespace

TEST(SingleInstance, ASecondStartActivatesTheRunningCopyAndTouchesNothing) {
    ProgramCopy copy;
    SingleInstance running(copy.Marker());
    ASSERT_TRUE(running.Register());
    bool activated = false;
    QObject::connect(&running, &SingleInstance::ActivationRequested, [&] { activated = true; });

    auto second = copy.Start();
    ASSERT_TRUE(WaitFor([&] { return Ended(*second) && activated; }));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(QDir(copy.dir.path()).entryList(QDir::Files),
              (QStringList{"libunlha32.so", copy.name}));
}

TEST(SingleInstance, TwoRealStartsLeaveOneRunningCopy) {
    ProgramCopy copy;
    auto first = copy.Start();
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(copy.MarkerFile()); }));
    auto second = copy.Start();
    ASSERT_TRUE(WaitFor([&] { return Ended(*second); }));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_FALSE(Ended(*first));

    // A copy under another file name is an independent program.
    ProgramCopy other;
    auto beside = other.Start();
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(other.MarkerFile()); }));
    EXPECT_FALSE(Ended(*beside));
    beside->kill();
    first->kill();
    beside->waitForFinished();
    first->waitForFinished();
}

TEST(SingleInstance, AMarkerLeftByADeadCopyIsRemoved) {
    ProgramCopy copy;
    // A bound socket that nobody listens on is what a killed copy leaves.
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray file = copy.MarkerFile().toLocal8Bit();
    std::strncpy(addr.sun_path, file.constData(), sizeof addr.sun_path - 1);
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    close(fd);

    auto started = copy.Start();
    SingleInstance probe(copy.Marker());
    ASSERT_TRUE(WaitFor([&] { return Ended(*started) || probe.ActivateRunningCopy(); }));
    EXPECT_FALSE(Ended(*started)) << started->readAllStandardError().toStdString();
    started->kill();
    started->waitForFinished();
}

TEST(SingleInstance, WithoutTheArchiverLibraryNothingStarts) {
    ProgramCopy copy(false);
    auto started = copy.Start();
    ASSERT_TRUE(started->waitForFinished(8000));
    EXPECT_NE(started->exitCode(), 0);
    EXPECT_TRUE(
        started->readAllStandardError().contains("Unlha32 Module Not Loaded.(UNLHA32.DLL)"));
    EXPECT_FALSE(QFile::exists(copy.MarkerFile()));
    EXPECT_EQ(QDir(copy.dir.path()).entryList(QDir::Files), QStringList{copy.name});
}
