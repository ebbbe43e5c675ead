#pragma once
// The text format of the settings file, apart from any file: parse a profile
// text, look up a value, set a value. Kept separate so the parser can be fed
// any bytes by a fuzzer.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

class IniText {
  public:
    explicit IniText(std::string_view bytes);

    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    void Set(std::string_view section, std::string_view key, std::string_view value);
    std::string Bytes() const;  // CR LF line ends

  private:
    std::vector<std::string> lines_;
};

}  // namespace tolvane
