#include "TolvaneForm.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>

#include "CopyProgressForm.h"
#include "archiver/LibLhaCt.h"
#include "controls/HouseFonts.h"
#include "jobs/Jobs.h"
#include "jobs/LanFolder.h"
#include "jobs/ShellTexts.h"
#include "net/FtpUpload.h"
#include "net/HttpFetch.h"
#include "settings/Settings.h"
#include "text/Cp932.h"

namespace tolvane::gui {
namespace {

constexpr int kDesignedClientWidth = 633;
constexpr int kDesignedClientHeight = 832;
// The designed outer sizes of modes 1 and 2 count a fixed single border (3
// pixels a side) and the caption bar; the window here is sized by its client.
constexpr int kFrameExtraWidth = 6;
constexpr int kFrameExtraHeight = 25;
constexpr int kStatusBarHeight = 19;

QString Q(const std::string& cp932) { return Cp932ToQStringLenient(cp932); }
std::string S(const QString& text) { return QStringToCp932(text); }
std::string S(const QLineEdit* edit) { return S(edit->text()); }

template <typename W>
W* Named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

TLibPanel* FormPanel(QWidget* parent, const char* name) {
    auto* p = Named(new TLibPanel(parent), name);
    ApplyFormPanelLook(p);
    return p;
}

TLibLabel* PanelLabel(QWidget* parent, const char16_t* caption, int x, int y, int w,
                      const char* name) {
    auto* l = Named(new TLibLabel(QString::fromUtf16(caption), parent), name);
    l->setGeometry(x, y, w, 16);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

TLibEdit* PanelField(QWidget* parent, int x, int y, int w, const char* name, bool secret = false) {
    auto* e = Named(new TLibEdit(parent), name);
    e->setGeometry(x, y, w, 24);
    e->setFocusPolicy(Qt::ClickFocus);  // tab stop off, as designed
    if (secret) e->SetPasswordChar('*');
    return e;
}

TLibBtBtn* PanelButton(QWidget* parent, const char16_t* caption, int x, int y, int w, int h,
                       const char* name) {
    auto* b = Named(new TLibBtBtn(QString::fromUtf16(caption), parent), name);
    b->setGeometry(x, y, w, h);
    return b;
}

}  // namespace

TTolvaneForm::TTolvaneForm(const std::string& applicationTitle,
                           const std::vector<std::string>& args, const std::string& programFolder,
                           QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      Steps(*this, State, Job) {
    BuildControls();
    LibLha = std::make_unique<TLibLha>();

    ProgramFolder = programFolder;
    Ini = std::make_unique<IniFile>(ProgramFolder + "\\Tolvane.ini");
    LogFileName = ProgramFolder + "\\Tolvane.log";

    CommandLine cl = ReadCommandLine(args);
    CommandIniName = cl.CommandIniName;
    CommandUser = cl.CommandUser;
    CommandFolder = cl.CommandFolder;
    CommandCompact = cl.CommandCompact;
    // "/I:" names a file relative to the program folder, never the current one.
    if (!CommandIniName.empty())
        Ini = std::make_unique<IniFile>(ProgramFolder + "\\" + CommandIniName);
    if (!CommandCompact.empty()) setWindowFlag(Qt::WindowStaysOnTopHint, true);
    RunMode = ChooseRunMode(applicationTitle, cl.RunMode);

    ApplyMode();
    LoadFormPosition();

    Steps.ProgramFolder = ProgramFolder;
    Steps.LibLha = LibLha.get();
    Steps.ReadJobParameters = [this] {
        try {
            ReadJobParameters();
        } catch (const ECp932Error&) {
            // The job's own checks reported it; a step keeps the last values.
        }
        Steps.ProbeContent = ProbeContent();
    };
    Steps.DialUp = [this] { return DialUp(); };
    Steps.HangUp = [this] { HangUp(); };
    Roads.FetchUrlToFile = [](StepContext& ctx, const std::string& url, const std::string& target) {
        FetchUrlToFile(ctx, url, target);
    };
    FTP = std::make_unique<T_FTP>();
    FTP->Mode = tftp_upload;
    FTP->Async = false;
    POP = std::make_unique<T_Pop3>();
    BindClientsToStep(Steps, *FTP, *POP);
    Roads.UploadByFtp = [this](StepContext& ctx, const std::string& package) {
        return UploadByFtp(ctx, *FTP, *POP, package);
    };
    Steps.CreateCopyProgress = [this]() -> std::unique_ptr<CopyProgressWindow> {
        return std::make_unique<TCopyProgressForm>(this);
    };
}

TTolvaneForm::~TTolvaneForm() { SaveFormPosition(); }

void TTolvaneForm::AttachDialogs(TPOPForm* popForm, TNETForm* netForm) {
    POPForm = popForm;
    NETForm = netForm;
}

void TTolvaneForm::BuildControls() {
    setFont(GothicFont(16, true));
    setFixedSize(kDesignedClientWidth, kDesignedClientHeight);
    setWindowTitle(QString::fromLatin1(kFullTitle));

    MainPanel = FormPanel(this, "MainPanel");
    MainPanel->setGeometry(10, 10, 615, 373);
    MainPanel->SetColor(kGray);

    LibLabel1 = Named(new TLibLabel(QStringLiteral(u"ユーザＩＤ"), MainPanel), "LibLabel1");
    LibLabel1->setGeometry(25, 11, 112, 24);
    LibLabel1->setAlignment(Qt::AlignCenter);
    LibLabel1->SetColor(kSilver);
    UserEdit = PanelField(MainPanel, 137, 11, 453, "UserEdit");
    UserEdit->SetExitMode(TExitMode::Hankaku);
    LibLabel2 = Named(new TLibLabel(QStringLiteral(u"パスワード"), MainPanel), "LibLabel2");
    LibLabel2->setGeometry(25, 33, 112, 24);
    LibLabel2->setAlignment(Qt::AlignCenter);
    LibLabel2->SetColor(kSilver);
    PassEdit = PanelField(MainPanel, 137, 33, 129, "PassEdit", true);
    PassEdit->SetMaxLength(40);
    LibCChk2 =
        Named(new TLibCChk(QStringLiteral(u"ダイアルアップ接続設定"), MainPanel), "LibCChk2");
    LibCChk2->setGeometry(393, 40, 201, 17);
    LibCChk2->setChecked(true);

    LibPanel1 = FormPanel(this, "LibPanel1");
    LibPanel1->setGeometry(34, 75, 567, 172);
    ProLabel1 = Named(new QLabel(LibPanel1), "ProLabel1");
    ProLabel1->setGeometry(19, 33, 529, 16);
    ProLabel2 = Named(new QLabel(LibPanel1), "ProLabel2");
    ProLabel2->setGeometry(19, 70, 529, 16);
    ProButton = PanelButton(LibPanel1, u"中　止", 223, 121, 121, 36, "ProButton");

    Memo1 = Named(new QPlainTextEdit(this), "Memo1");
    Memo1->setGeometry(34, 244, 567, 123);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFont(GothicFont(16, false));
    {
        QPalette p = Memo1->palette();
        p.setColor(QPalette::Text, Qt::black);
        Memo1->setPalette(p);
    }

    LibPanel2 = FormPanel(this, "LibPanel2");
    LibPanel2->setGeometry(33, 395, 567, 172);
    Label7 = PanelLabel(LibPanel2, u"受信アドレス：", 8, 40, 106, "Label7");
    Edit7 = PanelField(LibPanel2, 112, 35, 442, "Edit7");
    Label2 = PanelLabel(LibPanel2, u"保存フォルダ：", 8, 75, 106, "Label2");
    Edit2 = PanelField(LibPanel2, 112, 70, 442, "Edit2");
    LibBtBtn3 = PanelButton(LibPanel2, u"", 529, 71, 25, 24, "LibBtBtn3");
    LibBtBtn3->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    LibBtBtn2 = PanelButton(LibPanel2, u"受信開始", 131, 112, 145, 33, "LibBtBtn2");
    CloseButton2 = PanelButton(LibPanel2, u"受信終了", 291, 112, 145, 33, "CloseButton2");

    LibPanel3 = FormPanel(this, "LibPanel3");
    LibPanel3->setGeometry(33, 569, 567, 172);
    Label1 = PanelLabel(LibPanel3, u"送信対象フォルダ：", 8, 11, 155, "Label1");
    Edit1 = PanelField(LibPanel3, 162, 6, 392, "Edit1");
    LibBtBtn4 = PanelButton(LibPanel3, u"", 529, 7, 25, 24, "LibBtBtn4");
    LibBtBtn4->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    Label3 = PanelLabel(LibPanel3, u"送信先ＦＴＰサーバ：", 8, 38, 155, "Label3");
    Edit3 = PanelField(LibPanel3, 162, 33, 392, "Edit3");
    Label4 = PanelLabel(LibPanel3, u"ＦＴＰフォルダ：", 8, 60, 155, "Label4");
    Edit4 = PanelField(LibPanel3, 162, 55, 392, "Edit4");
    Label5 = PanelLabel(LibPanel3, u"ＦＴＰユーザＩＤ：", 8, 82, 155, "Label5");
    Edit5 = PanelField(LibPanel3, 162, 77, 239, "Edit5");
    Label6 = PanelLabel(LibPanel3, u"ＦＴＰパスワード：", 8, 104, 155, "Label6");
    Edit6 = PanelField(LibPanel3, 162, 99, 239, "Edit6", true);
    LibCChk1 = Named(new TLibCChk(QStringLiteral("POP before FTP"), LibPanel3), "LibCChk1");
    LibCChk1->setGeometry(408, 101, 153, 17);
    LibCChk1->setChecked(true);
    LibBtBtn1 = PanelButton(LibPanel3, u"送信開始", 131, 130, 145, 33, "LibBtBtn1");
    CloseButton1 = PanelButton(LibPanel3, u"送信終了", 291, 130, 145, 33, "CloseButton1");

    LibPanel9 = FormPanel(this, "LibPanel9");
    LibPanel9->setGeometry(33, 743, 567, 58);
    Button1 = PanelButton(LibPanel9, u"① Down", 22, 12, 81, 33, "Button1");
    Button2 = PanelButton(LibPanel9, u"② 解凍", 106, 12, 81, 33, "Button2");
    Button4 = PanelButton(LibPanel9, u"④ 消去", 190, 12, 81, 33, "Button4");
    Button7 = PanelButton(LibPanel9, u"⑦ 圧縮", 274, 12, 81, 33, "Button7");
    Button8 = PanelButton(LibPanel9, u"⑧ Up", 358, 12, 81, 33, "Button8");
    FileListBox = Named(new QWidget(LibPanel9), "FileListBox");
    FileListBox->hide();
    FileListBox->setEnabled(false);

    StatusBar = Named(new QStatusBar(this), "StatusBar");
    StatusBar->setSizeGripEnabled(false);
    auto* statusPanel = new QLabel(StatusBar);
    statusPanel->setFixedWidth(50);
    StatusBar->addWidget(statusPanel);

    ConnectTimer = Named(new QTimer(this), "ConnectTimer");
    ConnectTimer->setInterval(10000);
    NinsyoTimer = Named(new QTimer(this), "NinsyoTimer");
    NinsyoTimer->setInterval(180000);
    LibFldlg = Named(new TLibFldlg(this), "LibFldlg");
    LibFldlg->SelectFolder = sfManual;
    LibFldlg->Options = sboReturnOnlyFSDirs | sboStatusTextAndShowPath | sboStatusText;
    LibFldlg->ShowStyle = ssCenterScreen;

    connect(LibBtBtn2, &QPushButton::clicked, this, &TTolvaneForm::LibBtBtn2Click);
    connect(LibBtBtn1, &QPushButton::clicked, this, &TTolvaneForm::LibBtBtn1Click);
    connect(CloseButton1, &QPushButton::clicked, this, &TTolvaneForm::CloseButtonClick);
    connect(CloseButton2, &QPushButton::clicked, this, &TTolvaneForm::CloseButtonClick);
    connect(ProButton, &QPushButton::clicked, this, &TTolvaneForm::ProButtonClick);
    connect(Button1, &QPushButton::clicked, this, &TTolvaneForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TTolvaneForm::Button2Click);
    connect(Button4, &QPushButton::clicked, this, &TTolvaneForm::Button4Click);
    connect(Button7, &QPushButton::clicked, this, &TTolvaneForm::Button7Click);
    connect(Button8, &QPushButton::clicked, this, &TTolvaneForm::Button8Click);
    connect(LibCChk1, &QCheckBox::clicked, this, &TTolvaneForm::LibCChk1Click);
    connect(LibCChk2, &QCheckBox::clicked, this, &TTolvaneForm::LibCChk2Click);
    connect(LibBtBtn3, &QPushButton::clicked, this, &TTolvaneForm::LibBtBtn3Click);
    connect(LibBtBtn4, &QPushButton::clicked, this, &TTolvaneForm::LibBtBtn4Click);
}

void TTolvaneForm::ApplyMode() {
    int width = kDesignedClientWidth;
    int height = kDesignedClientHeight;
    if (RunMode == rmSend || RunMode == rmReceive) {
        width = MainPanel->width() + 25 - kFrameExtraWidth;
        height = MainPanel->height() + 65 - kFrameExtraHeight;
        TLibPanel* shown = RunMode == rmSend ? LibPanel3 : LibPanel2;
        TLibPanel* other = RunMode == rmSend ? LibPanel2 : LibPanel3;
        setWindowTitle(Q(RunMode == rmSend ? kSendTitle : kReceiveTitle));
        shown->move(LibPanel1->pos());
        shown->show();
        shown->raise();
        LibPanel1->hide();
        other->hide();
        LibPanel9->hide();
    } else {
        setWindowTitle(QString::fromLatin1(kFullTitle));
    }
    setFixedSize(width, height);
    StatusBar->setGeometry(0, height - kStatusBarHeight, width, kStatusBarHeight);
}

std::string TTolvaneForm::Caption() const {
    switch (RunMode) {
        case rmSend:
            return kSendTitle;
        case rmReceive:
            return kReceiveTitle;
        default:
            return kFullTitle;
    }
}

void TTolvaneForm::LoadFormPosition() {
    FormPosition p = tolvane::LoadFormPosition(*Ini, Caption());
    if (p.Saved) {
        move(p.Left, p.Top);
        return;
    }
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

void TTolvaneForm::SaveFormPosition() {
    try {
        tolvane::SaveFormPosition(*Ini, Caption(), pos().y(), pos().x());
    } catch (...) {
    }
}

void TTolvaneForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        FormShow();
    }
}

void TTolvaneForm::FormShow() {
    ProLabel1->clear();
    ProLabel2->clear();
    TLibBtBtn* start = RunMode == rmSend ? LibBtBtn1 : RunMode == rmReceive ? LibBtBtn2 : ProButton;
    start->setFocus();
    LoadSettings();
    if (isMinimized() || isMaximized()) showNormal();
}

void TTolvaneForm::LoadSettings() {
    const SettingsValues v = LoadSettingsValues(*Ini, Caption(), CommandUser, CommandFolder);
    UserEdit->setText(Q(v.User));
    PassEdit->setText(Q(v.Pass));
    Edit2->setText(Q(v.WriteDir));
    Edit7->setText(Q(v.CopyURL));
    Edit1->setText(Q(v.ReadDir));
    Edit3->setText(Q(v.FTPServer));
    Edit4->setText(Q(v.FTPDir));
    Edit5->setText(Q(v.FTPUser));
    Edit6->setText(Q(v.FTPPass));
    LibCChk1->setChecked(v.POPCheck);
    if (POPForm != nullptr) {
        POPForm->Edit11->setText(Q(v.POPServer));
        POPForm->Edit12->setText(Q(v.POPUser));
        POPForm->Edit13->setText(Q(v.POPPass));
    }
    if (!CommandUser.empty() && !CommandCompact.empty()) ApplyCompactLayout();

    LibCChk2->setChecked(v.NETCheck);
    if (NETForm != nullptr) {
        TLibCBox* list = NETForm->LibCBox1;
        list->clear();
        // Phonebook entries come first once the dial-up library is bound;
        // the LAN connection is always the last item.
        list->addItem(Q(kLanConnection));
        list->setCurrentIndex(list->findText(Q(v.NETServer), Qt::MatchExactly));
        NETForm->Edit12->setText(Q(v.NETUser));
        NETForm->Edit13->setText(Q(v.NETPass));
    }
}

void TTolvaneForm::ApplyCompactLayout() {
    Label7->hide();
    Edit7->hide();
    LibBtBtn3->hide();
    Label2->move(Label2->x(), Label7->y());
    Edit2->move(Edit2->x(), Edit7->y());
    Edit2->setEnabled(CommandFolder.empty());

    LibBtBtn4->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{Label3, Label4, Label5, Label6, Edit3, Edit4,
                                                      Edit5, Edit6, LibCChk1}) {
        w->hide();
    }
    Label1->move(Label1->x(), Label7->y());
    Edit1->move(Edit1->x(), Edit7->y());
    Edit1->setEnabled(CommandFolder.empty());
    LibBtBtn1->move(LibBtBtn1->x(), LibBtBtn2->y());
    CloseButton1->move(CloseButton1->x(), CloseButton2->y());
}

SettingsValues TTolvaneForm::ReadFields() const {
    SettingsValues v;
    v.User = S(UserEdit);
    v.Pass = S(PassEdit);
    v.WriteDir = S(Edit2);
    v.CopyURL = S(Edit7);
    v.ReadDir = S(Edit1);
    v.FTPServer = S(Edit3);
    v.FTPDir = S(Edit4);
    v.FTPUser = S(Edit5);
    v.FTPPass = S(Edit6);
    v.POPCheck = LibCChk1->isChecked();
    if (POPForm != nullptr) {
        v.POPServer = S(POPForm->Edit11);
        v.POPUser = S(POPForm->Edit12);
        v.POPPass = S(POPForm->Edit13);
    }
    v.NETCheck = LibCChk2->isChecked();
    if (NETForm != nullptr) {
        v.NETServer = S(NETForm->LibCBox1->currentText());
        v.NETUser = S(NETForm->Edit12);
        v.NETPass = S(NETForm->Edit13);
    }
    return v;
}

void TTolvaneForm::SaveSettings() {
    try {
        SaveSettingsValues(*Ini, Caption(), ReadFields());
    } catch (...) {
        // Not saving the settings never stops a job.
    }
}

void TTolvaneForm::ReadJobParameters() {
    const SettingsValues v = ReadFields();
    Job.JobUser = v.User;
    Job.JobPassword = v.Pass;
    Job.JobSendFolder = v.ReadDir;
    Job.JobReceiveAddress = v.CopyURL;
    Job.JobSaveFolder = v.WriteDir;
    Job.JobFtpServer = v.FTPServer;
    Job.JobFtpFolder = v.FTPDir;
    Job.JobFtpUser = v.FTPUser;
    Job.JobFtpPassword = v.FTPPass;
    Job.JobPopCheck = v.POPCheck;
    Job.JobPopServer = v.POPServer;
    Job.JobPopUser = v.POPUser;
    Job.JobPopPassword = v.POPPass;
    Job.JobDialCheck = v.NETCheck;
    // "ＬＡＮ接続" stands for no dial-up entry.
    Job.JobDialEntry = v.NETServer == kLanConnection ? std::string() : v.NETServer;
    Job.JobDialUser = v.NETUser;
    Job.JobDialPassword = v.NETPass;
    Job.DownloadWord = S(QStringLiteral(u"ダウンロード"));
    Job.UploadWord = S(QStringLiteral(u"アップロード"));
}

void TTolvaneForm::SetPanelsEnabled(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{MainPanel, LibPanel2, LibPanel3, LibPanel9}) {
        w->setEnabled(enabled);
    }
}

