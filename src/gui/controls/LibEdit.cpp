#include "controls/LibEdit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionFrame>

#include "controls/HouseLook.h"
#include "text/Cp932.h"
#include "text/DateFormat.h"
#include "text/MbcsText.h"

namespace tolvane::gui {
namespace {

// The characters each kind of entry takes (CP932).
const std::string& NumberKeys() {
    static const std::string keys = "-\\0123456789,.";
    return keys;
}
const std::string& CodeKeys() {
    static const std::string keys = "-0123456789.";
    return keys;
}
const std::string& TimeKeys() {
    static const std::string keys = ":0123456789";
    return keys;
}
const std::string& DateKeys() {
    // Era letters and names, Reiwa's among them.
    static const std::string keys =
        Sj(" -/0123456789,.MTSHRmtshrＭＴＳＨＲｍｔｓｈｒ明治大正昭和平成令和");
    return keys;
}

bool IsCodeType(TEditType t) {
    return t == TEditType::NuminNo || t == TEditType::StrinNo || t == TEditType::Codein;
}

Qt::Alignment QtAlignment(TAlignment a) {
    switch (a) {
        case taRightJustify:
            return Qt::AlignRight | Qt::AlignVCenter;
        case taCenter:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

TAlignment AlignmentOfType(TEditType t) {
    return t == TEditType::Numin ? taRightJustify : taLeftJustify;
}

}  // namespace

TLibEdit::TLibEdit(QWidget* parent) : QLineEdit(parent) {
    SetShortDateFormat("yyyy/mm/dd");
    value_.GetText = [this] { return QStringToCp932Lenient(text()); };
    value_.SetText = [this](const std::string& t) { setText(Cp932ToQStringLenient(t)); };
    value_.Beep = [this] { Beep(); };
    normalColor_ = enterColor_ = palette().color(QPalette::Base);
    SetImeMode(imClose);
    SetOriginalStyle(true);
    connect(this, &QLineEdit::textChanged, this, &TLibEdit::TextChanged);
}

void TLibEdit::SetOriginalStyle(bool on) {
    if (on == originalStyle_) return;
    originalStyle_ = on;
    if (!on) return;
    EnterKeyNextField = true;
    OverWrite = false;
    alignment_ = taLeftJustify;
    AutoClear = false;
    AutoRelease = false;
    EnteringCursorTop = false;
    value_.CheckBeep = true;
    NextPrevKey = true;
    SetColor(kWindowColor);
    enterColor_ = kWindowColor;
    SetHouseFont(this, font().bold());
    resize(width(), 24);
    if (EditType() != TEditType::Strin) alignment_ = AlignmentOfType(EditType());
    setAlignment(QtAlignment(alignment_));
}

void TLibEdit::SetEditType(TEditType type) {
    if (type == value_.EditType) return;
    value_.EditType = type;
    alignment_ = AlignmentOfType(type);
    setAlignment(QtAlignment(alignment_));
    SetUsingText(PictureOfType(type));
}

void TLibEdit::SetUsingText(const std::string& picture) {
    if (picture == value_.UsingText) return;
    value_.UsingText = picture;
    value_.MaxLength = static_cast<int>(picture.size()) + (IsDateType(EditType()) ? 5 : 0);
    update();
}

void TLibEdit::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    setAlignment(QtAlignment(alignment));
    update();
}

void TLibEdit::SetColor(const QColor& color) {
    normalColor_ = color;
    if (!hasFocus()) SetBackground(this, color);
}

void TLibEdit::SetPasswordChar(char mask) {
    passwordChar_ = mask;
    setEchoMode(mask != 0 ? QLineEdit::Password : QLineEdit::Normal);
    update();
}

void TLibEdit::SetImeMode(TImeMode mode) {
    imeMode_ = mode;
    // A closed input method: the field takes half-width text first.
    setAttribute(Qt::WA_InputMethodEnabled, mode != imDisable);
    setInputMethodHints(mode == imOpen ? Qt::ImhNone : Qt::ImhPreferLatin);
}

std::string TLibEdit::Text() const { return QStringToCp932(text()); }

void TLibEdit::SetText(const std::string& cp932) { setText(Cp932ToQStringLenient(cp932)); }

void TLibEdit::Beep() {
    QApplication::beep();
    emit Beeped();
}

void TLibEdit::Renormalize() {
    std::string current;
    try {
        current = Text();
    } catch (const ECp932Error&) {
        return;  // left as typed: the form names the field when it reads it
    }
    normalizing_ = true;
    const std::string normalized = value_.NormalizeText(current);
    if (QStringToCp932Lenient(text()) != normalized) SetText(normalized);
    normalizing_ = false;
    update();
}

void TLibEdit::focusInEvent(QFocusEvent* event) {
    if (event->reason() != Qt::PopupFocusReason) {
        Renormalize();
        savedMaxLength_ = value_.MaxLength;
        firstKey_ = true;
        value_.EnterText = value_.ExitText();
        if (originalStyle_) {
            if (EditType() == TEditType::Strin) {
                OverWrite = false;
                if (value_.MaxLength != 0) value_.EntryLimit = value_.MaxLength;
                value_.MaxLength = 0;
            } else {
                OverWrite = EditType() != TEditType::Numin;
                SetImeMode(imClose);
            }
        }
    }
    SetBackground(this, enterColor_);
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason && EnteringCursorTop) {
        deselect();
        setCursorPosition(0);
    }
}

void TLibEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason) return;
    value_.MaxLength = savedMaxLength_;
    Renormalize();
    SetBackground(this, normalColor_);
}

