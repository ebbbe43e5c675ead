#pragma once
// The colours and the font size of the control family's house look, in the
// desktop's standard colours the forms are designed in.

#include <QColor>
#include <QFont>
#include <QWidget>

namespace tolvane::gui {

inline const QColor kWindowColor(255, 255, 255);        // clWindow
inline const QColor kWindowTextColor(0, 0, 0);          // clWindowText
inline const QColor kMenuColor(240, 240, 240);          // clMenu
inline const QColor kActiveBorderColor(180, 180, 180);  // clActiveBorder
inline const QColor kBlue(0, 0, 255);
inline const QColor kWhite(255, 255, 255);

// Twelve points at the screen's 96 dots per inch: 16 pixels.
constexpr int kHouseFontPixels = 16;

void SetBackground(QWidget* w, const QColor& color);
void SetForeground(QWidget* w, const QColor& color);
// The widget's own font at the house size, bold or not.
void SetHouseFont(QWidget* w, bool bold);

}  // namespace tolvane::gui
