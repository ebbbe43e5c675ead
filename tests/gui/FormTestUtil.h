#pragma once
// The real main window with its two dialogs, and a helper that answers the
// modal boxes a job shows.

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "TestUtil.h"
#include "TolvaneForm.h"

namespace tolvane::test {

using gui::TNETForm;
using gui::TPOPForm;
using gui::TTolvaneForm;

// Answers every modal box that comes up (message boxes, the settings
// dialogs) and remembers what they said.
class ModalAnswerer {
  public:
    QStringList texts;
    ModalAnswerer() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) return;
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                texts << box->text();
                box->accept();
            } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                texts << dialog->windowTitle();
                dialog->close();
            }
        });
        timer_.start();
    }

  private:
    QTimer timer_;
};

struct Window {
    QTemporaryDir dir;
    std::unique_ptr<TTolvaneForm> form;
    Window(const char* title, std::vector<std::string> args = {}) {
        form = std::make_unique<TTolvaneForm>(title, args, test::Folder(dir));
        auto* pop = new TPOPForm(form.get());
        auto* net = new TNETForm(form.get());
        form->AttachDialogs(pop, net);
        form->show();
        QApplication::processEvents();
    }
    QString File(const char* name) const { return dir.path() + "/" + name; }
};

}  // namespace tolvane::test
