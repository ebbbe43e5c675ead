#include "jobs/JobFrame.h"

#include "fs/AtomicFile.h"
#include "jobs/CommandLine.h"
#include "jobs/ShellTexts.h"
#include "text/Cp932.h"

namespace tolvane {

void WriteLogFile(const std::string& logFileName, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    std::string path;
    try {
        path = FsPath(logFileName);
    } catch (const ECp932Error& e) {
        throw EFileWriteError(e.what());
    }
    WriteFileAtomically(path, bytes, 0644);
}

void RunJobFrame(FrameHost& host, JobState& state, const JobFrameOptions& options,
                 const std::vector<JobStep>& steps) {
    host.SaveSettings();
    host.SetPanelsEnabled(false);
    state.AbortRequested = false;
    host.ShowProButton(kStopCaption, false);
    host.ShowProgressPanel();
    host.ClearLog();

    for (const JobStep& step : steps) {
        if (state.AbortRequested && !step.AlwaysRuns) continue;
        step.Run();
    }

    // A log that cannot be written is reported, but the frame still ends the
    // job so the window is not left with a stop button that stops nothing.
    try {
        WriteLogFile(options.LogFileName, host.LogLines());
    } catch (const EFileWriteError&) {
        host.ShowWarning(std::string(kLogWriteFailedText) + "\n" + options.LogFileName);
    }

    host.HideProButton();
    if (state.AbortRequested) {
        if (options.Compact) {
            host.Beep();
        } else {
            host.ShowWarning(kJobAbortedText);
        }
    } else {
        if (options.Compact) {
            host.Beep();
        } else {
            host.ShowInformation(kJobDoneText);
        }
    }
    if (options.RunMode == rmFull) host.SetPanelsEnabled(true);
    state.AbortRequested = true;
    host.ShowProButton(kCloseCaption, true);
}

}  // namespace tolvane
