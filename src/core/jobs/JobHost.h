#pragma once
// What the jobs and steps see of whoever runs them: the main window, the
// command-line tool or a test. The core never touches a window itself.

#include <cstdint>
#include <string>
#include <vector>

namespace tolvane {

enum class PanelColor { Silver, Red };

// The step report surface: two progress labels, the log list, the progress
// panel's colour, and a chance for the host to serve its event loop.
class StepHost {
  public:
    virtual ~StepHost() = default;
    virtual void SetProLabel1(const std::string& text) = 0;
    virtual void SetProLabel2(const std::string& text) = 0;
    virtual void AddLog(const std::string& line) = 0;
    virtual void SetProgressPanelColor(PanelColor color) = 0;
    // Called between blocks of long work; the stop button is served here.
    virtual void ProcessMessages() = 0;
};

// The job frame's extra needs: the window-side chores around the steps.
class FrameHost : public StepHost {
  public:
    virtual void SaveSettings() = 0;
    virtual void SetPanelsEnabled(bool enabled) = 0;
    // Shows the progress panel over the mode's panel, silver, labels cleared.
    virtual void ShowProgressPanel() = 0;
    virtual void ShowProButton(const std::string& caption, bool focus) = 0;
    virtual void HideProButton() = 0;
    virtual void ClearLog() = 0;
    virtual std::vector<std::string> LogLines() const = 0;
    virtual void Beep() = 0;
    virtual void ShowWarning(const std::string& text) = 0;
    virtual void ShowInformation(const std::string& text) = 0;
};

// The running job's shared state. AbortRequested stays set between jobs so a
// step started outside a job is refused.
struct JobState {
    bool AbortRequested = true;
    std::int64_t ByteCount = 0;
};

}  // namespace tolvane
