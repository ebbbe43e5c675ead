// A folder sent by the real sending window into a LAN folder and received by
// the real receiving window, compared byte for byte.

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QTest>
#include <map>

#include "FormTestUtil.h"
#include "jobs/ShellTexts.h"
#include "net/HttpServerFixture.h"
#include "net/ServerFixtures.h"

using namespace tolvane;
using namespace tolvane::test;

namespace {
class WindowRoundTrip : public testing::Test {
  protected:
    QTemporaryDir dir;
    QString send = dir.path() + QStringLiteral(u"/送信データ");
    QString lan = dir.path() + QStringLiteral(u"/共有");
    QString save = dir.path() + QStringLiteral(u"/受信データ");

    void SetUp() override {
        std::string text;
        for (int i = 0; i < 5000; ++i) text += Sj("行") + std::to_string(i) + "\r\n";
        WritePath(send + QStringLiteral(u"/報告書.txt"), text);
        WritePath(send + QStringLiteral(u"/表示/能力/ソフト.csv"), "a,b\r\n1,2\r\n");
        WritePath(send + "/empty.dat", "");
        WritePath(send + "/nested/a/b/c/deep.bin", std::string(70000, '\x5C'));
        QDir().mkpath(send + QStringLiteral(u"/空フォルダ"));
        QDir().mkpath(lan);
    }

    // Fills the sending window and presses "送信開始"; returns what the boxes said.
    QStringList Send(Window& w, const QString& password) {
        ModalAnswerer answers;
        w.form->UserEdit->setText(QStringLiteral(u"山田"));
        w.form->PassEdit->setText(password);
        w.form->Edit1->setText(send);
        w.form->Edit3->setText(lan);
        w.form->Edit4->clear();
        QTest::mouseClick(w.form->LibBtBtn1, Qt::LeftButton);
        return answers.texts;
    }
    QStringList Receive(Window& w, const QString& password) {
        ModalAnswerer answers;
        w.form->UserEdit->setText(QStringLiteral(u"山田"));
        w.form->PassEdit->setText(password);
        w.form->Edit7->setText(lan);
        w.form->Edit2->setText(save);
        QTest::mouseClick(w.form->LibBtBtn2, Qt::LeftButton);
        return answers.texts;
    }
};

}  // namespace

TEST_F(WindowRoundTrip, SendThenReceiveGivesTheSameTree) {
    Window sender(kSendTitle);
    EXPECT_EQ(Send(sender, "pw"), QStringList{QStringLiteral(u"処理は完了しました。")});
    EXPECT_TRUE(QFile::exists(lan + QStringLiteral(u"/山田")));
    EXPECT_EQ(sender.form->ProButton->text(), QStringLiteral(u"閉じる"));

    Window receiver(kReceiveTitle);
    EXPECT_EQ(Receive(receiver, "pw"), QStringList{QStringLiteral(u"処理は完了しました。")});
    EXPECT_TRUE(Tree(save) == Tree(send)) << "the received tree differs";
    const QString log = Cp932ToQString(ReadFile(receiver.File("Tolvane.log")));
    EXPECT_TRUE(log.startsWith(QStringLiteral(u"ダウンロード中\r\n") + lan + "\r\n"));
    EXPECT_TRUE(log.endsWith(QStringLiteral(u"ワーク消去中\r\n処理完了\r\n\r\n")));
    EXPECT_EQ(receiver.form->Memo1->toPlainText().split('\n').size(), log.count("\r\n"));
}

TEST_F(WindowRoundTrip, AWrongPasswordIsRefusedAndTheSaveFolderStays) {
    Window sender(kSendTitle);
    Send(sender, "right");
    WritePath(save + "/mine.txt", "mine");
    Window receiver(kReceiveTitle);
    EXPECT_EQ(Receive(receiver, "wrong"), QStringList{QStringLiteral(u"処理を中止しました。")});
    EXPECT_EQ(receiver.form->LibPanel1->Color(), QColor(255, 0, 0));
    EXPECT_EQ(receiver.form->ProLabel1->text(), QStringLiteral(u"処理中止"));
    EXPECT_TRUE(
        receiver.form->Memo1->toPlainText().contains(QStringLiteral(u"パスワードが違います。")));
    EXPECT_EQ(Tree(save), (std::map<QString, std::string>{{"mine.txt", "mine"}}));
}

TEST_F(WindowRoundTrip, AFieldWithoutShiftJisFormIsWarnedNotCrashed) {
    Window receiver(kReceiveTitle);
    ModalAnswerer answers;
    receiver.form->UserEdit->setText(QStringLiteral(u"user\U0001F600"));
    receiver.form->PassEdit->setText("pw");
    QTest::mouseClick(receiver.form->LibBtBtn2, Qt::LeftButton);
    ASSERT_EQ(answers.texts.size(), 1);
    EXPECT_TRUE(answers.texts[0].startsWith(
        QStringLiteral(u"Shift-JIS で表せない文字が入力されています：")));
    EXPECT_TRUE(answers.texts[0].contains("user?"));
}

