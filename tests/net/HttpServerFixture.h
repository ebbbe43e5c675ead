#pragma once
// Starts tests/net/http_server.py on 127.0.0.1 and a free port for one test.

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

namespace tolvane::test {

class HttpServer {
  public:
    QTemporaryDir dir;
    QString root = dir.path() + "/root";
    QString agents = dir.path() + "/agents.log";
    int port = 0;

    HttpServer() {
        QDir().mkpath(root);
        // The Debian interpreter, which has the packaged server modules.
        process_.setProgram("/usr/bin/python3");
        process_.setArguments(
            {QStringLiteral(TOLVANE_SOURCE_DIR "/tests/net/http_server.py"), root, agents});
        process_.start();
        if (process_.waitForStarted(5000) && process_.waitForReadyRead(10000)) {
            port = process_.readLine().trimmed().toInt();
        }
    }
    ~HttpServer() {
        process_.kill();
        process_.waitForFinished(5000);
    }
    std::string Url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port) + path;
    }

  private:
    QProcess process_;
};

}  // namespace tolvane::test
