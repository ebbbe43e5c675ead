#include <gtest/gtest.h>

#include "TestUtil.h"
#include "edit/EditValue.h"
#include "edit/NumberPicture.h"

using namespace tolvane;
using test::Sj;

namespace {

const QDate kToday(2026, 12, 11);

// The value layer as an entry field sets it up for a type: its picture, the
// picture's length as MaxLength (five more for dates), a fixed today.
struct Field {
    EditValue v;
    std::string text;
    int beeps = 0;
    explicit Field(TEditType type, TExitMode mode = TExitMode::None) {
        v.EditType = type;
        v.ExitMode = mode;
        v.UsingText = PictureOfType(type);
        v.MaxLength = static_cast<int>(v.UsingText.size()) + (IsDateType(type) ? 5 : 0);
        v.GetText = [this] { return text; };
        v.SetText = [this](const std::string& t) { text = t; };
        v.Beep = [this] { ++beeps; };
        v.Today = [] { return kToday; };
    }
};

struct FormatCase {
    TEditType type;
    const char* enter;  // EnterText, the fallback of numbers and times
    const char* in;
    const char* shown;  // FormatExitText
    const char* value;  // ExitText while the field shows it
    int beeps;
};

}  // namespace

TEST(EditValue, FormatsEveryType) {
    const FormatCase cases[] = {
        {TEditType::Numin, "12", "1234567.891", "1,234,567.891", "1234567.891", 0},
        {TEditType::Numin, "12", ".5", "0.5", "0.5", 0},
        {TEditType::Numin, "12", "-.5", "-0.5", "-0.5", 0},
        {TEditType::Numin, "12", "", "0", "0", 0},
        {TEditType::Numin, "12", ".", "0", "0", 0},
        {TEditType::Numin, "12", "1.23456", "1.2346", "1.2346", 0},
        {TEditType::Numin, "12", "500000000000", "500,000,000,000", "500000000000", 0},
        {TEditType::Numin, "12", "600000000000", "12", "12", 1},
        {TEditType::Numin, "12", "99999999999999999999", "12", "12", 1},
        {TEditType::NuminNo, "", "-123", "00000123", "00000123", 0},
        {TEditType::NuminNo, "", "123456789", "23456789", "23456789", 0},
        {TEditType::StrinNo, "", "", "", "", 0},
        {TEditType::StrinNo, "", "0", "", "", 0},
        {TEditType::StrinNo, "", "12-345", "012-345-000", "012-345-000", 0},
        {TEditType::Codein, "", "123456789", "123-456-789", "123456789", 0},
        {TEditType::Codein, "", "12-345-678", "012-345-678", "012345678", 0},
        {TEditType::Timein, "12:00:00", "1:2:3", "01:02:03", "01:02:03", 0},
        {TEditType::Timein, "12:00:00", "25:00:00", "12:00:00", "12:00:00", 1},
        {TEditType::Timein, "12:00:00", "23:59:60", "12:00:00", "12:00:00", 1},
        {TEditType::TimeinH, "12:00:00", "25:00:00", "25:00:00", "25:00:00", 0},
        {TEditType::TimeinH, "12:00:00", "0", "", "", 0},
        {TEditType::Dayin, "", "2001/2/30", "2001/02/28", "2001/02/28", 1},
        {TEditType::Dayin, "", "1850/1/1", "", "", 1},
        {TEditType::Dayin, "", "2088/1/1", "", "", 1},
        {TEditType::Dayin, "", "", "", "", 0},
        // The first days of 1989 show as the first year of Heisei.
        {TEditType::DayinWa, "", "1989/1/5", "平成 01/01/05", "1989/01/05", 0},
        {TEditType::DayinWa, "", "H12/3/15", "平成 12/03/15", "2000/03/15", 0},
        {TEditType::DayinWa, "", "2019/4/30", "平成 31/04/30", "2019/04/30", 0},
        {TEditType::DayinWa, "", "2019/5/1", "令和 01/05/01", "2019/05/01", 0},
        {TEditType::DayinWa, "", "令和8/12/11", "令和 08/12/11", "2026/12/11", 0},
        {TEditType::DayinBi, "", "S50/4/1", "昭和 50年 04月 01日", "1975/04/01", 0},
    };
    for (const FormatCase& c : cases) {
        Field f(c.type);
        f.v.EnterText = c.enter;
        f.text = Sj(c.in);
        EXPECT_EQ(f.v.FormatExitText(f.text), Sj(c.shown)) << c.in;
        EXPECT_EQ(f.beeps, c.beeps) << c.in;
        f.text = Sj(c.shown);
        EXPECT_EQ(f.v.ExitText(), Sj(c.value)) << c.in;

        Field quiet(c.type);
        quiet.v.CheckBeep = false;
        quiet.v.FormatExitText(Sj(c.in));
        EXPECT_EQ(quiet.beeps, 0) << c.in;
    }
}

