#pragma once
// An INI profile file that keeps CP932 bytes exactly as they are: sections and
// keys compare without regard to ASCII letter case, one value per line.
// Every call reads the file afresh and every write replaces it whole, so two
// tools sharing one file (each in its own section) never undo each other's
// settings.

#include <string>
#include <string_view>

namespace tolvane {

class IniFile {
  public:
    // `fileName` is a CP932 path text as the system builds it ("\" allowed).
    explicit IniFile(std::string fileName);

    const std::string& FileName() const { return fileName_; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    bool ValueExists(std::string_view section, std::string_view key) const;

    // Throw EFileWriteError when the file cannot be replaced. The file is
    // created on the first write, readable by its owner only.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

  private:
    std::string fileName_;
};

}  // namespace tolvane
