#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "FormTestUtil.h"
#include "TestUtil.h"
#include "TolvaneForm.h"
#include "jobs/ShellTexts.h"

using namespace tolvane;
using namespace tolvane::gui;
using tolvane::test::ModalAnswerer;
using tolvane::test::Window;

namespace {

struct Placement {
    const char* name;
    int x, y, w, h;
    bool visible;
};

void ExpectPlacements(TTolvaneForm& form, const std::vector<Placement>& table) {
    for (const Placement& p : table) {
        auto* w = form.findChild<QWidget*>(QString::fromLatin1(p.name));
        ASSERT_NE(w, nullptr) << p.name;
        EXPECT_EQ(w->geometry(), QRect(p.x, p.y, p.w, p.h)) << p.name;
        EXPECT_EQ(w->isVisible(), p.visible) << p.name;
    }
}

}  // namespace

TEST(TolvaneForm, FullLayout) {
    Window w(kFullTitle);
    EXPECT_EQ(w.form->windowTitle(), "Tolvane");
    EXPECT_EQ(w.form->size(), QSize(633, 832));
    ExpectPlacements(
        *w.form,
        {
            {"MainPanel", 10, 10, 615, 373, true},     {"LibLabel1", 25, 11, 112, 24, true},
            {"UserEdit", 137, 11, 453, 24, true},      {"LibLabel2", 25, 33, 112, 24, true},
            {"PassEdit", 137, 33, 129, 24, true},      {"LibCChk2", 393, 40, 201, 17, true},
            {"LibPanel1", 34, 75, 567, 172, true},     {"ProLabel1", 19, 33, 529, 16, true},
            {"ProLabel2", 19, 70, 529, 16, true},      {"ProButton", 223, 121, 121, 36, true},
            {"Memo1", 34, 244, 567, 123, true},        {"LibPanel2", 33, 395, 567, 172, true},
            {"Label7", 8, 40, 106, 16, true},          {"Edit7", 112, 35, 442, 24, true},
            {"Label2", 8, 75, 106, 16, true},          {"Edit2", 112, 70, 442, 24, true},
            {"LibBtBtn3", 529, 71, 25, 24, true},      {"LibBtBtn2", 131, 112, 145, 33, true},
            {"CloseButton2", 291, 112, 145, 33, true}, {"LibPanel3", 33, 569, 567, 172, true},
            {"Edit1", 162, 6, 392, 24, true},          {"LibBtBtn4", 529, 7, 25, 24, true},
            {"Edit3", 162, 33, 392, 24, true},         {"Edit4", 162, 55, 392, 24, true},
            {"Edit5", 162, 77, 239, 24, true},         {"Edit6", 162, 99, 239, 24, true},
            {"LibCChk1", 408, 101, 153, 17, true},     {"LibBtBtn1", 131, 130, 145, 33, true},
            {"CloseButton1", 291, 130, 145, 33, true}, {"LibPanel9", 33, 743, 567, 58, true},
            {"Button1", 22, 12, 81, 33, true},         {"Button8", 358, 12, 81, 33, true},
            {"FileListBox", 0, 0, 100, 30, false},
        });
    EXPECT_EQ(w.form->StatusBar->geometry(), QRect(0, 832 - 19, 633, 19));
    EXPECT_EQ(w.form->PassEdit->echoMode(), QLineEdit::Password);
    EXPECT_EQ(w.form->PassEdit->MaxLength(), 40);
    EXPECT_EQ(w.form->PassEdit->PasswordChar(), '*');
    EXPECT_EQ(w.form->UserEdit->ExitMode(), TExitMode::Hankaku);
    EXPECT_TRUE(w.form->ProButton->hasFocus());
}

TEST(TolvaneForm, ToolLayouts) {
    struct Case {
        const char* title;
        QString caption;
        const char* shown;
        const char* hidden;
        const char* start;
    } cases[] = {
        {kSendTitle, QStringLiteral(u"データ送信"), "LibPanel3", "LibPanel2", "LibBtBtn1"},
        {kReceiveTitle, QStringLiteral(u"データ受信"), "LibPanel2", "LibPanel3", "LibBtBtn2"},
    };
    for (const auto& c : cases) {
        // The switch for the other tool has no effect: the title decides.
        Window w(c.title, {"/S", "/R"});
        EXPECT_EQ(w.form->windowTitle(), c.caption);
        EXPECT_EQ(w.form->size(), QSize(640 - 6, 438 - 25));
        ExpectPlacements(*w.form,
                         {{c.shown, 34, 75, 567, 172, true},
                          {c.hidden, c.hidden == std::string("LibPanel2") ? 33 : 33,
                           c.hidden == std::string("LibPanel2") ? 395 : 569, 567, 172, false},
                          {"LibPanel1", 34, 75, 567, 172, false},
                          {"LibPanel9", 33, 743, 567, 58, false},
                          {"MainPanel", 10, 10, 615, 373, true},
                          {"Memo1", 34, 244, 567, 123, true}});
        EXPECT_TRUE(w.form->findChild<QWidget*>(c.start)->hasFocus()) << c.start;
    }
}

