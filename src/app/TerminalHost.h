#pragma once
// The job host of the command-line tool: log lines on standard output, the
// step labels as one progress line on a terminal's standard error.

#include <string>
#include <vector>

#include "jobs/JobHost.h"

namespace tolvane::app {

class TerminalHost : public FrameHost {
  public:
    explicit TerminalHost(bool quiet) : quiet_(quiet) {}

    void SetProLabel1(const std::string& text) override;
    void SetProLabel2(const std::string& text) override;
    void AddLog(const std::string& line) override;
    void SetProgressPanelColor(PanelColor color) override { failed_ = color == PanelColor::Red; }
    void ProcessMessages() override;
    void SaveSettings() override {}
    void SetPanelsEnabled(bool) override {}
    void ShowProgressPanel() override {}
    void ShowProButton(const std::string&, bool) override {}
    void HideProButton() override;
    void ClearLog() override { lines_.clear(); }
    std::vector<std::string> LogLines() const override { return lines_; }
    void Beep() override {}
    void ShowWarning(const std::string& text) override;
    void ShowInformation(const std::string& text) override;

    bool Failed() const { return failed_; }

  private:
    void Draw();
    void ClearLine();

    bool quiet_;
    bool failed_ = false;
    bool drawn_ = false;
    std::string label1_, label2_;
    std::vector<std::string> lines_;
};

}  // namespace tolvane::app
