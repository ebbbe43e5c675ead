#include "controls/LibPanel.h"

#include <QPainter>

#include "controls/HouseLook.h"

namespace tolvane::gui {

TLibPanel::TLibPanel(QWidget* parent) : QFrame(parent) {
    setAutoFillBackground(true);
    SetOriginalStyle(true);
}

void TLibPanel::SetOriginalStyle(bool on) {
    if (on == originalStyle_) return;
    originalStyle_ = on;
    if (!on) return;
    SetColor(kMenuColor);
    setFrameStyle(QFrame::Panel | QFrame::Plain);  // not 3D
    SetForeground(this, kWindowTextColor);
    SetHouseFont(this, true);
    resize(89, 24);
}

void TLibPanel::SetColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

QColor TLibPanel::Color() const { return palette().color(QPalette::Window); }

void TLibPanel::SetLoweredBevel() {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void TLibPanel::SetCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void TLibPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (caption_.isEmpty()) return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), Qt::AlignCenter, caption_);
}

}  // namespace tolvane::gui