TEST(TolvaneForm, CompactLayoutWithPresetUser) {
    Window w(kReceiveTitle, {"/U:ABC", "/F:C:\\IN", "/N"});
    EXPECT_TRUE(w.form->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(w.form->Edit7->isVisible());
    EXPECT_FALSE(w.form->LibBtBtn3->isVisible());
    EXPECT_EQ(w.form->Edit2->y(), 35);
    EXPECT_EQ(w.form->Label2->y(), 40);
    EXPECT_FALSE(w.form->Edit2->isEnabled());  // the folder came from "/F:"
    EXPECT_EQ(w.form->Edit2->text(), "C:\\IN");
    EXPECT_EQ(w.form->UserEdit->text(), "ABC");
    EXPECT_EQ(w.form->Edit1->y(), 35);
    EXPECT_EQ(w.form->LibBtBtn1->y(), 112);
    EXPECT_FALSE(w.form->LibCChk1->isVisibleTo(w.form.get()));
}

TEST(TolvaneForm, FirstShowLoadsTheDefaults) {
    Window w(kReceiveTitle);
    EXPECT_EQ(w.form->UserEdit->text(), "DATA");
    EXPECT_EQ(w.form->Edit2->text(), "UserData");
    EXPECT_EQ(w.form->Edit7->text(), "http://");
    EXPECT_EQ(w.form->Edit4->text(), "/");
    EXPECT_FALSE(w.form->LibCChk1->isChecked());
    EXPECT_FALSE(w.form->LibCChk2->isChecked());
    TLibCBox* list = w.form->NETForm->LibCBox1;
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->itemText(0), QStringLiteral(u"ＬＡＮ接続"));
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_FALSE(QFile::exists(w.File("Tolvane.ini")));  // nothing written by showing
}

TEST(TolvaneForm, AJobSavesSettingsWritesTheLogAndEndsWithClose) {
    Window w(kReceiveTitle);
    ModalAnswerer answers;
    w.form->UserEdit->setText(QStringLiteral(u"ユーザ"));
    w.form->NETForm->LibCBox1->setCurrentIndex(0);
    w.form->RunJob({{[&] {
        w.form->AddLog(test::Sj("ダウンロード中"));
        w.form->AddLog("");
    }}});
    EXPECT_EQ(answers.texts, QStringList{QStringLiteral(u"処理は完了しました。")});
    EXPECT_EQ(w.form->ProButton->text(), QStringLiteral(u"閉じる"));
    EXPECT_TRUE(w.form->ProButton->isVisible());
    EXPECT_TRUE(w.form->LibPanel1->isVisible());
    EXPECT_FALSE(w.form->LibPanel2->isEnabled());  // one job per run in a tool mode
    EXPECT_EQ(test::ReadFile(w.File("Tolvane.log")), test::Sj("ダウンロード中") + "\r\n\r\n");
    IniFile ini(QStringToCp932(w.File("Tolvane.ini")));
    EXPECT_EQ(ini.ReadString(kReceiveTitle, "User", ""), test::Sj("ユーザ"));
    EXPECT_EQ(ini.ReadString(kReceiveTitle, "NETServer", ""), kLanConnection);
    // "閉じる" closes the window.
    QTest::mouseClick(w.form->ProButton, Qt::LeftButton);
    EXPECT_FALSE(w.form->isVisible());
}

TEST(TolvaneForm, StopButtonEndsTheJobBeforeTheNextStep) {
    Window w(kFullTitle);
    ModalAnswerer answers;
    bool secondRan = false, cleanupRan = false;
    w.form->RunJob({{[&] {
                        QTest::mouseClick(w.form->ProButton, Qt::LeftButton);
                        w.form->ProcessMessages();
                    }},
                    {[&] { secondRan = true; }},
                    {[&] { cleanupRan = true; }, true}});
    EXPECT_FALSE(secondRan);
    EXPECT_TRUE(cleanupRan);
    EXPECT_EQ(answers.texts, QStringList{QStringLiteral(u"処理を中止しました。")});
    EXPECT_TRUE(w.form->MainPanel->isEnabled());  // mode 0 allows another job
}

TEST(TolvaneForm, OtherSettingsFileLivesInTheProgramFolder) {
    Window w(kSendTitle, {"/I:other.ini"});
    ModalAnswerer answers;
    w.form->RunJob({});
    EXPECT_TRUE(QFile::exists(w.File("other.ini")));
    EXPECT_FALSE(QFile::exists(w.File("Tolvane.ini")));
}

TEST(TolvaneForm, CheckBoxesOpenTheirDialogOnlyWhenChecked) {
    Window w(kSendTitle);
    ModalAnswerer answers;
    w.form->POPForm->Edit11->setText("pop.example");
    QTest::mouseClick(w.form->LibCChk1, Qt::LeftButton);  // now checked
    EXPECT_EQ(answers.texts, QStringList{"POP before FTP"});
    QTest::mouseClick(w.form->LibCChk1, Qt::LeftButton);  // now clear
    EXPECT_EQ(answers.texts.size(), 1);
    EXPECT_EQ(w.form->POPForm->Edit11->text(), "pop.example");
}

TEST(TolvaneForm, PositionIsSavedOnCloseAndRestored) {
    QTemporaryDir dir;
    {
        TTolvaneForm form(kReceiveTitle, {}, test::Folder(dir));
        form.move(40, 50);
    }
    TTolvaneForm again(kReceiveTitle, {}, test::Folder(dir));
    EXPECT_EQ(again.pos(), QPoint(40, 50));
    IniFile ini(QStringToCp932(dir.path() + "/Tolvane.ini"));
    EXPECT_EQ(ini.ReadInteger(kReceiveTitle, "FormPosition", 0), 1);
}
