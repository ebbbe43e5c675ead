#include "controls/LibCChk.h"

#include <QKeyEvent>

namespace tolvane::gui {

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
