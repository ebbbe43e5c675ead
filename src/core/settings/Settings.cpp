#include "settings/Settings.h"

#include "text/ScrambleText.h"

namespace tolvane {
namespace {

// A field's text ends at its first 0 byte: that is what makes an odd-length
// password come back from the scrambled form exactly as it was stored.
std::string FieldText(std::string s) {
    if (auto nul = s.find('\0'); nul != std::string::npos) s.resize(nul);
    return s;
}

std::string ReadScrambled(const IniFile& ini, const std::string& section, const char* key,
                          const std::string& defaultScrambled) {
    return FieldText(UnscrambleText(ini.ReadString(section, key, defaultScrambled)));
}

}  // namespace

SettingsValues LoadSettingsValues(const IniFile& ini, const std::string& section,
                                  const std::string& commandUser,
                                  const std::string& commandFolder) {
    const bool preset = !commandUser.empty();
    auto pick = [preset](std::string plain, std::string withUser) {
        return preset ? withUser : plain;
    };
    SettingsValues v;
    v.User = ini.ReadString(section, "User", pick("DATA", commandUser));
    v.Pass = ReadScrambled(ini, section, "Pass", pick(builtin::kPassword, ""));
    v.WriteDir = ini.ReadString(section, "WriteDir", pick("UserData", commandFolder));
    v.CopyURL = ini.ReadString(section, "CopyURL", pick("http://", builtin::kWebAddress));
    v.ReadDir = ini.ReadString(section, "ReadDir", pick("", commandFolder));
    v.FTPServer = ini.ReadString(section, "FTPServer", pick("", builtin::kFtpServer));
    v.FTPDir = ini.ReadString(section, "FTPDir", "/");
    v.FTPUser = ini.ReadString(section, "FTPUser", pick("", builtin::kFtpAccount));
    v.FTPPass = ReadScrambled(ini, section, "FTPPass", pick("", builtin::kServicePassword));
    v.POPCheck = ini.ReadBool(section, "POPCheck", preset);
    v.POPServer = ini.ReadString(section, "POPServer", pick("", builtin::kMailServer));
    v.POPUser = ini.ReadString(section, "POPUser", pick("", builtin::kMailAddress));
    v.POPPass = ReadScrambled(ini, section, "POPPass", pick("", builtin::kServicePassword));
    v.NETCheck = ini.ReadBool(section, "NETCheck", false);
    v.NETServer = ini.ReadString(section, "NETServer", "");
    v.NETUser = ini.ReadString(section, "NETUser", "");
    v.NETPass = ReadScrambled(ini, section, "NETPass", "");
    return v;
}

void SaveSettingsValues(IniFile& ini, const std::string& section, const SettingsValues& v) {
    ini.WriteString(section, "User", v.User);
    ini.WriteString(section, "Pass", ScrambleText(v.Pass));
    ini.WriteString(section, "WriteDIR", v.WriteDir);
    ini.WriteString(section, "CopyURL", v.CopyURL);
    ini.WriteString(section, "ReadDIR", v.ReadDir);
    ini.WriteString(section, "FTPServer", v.FTPServer);
    ini.WriteString(section, "FTPDir", v.FTPDir);
    ini.WriteString(section, "FTPUser", v.FTPUser);
    ini.WriteString(section, "FTPPass", ScrambleText(v.FTPPass));
    ini.WriteBool(section, "POPCheck", v.POPCheck);
    ini.WriteString(section, "POPServer", v.POPServer);
    ini.WriteString(section, "POPUser", v.POPUser);
    ini.WriteString(section, "POPPass", ScrambleText(v.POPPass));
    ini.WriteBool(section, "NETCheck", v.NETCheck);
    ini.WriteString(section, "NETServer", v.NETServer);
    ini.WriteString(section, "NETUser", v.NETUser);
    ini.WriteString(section, "NETPass", ScrambleText(v.NETPass));
}

FormPosition LoadFormPosition(const IniFile& ini, const std::string& section) {
    FormPosition p;
    p.Saved = ini.ReadInteger(section, "FormPosition", 0) == 1;
    if (p.Saved) {
        p.Top = ini.ReadInteger(section, "FormTop", 0);
        p.Left = ini.ReadInteger(section, "FormLeft", 0);
    }
    return p;
}

void SaveFormPosition(IniFile& ini, const std::string& section, int top, int left) {
    ini.WriteInteger(section, "FormPosition", 1);
    ini.WriteInteger(section, "FormTop", top);
    ini.WriteInteger(section, "FormLeft", left);
}

}  // namespace tolvane
