#pragma once
// The reply text a command builds up, one line per entry or problem, and the
// result code it ends with (the first error is kept).

#include <string>

#include "LhaError.h"

namespace tolvane::lha {

class Reply {
  public:
    void Line(const std::string& cp932) {
        text_ += cp932;
        text_ += '\n';
    }
    void Fail(const LhaError& e);  // the error's line; keeps the first code
    int Code() const { return code_; }
    const std::string& Text() const { return text_; }

  private:
    std::string text_;
    int code_ = kOk;
};

}  // namespace tolvane::lha
