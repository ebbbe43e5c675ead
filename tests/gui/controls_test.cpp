// The control family on real widgets under the offscreen platform: keys
// typed into the fields, focus moving between them, the combo box guard.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "TestUtil.h"
#include "controls/LibControls.h"

using namespace tolvane;
using namespace tolvane::gui;
using test::Sj;

namespace {

// A form of fields in tab order: a, b, (c without a tab stop), check, button,
// combo, d.
struct Form {
    QWidget window;
    TLibEdit* a;
    TLibEdit* b;
    TLibEdit* c;
    TLibCChk* check;
    TLibBtBtn* button;
    TLibCBox* combo;
    TLibEdit* d;
    Form() {
        a = new TLibEdit(&window);
        b = new TLibEdit(&window);
        c = new TLibEdit(&window);
        c->setFocusPolicy(Qt::ClickFocus);
        check = new TLibCChk(QStringLiteral("check"), &window);
        button = new TLibBtBtn(QStringLiteral("button"), &window);
        combo = new TLibCBox(&window);
        combo->addItems({"zero", "one", "two", "three"});
        d = new TLibEdit(&window);
        int y = 0;
        for (QWidget* w : std::initializer_list<QWidget*>{a, b, c, check, button, combo, d}) {
            w->setGeometry(0, y, 200, 24);
            y += 26;
        }
        window.resize(220, y);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QWidget* Focused() const { return QApplication::focusWidget(); }
    void Focus(QWidget* w) {
        w->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }
};

void Wheel(QWidget* w, int delta) {
    QWheelEvent event(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

// Keys with text, as a keyboard with an input method sends them.
void Type(QWidget* w, const QString& text) {
    for (int i = 0; i < text.size(); ++i) {
        const int n = text.at(i).isHighSurrogate() ? 2 : 1;
        const QString ch = text.mid(i, n);
        i += n - 1;
        if (ch.at(0).unicode() < 0x80) {
            QTest::keyClick(w, ch.at(0).toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, ch);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, ch);
        QApplication::sendEvent(w, &release);
    }
}

std::string TextOf(const TLibEdit* e) { return QStringToCp932Lenient(e->text()); }

}  // namespace

TEST(ControlFocus, KeysAndWheelMoveBetweenFields) {
    Form f;
    struct Step {
        QWidget* from;
        int key;  // 0: wheel by `delta`
        int delta;
        QWidget* to;
    };
    const Step steps[] = {
        {f.a, Qt::Key_Return, 0, f.b},
        {f.b, Qt::Key_Up, 0, f.a},
        {f.a, Qt::Key_Down, 0, f.b},
        {f.b, Qt::Key_Down, 0, f.check},  // the field without a tab stop is skipped
        {f.check, Qt::Key_Return, 0, f.button},
        {f.check, Qt::Key_Up, 0, f.b},
        {f.combo, Qt::Key_Down, 0, f.d},
        {f.combo, Qt::Key_Up, 0, f.button},
        {f.combo, Qt::Key_Return, 0, f.d},
        {f.button, Qt::Key_Down, 0, f.combo},
        {f.button, Qt::Key_Up, 0, f.check},
        {f.b, 0, 120, f.a},
        {f.b, 0, -120, f.check},
        {f.check, 0, 120, f.b},
        {f.button, 0, -120, f.combo},
        {f.combo, 0, 120, f.button},
        {f.b, 0, 240, f.b},
        {f.b, 0, -60, f.b},
    };
    for (const Step& s : steps) {
        f.Focus(s.from);
        ASSERT_EQ(f.Focused(), s.from);
        if (s.key != 0)
            QTest::keyClick(s.from, static_cast<Qt::Key>(s.key));
        else
            Wheel(s.from, s.delta);
        EXPECT_EQ(f.Focused(), s.to)
            << s.from->metaObject()->className() << " key " << s.key << " delta " << s.delta;
    }
}

TEST(ControlFocus, TargetsSwitchesAndDestroyedTargets) {
    Form f;
    // Enter on a form without a default button: the next field, no beep.
    QSignalSpy beeps(f.a, &TLibEdit::Beeped);
    f.Focus(f.a);
    QTest::keyClick(f.a, Qt::Key_Return);
    EXPECT_EQ(f.Focused(), f.b);
    EXPECT_EQ(beeps.count(), 0);

    f.b->TabStopDown = f.d;
    f.b->TabStopUp = f.combo;
    f.Focus(f.b);
    QTest::keyClick(f.b, Qt::Key_Down);
    EXPECT_EQ(f.Focused(), f.d);
    f.Focus(f.b);
    QTest::keyClick(f.b, Qt::Key_Up);
    EXPECT_EQ(f.Focused(), f.combo);

    // A target that has been destroyed reads as none: the next field.
    f.check->TabStopEnter = f.c;
    delete f.c;
    f.c = nullptr;
    EXPECT_TRUE(f.check->TabStopEnter.isNull());
    f.Focus(f.check);
    QTest::keyClick(f.check, Qt::Key_Return);
    EXPECT_EQ(f.Focused(), f.button);

    f.a->NextPrevKey = false;
    f.a->EnterKeyNextField = false;
    f.Focus(f.a);
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Return}) {
        QTest::keyClick(f.a, key);
        EXPECT_EQ(f.Focused(), f.a) << key;
    }
}

TEST(ControlFocus, EnterOnAButtonClicksOnceAndTheDefaultButtonTakesEnterFirst) {
    Form f;
    QSignalSpy clicks(f.button, &QPushButton::clicked);
    f.Focus(f.button);
    QTest::keyClick(f.button, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(f.Focused(), f.button);

    f.button->TabStopEnter = f.a;
    QTest::keyClick(f.button, Qt::Key_Enter);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(f.Focused(), f.a);

    auto* defaultButton = new QPushButton(QStringLiteral("default"), &f.window);
    defaultButton->setDefault(true);
    defaultButton->show();
    QSignalSpy defaults(defaultButton, &QPushButton::clicked);
    f.Focus(f.a);
    QTest::keyClick(f.a, Qt::Key_Return);
    EXPECT_EQ(defaults.count(), 1);
    EXPECT_EQ(f.Focused(), f.a);
}

TEST(ControlCombo, SelectionChangesOnlyThroughTheList) {
    Form f;
    f.combo->setCurrentIndex(1);
    f.Focus(f.combo);
    // Keys and the wheel that would pick another item on a closed box.
    for (Qt::Key key : {Qt::Key_End, Qt::Key_Home, Qt::Key_PageDown, Qt::Key_T}) {
        QTest::keyClick(f.combo, key);
        EXPECT_EQ(f.combo->currentIndex(), 1) << key;
        f.Focus(f.combo);
    }
    Wheel(f.combo, -240);
    EXPECT_EQ(f.combo->currentIndex(), 1);
    // The arrow keys move between fields and leave the item as it was.
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up}) {
        f.Focus(f.combo);
        QTest::keyClick(f.combo, key);
        EXPECT_NE(f.Focused(), f.combo);
        EXPECT_EQ(f.combo->currentIndex(), 1) << key;
    }
    f.Focus(f.combo);

