#include "TerminalHost.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>

#include "text/Cp932.h"

namespace tolvane::app {
namespace {

std::string Shown(const std::string& cp932) { return Cp932ToQStringLenient(cp932).toStdString(); }

bool StderrIsTerminal() {
    static const bool tty = isatty(2) != 0;
    return tty;
}

}  // namespace

void TerminalHost::SetProLabel1(const std::string& text) { label1_ = text; }
void TerminalHost::SetProLabel2(const std::string& text) { label2_ = text; }

void TerminalHost::AddLog(const std::string& line) {
    lines_.push_back(line);
    if (quiet_) return;
    ClearLine();
    std::printf("%s\n", Shown(line).c_str());
    std::fflush(stdout);
}

void TerminalHost::ProcessMessages() {
    using Clock = std::chrono::steady_clock;
    static Clock::time_point last;
    const auto now = Clock::now();
    if (now - last < std::chrono::milliseconds(100)) return;
    last = now;
    Draw();
}

void TerminalHost::Draw() {
    if (quiet_ || !StderrIsTerminal()) return;
    std::string text = Shown(label1_) + "  " + Shown(label2_);
    std::fprintf(stderr, "\r\033[K[%s]", text.c_str());
    std::fflush(stderr);
    drawn_ = true;
}

void TerminalHost::ClearLine() {
    if (!drawn_) return;
    std::fprintf(stderr, "\r\033[K");
    drawn_ = false;
}

void TerminalHost::HideProButton() { ClearLine(); }

void TerminalHost::ShowWarning(const std::string& text) {
    ClearLine();
    std::fprintf(stderr, "%s\n", Shown(text).c_str());
}

void TerminalHost::ShowInformation(const std::string& text) {
    ClearLine();
    std::fprintf(stderr, "%s\n", Shown(text).c_str());
}

}  // namespace tolvane::app