TEST(EditValue, TextEntryWidthModesAndTheByteLimit) {
    struct Case {
        TExitMode mode;
        int limit;
        const char* in;
        const char* out;
    } cases[] = {
        {TExitMode::None, 0, "  ab　 　", "  ab"},
        {TExitMode::None, 0, "ＡＢ ", "ＡＢ"},
        // The user ID field: half-width, hiragana to half-width katakana,
        // other double-byte characters dropped, trailing spaces trimmed.
        {TExitMode::Hankaku, 0, "ＡＢＣ１２３アイウがぱ漢字ヵー　", "ABC123ｱｲｳｶﾞﾊﾟｰ"},
        {TExitMode::Hankaku, 0, "user01", "user01"},
        {TExitMode::Zenkaku, 0, "Ab1ｱｶﾞ ", "Ａｂ１アガ"},
        {TExitMode::None, 4, "abcdef", "abcd"},
        {TExitMode::None, 4, "abcあ", "abc"},
        {TExitMode::None, 4, "abあい", "abあ"},
        {TExitMode::None, 4, "ab", "ab"},
    };
    for (const Case& c : cases) {
        Field f(TEditType::Strin, c.mode);
        f.v.MaxLength = c.limit;
        EXPECT_EQ(f.v.FormatExitText(Sj(c.in)), Sj(c.out)) << c.in;
    }
    // A 40-byte password field cut where byte 40 begins a character.
    Field pass(TEditType::Strin);
    pass.v.MaxLength = 40;
    const std::string typed = std::string(39, 'x') + Sj("あい");
    EXPECT_EQ(pass.v.FormatExitText(typed), std::string(39, 'x'));
    EXPECT_EQ(pass.v.FormatExitText(std::string(41, 'y')), std::string(40, 'y'));
}

TEST(EditValue, PatternFormat) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"12-345-678", "000-000-000", "012-345-678"},
        {"123456789", "000-000-000", "123-456-789"},
        {"1:2:3", "00:00:00", "01:02:03"},
        {"", "000-000-000", "000-000-000"},
        {"1234567890123", "000-000-000", "123-456-789"},
        {"12", "##-##", "12-"},
        {"a1b2", "0-0-0", "1-2-0"},
    };
    for (const auto& [text, picture, out] : cases) EXPECT_EQ(PatternFormat(text, picture), out);
}

TEST(EditValue, NumberPictures) {
    const std::tuple<double, const char*, const char*> cases[] = {
        {1234567.891, "###,###,###,###,##0.####", "1,234,567.891"},
        {0.5, "#.##", ".5"},
        {-0.5, "#.##", "-.5"},
        {-0.00001, "0.00", "0.00"},
        {12, "000-000-000", "000-000-012"},
        {2.5, "0", "3"},
        {1e20, "0", "1E+20"},
    };
    for (const auto& [value, picture, out] : cases)
        EXPECT_EQ(FormatNumberPicture(value, picture), out) << picture;
}

TEST(EditValue, LimitsClampAndAreExchangedWhenReversed) {
    Field f(TEditType::Numin);
    f.v.SetExitMinChk("10");
    f.v.SetExitMaxChk("5");
    f.text = "7";
    // 10 above 5: one beep, the limits exchanged (and kept so), 7 is within.
    EXPECT_EQ(f.v.NormalizeText(f.text), "7");
    EXPECT_EQ(f.beeps, 1);
    EXPECT_EQ(f.v.ExitMinChk(), "5");
    EXPECT_EQ(f.v.ExitMaxChk(), "10");
    f.text = "12";
    EXPECT_EQ(f.v.NormalizeText(f.text), "10");
    EXPECT_EQ(f.text, "10");  // the field itself now holds the limit
    f.text = "2";
    EXPECT_EQ(f.v.NormalizeText(f.text), "5");
    EXPECT_EQ(f.beeps, 1);

    // Numbers compare by value: 2 is below 10 though "2" sorts after "10".
    Field g(TEditType::Numin);
    g.v.SetExitMinChk("2");
    g.v.SetExitMaxChk("10");
    g.text = "3";
    EXPECT_EQ(g.v.NormalizeText(g.text), "3");
    EXPECT_EQ(g.beeps, 0);

    // Dates compare as dates: a Meiji minimum lies before a Heisei value.
    Field d(TEditType::DayinWa);
    d.v.SetExitMinChk("M45/1/1");
    d.v.SetExitMaxChk("R1/5/1");
    EXPECT_EQ(d.v.ExitMinChk(), "1912/01/01");
    EXPECT_EQ(d.v.NormalizeText("H1/1/8"), Sj("平成 01/01/08"));
    EXPECT_EQ(d.v.NormalizeText("2020/1/1"), Sj("令和 01/05/01"));
    EXPECT_EQ(d.beeps, 0);

    Field s(TEditType::Strin);
    s.v.SetExitMinChk("b");
    s.text = "a";
    EXPECT_EQ(s.v.NormalizeText("a"), "b");
    EXPECT_EQ(s.text, "b");
    // Only shown, not applied: the field's text stays.
    s.text = "a";
    EXPECT_EQ(s.v.NormalizeText("a", false), "b");
    EXPECT_EQ(s.text, "a");

    // A limit that formats to nothing is no limit.
    Field e(TEditType::Dayin);
    e.v.SetExitMinChk("1850/1/1");
    EXPECT_EQ(e.v.ExitMinChk(), "");
}
