#pragma once
// Folder selection dialog: a folder tree below a root folder, opened on an
// initial folder, with the caption above the tree and a status line; returns
// the chosen folder as a CP932 text.

#include <QDialog>
#include <QObject>
#include <functional>
#include <string>

class QLabel;
class QPushButton;
class QTreeView;
class QFileSystemModel;

namespace tolvane::gui {

// The special folders a dialog may open on or start its tree at.
enum TSelectFolder {
    sfDesktop,
    sfManual,
    sfDrives,
    sfDesktopDir,
    sfFavorites,
    sfPrograms,
    sfRecent,
    sfSendTo,
    sfStartMenu,
    sfStartup,
    sfTemplates,
    sfNetwork,
    sfNethood
};
enum TRootFolder {
    rfDesktop,
    rfManual,
    rfDrives,
    rfDesktopDir,
    rfFavorites,
    rfPrograms,
    rfRecent,
    rfSendTo,
    rfStartMenu,
    rfStartup,
    rfTemplates,
    rfNetwork,
    rfNethood
};
enum TSHBrowseOption {
    sboDontGoBelowDomain = 1 << 0,
    sboReturnFSAncestors = 1 << 1,
    sboReturnOnlyFSDirs = 1 << 2,
    sboStatusTextAndShowPath = 1 << 3,  // the status line shows the selected path
    sboStatusText = 1 << 4,
};
using TSHBrowseOptions = int;
enum TShowStyle { ssNone, ssCenterScreen, ssClient };

// The folder a special folder stands for here; empty for those with no
// folder of the file system (the network ones).
QString SpecialFolderPath(int special);

class TLibFldlg;

// Called whenever the selection changes: the path of the selection (empty
// when it has none), the status text and the OK button's state (0 leave it,
// 1 enable, 2 disable), both of which the handler may change.
using TSHBrowseEvent = std::function<void(TLibFldlg& sender, QWidget* wnd, const std::string& path,
                                          std::string& showText, int& okButtonState)>;

class TFolderBrowser : public QDialog {
    Q_OBJECT
  public:
    TFolderBrowser(TLibFldlg& owner, const QString& root, QWidget* parent);
    QTreeView* Tree() const { return tree_; }
    QLabel* StatusLine() const { return status_; }
    QPushButton* OkButton() const { return ok_; }
    void Select(const QString& path);
    QString SelectedPath() const;

  private:
    void SelectionChanged();

    TLibFldlg& owner_;
    QFileSystemModel* model_;
    QTreeView* tree_;
    QLabel* status_;
    QPushButton* ok_;
};

class TLibFldlg : public QObject {
    Q_OBJECT
  public:
    explicit TLibFldlg(QObject* parent = nullptr);

    TSelectFolder SelectFolder = sfDrives;
    std::string SelectFolderName;  // CP932, for sfManual
    std::string Caption;           // CP932, shown above the tree
    TSHBrowseOptions Options = sboStatusText;
    TSHBrowseEvent OnSelectionChanged;
    TRootFolder RootFolder = rfDesktop;
    std::string RootFolderName;  // CP932, for rfManual
    TShowStyle ShowStyle = ssClient;

    // Results of the last run, cleared when it starts.
    std::string FolderName;   // CP932 path of the chosen folder, "" when it has none
    std::string DisplayName;  // CP932 name of the chosen folder

    // Modal; true when the user chose a folder.
    bool Execute();
    // The dialog while Execute runs, else nullptr.
    TFolderBrowser* Browser() const { return browser_; }

  private:
    friend class TFolderBrowser;
    TFolderBrowser* browser_ = nullptr;
};

}  // namespace tolvane::gui