std::string TTolvaneForm::ProbeContent() const {
    std::string probe;
    if (NETForm != nullptr) {
        for (int i = 0; i < NETForm->LibCBox1->count(); ++i) {
            try {
                probe += S(NETForm->LibCBox1->itemText(i)) + "\r\n";
            } catch (const ECp932Error&) {
            }
        }
    }
    return probe;
}

bool TTolvaneForm::IsLanFolder(const std::string& destination) const {
    return tolvane::IsLanFolder(destination, ProgramFolder, ProbeContent());
}

bool TTolvaneForm::DialUp() { return !Job.JobDialCheck || Job.JobDialEntry.empty(); }

void TTolvaneForm::HangUp() {}

void TTolvaneForm::RunJob(const std::vector<JobStep>& steps) {
    JobFrameOptions options;
    options.RunMode = RunMode;
    options.Compact = !CommandCompact.empty();
    options.LogFileName = LogFileName;
    try {
        RunJobFrame(*this, State, options, steps);
    } catch (const std::exception& e) {
        // The steps report their own failures; anything that still escapes
        // must not take the window down with it.
        State.AbortRequested = true;
        ShowWarning(Sj("処理を中止しました。") + "\n" +
                    QStringToCp932Lenient(QString::fromLocal8Bit(e.what())));
        ShowProButton(kCloseCaption, true);
    }
}

