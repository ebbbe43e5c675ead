#pragma once
// Everything a step of the jobs works with: the host's report surface, the
// job's state and parameters, the program folder and the components.

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "jobs/JobHost.h"
#include "jobs/JobParameters.h"

namespace tolvane {

class TLibLha;

// The copy's small progress window, made by the host for one copy.
class CopyProgressWindow {
  public:
    virtual ~CopyProgressWindow() = default;
    virtual void SetCaption(const std::string& text) = 0;
    virtual void SetRange(std::int64_t maximum) = 0;
    virtual void SetPosition(std::int64_t position) = 0;
    virtual void SetLabel(const std::string& text) = 0;
};

struct StepContext {
    StepContext(StepHost& host, JobState& state, JobParameters& job)
        : Host(host), State(state), Job(job) {}

    StepHost& Host;
    JobState& State;
    JobParameters& Job;
    std::string ProgramFolder;  // CP932, ends with "/"
    TLibLha* LibLha = nullptr;
    // Refreshes Job from the fields (the window's ReadJobParameters).
    std::function<void()> ReadJobParameters;
    // Opens and closes the dial-up line; true when none is configured.
    std::function<bool()> DialUp;
    std::function<void()> HangUp;
    // Makes the copy's progress window; may return none (no window).
    std::function<std::unique_ptr<CopyProgressWindow>()> CreateCopyProgress;
    // Probe text for the LAN folder check (the dial-up entry list).
    std::string ProbeContent;
    // How often long passes show progress and serve the host's event loop.
    std::chrono::milliseconds ProgressInterval{15};

    // The package file and its work file, named by the user ID.
    std::string PackageFile() const { return ProgramFolder + "\\" + Job.JobUser; }
    std::string WorkFile() const { return PackageFile() + ".$$$"; }

    // The report pattern every step shares.
    void Title(const std::string& label1) {
        Host.SetProLabel1(label1);
        Host.SetProLabel2("");
        Host.AddLog(label1);
    }
    void Fail(const std::string& label1) {
        State.AbortRequested = true;
        Host.SetProLabel1(label1);
        Host.SetProgressPanelColor(PanelColor::Red);
    }
    void Outcome(const std::string& label1) {
        Host.AddLog(label1);
        Host.AddLog("");
        Host.ProcessMessages();
    }
};

}  // namespace tolvane
