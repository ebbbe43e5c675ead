#include "controls/HouseFonts.h"

#include <QStringList>

#include "controls/LibPanel.h"

namespace tolvane::gui {
namespace {

QFont Make(const QStringList& families, int pixelSize, bool bold) {
    QFont f;
    f.setFamilies(families);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

}  // namespace

QFont GothicFont(int pixelSize, bool bold) {
    return Make({QStringLiteral(u"ＭＳ ゴシック"), QStringLiteral("IPAGothic"),
                 QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("monospace")},
                pixelSize, bold);
}

QFont ProportionalGothicFont(int pixelSize, bool bold) {
    return Make({QStringLiteral(u"ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                 QStringLiteral("Noto Sans CJK JP"), QStringLiteral("sans-serif")},
                pixelSize, bold);
}

void ApplyFormPanelLook(TLibPanel* panel) {
    panel->SetLoweredBevel();
    panel->setFont(ProportionalGothicFont(16, true));
    panel->SetColor(kSilver);
}

}  // namespace tolvane::gui
