#pragma once
// The single-line entry field of every form: typed entry with a key filter
// per type, the value layer's conversion whenever the focus comes or goes,
// keyboard movement between fields, an overwrite mode, a colour while
// focused, and its own painting (the normalized text, masked byte by byte)
// while it does not have the focus. Its text is a CP932 text.

#include <QLineEdit>
#include <string>

#include "controls/FocusMoves.h"
#include "edit/EditValue.h"

namespace tolvane::gui {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TImeMode { imDisable, imClose, imOpen, imDontCare };

class TLibEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit TLibEdit(QWidget* parent = nullptr);

    TEditType EditType() const { return value_.EditType; }
    void SetEditType(TEditType type);
    TExitMode ExitMode() const { return value_.ExitMode; }
    void SetExitMode(TExitMode mode) { value_.ExitMode = mode; }
    const std::string& UsingText() const { return value_.UsingText; }
    void SetUsingText(const std::string& picture);
    // In bytes; 0 is no limit. A text field reads 0 while it is being edited.
    int MaxLength() const { return value_.MaxLength; }
    void SetMaxLength(int bytes) { value_.MaxLength = bytes; }
    const std::string& EnterText() const { return value_.EnterText; }
    void SetEnterText(const std::string& text) { value_.EnterText = text; }
    const std::string& ExitMinChk() const { return value_.ExitMinChk(); }
    void SetExitMinChk(const std::string& limit) { value_.SetExitMinChk(limit); }
    const std::string& ExitMaxChk() const { return value_.ExitMaxChk(); }
    void SetExitMaxChk(const std::string& limit) { value_.SetExitMaxChk(limit); }
    std::string ExitText() { return value_.ExitText(); }
    bool CheckBeep() const { return value_.CheckBeep; }
    void SetCheckBeep(bool on) { value_.CheckBeep = on; }

    bool OriginalStyle() const { return originalStyle_; }
    void SetOriginalStyle(bool on);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    QColor EnterColor() const { return enterColor_; }
    void SetEnterColor(const QColor& color) { enterColor_ = color; }
    QColor Color() const { return normalColor_; }
    void SetColor(const QColor& color);
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char mask);
    TImeMode ImeMode() const { return imeMode_; }
    void SetImeMode(TImeMode mode);

    bool EnterKeyNextField = true;
    bool NextPrevKey = true;
    bool OverWrite = false;
    bool AutoClear = false;
    bool AutoRelease = false;
    bool EnteringCursorTop = false;
    FocusTarget TabStopEnter, TabStopUp, TabStopDown;

    // The text as CP932; throws ECp932Error when it has a character with no
    // CP932 form.
    std::string Text() const;
    void SetText(const std::string& cp932);
    // What the field shows while it does not have the focus.
    QString ShownText();
    // 2 pixels, or as wide as the character under the caret in overwrite mode.
    int CaretWidth() const;
    EditValue& Value() { return value_; }

  signals:
    void Beeped();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void Beep();
    void Renormalize();
    void TypeText(const QString& text);
    bool TypeCharacter(const QString& ch);
    bool Accepts(std::string bytes) const;
    void ApplyFirstKeyRule();
    int CaretPosition() const;  // characters; the selection's start when there is one
    std::size_t BytesBefore(int position) const;
    void TextChanged();
    void PaintUnfocused();

    EditValue value_;
    bool originalStyle_ = false;
    TAlignment alignment_ = taLeftJustify;
    QColor enterColor_;
    QColor normalColor_;
    char passwordChar_ = 0;
    TImeMode imeMode_ = imDontCare;
    bool firstKey_ = false;
    bool fullCaret_ = false;
    bool normalizing_ = false;
    int savedMaxLength_ = 0;
};

}  // namespace tolvane::gui
