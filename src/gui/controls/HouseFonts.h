#pragma once
// The two Japanese desktop faces the forms are designed in, with the Debian
// IPA faces of the same metrics standing in where they are absent.

#include <QColor>
#include <QFont>

namespace tolvane::gui {

QFont GothicFont(int pixelSize, bool bold);              // fixed pitch ("ＭＳ ゴシック")
QFont ProportionalGothicFont(int pixelSize, bool bold);  // "ＭＳ Ｐゴシック"

inline const QColor kSilver(192, 192, 192);
inline const QColor kGray(128, 128, 128);
inline const QColor kRed(255, 0, 0);

class TLibPanel;
// The forms' panels: lowered inner bevel, flat, "ＭＳ Ｐゴシック" bold 16, silver.
void ApplyFormPanelLook(TLibPanel* panel);

}  // namespace tolvane::gui
