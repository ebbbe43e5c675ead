#include "jobs/CommandLine.h"

#include "jobs/ShellTexts.h"

namespace tolvane {
namespace {

bool TakeRest(const std::string& arg, const char* sw, std::string& out) {
    std::size_t pos = arg.find(sw);
    if (pos == std::string::npos) return false;
    out = arg.substr(pos + std::char_traits<char>::length(sw));
    return true;
}

}  // namespace

CommandLine ReadCommandLine(const std::vector<std::string>& args) {
    CommandLine cl;
    for (const std::string& arg : args) {
        // The order of these tests is what makes "/R" win over "/S" in one argument.
        if (arg.find("/S") != std::string::npos) cl.RunMode = rmSend;
        if (arg.find("/R") != std::string::npos) cl.RunMode = rmReceive;
        TakeRest(arg, "/U:", cl.CommandUser);
        TakeRest(arg, "/F:", cl.CommandFolder);
        TakeRest(arg, "/I:", cl.CommandIniName);
        if (arg.find("/N") != std::string::npos) cl.CommandCompact = arg;
    }
    return cl;
}

int ChooseRunMode(const std::string& applicationTitle, int commandLineMode) {
    if (applicationTitle == kSendTitle) return rmSend;
    if (applicationTitle == kReceiveTitle) return rmReceive;
    return commandLineMode;
}

}  // namespace tolvane
