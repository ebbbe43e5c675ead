#pragma once
// The program's command line: "/S", "/R", "/U:", "/F:", "/I:", "/N", each
// searched for anywhere inside every argument, case-sensitively.

#include <string>
#include <vector>

namespace tolvane {

enum RunModeValue { rmFull = 0, rmSend = 1, rmReceive = 2 };

struct CommandLine {
    int RunMode = rmFull;
    std::string CommandIniName;  // empty: the default settings file
    std::string CommandUser;
    std::string CommandFolder;
    std::string CommandCompact;  // the whole argument that held "/N"
};

// `args` are the arguments after the program name, as CP932 texts.
CommandLine ReadCommandLine(const std::vector<std::string>& args);

// The application title decides the mode where it names one of the tools;
// otherwise the command line's choice stays.
int ChooseRunMode(const std::string& applicationTitle, int commandLineMode);

}  // namespace tolvane
