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
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (TabStopEnter.isNull()) {
                click();
                return;
            }
            if (!CanTakeFocus(TabStopEnter)) break;
            click();
            MoveFocusOn(this, TabStopEnter, true);
            return;
        case Qt::Key_Up:
        case Qt::Key_Down: {
            const bool forward = event->key() == Qt::Key_Down;
            if (window() == this) break;
            MoveFocusOn(this, forward ? TabStopDown : TabStopUp, forward);
            return;
        }
        default:
            break;
    }
    QPushButton::keyPressEvent(event);
}

void TLibBtBtn::wheelEvent(QWheelEvent* event) {
    StepFieldByWheel(this, event);
    QPushButton::wheelEvent(event);
}

}  // namespace tolvane::gui
