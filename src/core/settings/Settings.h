#pragma once
// The user's entries kept between runs, one section per tool title.

#include <string>

#include "settings/IniFile.h"

namespace tolvane {

// Plain texts (passwords unscrambled) as the fields show them.
struct SettingsValues {
    std::string User;
    std::string Pass;
    std::string WriteDir;
    std::string CopyURL;
    std::string ReadDir;
    std::string FTPServer;
    std::string FTPDir;
    std::string FTPUser;
    std::string FTPPass;
    bool POPCheck = false;
    std::string POPServer;
    std::string POPUser;
    std::string POPPass;
    bool NETCheck = false;
    std::string NETServer;
    std::string NETUser;
    std::string NETPass;
};

// The defaults differ when the command line preset a user ("/U:"); a value in
// the file always wins over them.
SettingsValues LoadSettingsValues(const IniFile& ini, const std::string& section,
                                  const std::string& commandUser, const std::string& commandFolder);

// Writes every key from "User" to "NETPass" in order; the first failure
// throws EFileWriteError and ends the writing.
void SaveSettingsValues(IniFile& ini, const std::string& section, const SettingsValues& v);

struct FormPosition {
    bool Saved = false;
    int Top = 0;
    int Left = 0;
};
FormPosition LoadFormPosition(const IniFile& ini, const std::string& section);
void SaveFormPosition(IniFile& ini, const std::string& section, int top, int left);

// Built-in defaults of the "/U:" path (the maker's servers and account).
namespace builtin {
inline constexpr char kPassword[] = "$$3AB3839B2818BA0";              // "guest1"
inline constexpr char kServicePassword[] = "$$37BA03B3603730800328";  // "tolvane"
inline constexpr char kWebAddress[] = "http://data.tolvane.example/Data";
inline constexpr char kFtpServer[] = "ftp.tolvane.example";
inline constexpr char kFtpAccount[] = "tolvaneftp";
inline constexpr char kMailServer[] = "mail.tolvane.example";
inline constexpr char kMailAddress[] = "upload@tolvane.example";
}  // namespace builtin

}  // namespace tolvane
