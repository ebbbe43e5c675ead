#include "jobs/LanFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "text/Cp932.h"

namespace tolvane {
namespace {

constexpr char kProbeName[] = "\\check.$$$";

void WriteProbe(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!out) throw std::ios_base::failure("probe not written");
}

bool Exists(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0;
}

}  // namespace

bool IsLanFolder(const std::string& destination, const std::string& programFolder,
                 const std::string& probeContent) {
    if (destination.empty()) return false;
    bool result = false;
    std::string homeProbe;
    try {
        homeProbe = FsPath(programFolder + kProbeName);
        const std::string destProbe = FsPath(destination + kProbeName);
        WriteProbe(homeProbe, probeContent);
        if (!Exists(destProbe)) {
            unlink(homeProbe.c_str());
            try {
                WriteProbe(destProbe, probeContent);
            } catch (...) {
                // A half-written probe would make every later probe of this
                // folder answer false; it was not there before, so remove it.
                unlink(destProbe.c_str());
                throw;
            }
            unlink(destProbe.c_str());
            result = true;
        }
    } catch (...) {
    }
    if (!homeProbe.empty()) unlink(homeProbe.c_str());
    return result;
}

}  // namespace tolvane
