#pragma once
// Button of the control family: Enter clicks it and leaves the focus where it
// is (or, with a target, clicks and moves on), the arrow keys and the wheel
// move between fields.

#include <QPushButton>

#include "controls/FocusMoves.h"

namespace tolvane::gui {

class TLibBtBtn : public QPushButton {
    Q_OBJECT
  public:
    explicit TLibBtBtn(const QString& caption, QWidget* parent = nullptr);

    FocusTarget TabStopEnter, TabStopUp, TabStopDown;

    bool OriginalStyle() const { return originalStyle_; }
    void SetOriginalStyle(bool on);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    bool originalStyle_ = false;
};

}  // namespace tolvane::gui
