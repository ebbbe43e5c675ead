#include "controls/FocusMoves.h"

#include <QPushButton>
#include <QWheelEvent>

namespace tolvane::gui {

bool CanTakeFocus(const QWidget* target) {
    return target != nullptr && target->isVisible() && target->isEnabled() &&
           target->focusPolicy() != Qt::NoFocus;
}

void MoveToNextField(QWidget* from, bool forward) {
    QWidget* form = from->window();
    if (form == from) return;
    for (QWidget* w = from;;) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w == nullptr || w == from) return;
        if (w->window() != form || w == form) continue;
        if ((w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || !CanTakeFocus(w)) continue;
        if (w->focusProxy() != nullptr) continue;
        w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return;
    }
}

void MoveFocusOn(QWidget* from, const FocusTarget& pending, bool forward) {
    if (CanTakeFocus(pending))
        pending->setFocus(Qt::OtherFocusReason);
    else
        MoveToNextField(from, forward);
}

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

void StepFieldByWheel(QWidget* from, const QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 120) MoveToNextField(from, false);
    if (delta == -120) MoveToNextField(from, true);
}

QPushButton* DefaultButtonOf(const QWidget* from) {
    for (QPushButton* b : from->window()->findChildren<QPushButton*>())
        if (b->isDefault() && b->isVisible() && b->isEnabled()) return b;
    return nullptr;
}

}  // namespace tolvane::gui
