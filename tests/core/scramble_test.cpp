#include <gtest/gtest.h>

#include "TestUtil.h"
#include "text/ScrambleText.h"

using tolvane::ScrambleText;
using tolvane::UnscrambleText;
using namespace std::string_literals;

TEST(ScrambleText, WorkedValues) {
    struct Case {
        std::string plain, scrambled;
    } cases[] = {
        {"", "$$"},
        {"a", "$$00308"},
        {"ab", "$$31308"},
        {"abc", "$$3130800318"},
        {"\xFF\xFF"s, "$$7FFF8"},
        {"\0\0"s, "$$00000"},
    };
    for (const auto& c : cases) EXPECT_EQ(ScrambleText(c.plain), c.scrambled) << c.scrambled;
}

TEST(ScrambleText, DoubleByteCharactersShareAGroupOnlyAtOddPositions) {
    const std::string so = tolvane::test::Sj("ソ");  // 83 5C
    EXPECT_EQ(ScrambleText(so), "$$2E418");
    EXPECT_EQ(ScrambleText("x" + so), "$$41BC0002E0");
}

TEST(UnscrambleText, Decoding) {
    struct Case {
        std::string scrambled, plain;
    } cases[] = {
        {"$$", ""},
        {"", ""},
        {"$$3130800318", "abc\0"s},
        {"$$31308", "ab"},
        {"plainpass", "plainpass"},  // typed by hand into the settings file
        {"$", "$"},
    };
    for (const auto& c : cases) EXPECT_EQ(UnscrambleText(c.scrambled), c.plain) << c.scrambled;
    // A trailing partial group counts its missing digits as 0.
    EXPECT_EQ(UnscrambleText("$$313"), UnscrambleText("$$31300"));
    // Lower-case letters count as 0, so they do not decode like upper case.
    EXPECT_NE(UnscrambleText("$$7fff8"), UnscrambleText("$$7FFF8"));
    EXPECT_EQ(UnscrambleText("$$7fff8"), UnscrambleText("$$70008"));
    // Groups with a first digit of 8 or more take the subtraction path.
    EXPECT_EQ(UnscrambleText("$$FFFFF"), "\xFE\xFF"s);
}

TEST(UnscrambleText, RoundTripsEveryByte) {
    std::string all;
    for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
    EXPECT_EQ(UnscrambleText(ScrambleText(all)), all);
    EXPECT_EQ(UnscrambleText(ScrambleText(all.substr(1))), all.substr(1) + '\0');
}

TEST(UnscrambleText, DamagedInputStaysInBounds) {
    // Any text decodes to exactly two bytes per started group, never more.
    const std::string damaged[] = {"$$\xFF\xFE"s, "$$1", "$$12345678", "$$\0\0\0"s, "$$$$$$$"};
    for (const auto& s : damaged) {
        EXPECT_EQ(UnscrambleText(s).size(), (s.size() - 2 + 4) / 5 * 2) << s;
    }
}
