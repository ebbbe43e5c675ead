#include "SettingsDialogs.h"

#include <QProgressBar>

#include "controls/HouseFonts.h"

namespace tolvane::gui {
namespace {

constexpr Qt::WindowFlags kDialogFlags =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

TLibLabel* Label(QWidget* parent, const char16_t* caption, int x, int y, int w) {
    auto* l = new TLibLabel(QString::fromUtf16(caption), parent);
    l->setGeometry(x, y, w, 16);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

TLibEdit* Field(QWidget* parent, int x, int y, int w, bool secret = false) {
    auto* e = new TLibEdit(parent);
    e->setGeometry(x, y, w, 24);
    e->setFocusPolicy(Qt::ClickFocus);
    if (secret) e->SetPasswordChar('*');
    return e;
}

TLibPanel* SettingsPanel(QDialog* dialog) {
    auto* p = new TLibPanel(dialog);
    ApplyFormPanelLook(p);
    p->setGeometry(8, 9, 521, 146);
    return p;
}

void Name(QObject* o, const char* name) { o->setObjectName(QString::fromLatin1(name)); }

}  // namespace

TPOPForm::TPOPForm(QWidget* parent) : QDialog(parent, kDialogFlags) {
    setWindowTitle(QStringLiteral("POP before FTP"));
    setFixedSize(538, 163);
    LibPanel2 = SettingsPanel(this);
    Label4 = Label(LibPanel2, u"ＰＯＰサーバ：", 8, 19, 105);
    Edit11 = Field(LibPanel2, 114, 14, 392);
    Label5 = Label(LibPanel2, u"ユーザＩＤ：", 8, 41, 105);
    Edit12 = Field(LibPanel2, 114, 36, 239);
    Label6 = Label(LibPanel2, u"パスワード：", 8, 63, 105);
    Edit13 = Field(LibPanel2, 114, 58, 239, true);
    LibBtBtn2 = new TLibBtBtn(QStringLiteral(u"設定完了"), LibPanel2);
    LibBtBtn2->setGeometry(188 - 8, 101 - 9, 145, 33);
    Name(Edit11, "Edit11");
    Name(Edit12, "Edit12");
    Name(Edit13, "Edit13");
    Name(LibBtBtn2, "LibBtBtn2");
    connect(LibBtBtn2, &QPushButton::clicked, this, &TPOPForm::LibBtBtn2Click);
}

void TPOPForm::LibBtBtn2Click() { close(); }

TNETForm::TNETForm(QWidget* parent) : QDialog(parent, kDialogFlags) {
    setWindowTitle(QStringLiteral(u"ダイアルアップ接続設定"));
    setFixedSize(538, 163);
    LibPanel2 = SettingsPanel(this);
    Label4 = Label(LibPanel2, u"ダイアルアップ接続先：", 8, 19, 177);
    LibCBox1 = new TLibCBox(LibPanel2);
    LibCBox1->setGeometry(184, 14, 321, 24);
    Label5 = Label(LibPanel2, u"ユーザＩＤ：", 8, 41, 177);
    Edit12 = Field(LibPanel2, 184, 36, 239);
    Label6 = Label(LibPanel2, u"パスワード：", 8, 63, 177);
    Edit13 = Field(LibPanel2, 184, 58, 239, true);
    LibBtBtn2 = new TLibBtBtn(QStringLiteral(u"設定完了"), LibPanel2);
    LibBtBtn2->setGeometry(188 - 8, 101 - 9, 145, 33);
    Name(LibCBox1, "LibCBox1");
    Name(Edit12, "Edit12");
    Name(Edit13, "Edit13");
    Name(LibBtBtn2, "LibBtBtn2");
    connect(LibBtBtn2, &QPushButton::clicked, this, &TNETForm::LibBtBtn2Click);
}

void TNETForm::LibBtBtn2Click() { close(); }

TNetDialgForm::TNetDialgForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(263, 99);
    LibPanel1 = new TLibPanel(this);
    ApplyFormPanelLook(LibPanel1);
    LibPanel1->setGeometry(0, 0, 263, 99);
    LibPanel1->setLineWidth(2);
    auto line = [this](int y, int h, const QFont& font, const QColor& colour) {
        auto* p = new TLibPanel(LibPanel1);
        p->setFrameStyle(QFrame::NoFrame);
        p->SetColor(kSilver);
        p->setGeometry(5, y, 251, h);
        p->setFont(font);
        QPalette pal = p->palette();
        pal.setColor(QPalette::WindowText, colour);
        p->setPalette(pal);
        return p;
    };
    LibPanel2 = line(11, 32, ProportionalGothicFont(16, true), Qt::black);
    LibPanel3 = line(43, 22, GothicFont(16, true), QColor(0, 128, 0));
    LibPanel4 = line(64, 22, GothicFont(16, true), kRed);
    LibBtBtn = new TLibBtBtn(QStringLiteral(u"中　断"), LibPanel1);
    LibBtBtn->setGeometry(191, 40, 60, 24);
    LibBtBtn->hide();
    auto* bar = new QProgressBar(LibPanel1);
    bar->setGeometry(10, 44, 175, 18);
    bar->setRange(0, 100);
    bar->hide();
    ProgressBar = bar;
    connect(LibBtBtn, &QPushButton::clicked, this, &TNetDialgForm::LibBtBtnClick);
}

void TNetDialgForm::LibBtBtnClick() { StopFlag = true; }

void TNetDialgForm::showEvent(QShowEvent* event) {
    StopFlag = false;
    QDialog::showEvent(event);
}

}  // namespace tolvane::gui