    // Space drops the list down; a choice there is kept.
    f.combo->TabStopClose = f.d;
    QTest::keyClick(f.combo, Qt::Key_Space);
    ASSERT_TRUE(f.combo->ListDropped());
    QWidget* list = f.combo->view();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(f.combo->ListDropped());
    EXPECT_EQ(f.combo->currentIndex(), 2);
    EXPECT_EQ(f.window.focusWidget(), f.d);  // the list's close target
    f.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.window));
    f.Focus(f.combo);
    QTest::keyClick(f.combo, Qt::Key_End);
    EXPECT_EQ(f.combo->currentIndex(), 2);
}

TEST(ControlLooks, HouseLookIsAppliedOnceAndNeverTakenBack) {
    QWidget parent;
    auto* panel = new TLibPanel(&parent);
    EXPECT_TRUE(panel->OriginalStyle());
    EXPECT_EQ(panel->size(), QSize(89, 24));
    EXPECT_EQ(panel->font().pixelSize(), 16);
    EXPECT_TRUE(panel->font().bold());
    panel->resize(300, 40);
    panel->SetOriginalStyle(true);  // same value: nothing
    EXPECT_EQ(panel->size(), QSize(300, 40));
    panel->SetOriginalStyle(false);  // restores nothing
    EXPECT_EQ(panel->Color(), QColor(240, 240, 240));

    auto* label = new TLibLabel(QStringLiteral("x"), &parent);
    EXPECT_FALSE(label->OriginalStyle());
    EXPECT_FALSE(label->font().bold());
    label->SetOriginalStyle(true);
    EXPECT_EQ(label->alignment(), Qt::AlignCenter);
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 255, 255));

    auto* combo = new TLibCBox(&parent);
    EXPECT_EQ(combo->size(), QSize(121, 24));
    EXPECT_EQ(combo->ItemHeight(), 18);

    auto* button = new TLibBtBtn(QStringLiteral("b"), &parent);
    EXPECT_FALSE(button->isDefault());
    EXPECT_EQ(button->height(), 24);

    auto* edit = new TLibEdit(&parent);
    EXPECT_EQ(edit->height(), 24);
    EXPECT_EQ(edit->font().pixelSize(), 16);
    EXPECT_EQ(edit->ImeMode(), imClose);
    edit->SetEditType(TEditType::Numin);
    EXPECT_EQ(edit->Alignment(), taRightJustify);
    EXPECT_EQ(edit->MaxLength(), 24);
    edit->SetEditType(TEditType::DayinBi);
    EXPECT_EQ(edit->Alignment(), taLeftJustify);
    EXPECT_EQ(edit->MaxLength(), 23 + 5);
}

