#pragma once
// The frame every job runs in: settings saved, panels locked, steps in order
// (each skipped once the abort flag is set, except the clean-up), log file
// written, the result shown and the stop button turned into "閉じる".

#include <functional>
#include <string>
#include <vector>

#include "jobs/JobHost.h"

namespace tolvane {

struct JobStep {
    std::function<void()> Run;
    bool AlwaysRuns = false;  // the clean-up step
};

struct JobFrameOptions {
    int RunMode = 0;
    bool Compact = false;     // "/N": a beep instead of the result box
    std::string LogFileName;  // CP932 path text
};

void RunJobFrame(FrameHost& host, JobState& state, const JobFrameOptions& options,
                 const std::vector<JobStep>& steps);

// One line per log line, CR LF ends, the bytes unchanged; replaces the file.
// Throws EFileWriteError naming the file.
void WriteLogFile(const std::string& logFileName, const std::vector<std::string>& lines);

}  // namespace tolvane
