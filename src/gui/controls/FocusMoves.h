#pragma once
// Keyboard movement between the fields of a form, shared by the control
// family: Enter and the arrow keys and a wheel notch move the focus to the
// next or previous control in tab order, or to a named target control.

#include <QPointer>
#include <QWidget>

class QPushButton;
class QWheelEvent;

namespace tolvane::gui {

// A control the focus may be sent to by name. Not owned: one that has been
// destroyed reads as none.
using FocusTarget = QPointer<QWidget>;

// Visible, enabled and taking the focus at all.
bool CanTakeFocus(const QWidget* target);

// The form's next (or previous) control in tab order after `from`, skipping
// controls whose tab stop is off; nothing without a form around `from`.
void MoveToNextField(QWidget* from, bool forward);

// The pending target when it can take the focus, else the next field.
void MoveFocusOn(QWidget* from, const FocusTarget& pending, bool forward);

// Enter and Down to the next field, Up to the previous one (or to their
// targets): true when the key moved the focus and needs no further handling.
// Nothing moves without a form around `from`.
bool MoveByNavigationKey(QWidget* from, int key, const FocusTarget& enter, const FocusTarget& up,
                         const FocusTarget& down);

// A wheel notch of exactly +120 steps back a field, -120 on; any other delta
// moves nothing. The caller runs the standard wheel handling afterwards.
void StepFieldByWheel(QWidget* from, const QWheelEvent* event);

// The default button of the form, when it has one that can be pressed;
// it takes Enter before the field does.
QPushButton* DefaultButtonOf(const QWidget* from);

}  // namespace tolvane::gui
