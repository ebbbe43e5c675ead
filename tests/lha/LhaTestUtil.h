#pragma once
// Runs command texts through the real archiver library, and compares
// folder trees byte for byte.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "TestUtil.h"
#include "archiver/LibLha32.h"
#include "text/Cp932.h"

namespace tolvane::test {

struct UnlhaResult {
    int code;
    std::string reply;  // UTF-8
};

// `command` is UTF-8; it reaches the library as CP932, as the component sends it.
inline UnlhaResult RunUnlha(const std::string& command) {
    if (!Unlha32Loaded()) LoadUnlha32(std::string(TOLVANE_BIN_DIR) + "/" + kUnlha32FileName);
    std::vector<char> reply(65535);
    const std::string text = Utf8ToCp932(command);
    const int code =
        Unlha(nullptr, text.c_str(), reply.data(), static_cast<std::uint32_t>(reply.size()));
    return {code, Cp932ToQStringLenient(reply.data()).toStdString()};
}

inline QString FixturePath(const char* name) {
    return QStringLiteral(TOLVANE_SOURCE_DIR "/tests/data/lha/") + QString::fromUtf8(name);
}

// Every file (path → bytes) and folder (path → "/") below `root`.
inline std::map<std::string, std::string> TreeOf(const QString& root) {
    std::map<std::string, std::string> tree;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const std::string rel = QDir(root).relativeFilePath(path).toStdString();
        tree[rel] = QFileInfo(path).isDir() ? std::string("/") : ReadFile(path);
    }
    return tree;
}

// The same for a tree whose names were written as raw Shift-JIS bytes (as
// lhasa and 7-Zip do), with the names read back as UTF-8.
inline std::map<std::string, std::string> TreeOfCp932Names(const QString& root) {
    std::map<std::string, std::string> tree;
    const std::filesystem::path base(root.toStdString());
    for (const auto& entry : std::filesystem::recursive_directory_iterator(base)) {
        const std::string raw = std::filesystem::relative(entry.path(), base).native();
        std::string name;
        try {
            name = Cp932ToUtf8(raw);
        } catch (const ECp932Error&) {
            name = raw;
        }
        if (entry.is_directory()) {
            tree[name] = "/";
        } else {
            std::ifstream in(entry.path(), std::ios::binary);
            tree[name] = std::string(std::istreambuf_iterator<char>(in), {});
        }
    }
    return tree;
}

// Compares two trees and names only the paths that differ.
inline void ExpectSameTree(const std::map<std::string, std::string>& actual,
                           const std::map<std::string, std::string>& expected) {
    for (const auto& [path, bytes] : expected) {
        auto it = actual.find(path);
        if (it == actual.end()) {
            ADD_FAILURE() << "missing: " << path;
        } else if (it->second != bytes) {
            ADD_FAILURE() << "differs: " << path << " (" << it->second.size() << " bytes, expected "
                          << bytes.size() << ")";
        }
    }
    for (const auto& [path, bytes] : actual) {
        if (expected.count(path) == 0) ADD_FAILURE() << "unexpected: " << path;
    }
}

// The fixture tree as committed, plus the empty folder git cannot keep.
inline std::map<std::string, std::string> FixtureTree() {
    auto tree = TreeOf(FixturePath("tree"));
    tree["空フォルダ"] = "/";
    return tree;
}

inline bool HaveProgram(const char* name) {
    return !QStandardPaths::findExecutable(QString::fromLatin1(name)).isEmpty();
}

// Runs an outside program; returns its exit code (-1 when it did not run).
inline int RunProgram(const QString& program, const QStringList& args, const QString& cwd = {},
                      QByteArray* output = nullptr) {
    QProcess p;
    if (!cwd.isEmpty()) p.setWorkingDirectory(cwd);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForStarted(10000)) return -1;
    p.closeWriteChannel();
    p.waitForFinished(300000);
    if (output) *output = p.readAll();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

}  // namespace tolvane::test
