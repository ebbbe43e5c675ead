#pragma once
// Folder selection dialog: a caption, a folder to start in, and the chosen
// folder back as a CP932 text.

#include <QObject>
#include <QString>
#include <string>

namespace tolvane::gui {

class TLibFldlg : public QObject {
    Q_OBJECT
  public:
    explicit TLibFldlg(QObject* parent = nullptr);

    QString Caption;
    std::string InitialFolder;  // CP932
    std::string FolderName;     // CP932, set by a successful Execute

    // False when the user cancelled or the chosen name has no CP932 form.
    bool Execute(QWidget* owner);
};

}  // namespace tolvane::gui
