#include "controls/LibCBox.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QStyledItemDelegate>

#include "controls/HouseLook.h"

namespace tolvane::gui {
namespace {

class FixedHeightDelegate : public QStyledItemDelegate {
  public:
    FixedHeightDelegate(const int& height, QObject* parent)
        : QStyledItemDelegate(parent), height_(height) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(height_);
        return s;
    }

  private:
    const int& height_;
};

}  // namespace

TLibCBox::TLibCBox(QWidget* parent) : QComboBox(parent) {
    view()->setItemDelegate(new FixedHeightDelegate(itemHeight_, this));
    SetOriginalStyle(true);
}

void TLibCBox::SetOriginalStyle(bool on) {
    if (on == originalStyle_) return;
    originalStyle_ = on;
    if (!on) return;
    SetBackground(this, kWindowColor);
    SetForeground(this, kWindowTextColor);
    SetHouseFont(this, false);
    resize(121, 24);
    const int h = font().pixelSize();
    itemHeight_ = h + 2 + (h - 16) / 2;
}

void TLibCBox::showPopup() { QComboBox::showPopup(); }

void TLibCBox::hidePopup() {
    // The item the list closes on was chosen there: it is the one to keep.
    if (ListDropped()) savedIndex_ = currentIndex();
    QComboBox::hidePopup();
    // Once the list has given the focus back to the box.
    if (CanTakeFocus(TabStopClose))
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (CanTakeFocus(TabStopClose)) TabStopClose->setFocus(Qt::OtherFocusReason);
            },
            Qt::QueuedConnection);
}

void TLibCBox::focusInEvent(QFocusEvent* event) {
    savedIndex_ = currentIndex();
    QComboBox::focusInEvent(event);
}

bool TLibCBox::ListDropped() const { return view() != nullptr && view()->isVisible(); }

void TLibCBox::UndoClosedChange() {
    if (!ListDropped() && currentIndex() != savedIndex_) setCurrentIndex(savedIndex_);
}

void TLibCBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !ListDropped()) {
        showPopup();
        return;
    }
    if (MoveByNavigationKey(this, event->key(), TabStopEnter, TabStopUp, TabStopDown)) return;
    if (!hasFocus()) savedIndex_ = currentIndex();
    QComboBox::keyPressEvent(event);
    UndoClosedChange();
}

void TLibCBox::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) savedIndex_ = currentIndex();
    StepFieldByWheel(this, event);
    QComboBox::wheelEvent(event);
    UndoClosedChange();
}

}  // namespace tolvane::gui
