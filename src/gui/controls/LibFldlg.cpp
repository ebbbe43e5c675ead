#include "controls/LibFldlg.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTreeView>
#include <QVBoxLayout>

#include "text/Cp932.h"

namespace tolvane::gui {
namespace {

QString Location(QStandardPaths::StandardLocation where) {
    const QString path = QStandardPaths::writableLocation(where);
    return QFileInfo(path).isDir() ? path : QDir::homePath();
}

// A manual name when it names a folder, else the desktop.
QString FolderOf(int special, const std::string& manualName) {
    if (special == sfManual) {
        if (!manualName.empty()) {
            const QString path = FsQPath(manualName);
            if (QFileInfo(path).isDir()) return QDir(path).absolutePath();
        }
        return SpecialFolderPath(sfDesktop);
    }
    return SpecialFolderPath(special);
}

bool Shows(TSHBrowseOptions options, TSHBrowseOption option) { return (options & option) != 0; }

}  // namespace

QString SpecialFolderPath(int special) {
    switch (special) {
        case sfDesktop:  // the top of the tree: everything lies below it
        case sfDrives:
            return QDir::rootPath();
        case sfDesktopDir:
            return Location(QStandardPaths::DesktopLocation);
        case sfPrograms:
        case sfStartMenu:
            return Location(QStandardPaths::ApplicationsLocation);
        case sfTemplates:
            return QFileInfo(QDir::home().filePath("Templates")).isDir()
                       ? QDir::home().filePath("Templates")
                       : QDir::homePath();
        case sfFavorites:
        case sfRecent:
        case sfSendTo:
        case sfStartup:
            return QDir::homePath();
        default:  // the network neighbourhood has no folder here
            return {};
    }
}

TFolderBrowser::TFolderBrowser(TLibFldlg& owner, const QString& root, QWidget* parent)
    : QDialog(parent), owner_(owner) {
    setObjectName(QStringLiteral("FolderBrowser"));
    setWindowTitle(QStringLiteral(u"フォルダの参照"));
    resize(360, 420);
    auto* caption = new QLabel(Cp932ToQStringLenient(owner.Caption), this);
    caption->setObjectName(QStringLiteral("Caption"));
    caption->setWordWrap(true);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("StatusLine"));
    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
    model_->setRootPath(root);
    tree_ = new QTreeView(this);
    tree_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column) tree_->hideColumn(column);
    tree_->header()->hide();
    tree_->setRootIndex(model_->index(root).parent());
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral(u"キャンセル"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(status_);
    layout->addWidget(tree_, 1);
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TFolderBrowser::SelectionChanged);
}

void TFolderBrowser::Select(const QString& path) {
    const QModelIndex index = model_->index(path);
    if (!index.isValid()) return;
    tree_->setCurrentIndex(index);
    tree_->scrollTo(index);
    SelectionChanged();
}

QString TFolderBrowser::SelectedPath() const {
    const QModelIndex index = tree_->currentIndex();
    return index.isValid() ? model_->filePath(index) : QString();
}

void TFolderBrowser::SelectionChanged() {
    std::string path;
    int okState = 0;
    const QString selected = SelectedPath();
    try {
        path = QStringToCp932(selected);
    } catch (const ECp932Error&) {
        path.clear();  // a name the system's texts cannot hold is no choice
    }
    if (path.empty()) okState = 2;
    std::string showText;
    if (owner_.OnSelectionChanged) owner_.OnSelectionChanged(owner_, this, path, showText, okState);
    if (Shows(owner_.Options, sboStatusTextAndShowPath)) showText = path;
    status_->setText(Cp932ToQStringLenient(showText));
    if (okState == 1) ok_->setEnabled(true);
    if (okState == 2) ok_->setEnabled(false);
    if (okState == 0 && !path.empty()) ok_->setEnabled(true);
}

TLibFldlg::TLibFldlg(QObject* parent) : QObject(parent) {}

bool TLibFldlg::Execute() {
    FolderName.clear();
    DisplayName.clear();
    const QString root = FolderOf(RootFolder, RootFolderName);
    if (root.isEmpty()) return false;
    QString initial = FolderOf(SelectFolder, SelectFolderName);
    // A folder outside the tree cannot be shown as chosen: the tree's top is.
    if (initial.isEmpty() || !(initial + "/").startsWith(root == "/" ? root : root + "/"))
        initial = root;

    QWidget* owner = qobject_cast<QWidget*>(parent());
    TFolderBrowser browser(*this, root, owner != nullptr ? owner->window() : nullptr);
    browser.Select(initial);
    browser.adjustSize();
    const QSize size = browser.size();
    if (ShowStyle == ssCenterScreen) {
        const QScreen* screen = owner != nullptr && owner->screen() != nullptr
                                    ? owner->screen()
                                    : QGuiApplication::primaryScreen();
        const QRect work = screen->availableGeometry();
        browser.move(work.x() + (work.width() - size.width()) / 2,
                     work.y() + (work.height() - size.height()) / 3);
    } else if (ShowStyle == ssClient && owner != nullptr) {
        browser.move(owner->window()->mapToGlobal(QPoint(0, 0)));
    }

    browser_ = &browser;
    const bool chosen = browser.exec() == QDialog::Accepted;
    browser_ = nullptr;
    if (!chosen) return false;
    const QString path = browser.SelectedPath();
    try {
        FolderName = QStringToCp932(path);
        DisplayName = QStringToCp932(
            QFileInfo(path).fileName().isEmpty() ? path : QFileInfo(path).fileName());
    } catch (const ECp932Error&) {
        FolderName.clear();
    }
    return true;
}

}  // namespace tolvane::gui
