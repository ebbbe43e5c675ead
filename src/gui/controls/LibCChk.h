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

// The navigation keys of the check box and the combo box: true when the key
// moved the focus and needs no further handling.
bool MoveByNavigationKey(QWidget* from, int key, const FocusTarget& enter, const FocusTarget& up,
                         const FocusTarget& down);

}  // namespace tolvane::gui
