#pragma once
// The maker's control family on Qt Widgets: the names the forms are built
// from. Each keeps the house look of its kind; keyboard movement between
// fields belongs to the shared behaviour of these classes.

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tolvane::gui {

class TLibPanel : public QFrame {
    Q_OBJECT
  public:
    explicit TLibPanel(QWidget* parent = nullptr);
    void SetColor(const QColor& color);
    QColor Color() const;
    // A panel may carry a centred caption of its own, as the progress
    // dialog's lines do.
    void SetCaption(const QString& caption);
    QString Caption() const { return caption_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString caption_;
};

class TLibLabel : public QLabel {
    Q_OBJECT
  public:
    explicit TLibLabel(const QString& caption, QWidget* parent = nullptr);
    void SetColor(const QColor& color);
};

enum class EditType { Strin };

class TLibEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit TLibEdit(QWidget* parent = nullptr);
    EditType Type() const { return type_; }

  private:
    EditType type_ = EditType::Strin;
};

class TLibBtBtn : public QPushButton {
    Q_OBJECT
  public:
    explicit TLibBtBtn(const QString& caption, QWidget* parent = nullptr);
};

class TLibCChk : public QCheckBox {
    Q_OBJECT
  public:
    explicit TLibCChk(const QString& caption, QWidget* parent = nullptr);
};

class TLibCBox : public QComboBox {
    Q_OBJECT
  public:
    explicit TLibCBox(QWidget* parent = nullptr);
};

}  // namespace tolvane::gui
