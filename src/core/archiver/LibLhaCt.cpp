#include "archiver/LibLhaCt.h"

#include <cstdio>
#include <vector>

#include "archiver/LibLha32.h"

namespace tolvane {
namespace {

constexpr char kCommandLetters[] = "ACDEFLMNPSTUVX";

void Add(std::string& s, const char* sw) {
    s += ' ';
    s += sw;
}

bool EndsWithBackslash(const std::string& s) { return !s.empty() && s.back() == '\\'; }

}  // namespace

TLibLha::TLibLha() {
    ResetOptions();
    LibraryVersion = UnlhaGetVersion();
}

std::string TLibLha::VersionText() const {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d.%02d", LibraryVersion / 100, LibraryVersion % 100);
    return buf;
}

void TLibLha::ResetOptions() {
    Options = TOptions{};
    DlgOptions = TDlgOptions{};
}

std::string TLibLha::BuildSwitches() const {
    const TOptions& o = Options;
    std::string s;
    if (o.OpAllAttr) Add(s, "-a1");
    switch (o.OpCompType) {
        case ctLH0:
            Add(s, "-jm0");
            break;
        case ctLH1:
            Add(s, "-jm1");
            break;
        case ctLH5:
            break;
        case ctLH6:
            Add(s, "-jm3");
            break;
        case ctLH7:
            if (LibraryVersion > 69) Add(s, "-jm4");
            break;
    }
    if (o.OpDictHalf) Add(s, "-e1");
    if (o.OpDirEffect) Add(s, "-x1");
    if (o.OpDlgYes.bits != 0) {
        std::string yes = "-jy";
        static const char kLetters[] = "cdkno";
        for (int m = dyDirectory; m <= dyReplaceFile; ++m) {
            if (o.OpDlgYes.Has(static_cast<SOpDlgYes>(m))) yes += kLetters[m];
        }
        Add(s, yes.c_str());
    }
    if (!o.OpDskChk) Add(s, "-f1");
    if (o.OpLogDisp == ldPathName) Add(s, "-l1");
    if (o.OpLogDisp == ldDetail) Add(s, "-l2");
    if (o.OpNameCheck == ncFullCompare) Add(s, "-p1");
    if (o.OpNameCheck == ncSubTree) Add(s, "-p2");
    if (o.OpReSearch == rsFileSearch) Add(s, "-r1");
    if (o.OpReSearch == rsAllSearch) Add(s, "-r2");
    if (!o.OpROot) Add(s, "-jf0");
    if (o.OpShortFile) Add(s, "-ji1");
    if (!o.OpTmCheck) Add(s, "-c1");
    // The update switch comes before the case switch, unlike the fields.
    if (o.OpUpdFile == ufNoUpdate) Add(s, "-u0");
    if (o.OpUpdFile == ufToOld) Add(s, "-u2");
    if (o.OpUpperCase == ucToUpper) Add(s, "-i1");
    if (o.OpUpperCase == ucToLower) Add(s, "-i2");
    static const char* const kSfx[] = {nullptr, "-jw1", "-jw2", "-gw1", "-gw2"};
    if (o.OpWinSfx != wsNone) Add(s, kSfx[o.OpWinSfx]);
    if (!DlgOptions.OpExtDlg) Add(s, "-n1");
    if (!DlgOptions.OpSkipDlg) Add(s, "-s1");
    if (!DlgOptions.OpErrorDlg) Add(s, "-gm1");
    if (!DlgOptions.OpProcessDlg) Add(s, "-gn2");
    return s;
}

std::string TLibLha::CommandText() const {
    std::string t(1, kCommandLetters[Command]);
    t += " -+";
    t += BuildSwitches();
    if (!WorkDirName.empty()) {
        t += " \"-w" + WorkDirName;
        t += EndsWithBackslash(WorkDirName) ? "\" " : "\\\" ";
    }
    if (!ExtraSwitches.empty()) t += " " + ExtraSwitches;
    t += " \"" + ARCFileName + "\"";
    if (!BaseDirName.empty()) {
        t += " \"" + BaseDirName + (EndsWithBackslash(BaseDirName) ? "" : "\\") + "\"";
    }
    t += " \"" + ARCPattern + "\"";
    return t;
}

int TLibLha::Execute() {
    if (ARCFileName.empty()) return -1;
    UnlhaSetCursorMode(DisplayCSR ? 1 : 0);
    void* owner = ExecMode == exForeGround ? ApplicationWindow : nullptr;
    const std::string text = CommandText();
    std::vector<char> reply(kReplySize, '\0');
    if (Debug && !(DebugQuestion && DebugQuestion(text))) return -999;
    const int result = Unlha(owner, text.c_str(), reply.data(), kReplySize);
    if (OutputLines) {
        reply.back() = '\0';
        const std::string all(reply.data());
        std::size_t start = 0;
        while (start < all.size()) {
            const std::size_t lf = all.find('\n', start);
            if (lf == std::string::npos) {
                OutputLines(all.substr(start));
                break;
            }
            OutputLines(all.substr(start, lf - start));
            start = lf + 1;
        }
    }
    return result;
}

}  // namespace tolvane
