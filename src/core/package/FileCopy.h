#pragma once
// Copies one file into a folder with a small progress window. The copy is
// written under a temporary name and renamed into place only when complete,
// so a failed or stopped copy never replaces the file that was there.

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "package/StepContext.h"

namespace tolvane {

// The copy cannot open its source or create its target; the message says which.
class EFCant : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;  // CP932 text
};

struct CopyHooks {
    std::function<std::unique_ptr<CopyProgressWindow>()> CreateWindow;
    std::function<void()> ProcessMessages;
    std::function<bool()> StopRequested;
    std::chrono::milliseconds Interval{15};
};

inline constexpr int kCopyDone = 0;
inline constexpr int kCopyShortWrite = -1;  // disk full: nothing left behind
inline constexpr int kCopyStopped = -2;     // the stop button: nothing left behind

// `source` and `destinationFolder` are CP932 texts; the copy keeps the
// source's name and modification time. Throws EFCant.
int CopyFileWithProgress(const std::string& source, const std::string& destinationFolder,
                         const CopyHooks& hooks);

}  // namespace tolvane
