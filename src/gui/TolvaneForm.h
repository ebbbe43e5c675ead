#pragma once
// The program's one main window: mode chosen from the title and command line,
// the user's fields, the progress panel and the log list. It is the job
// frame's host; the jobs themselves live in the core.

#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "SettingsDialogs.h"
#include "controls/LibControls.h"
#include "controls/LibFldlg.h"
#include "jobs/CommandLine.h"
#include "jobs/JobFrame.h"
#include "jobs/JobHost.h"
#include "jobs/JobParameters.h"
#include "net/Ftp.h"
#include "net/Pop3.h"
#include "package/StepContext.h"
#include "package/Steps.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

namespace tolvane::gui {

class TTolvaneForm : public QWidget, public FrameHost {
    Q_OBJECT
  public:
    // `applicationTitle` and `args` are CP932 texts; `programFolder` is the
    // executable's folder as a CP932 text ending with "/".
    TTolvaneForm(const std::string& applicationTitle, const std::vector<std::string>& args,
                 const std::string& programFolder, QWidget* parent = nullptr);
    ~TTolvaneForm() override;

    // The two settings dialogs live beside the window from start-up on.
    void AttachDialogs(TPOPForm* popForm, TNETForm* netForm);

    // Controls, named as the form is designed.
    TLibPanel* MainPanel;
    TLibLabel* LibLabel1;
    TLibEdit* UserEdit;
    TLibLabel* LibLabel2;
    TLibEdit* PassEdit;
    TLibCChk* LibCChk2;
    TLibPanel* LibPanel1;
    QLabel* ProLabel1;
    QLabel* ProLabel2;
    TLibBtBtn* ProButton;
    QPlainTextEdit* Memo1;
    TLibPanel* LibPanel2;
    TLibLabel* Label7;
    TLibEdit* Edit7;
    TLibLabel* Label2;
    TLibEdit* Edit2;
    TLibBtBtn* LibBtBtn3;
    TLibBtBtn* LibBtBtn2;
    TLibBtBtn* CloseButton2;
    TLibPanel* LibPanel3;
    TLibLabel* Label1;
    TLibEdit* Edit1;
    TLibBtBtn* LibBtBtn4;
    TLibLabel* Label3;
    TLibEdit* Edit3;
    TLibLabel* Label4;
    TLibEdit* Edit4;
    TLibLabel* Label5;
    TLibEdit* Edit5;
    TLibLabel* Label6;
    TLibEdit* Edit6;
    TLibCChk* LibCChk1;
    TLibBtBtn* LibBtBtn1;
    TLibBtBtn* CloseButton1;
    TLibPanel* LibPanel9;
    TLibBtBtn* Button1;
    TLibBtBtn* Button2;
    TLibBtBtn* Button4;
    TLibBtBtn* Button7;
    TLibBtBtn* Button8;
    QWidget* FileListBox;
    QStatusBar* StatusBar;
    QTimer* ConnectTimer;
    QTimer* NinsyoTimer;
    TLibFldlg* LibFldlg;

    // Window state.
    std::unique_ptr<IniFile> Ini;
    std::string ProgramFolder;
    int RunMode = rmFull;
    JobParameters Job;
    JobState State;
    std::string LogFileName;
    std::string CommandIniName;
    std::string CommandUser;
    std::string CommandFolder;
    std::string CommandCompact;

    TPOPForm* POPForm = nullptr;
    TNETForm* NETForm = nullptr;

    // The archiver component, the network clients and the steps' context.
    std::unique_ptr<TLibLha> LibLha;
    std::unique_ptr<T_FTP> FTP;
    std::unique_ptr<T_Pop3> POP;
    StepContext Steps;
    InternetRoads Roads;

    // Dial-up before and after a network step; with no dial-up entry
    // configured there is nothing to open and both succeed.
    bool DialUp();
    void HangUp();

    // Copies the fields into Job. Throws ECp932Error naming a field text
    // that has no Shift-JIS form.
    void ReadJobParameters();
    void SetPanelsEnabled(bool enabled) override;
    bool IsLanFolder(const std::string& destination) const;
    void LoadSettings();
    void SaveSettings() override;
    void LoadFormPosition();
    void SaveFormPosition();
    std::string Caption() const;  // CP932 window caption: the settings section

    // Runs the job frame around `steps`; used by the start buttons.
    void RunJob(const std::vector<JobStep>& steps);

    // Brings the running copy to the front, restored if minimised.
    void Activate();

    // StepHost / FrameHost.
    void SetProLabel1(const std::string& text) override;
    void SetProLabel2(const std::string& text) override;
    void AddLog(const std::string& line) override;
    void SetProgressPanelColor(PanelColor color) override;
    void ProcessMessages() override;
    void ShowProgressPanel() override;
    void ShowProButton(const std::string& caption, bool focus) override;
    void HideProButton() override;
    void ClearLog() override;
    std::vector<std::string> LogLines() const override;
    void Beep() override;
    void ShowWarning(const std::string& text) override;
    void ShowInformation(const std::string& text) override;

  public slots:
    void LibBtBtn2Click();
    void LibBtBtn1Click();
    void CloseButtonClick();
    void ProButtonClick();
    void Button1Click();
    void Button2Click();
    void Button4Click();
    void Button7Click();
    void Button8Click();
    void LibCChk1Click();
    void LibCChk2Click();
    void LibBtBtn3Click();
    void LibBtBtn4Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildControls();
    void ApplyMode();
    void ApplyCompactLayout();
    void ChooseFolder(TLibEdit* field, const QString& caption);
    void FormShow();
    SettingsValues ReadFields() const;  // throws ECp932Error
    void RunSingleStep(const std::function<void()>& step);
    bool ReadJobParametersOrWarn();
    std::string ProbeContent() const;

    bool shownOnce_ = false;
    std::vector<std::string> logLines_;  // the log list's exact CP932 bytes
};

}  // namespace tolvane::gui
