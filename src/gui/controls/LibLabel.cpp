#include "controls/LibLabel.h"

#include "controls/HouseLook.h"

namespace tolvane::gui {

TLibLabel::TLibLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {}

void TLibLabel::SetOriginalStyle(bool on) {
    if (on == originalStyle_) return;
    originalStyle_ = on;
    if (!on) return;
    setAlignment(Qt::AlignCenter);
    SetColor(kBlue);
    SetForeground(this, kWhite);
    SetHouseFont(this, true);
    resize(width(), 24);
}

void TLibLabel::SetColor(const QColor& color) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

}  // namespace tolvane::gui
