#pragma once
// Combo box of the control family. Its selection changes only through the
// dropped-down list: an arrow key, a page key or the wheel on the closed box
// moves between fields or does nothing, never to another item.

#include <QComboBox>

#include "controls/FocusMoves.h"

namespace tolvane::gui {

class TLibCBox : public QComboBox {
    Q_OBJECT
  public:
    explicit TLibCBox(QWidget* parent = nullptr);

    FocusTarget TabStopEnter, TabStopUp, TabStopDown;
    FocusTarget TabStopClose;  // takes the focus when the list closes

    bool OriginalStyle() const { return originalStyle_; }
    void SetOriginalStyle(bool on);
    int ItemHeight() const { return itemHeight_; }
    bool ListDropped() const;

    void showPopup() override;
    void hidePopup() override;

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    // A change made while the list is closed is undone.
    void UndoClosedChange();

    bool originalStyle_ = false;
    int savedIndex_ = -1;
    int itemHeight_ = 0;
};

}  // namespace tolvane::gui
