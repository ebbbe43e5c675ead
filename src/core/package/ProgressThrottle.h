#pragma once
// Long passes report per block, but painting a label and pumping the event
// loop per 1000 bytes would cost more than the work. The throttle lets a pass
// show its latest text and serve the window every few milliseconds, and the
// caller shows the final text itself.

#include <chrono>

namespace tolvane {

class ProgressThrottle {
  public:
    explicit ProgressThrottle(std::chrono::milliseconds interval = std::chrono::milliseconds(15))
        : interval_(interval), last_(Clock::now()) {}

    bool Due() {
        const auto now = Clock::now();
        if (now - last_ < interval_) return false;
        last_ = now;
        return true;
    }

  private:
    using Clock = std::chrono::steady_clock;
    std::chrono::milliseconds interval_;
    Clock::time_point last_;
};

}  // namespace tolvane
