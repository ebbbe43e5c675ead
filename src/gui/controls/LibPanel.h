#pragma once
// Panel of the control family: the house look (menu colour, flat, bold
// 16-pixel font, 89 × 24) from creation on.

#include <QFrame>
#include <QString>

namespace tolvane::gui {

class TLibPanel : public QFrame {
    Q_OBJECT
  public:
    explicit TLibPanel(QWidget* parent = nullptr);

    bool OriginalStyle() const { return originalStyle_; }
    // True applies the house look; False restores nothing.
    void SetOriginalStyle(bool on);

    void SetColor(const QColor& color);
    QColor Color() const;
    // A lowered inner bevel, as the forms' panels have.
    void SetLoweredBevel();
    // A panel may carry a centred caption of its own, as the progress
    // dialog's lines do.
    void SetCaption(const QString& caption);
    QString Caption() const { return caption_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool originalStyle_ = false;
    QString caption_;
};

}  // namespace tolvane::gui
