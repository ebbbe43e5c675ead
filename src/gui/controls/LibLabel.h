#pragma once
// Label of the control family. Unlike the other members it starts with the
// standard label look; the house look (white bold on blue, centred) is only
// applied when asked for.

#include <QLabel>

namespace tolvane::gui {

class TLibLabel : public QLabel {
    Q_OBJECT
  public:
    explicit TLibLabel(const QString& caption, QWidget* parent = nullptr);

    bool OriginalStyle() const { return originalStyle_; }
    void SetOriginalStyle(bool on);
    void SetColor(const QColor& color);

  private:
    bool originalStyle_ = false;
};

}  // namespace tolvane::gui