TEST(ControlEdit, TextFieldByteLimitWhileEditedAndCutOnLeaving) {
    Form f;
    f.Focus(f.b);
    f.a->SetMaxLength(40);
    QSignalSpy beeps(f.a, &TLibEdit::Beeped);
    f.Focus(f.a);
    EXPECT_EQ(f.a->MaxLength(), 0);
    Type(f.a, QString(38, u'a'));
    Type(f.a, QStringLiteral(u"あい"));  // the second one starts at byte 40
    EXPECT_EQ(TextOf(f.a), std::string(38, 'a') + Sj("あ"));
    Type(f.a, QStringLiteral("zz"));
    EXPECT_EQ(TextOf(f.a).size(), 40u);
    EXPECT_EQ(beeps.count(), 0);

    // A longer text put in while editing is cut when the field is left,
    // never in the middle of a character.
    f.a->SetText(std::string(39, 'x') + Sj("あい"));
    f.Focus(f.b);
    EXPECT_EQ(TextOf(f.a), std::string(39, 'x'));
    EXPECT_EQ(f.a->MaxLength(), 40);
}

TEST(ControlEdit, KeyFiltersRefuseWhatTheTypeCannotHold) {
    struct Case {
        TEditType type;
        QString typed;
        const char* kept;
        int beeps;
    } cases[] = {
        {TEditType::Numin, QStringLiteral("-12a,3.4"), "-12,3.4", 1},
        {TEditType::NuminNo, QStringLiteral("-12.3"), "123", 2},  // "-" and "." not in 00000000
        {TEditType::Codein, QStringLiteral("12-3x"), "12-3", 1},
        {TEditType::Timein, QStringLiteral("12:3a"), "12:3", 1},
        {TEditType::Dayin, QStringLiteral(u"H1/2/3x"), "H1/2/3", 1},
        {TEditType::Dayin, QStringLiteral(u"令和1.5.1"), "令和1.5.1", 0},
        {TEditType::Dayin, QStringLiteral(u"平成a"), "平成", 1},
        {TEditType::Strin, QStringLiteral(u"any テキスト"), "any テキスト", 0},
        {TEditType::Strin, QStringLiteral(u"a😀b"), "ab", 1},  // no Shift-JIS form
    };
    for (const Case& c : cases) {
        Form f;
        f.a->SetEditType(c.type);
        f.a->SetCheckBeep(false);  // the filter beeps regardless
        f.a->OverWrite = false;
        QSignalSpy beeps(f.a, &TLibEdit::Beeped);
        f.Focus(f.a);
        f.a->OverWrite = false;
        Type(f.a, c.typed);
        EXPECT_EQ(TextOf(f.a), Sj(c.kept)) << c.kept;
        EXPECT_EQ(beeps.count(), c.beeps) << c.kept;
    }
}

