#include "controls/LibFldlg.h"

#include <QFileDialog>

#include "text/Cp932.h"

namespace tolvane::gui {

TLibFldlg::TLibFldlg(QObject* parent) : QObject(parent) {}

bool TLibFldlg::Execute(QWidget* owner) {
    QString start;
    try {
        start = FsQPath(InitialFolder);
    } catch (const ECp932Error&) {
    }
    QString chosen = QFileDialog::getExistingDirectory(
        owner, Caption, start, QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (chosen.isEmpty()) return false;
    try {
        FolderName = QStringToCp932(chosen);
    } catch (const ECp932Error&) {
        return false;
    }
    return true;
}

}  // namespace tolvane::gui
