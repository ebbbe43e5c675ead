#pragma once
// The FTP (pyftpdlib) and POP3 (dovecot) servers of the tests, each started
// on 127.0.0.1 and a free port for one test and stopped after it.

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace tolvane::test {

class ScriptServer {
  public:
    int port = 0;
    ScriptServer(const char* script, const QStringList& args) {
        // The Debian interpreter, which has the packaged server modules.
        process_.setProgram("/usr/bin/python3");
        process_.setArguments(
            QStringList{QStringLiteral(TOLVANE_SOURCE_DIR "/tests/net/") + script} + args);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start();
        if (process_.waitForStarted(5000) && process_.waitForReadyRead(20000)) {
            port = process_.readLine().trimmed().toInt();
        }
    }
    ~ScriptServer() {
        process_.closeWriteChannel();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }

  private:
    QProcess process_;
};

struct FtpServer {
    QTemporaryDir dir;
    QString root = dir.path();
    ScriptServer server{"ftp_server.py", {root}};
};

struct Pop3Server {
    QTemporaryDir dir;
    ScriptServer server;
    explicit Pop3Server(int messages)
        : server("pop3_server.py", {dir.path(), QString::number(messages)}) {}
};

}  // namespace tolvane::test
