#include <gtest/gtest.h>

#include "TestUtil.h"
#include "text/DateText.h"

using namespace tolvane;
using test::Sj;

TEST(DateText, MakeDateTextAndLastDay) {
    struct Case {
        int y, m, d;
        std::string out;
    } cases[] = {
        {2001, 2, 31, "2001/02/28"}, {2000, 2, 30, "2000/02/29"},  {2000, 14, 1, "2001/02/01"},
        {2001, 0, 5, "2000/12/05"},  {2001, -11, 5, "2000/01/05"}, {2001, 12, 31, "2001/12/31"},
        {2001, 4, 0, "2001/04/30"},  {2001, 1, 1, "2001/01/01"},
    };
    for (const Case& c : cases) EXPECT_EQ(MakeDateText(c.y, c.m, c.d), c.out) << c.y << c.m << c.d;
    EXPECT_EQ(LastDayOfMonth("2001/12/05"), "2001/12/31");
    EXPECT_EQ(LastDayOfMonth("2004/2/1"), "2004/02/29");
    EXPECT_EQ(LastDayOfMonth("no date"), "");
    EXPECT_EQ(LastDayOfMonth("2004/"), "");
}

TEST(DateText, EraOfFirstAndLastDays) {
    struct Case {
        QDate date;
        const char* shown;  // "gg ee/mm/dd"
    } cases[] = {
        {QDate(1867, 12, 31), ""},
        {QDate(1868, 1, 1), "明治 01/01/01"},
        {QDate(1912, 7, 29), "明治 45/07/29"},
        {QDate(1912, 7, 30), "大正 01/07/30"},
        {QDate(1926, 12, 24), "大正 15/12/24"},
        {QDate(1926, 12, 25), "昭和 01/12/25"},
        {QDate(1989, 1, 7), "昭和 64/01/07"},
        {QDate(1989, 1, 8), "平成 01/01/08"},
        {QDate(2019, 4, 30), "平成 31/04/30"},
        {QDate(2019, 5, 1), "令和 01/05/01"},
        {QDate(2087, 12, 31), "令和 69/12/31"},
    };
    for (const Case& c : cases) {
        // Before Meiji there is no era name or year, only the month and day.
        const std::string expected = *c.shown != '\0' ? Sj(c.shown) : " /12/31";
        EXPECT_EQ(FormatDatePicture(c.date, "gg ee/mm/dd"), expected) << c.shown;
    }
    EXPECT_EQ(FormatDatePicture(QDate(2019, 5, 1), Sj("g e\"年\"m\"月\"d\"日\" yyyy yy")),
              Sj("令 1年5月1日 2019 19"));
    EXPECT_EQ(FormatDatePicture(QDate(2019, 5, 1), Sj("gg ee\"年\"")), Sj("令和 01年"));
}

TEST(DateText, AdjustEraTextShowsShowa64AsHeisei1) {
    EXPECT_EQ(AdjustEraText(Sj("昭和 64/01/07"), "gg ee/mm/dd"), Sj("平成 01/01/07"));
    EXPECT_EQ(AdjustEraText(Sj("昭 64/01/07"), "g e/mm/dd"), Sj("平 1/01/07"));
    EXPECT_EQ(AdjustEraText(Sj("昭和 63/01/07"), "gg ee/mm/dd"), Sj("昭和 63/01/07"));
    EXPECT_EQ(AdjustEraText("1964/01/07", "yyyy/mm/dd"), "1964/01/07");
}
