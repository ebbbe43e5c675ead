#include "SingleInstance.h"

#include <pwd.h>
#include <unistd.h>

#include <QLocalSocket>

namespace tolvane::app {
namespace {

constexpr int kAnswerWaitMs = 2000;
constexpr char kActivate[] = "activate\n";

QString UserName() {
    if (const passwd* pw = getpwuid(getuid())) return QString::fromLocal8Bit(pw->pw_name);
    return QString::number(getuid());
}

}  // namespace

SingleInstance::SingleInstance(QString markerName, QObject* parent)
    : QObject(parent), markerName_(std::move(markerName)) {
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_.nextPendingConnection()) {
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                if (peer->readAll().contains("activate")) emit ActivationRequested();
                peer->disconnectFromServer();
            });
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        }
    });
}

QString SingleInstance::MarkerFor(const QString& executableFileName) {
    return QStringLiteral("tolvane-") + executableFileName.toLower() + QLatin1Char('-') +
           UserName();
}

bool SingleInstance::ActivateRunningCopy() {
    QLocalSocket socket;
    socket.connectToServer(markerName_);
    if (!socket.waitForConnected(kAnswerWaitMs)) return false;
    socket.write(kActivate);
    socket.waitForBytesWritten(kAnswerWaitMs);
    socket.waitForDisconnected(kAnswerWaitMs);
    return true;
}

bool SingleInstance::Register() {
    if (server_.listen(markerName_)) return true;
    // Nobody answered on it, so the name is a left-over of a copy that ended
    // abnormally: remove it once and take it.
    QLocalServer::removeServer(markerName_);
    return server_.listen(markerName_);
}

}  // namespace tolvane::app
