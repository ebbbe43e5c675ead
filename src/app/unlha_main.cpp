// Runs one archiver command text through the archiver library, as the
// window's archiver component does, and prints the reply:
//   tolvane-unlha 'A -+ -x1 -r2 "pack.lzh" "folder/" ""'
// Arguments are UTF-8; the command text reaches the library as CP932.

#include <QCoreApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "archiver/LibLha32.h"
#include "text/Cp932.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s 'COMMAND TEXT'\n", argv[0]);
        return 2;
    }
    try {
        tolvane::LoadUnlha32((QCoreApplication::applicationDirPath() + "/" +
                              QString::fromLatin1(tolvane::kUnlha32FileName))
                                 .toStdString());
        const std::string command = tolvane::Utf8ToCp932(argv[1]);
        std::vector<char> reply(65535);
        const int rc = tolvane::Unlha(nullptr, command.c_str(), reply.data(),
                                      static_cast<std::uint32_t>(reply.size()));
        std::fputs(tolvane::Cp932ToQStringLenient(reply.data()).toLocal8Bit().constData(), stdout);
        return rc == 0 ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
