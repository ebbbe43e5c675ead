// The folder dialog through its component and through the main window's
// folder buttons, on the real dialog under the offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>

#include "FormTestUtil.h"
#include "TestUtil.h"
#include "controls/LibFldlg.h"

using namespace tolvane;
using namespace tolvane::gui;
using test::Sj;

namespace {

// Runs `act` on the folder dialog once it is up; it must close the dialog.
void WhenBrowserOpens(std::function<void(TFolderBrowser&)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* browser = qobject_cast<TFolderBrowser*>(QApplication::activeModalWidget());
        if (browser == nullptr || !browser->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(*browser);
    });
    timer->start();
}

QString Canonical(const QString& path) { return QFileInfo(path).canonicalFilePath(); }

}  // namespace

TEST(FolderDialog, OpensOnTheManualFolderShowsItsPathAndReturnsTheChoice) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral(u"受信/下"));
    const QString start = dir.path() + QStringLiteral(u"/受信");
    TLibFldlg dialog;
    dialog.SelectFolder = sfManual;
    dialog.SelectFolderName = QStringToCp932(start);
    dialog.Options = sboReturnOnlyFSDirs | sboStatusTextAndShowPath | sboStatusText;
    dialog.ShowStyle = ssCenterScreen;
    dialog.Caption = Sj("保存フォルダ");
    QString selected, status, caption;
    QPoint at;
    QSize size;
    WhenBrowserOpens([&](TFolderBrowser& b) {
        selected = b.SelectedPath();
        status = b.StatusLine()->text();
        caption = b.findChild<QLabel*>(QStringLiteral("Caption"))->text();
        at = b.pos();
        size = b.size();
        b.Select(start + QStringLiteral(u"/下"));
        b.OkButton()->click();
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(Canonical(selected), Canonical(start));
    EXPECT_EQ(Canonical(status), Canonical(start));
    EXPECT_EQ(caption, QStringLiteral(u"保存フォルダ"));
    EXPECT_EQ(Canonical(Cp932ToQString(dialog.FolderName)),
              Canonical(start + QStringLiteral(u"/下")));
    EXPECT_EQ(dialog.DisplayName, Sj("下"));
    // Centred across, at a third of the way down the work area.
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(at.x(), work.x() + (work.width() - size.width()) / 2);
    EXPECT_EQ(at.y(), work.y() + (work.height() - size.height()) / 3);
}

TEST(FolderDialog, MissingManualFolderOpensOnTheTopAndCancelLeavesNoPath) {
    TLibFldlg dialog;
    dialog.SelectFolder = sfManual;
    dialog.SelectFolderName = "/no/such/folder/here";
    dialog.FolderName = "left over";
    QString selected;
    WhenBrowserOpens([&](TFolderBrowser& b) {
        selected = b.SelectedPath();
        b.reject();
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(selected, QDir::rootPath());
    EXPECT_EQ(dialog.FolderName, "");
}

TEST(FolderDialog, SelectionHandlerSetsTheStatusAndTheOkButton) {
    QTemporaryDir dir;
    TLibFldlg dialog;
    dialog.SelectFolder = sfManual;
    dialog.SelectFolderName = QStringToCp932(dir.path());
    std::string seen;
    dialog.OnSelectionChanged = [&](TLibFldlg&, QWidget*, const std::string& path,
                                    std::string& showText, int& okState) {
        seen = path;
        showText = Sj("選べません");
        okState = 2;
    };
    bool okEnabled = true;
    QString status;
    WhenBrowserOpens([&](TFolderBrowser& b) {
        okEnabled = b.OkButton()->isEnabled();
        status = b.StatusLine()->text();
        b.reject();
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_FALSE(okEnabled);
    EXPECT_EQ(status, QStringLiteral(u"選べません"));
    EXPECT_EQ(Canonical(Cp932ToQString(seen)), Canonical(dir.path()));
}

TEST(FolderDialog, NetworkRootHasNoFolderAndRunsNoDialog) {
    TLibFldlg dialog;
    dialog.RootFolder = rfNetwork;
    EXPECT_FALSE(dialog.Execute());
}

TEST(FolderDialog, TheWindowsFolderButtonFillsTheFieldWithTheChosenFolder) {
    test::Window w("データ受信");
    QTemporaryDir lan;
    QDir(lan.path()).mkpath(QStringLiteral("pick"));
    // The field names a writable folder: the dialog opens on it.
    w.form->Edit2->setText(lan.path());
    QString opened;
    WhenBrowserOpens([&](TFolderBrowser& b) {
        opened = b.SelectedPath();
        b.Select(lan.path() + "/pick");
        b.OkButton()->click();
    });
    QTest::mouseClick(w.form->LibBtBtn3, Qt::LeftButton);
    EXPECT_EQ(Canonical(opened), Canonical(lan.path()));
    EXPECT_EQ(Canonical(w.form->Edit2->text()), Canonical(lan.path() + "/pick"));
    EXPECT_TRUE(w.form->Edit2->text().endsWith(u'/'));
}

TEST(WindowFields, LeavingTheUserIdMakesItHalfWidthAndPasswordsLoseTrailingSpaces) {
    test::Window w("データ受信");
    w.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.get()));
    w.form->UserEdit->setFocus();
    QApplication::processEvents();
    w.form->UserEdit->setText(QStringLiteral(u"ＵＳＥＲ１２３がっこう漢字　"));
    w.form->PassEdit->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(w.form->UserEdit->text(), QStringLiteral(u"USER123ｶﾞｯｺｳ"));
    w.form->PassEdit->setText(QStringLiteral(u"pass 　 "));
    w.form->UserEdit->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(w.form->PassEdit->text(), QStringLiteral("pass"));
    EXPECT_EQ(w.form->PassEdit->ShownText(), QStringLiteral("****"));
}
