#include <gtest/gtest.h>

#include "TestUtil.h"
#include "edit/EditValue.h"

using namespace tolvane;
using test::Sj;

namespace {

struct DateCase {
    TEditType type;
    const char* typed;
    const char* date;  // ParseDate; "" when it is no date
};

std::string Parse(TEditType type, const std::string& typed, QDate today, int* beeps = nullptr) {
    EditValue v;
    v.EditType = type;
    v.UsingText = PictureOfType(type);
    v.Today = [today] { return today; };
    v.Beep = [beeps] {
        if (beeps != nullptr) ++*beeps;
    };
    const std::string parsed = v.ParseDate(typed);
    return v.LastDateIsDate() ? parsed : std::string();
}

}  // namespace

TEST(DateEntry, FullTwoDigitAndEraYears) {
    const QDate today(2026, 12, 11);
    const DateCase cases[] = {
        {TEditType::Dayin, "20010315", "2001/03/15"},
        {TEditType::Dayin, "2001/3/15", "2001/03/15"},
        {TEditType::Dayin, "010315", "2001/03/15"},
        {TEditType::Dayin, "1/3/15", "2001/03/15"},
        {TEditType::Dayin, "99/3/15", "1999/03/15"},
        {TEditType::Dayin, "87/1/1", "2087/01/01"},
        {TEditType::Dayin, "88/1/1", "1988/01/01"},
        {TEditType::Dayin, "3/15", "2026/03/15"},
        {TEditType::Dayin, "15", "2026/12/15"},
        {TEditType::Dayin, "5", "2026/12/05"},
        {TEditType::Dayin, "0", "2026/12/11"},
        {TEditType::Dayin, "", ""},
        {TEditType::Dayin, "1867/12/31", ""},
        {TEditType::Dayin, "1868/1/1", "1868/01/01"},
        {TEditType::Dayin, "2087/12/31", "2087/12/31"},
        {TEditType::Dayin, "2088/1/1", ""},
        // Era marks: ASCII, full-width, kanji; each era's first and last days.
        {TEditType::Dayin, "M1/1/1", "1868/01/01"},
        {TEditType::Dayin, "m45/7/29", "1912/07/29"},
        {TEditType::Dayin, "T1/7/30", "1912/07/30"},
        {TEditType::Dayin, "大正15/12/24", "1926/12/24"},
        {TEditType::Dayin, "Ｓ1/12/25", "1926/12/25"},
        {TEditType::Dayin, "ｓ64/1/7", "1989/01/07"},
        {TEditType::Dayin, "H1/1/8", "1989/01/08"},
        {TEditType::Dayin, "平成31/4/30", "2019/04/30"},
        {TEditType::Dayin, "H12/3/15", "2000/03/15"},
        {TEditType::Dayin, "R1/5/1", "2019/05/01"},
        {TEditType::Dayin, "ｒ8/12/11", "2026/12/11"},
        {TEditType::Dayin, "令和1/5/1", "2019/05/01"},
        {TEditType::Dayin, "H120315", "2000/03/15"},
        {TEditType::Dayin, "R010501", "2019/05/01"},
        // The wareki fields count a bare two-digit year in Heisei.
        {TEditType::DayinWa, "12/3/15", "2000/03/15"},
        {TEditType::DayinBi, "1/3/15", "1989/03/15"},
        {TEditType::DayinWa, "2001/3/15", "2001/03/15"},
        {TEditType::DayinWa, "3/15", "2026/03/15"},
        // Impossible days: the month's last day.
        {TEditType::Dayin, "2001/2/30", "2001/02/28"},
        {TEditType::Dayin, "2000/2/31", "2000/02/29"},
        {TEditType::Dayin, "2001/4/31", "2001/04/30"},
        {TEditType::Dayin, "2001/13/1", "2001/12/01"},
        // A month or day of 0 is one left out: today's.
        {TEditType::Dayin, "2001/0/5", "2001/12/05"},
        {TEditType::Dayin, "2001/5/0", "2001/05/11"},
    };
    for (const DateCase& c : cases) EXPECT_EQ(Parse(c.type, Sj(c.typed), today), c.date) << c.typed;
}

TEST(DateEntry, RelativeEntries) {
    const QDate today(2026, 12, 11);
    const DateCase cases[] = {
        {TEditType::Dayin, "/15", "2027/01/15"},    {TEditType::Dayin, "-15", "2026/11/15"},
        {TEditType::Dayin, "//15", "2026/12/15"},   {TEditType::Dayin, "//10", "2027/01/10"},
        {TEditType::Dayin, "//11", "2026/12/11"},   {TEditType::Dayin, "--10", "2026/12/10"},
        {TEditType::Dayin, "--15", "2026/11/15"},   {TEditType::Dayin, "/3/15", "2027/03/15"},
        {TEditType::Dayin, "-3/15", "2025/03/15"},  {TEditType::Dayin, "//3/15", "2027/03/15"},
        {TEditType::Dayin, "--3/15", "2026/03/15"},
    };
    for (const DateCase& c : cases) EXPECT_EQ(Parse(c.type, c.typed, today), c.date) << c.typed;
    // A month moved past January carries into the year.
    EXPECT_EQ(Parse(TEditType::Dayin, "-5", QDate(2027, 1, 20)), "2026/12/05");
    EXPECT_EQ(Parse(TEditType::Dayin, "/31", QDate(2027, 1, 20)), "2027/02/28");
}

TEST(DateEntry, CorrectionsBeepAndAllZeroIsQuiet) {
    const QDate today(2026, 12, 11);
    const std::pair<const char*, int> cases[] = {
        {"2001/2/30", 1}, {"2001/2/28", 0}, {"1850/1/1", 1},
        {"2001/0/5", 0},  {"2001/5/0", 0},  {"", 0},
    };
    for (const auto& [typed, beeps] : cases) {
        int heard = 0;
        Parse(TEditType::Dayin, typed, today, &heard);
        EXPECT_EQ(heard, beeps) << typed;
    }
    EditValue v;
    int heard = 0;
    v.Beep = [&] { ++heard; };
    EXPECT_FALSE(v.MakeDate(0, 0, 0) > QDate(1867, 12, 31));
    EXPECT_EQ(heard, 0);
    EXPECT_EQ(v.MakeDate(2001, 2, 29), QDate(2001, 2, 28));
    EXPECT_EQ(heard, 1);
}