TEST_F(WindowRoundTrip, MissingEntriesAreWarnedFirstOnly) {
    {
        Window receiver(kReceiveTitle);
        ModalAnswerer answers;
        receiver.form->UserEdit->clear();
        receiver.form->PassEdit->clear();
        QTest::mouseClick(receiver.form->LibBtBtn2, Qt::LeftButton);
        EXPECT_EQ(answers.texts, QStringList{QStringLiteral(u"ユーザＩＤが未設定です。")});
        EXPECT_FALSE(QFile::exists(receiver.File("Tolvane.ini")));  // nothing saved
    }

    Window sender(kSendTitle);
    ModalAnswerer more;
    sender.form->UserEdit->setText("U");
    sender.form->PassEdit->setText("p");
    sender.form->Edit3->setText("ftp.example.com");  // no folder: the FTP entries count
    sender.form->Edit4->setText("/");
    QTest::mouseClick(sender.form->LibBtBtn1, Qt::LeftButton);
    EXPECT_EQ(more.texts, QStringList{QStringLiteral(u"送信先ＦＴＰユーザＩＤが未設定です。")});
}

TEST_F(WindowRoundTrip, TheReceivingWindowFetchesOverHttp) {
    HttpServer server;
    ASSERT_GT(server.port, 0);
    Window sender(kSendTitle);
    {
        ModalAnswerer answers;
        sender.form->UserEdit->setText("yamada");
        sender.form->PassEdit->setText("pw");
        sender.form->Edit1->setText(send);
        sender.form->Edit3->setText(server.root);
        sender.form->Edit4->clear();
        QTest::mouseClick(sender.form->LibBtBtn1, Qt::LeftButton);
    }
    Window receiver(kReceiveTitle);
    ModalAnswerer answers;
    receiver.form->UserEdit->setText("yamada");
    receiver.form->PassEdit->setText("pw");
    receiver.form->Edit7->setText(QString::fromStdString(server.Url("/Data")));
    receiver.form->Edit2->setText(save);
    QTest::mouseClick(receiver.form->LibBtBtn2, Qt::LeftButton);
    EXPECT_EQ(answers.texts, QStringList{QStringLiteral(u"処理は完了しました。")});
    EXPECT_TRUE(Tree(save) == Tree(send)) << "the received tree differs";
}

TEST_F(WindowRoundTrip, TheSendingWindowUploadsByFtpAfterPop) {
    FtpServer ftp;
    Pop3Server pop(1);
    ASSERT_GT(ftp.server.port, 0);
    ASSERT_GT(pop.server.port, 0);
    QDir().mkpath(ftp.root + "/incoming");
    Window sender(kSendTitle);
    sender.form->FTP->Port = static_cast<std::uint16_t>(ftp.server.port);
    sender.form->POP->RemotePort = static_cast<std::uint16_t>(pop.server.port);
    ModalAnswerer answers;
    sender.form->UserEdit->setText("yamada");
    sender.form->PassEdit->setText("pw");
    sender.form->Edit1->setText(send);
    sender.form->Edit3->setText("127.0.0.1");
    sender.form->Edit4->setText("incoming");
    sender.form->Edit5->setText("user");
    sender.form->Edit6->setText("pass");
    sender.form->LibCChk1->setChecked(true);
    sender.form->POPForm->Edit11->setText("127.0.0.1");
    sender.form->POPForm->Edit12->setText("user");
    sender.form->POPForm->Edit13->setText("pass");
    QTest::mouseClick(sender.form->LibBtBtn1, Qt::LeftButton);
    EXPECT_EQ(answers.texts, QStringList{QStringLiteral(u"処理は完了しました。")});
    const QString log = sender.form->Memo1->toPlainText();
    EXPECT_TRUE(log.contains("PASS *****\n"));
    EXPECT_TRUE(log.contains("PASS ******\n"));
    EXPECT_TRUE(log.contains("STOR yamada"));
    EXPECT_TRUE(log.contains(QStringLiteral(u"アップロード完了")));
    EXPECT_FALSE(log.contains("PASS pass"));

    // And back through the LAN road from the FTP server's folder.
    Window receiver(kReceiveTitle);
    answers.texts.clear();
    receiver.form->UserEdit->setText("yamada");
    receiver.form->PassEdit->setText("pw");
    receiver.form->Edit7->setText(ftp.root + "/incoming");
    receiver.form->Edit2->setText(save);
    QTest::mouseClick(receiver.form->LibBtBtn2, Qt::LeftButton);
    EXPECT_EQ(answers.texts, QStringList{QStringLiteral(u"処理は完了しました。")});
    EXPECT_TRUE(Tree(save) == Tree(send)) << "the received tree differs";
}