int TLibEdit::CaretPosition() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

std::size_t TLibEdit::BytesBefore(int position) const {
    return QStringToCp932Lenient(text().left(position)).size();
}

void TLibEdit::ApplyFirstKeyRule() {
    if (firstKey_ && (EditType() != TEditType::Strin || AutoClear) && CaretPosition() == 0) clear();
}

bool TLibEdit::Accepts(std::string bytes) const {
    const TEditType t = EditType();
    const std::string* keys = nullptr;
    std::string conditional;
    if (t == TEditType::Numin) keys = &NumberKeys(), conditional = ",.\\";
    if (IsCodeType(t)) keys = &CodeKeys(), conditional = "-.";
    if (t == TEditType::Timein || t == TEditType::TimeinH) keys = &TimeKeys(), conditional = ":";
    if (IsDateType(t)) keys = &DateKeys();
    if (keys == nullptr) return true;
    // A separator the picture does not use is refused like any other key.
    if (bytes.size() == 1 && conditional.find(bytes[0]) != std::string::npos &&
        MbcsPos(bytes, UsingText()) == 0)
        bytes = "?";
    return MbcsPos(bytes, *keys) != 0;
}

bool TLibEdit::TypeCharacter(const QString& ch) {
    std::string bytes;
    try {
        bytes = QStringToCp932(ch);
    } catch (const ECp932Error&) {
        Beep();  // no Shift-JIS form: the field could not hold it
        return false;
    }
    if (EditType() == TEditType::Strin) {
        if (value_.EntryLimit != 0 &&
            BytesBefore(CaretPosition()) >= static_cast<std::size_t>(value_.EntryLimit))
            return false;
    } else if (!Accepts(bytes)) {
        Beep();
        return false;
    }
    if (!isReadOnly()) ApplyFirstKeyRule();
    firstKey_ = false;
    // What the character replaces: the selection, or in overwrite mode the
    // character under the caret.
    const bool overwrites = OverWrite && !hasSelectedText() && cursorPosition() < text().size();
    if (value_.MaxLength != 0) {
        // The standard edit's own limit, in bytes; a character refused by it
        // removes nothing.
        QString replaced = selectedText();
        if (overwrites) {
            const int at = cursorPosition();
            replaced = text().mid(at, text().at(at).isHighSurrogate() ? 2 : 1);
        }
        const std::size_t kept =
            QStringToCp932Lenient(text()).size() - QStringToCp932Lenient(replaced).size();
        if (kept + bytes.size() > static_cast<std::size_t>(value_.MaxLength)) return false;
    }
    if (overwrites) del();
    insert(ch);
    return true;
}

void TLibEdit::TypeText(const QString& text) {
    for (int i = 0; i < text.size(); ++i) {
        const int n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        TypeCharacter(text.mid(i, n));
        i += n - 1;
    }
}

