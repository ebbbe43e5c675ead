#pragma once
// Small helpers shared by the tests: temporary folders, whole-file reads and
// CP932 literals written in UTF-8.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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

// A folder as the system names it: a CP932 text ending with "/".
inline std::string Folder(const QTemporaryDir& dir) {
    return QStringToCp932(dir.path() + QLatin1Char('/'));
}

}  // namespace tolvane::test
