#include "controls/LibCChk.h"

#include <QKeyEvent>

namespace tolvane::gui {

bool MoveByNavigationKey(QWidget* from, int key, const FocusTarget& enter, const FocusTarget& up,
                         const FocusTarget& down) {
    if (from->window() == from) return false;  // no form to move in
    switch (key) {
        case Qt::Key_Up:
            MoveFocusOn(from, up, false);
            return true;
        case Qt::Key_Down:
            MoveFocusOn(from, down, true);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            MoveFocusOn(from, enter, true);
            return true;
        default:
            return false;
    }
}

TLibCChk::TLibCChk(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {}

void TLibCChk::keyPressEvent(QKeyEvent* event) {
    if (MoveByNavigationKey(this, event->key(), TabStopEnter, TabStopUp, TabStopDown)) return;
    QCheckBox::keyPressEvent(event);
}

void TLibCChk::wheelEvent(QWheelEvent* event) {
    StepFieldByWheel(this, event);
    QCheckBox::wheelEvent(event);
}

}  // namespace tolvane::gui
