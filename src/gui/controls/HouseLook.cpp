#include "controls/HouseLook.h"

#include <QPalette>

namespace tolvane::gui {

void SetBackground(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    p.setColor(QPalette::Base, color);
    p.setColor(QPalette::Button, color);
    w->setPalette(p);
}

void SetForeground(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::Text, color);
    p.setColor(QPalette::ButtonText, color);
    w->setPalette(p);
}

void SetHouseFont(QWidget* w, bool bold) {
    QFont f = w->font();
    f.setPixelSize(kHouseFontPixels);
    f.setBold(bold);
    w->setFont(f);
}

}  // namespace tolvane::gui
