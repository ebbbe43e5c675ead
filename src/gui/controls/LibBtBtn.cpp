#include "controls/LibBtBtn.h"

#include <QKeyEvent>

#include "controls/HouseLook.h"

namespace tolvane::gui {

TLibBtBtn::TLibBtBtn(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setAutoDefault(false);
    SetOriginalStyle(true);
}

void TLibBtBtn::SetOriginalStyle(bool on) {
    if (on == originalStyle_) return;
    originalStyle_ = on;
    if (!on) return;
    setDefault(false);
    SetForeground(this, kWindowTextColor);
    resize(width(), 24);
    // The look ends by taking the parent's font again.
    setFont(QFont());
}

void TLibBtBtn::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // Clicked; the focus stays unless a target can take it.
        if (!TabStopEnter.isNull() && !CanTakeFocus(TabStopEnter)) {
            QPushButton::keyPressEvent(event);
            return;
        }
        click();
        if (!TabStopEnter.isNull()) MoveFocusOn(this, TabStopEnter, true);
        return;
    }
    if (MoveByNavigationKey(this, key, TabStopEnter, TabStopUp, TabStopDown)) return;
    QPushButton::keyPressEvent(event);
}

void TLibBtBtn::wheelEvent(QWheelEvent* event) {
    StepFieldByWheel(this, event);
    QPushButton::wheelEvent(event);
}

}  // namespace tolvane::gui
