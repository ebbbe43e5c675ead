#pragma once
// A job host that records what the frame and the steps do: the frame's calls
// in order, the log list, and the labels as they stand.

#include <functional>
#include <string>
#include <vector>

#include "jobs/JobHost.h"

namespace tolvane::test {

class RecordingHost : public FrameHost {
  public:
    std::vector<std::string> calls;
    std::vector<std::string> log;
    std::string label1, label2;
    bool red = false;
    int pumps = 0;
    std::function<void(int)> onPump;  // e.g. press "stop" at the Nth pump

    void SetProLabel1(const std::string& t) override {
        label1 = t;
        calls.push_back("label1 " + t);
    }
    void SetProLabel2(const std::string& t) override { label2 = t; }
    void AddLog(const std::string& line) override { log.push_back(line); }
    void SetProgressPanelColor(PanelColor c) override {
        red = c == PanelColor::Red;
        calls.push_back(red ? "red" : "silver");
    }
    void ProcessMessages() override {
        ++pumps;
        if (onPump) onPump(pumps);
    }
    void SaveSettings() override { calls.push_back("save"); }
    void SetPanelsEnabled(bool e) override { calls.push_back(e ? "enable" : "disable"); }
    void ShowProgressPanel() override { calls.push_back("progress"); }
    void ShowProButton(const std::string& c, bool focus) override {
        calls.push_back("button " + c + (focus ? " focus" : ""));
    }
    void HideProButton() override { calls.push_back("hide"); }
    void ClearLog() override {
        calls.push_back("clear");
        log.clear();
    }
    std::vector<std::string> LogLines() const override { return log; }
    void Beep() override { calls.push_back("beep"); }
    void ShowWarning(const std::string& t) override { calls.push_back("warning " + t); }
    void ShowInformation(const std::string& t) override { calls.push_back("info " + t); }
};

}  // namespace tolvane::test
