#pragma once
// The small window that shows one file copy's progress.

#include <QDialog>
#include <QLabel>
#include <QProgressBar>

#include "package/StepContext.h"

namespace tolvane::gui {

class TCopyProgressForm : public QDialog, public CopyProgressWindow {
    Q_OBJECT
  public:
    explicit TCopyProgressForm(QWidget* parent = nullptr);

    void SetCaption(const std::string& text) override;
    void SetRange(std::int64_t maximum) override;
    void SetPosition(std::int64_t position) override;
    void SetLabel(const std::string& text) override;

    QProgressBar* ProgressBar;
    QLabel* Label;

  private:
    double scale_ = 1.0;  // the bar counts in int; large files are scaled down
};

}  // namespace tolvane::gui
