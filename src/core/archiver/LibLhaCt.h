#pragma once
// The archiver component: properties that become one command text for the
// archiver library, run through its Unlha entry, with the reply cut into
// lines.

#include <cstdint>
#include <functional>
#include <string>

namespace tolvane {

enum TCommand : std::uint8_t {
    cmdAdd,
    cmdComment,
    cmdDelete,
    cmdExtract,
    cmdFreshen,
    cmdList,
    cmdMove,
    cmdRename,
    cmdPrint,
    cmdSfx,
    cmdTest,
    cmdUpdate,
    cmdView,
    cmdDirExtract
};
enum TExecMode : std::uint8_t { exForeGround, exBackGround };
enum TOpCompType : std::uint8_t { ctLH0, ctLH1, ctLH5, ctLH6, ctLH7 };
enum SOpDlgYes : std::uint8_t {
    dyDirectory,
    dyFileDelete,
    dyDiskSpace,
    dyNewFileName,
    dyReplaceFile
};
enum TOpLogDisp : std::uint8_t { ldFileOnly, ldPathName, ldDetail };
enum TOpNameCheck : std::uint8_t { ncNormal, ncFullCompare, ncSubTree };
enum TOpReSearch : std::uint8_t { rsCurrent, rsFileSearch, rsAllSearch };
enum TOpUpperCase : std::uint8_t { ucNoTrans, ucToUpper, ucToLower };
enum TOpUpdFile : std::uint8_t { ufNoUpdate, ufToLatest, ufToOld };
enum TOpWinSfx : std::uint8_t { wsNone, wsDialog, wsNoDialog, wsDialog32, wsNoDialog32 };

// A set of SOpDlgYes members, one bit each.
struct TOpDlgYes {
    std::uint8_t bits = 0;
    TOpDlgYes() = default;
    TOpDlgYes(std::initializer_list<SOpDlgYes> members) {
        for (SOpDlgYes m : members) bits = static_cast<std::uint8_t>(bits | (1u << m));
    }
    bool Has(SOpDlgYes m) const { return (bits >> m) & 1u; }
};

struct TOptions {
    bool OpAllAttr = false;
    TOpCompType OpCompType = ctLH5;
    bool OpDictHalf = false;
    bool OpDirEffect = false;
    TOpDlgYes OpDlgYes;
    bool OpDskChk = true;
    TOpLogDisp OpLogDisp = ldFileOnly;
    TOpNameCheck OpNameCheck = ncNormal;
    TOpReSearch OpReSearch = rsCurrent;
    bool OpROot = true;
    bool OpShortFile = false;
    bool OpTmCheck = true;
    TOpUpperCase OpUpperCase = ucNoTrans;
    TOpUpdFile OpUpdFile = ufToLatest;
    TOpWinSfx OpWinSfx = wsNone;
};

struct TDlgOptions {
    bool OpExtDlg = true;
    bool OpSkipDlg = true;
    bool OpErrorDlg = true;
    bool OpProcessDlg = true;
};

class TLibLha {
  public:
    static constexpr std::uint32_t kReplySize = 65535;

    // Asks the library for its version; a library without UnlhaGetVersion
    // makes this throw EUnlha32Error.
    TLibLha();

    std::string ARCFileName;
    std::string ARCPattern = "*.*";
    std::string BaseDirName;
    std::function<void(const std::string&)> OutputLines;  // receives reply lines
    TCommand Command = cmdList;
    bool Debug = false;
    bool DisplayCSR = true;
    TExecMode ExecMode = exForeGround;
    TOptions Options;
    TDlgOptions DlgOptions;
    std::string WorkDirName;
    int LibraryVersion = 0;
    std::string ExtraSwitches;

    // The owner window handed to the library in the foreground mode.
    void* ApplicationWindow = nullptr;
    // Shows the command text and returns true for OK; unset means cancel.
    std::function<bool(const std::string&)> DebugQuestion;

    std::string VersionText() const;  // "2.66"
    std::string Version() const { return "Version " + VersionText(); }

    void ResetOptions();
    std::string BuildSwitches() const;
    std::string CommandText() const;  // the full text Execute sends
    int Execute();
};

}  // namespace tolvane