void TTolvaneForm::Activate() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void TTolvaneForm::SetProLabel1(const std::string& text) { ProLabel1->setText(Q(text)); }
void TTolvaneForm::SetProLabel2(const std::string& text) { ProLabel2->setText(Q(text)); }

void TTolvaneForm::AddLog(const std::string& line) {
    logLines_.push_back(line);
    Memo1->appendPlainText(Q(line));
}

void TTolvaneForm::SetProgressPanelColor(PanelColor color) {
    LibPanel1->SetColor(color == PanelColor::Red ? kRed : kSilver);
}

void TTolvaneForm::ProcessMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void TTolvaneForm::ShowProgressPanel() {
    ProLabel1->clear();
    ProLabel2->clear();
    LibPanel1->SetColor(kSilver);
    LibPanel1->show();
    LibPanel1->raise();
}

void TTolvaneForm::ShowProButton(const std::string& caption, bool focus) {
    ProButton->setText(Q(caption));
    ProButton->show();
    if (focus) ProButton->setFocus();
}

void TTolvaneForm::HideProButton() { ProButton->hide(); }

void TTolvaneForm::ClearLog() {
    logLines_.clear();
    Memo1->clear();
}

std::vector<std::string> TTolvaneForm::LogLines() const { return logLines_; }

void TTolvaneForm::Beep() { QApplication::beep(); }

