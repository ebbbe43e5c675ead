#pragma once
// Check box of the control family: Enter and Down move to the next field, Up
// to the previous one, as the wheel does.

#include <QCheckBox>

#include "controls/FocusMoves.h"

namespace tolvane::gui {

class TLibCChk : public QCheckBox {
    Q_OBJECT
  public:
    explicit TLibCChk(const QString& caption, QWidget* parent = nullptr);

    FocusTarget TabStopEnter, TabStopUp, TabStopDown;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

}  // namespace tolvane::gui