TEST(ControlEdit, ACharacterOverTheByteLimitRemovesNothingInOverwriteMode) {
    Form f;
    f.Focus(f.b);
    f.a->SetEditType(TEditType::Dayin);  // 15 bytes, overwrite mode while entered
    f.Focus(f.a);
    ASSERT_TRUE(f.a->OverWrite);
    f.a->SetText("123456789012345");
    f.a->setCursorPosition(1);
    Type(f.a, QStringLiteral(u"平"));  // two bytes in the place of one: over the limit
    EXPECT_EQ(TextOf(f.a), "123456789012345");
    Type(f.a, QStringLiteral("9"));
    EXPECT_EQ(TextOf(f.a), "193456789012345");
}

TEST(ControlEdit, FirstKeyHomeInsertEscape) {
    Form f;
    // The first key typed into a freshly entered number field replaces it.
    f.b->SetEditType(TEditType::Numin);
    f.b->SetText("123");
    f.Focus(f.b);
    f.b->setCursorPosition(0);
    Type(f.b, "45");
    EXPECT_EQ(TextOf(f.b), "45");
    Type(f.b, "67");
    QTest::keyClick(f.b, Qt::Key_Escape);
    EXPECT_EQ(TextOf(f.b), "4,567");

    // A text field keeps its text unless AutoClear is on.
    f.a->SetText("abc");
    f.Focus(f.a);
    f.a->setCursorPosition(0);
    Type(f.a, "x");
    EXPECT_EQ(TextOf(f.a), "xabc");
    f.a->AutoClear = true;
    f.Focus(f.b);
    f.Focus(f.a);
    f.a->setCursorPosition(0);
    Type(f.a, "y");
    EXPECT_EQ(TextOf(f.a), "y");

    // Home at the start with nothing selected empties the field, not when
    // it is read-only.
    f.a->SetText("abc");
    f.a->setCursorPosition(0);
    QTest::keyClick(f.a, Qt::Key_Home);
    EXPECT_EQ(TextOf(f.a), "");
    f.a->SetText("abc");
    f.a->setReadOnly(true);
    f.a->setCursorPosition(0);
    QTest::keyClick(f.a, Qt::Key_Home);
    EXPECT_EQ(TextOf(f.a), "abc");
    f.a->setReadOnly(false);

    // Insert toggles overwriting, whose caret is as wide as the character.
    f.a->AutoClear = false;
    f.a->SetText(Sj("aあc"));
    f.a->setCursorPosition(1);
    EXPECT_FALSE(f.a->OverWrite);
    QTest::keyClick(f.a, Qt::Key_Insert);
    EXPECT_TRUE(f.a->OverWrite);
    EXPECT_GT(f.a->CaretWidth(), 2);
    Type(f.a, "b");
    EXPECT_EQ(TextOf(f.a), "abc");
    QTest::keyClick(f.a, Qt::Key_Insert);
    EXPECT_EQ(f.a->CaretWidth(), 2);
    Type(f.a, "b");
    EXPECT_EQ(TextOf(f.a), "abbc");
}

TEST(ControlEdit, WithoutFocusShowsTheNormalizedTextMaskedByteByByte) {
    Form f;
    f.a->SetPasswordChar('*');
    f.a->SetText(Sj("aあ "));
    EXPECT_EQ(f.a->ShownText(), QStringLiteral("***"));
    f.b->SetEditType(TEditType::Numin);
    f.b->SetText("1234567.891");
    EXPECT_EQ(f.b->ShownText(), QStringLiteral("1,234,567.891"));
    EXPECT_EQ(f.b->ExitText(), "1234567.891");
    // Painted both ways without trouble, disabled too.
    f.b->grab();
    f.b->setEnabled(false);
    f.b->grab();
    f.Focus(f.a);
    f.a->grab();
}
