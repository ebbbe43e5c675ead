#pragma once
// Small helpers shared by the tests: temporary folders, whole-file reads and
// CP932 literals written in UTF-8.

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <map>
#include <string>

#include "text/Cp932.h"

namespace tolvane::test {

inline std::string Sj(const char* utf8) { return Utf8ToCp932(utf8); }

inline std::string ReadFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

inline void WriteFile(const QString& path, const std::string& bytes) {
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// Writes a file, making its folders first.
inline void WritePath(const QString& path, const std::string& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    WriteFile(path, bytes);
}

// Every file (relative path → bytes) and folder (→ "/") below `root`,
// hidden ones included.
inline std::map<QString, std::string> Tree(const QString& root) {
    std::map<QString, std::string> tree;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        tree[QDir(root).relativeFilePath(p)] = QFileInfo(p).isDir() ? "/" : ReadFile(p);
    }
    return tree;
}

// A folder as the system names it: a CP932 text ending with "/".
inline std::string Folder(const QTemporaryDir& dir) {
    return QStringToCp932(dir.path() + QLatin1Char('/'));
}

}  // namespace tolvane::test
