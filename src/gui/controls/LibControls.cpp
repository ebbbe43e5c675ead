#include "controls/LibControls.h"

#include <QPainter>

#include "controls/HouseFonts.h"

namespace tolvane::gui {

TLibPanel::TLibPanel(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(true);
    setFont(ProportionalGothicFont(16, true));
    SetColor(kSilver);
}

void TLibPanel::SetColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

QColor TLibPanel::Color() const { return palette().color(QPalette::Window); }

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

TLibLabel::TLibLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TLibLabel::SetColor(const QColor& color) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

TLibEdit::TLibEdit(QWidget* parent) : QLineEdit(parent) {
    // Input method closed: the fields take half-width text first.
    setInputMethodHints(Qt::ImhPreferLatin);
}

TLibBtBtn::TLibBtBtn(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setAutoDefault(false);
    setDefault(false);
}

TLibCChk::TLibCChk(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {}

TLibCBox::TLibCBox(QWidget* parent) : QComboBox(parent) {}

}  // namespace tolvane::gui