void TTolvaneForm::ShowWarning(const std::string& text) {
    Beep();
    QMessageBox box(QMessageBox::Warning, QStringLiteral(u"警告"), Q(text), QMessageBox::Ok, this);
    box.exec();
}

void TTolvaneForm::ShowInformation(const std::string& text) {
    Beep();
    QMessageBox box(QMessageBox::Information, QStringLiteral(u"情報"), Q(text), QMessageBox::Ok,
                    this);
    box.exec();
}

// A field whose text has no Shift-JIS form cannot become a job parameter:
// say so, with the text as far as it can be shown.
bool TTolvaneForm::ReadJobParametersOrWarn() {
    try {
        ReadJobParameters();
        return true;
    } catch (const ECp932Error& e) {
        ShowWarning(Sj("Shift-JIS で表せない文字が入力されています：") +
                    QStringToCp932Lenient(QString::fromUtf8(e.what())));
        return false;
    }
}

void TTolvaneForm::LibBtBtn2Click() {
    if (!ReadJobParametersOrWarn()) return;
    if (const std::string problem = ReceiveJobProblem(Job); !problem.empty()) {
        ShowWarning(problem);
        return;
    }
    RunJob(ReceiveJobSteps(Steps, Roads));
}

void TTolvaneForm::LibBtBtn1Click() {
    if (!ReadJobParametersOrWarn()) return;
    const bool lan = IsLanFolder(Job.JobFtpServer + Job.JobFtpFolder);
    if (const std::string problem = SendJobProblem(Job, lan); !problem.empty()) {
        ShowWarning(problem);
        return;
    }
    RunJob(SendJobSteps(Steps, Roads));
}

