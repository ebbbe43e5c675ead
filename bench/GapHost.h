#pragma once
// A step host for the benchmarks: it records the longest time the work went
// without serving the event loop.

#include <algorithm>
#include <chrono>
#include <string>

#include "jobs/JobHost.h"

namespace tolvane::bench {

// Seconds on the steady clock since `from`.
inline double SecondsSince(std::chrono::steady_clock::time_point from) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

struct GapHost : StepHost {
    using Clock = std::chrono::steady_clock;
    Clock::time_point last = Clock::now();
    double maxGapMs = 0;
    void SetProLabel1(const std::string&) override {}
    void SetProLabel2(const std::string&) override {}
    void AddLog(const std::string&) override {}
    void SetProgressPanelColor(PanelColor) override {}
    void ProcessMessages() override {
        const auto now = Clock::now();
        maxGapMs =
            std::max(maxGapMs, std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
    }
    void Start() {
        last = Clock::now();
        maxGapMs = 0;
    }
};

}  // namespace tolvane::bench