void TLibEdit::keyPressEvent(QKeyEvent* event) {
    fullCaret_ = false;
    update();
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;

    // Navigation first: a target that can take the focus, else the form's
    // default button for Enter, else the next or previous field.
    FocusTarget pending;
    if (enter) pending = TabStopEnter;
    if (key == Qt::Key_Up) pending = TabStopUp;
    if (key == Qt::Key_Down) pending = TabStopDown;
    if (!CanTakeFocus(pending)) pending = nullptr;
    if (enter && pending.isNull()) {
        if (QPushButton* button = DefaultButtonOf(this)) {
            button->click();
            return;
        }
    }
    if (!hasFocus()) return;

    if (enter) {
        if (EnterKeyNextField) MoveFocusOn(this, pending, true);
        return;
    }
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        if (NextPrevKey) MoveFocusOn(this, pending, key == Qt::Key_Down);
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        if (!isReadOnly()) ApplyFirstKeyRule();
        firstKey_ = false;
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        firstKey_ = false;
        QLineEdit::keyPressEvent(event);
        return;
    }
    switch (key) {
        case Qt::Key_Home:
            if (!(event->modifiers() & Qt::ShiftModifier) && cursorPosition() == 0 &&
                !hasSelectedText() && !isReadOnly())
                clear();
            firstKey_ = false;
            break;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            firstKey_ = false;
            break;
        case Qt::Key_Insert:
            if (event->modifiers() == Qt::NoModifier) {
                OverWrite = !OverWrite;
                firstKey_ = false;
                return;
            }
            break;
        case Qt::Key_Escape:
            Renormalize();
            return;  // taken here, so a dialog around the field stays open
        default:
            break;
    }
    const QString typed = event->text();
    const bool printable =
        !typed.isEmpty() && typed.at(0).unicode() >= 0x20 && typed.at(0).unicode() != 0x7F &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (printable) {
        TypeText(typed);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TLibEdit::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    fullCaret_ = true;
    update();
}

void TLibEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    fullCaret_ = false;
    update();
}

void TLibEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    fullCaret_ = true;
    update();
}

void TLibEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // The composition is shown as usual; what it commits is typed through
    // the field's filter like keys.
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&composing);
    TypeText(event->commitString());
}

void TLibEdit::wheelEvent(QWheelEvent* event) {
    StepFieldByWheel(this, event);
    QLineEdit::wheelEvent(event);
}

void TLibEdit::TextChanged() {
    if (normalizing_ || !AutoRelease || value_.MaxLength == 0 || !hasFocus()) return;
    if (QStringToCp932Lenient(text()).size() == static_cast<std::size_t>(value_.MaxLength) &&
        cursorPosition() == text().size())
        MoveToNextField(this, true);
}

int TLibEdit::CaretWidth() const {
    const int at = cursorPosition();
    if (EditType() == TEditType::Strin && fullCaret_ && OverWrite && at < text().size() &&
        !hasSelectedText()) {
        const int n = text().at(at).isHighSurrogate() ? 2 : 1;
        return QFontMetrics(font()).horizontalAdvance(text().mid(at, n));
    }
    return 2;
}

QString TLibEdit::ShownText() {
    std::string shown;
    try {
        shown = value_.NormalizeText(Text(), false);
    } catch (const ECp932Error&) {
        return passwordChar_ != 0 ? QString(text().size(), QChar(passwordChar_)) : text();
    }
    if (passwordChar_ != 0)
        return QString(static_cast<qsizetype>(shown.size()), QChar(passwordChar_));
    return Cp932ToQStringLenient(shown);
}

void TLibEdit::paintEvent(QPaintEvent* event) {
    if (!hasFocus()) {
        PaintUnfocused();
        return;
    }
    if (EnteringCursorTop && firstKey_ && alignment_ != taLeftJustify && cursorPosition() != 0)
        setCursorPosition(0);
    fullCaret_ = true;
    QLineEdit::paintEvent(event);
    const int width = CaretWidth();
    if (width <= 2) return;
    // The block caret of overwrite mode, over the character it replaces.
    QPainter painter(this);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QRect line = cursorRect();
    painter.fillRect(QRect(line.center().x(), line.top(), width, line.height()), Qt::white);
}

void TLibEdit::PaintUnfocused() {
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QColor background = isEnabled() ? normalColor_ : kActiveBorderColor;
    const QColor ink = isEnabled() ? palette().color(QPalette::Text) : kWindowTextColor;
    panel.palette.setColor(QPalette::Base, background);
    panel.palette.setColor(QPalette::Window, background);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    QRect area = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
    area = area.marginsRemoved(textMargins()).adjusted(2, 0, -2, 0);
    painter.setClipRect(area);
    painter.setPen(ink);
    painter.setFont(font());
    painter.drawText(area, static_cast<int>(QtAlignment(alignment_)), ShownText());
}

}  // namespace tolvane::gui