void TTolvaneForm::CloseButtonClick() { close(); }

void TTolvaneForm::ProButtonClick() {
    if (ProButton->text() != Q(kCloseCaption)) {
        State.AbortRequested = true;
    } else {
        close();
    }
}

// A step button runs its step by itself, as a fresh start.
void TTolvaneForm::RunSingleStep(const std::function<void()>& step) {
    State.AbortRequested = false;
    step();
}

void TTolvaneForm::Button1Click() {
    RunSingleStep([this] { DownloadStep(Steps, Roads); });
}
void TTolvaneForm::Button2Click() {
    RunSingleStep([this] { ExtractStep(Steps); });
}
void TTolvaneForm::Button4Click() {
    RunSingleStep([this] { CleanUpStep(Steps); });
}
void TTolvaneForm::Button7Click() {
    RunSingleStep([this] { CompressStep(Steps); });
}
void TTolvaneForm::Button8Click() {
    RunSingleStep([this] { UploadStep(Steps, Roads); });
}

void TTolvaneForm::LibCChk1Click() {
    if (LibCChk1->isChecked() && POPForm != nullptr) POPForm->exec();
}

void TTolvaneForm::LibCChk2Click() {
    if (LibCChk2->isChecked() && NETForm != nullptr) NETForm->exec();
}

void TTolvaneForm::LibBtBtn3Click() { ChooseFolder(Edit2, QStringLiteral(u"保存フォルダ")); }
void TTolvaneForm::LibBtBtn4Click() { ChooseFolder(Edit1, QStringLiteral(u"送信対象フォルダ")); }

void TTolvaneForm::ChooseFolder(TLibEdit* field, const QString& caption) {
    LibFldlg->Caption = S(caption);
    LibFldlg->SelectFolderName = ProgramFolder;
    std::string current;
    try {
        current = S(field);
    } catch (const ECp932Error&) {
    }
    if (IsLanFolder(current)) LibFldlg->SelectFolderName = current;
    if (LibFldlg->Execute()) field->setText(Q(LibFldlg->FolderName));
    QString text = field->text();
    if (!text.isEmpty() && !text.endsWith(u'/') && !text.endsWith(u'\\'))
        field->setText(text + u'/');
}

}  // namespace tolvane::gui
