#include <gtest/gtest.h>

#include "TestUtil.h"
#include "text/MbcsText.h"

using namespace tolvane;
using test::Sj;

namespace {
const std::string kLoneLead = "ab\x82";  // ends in the first byte of a character
}

TEST(MbcsPos, FindsOnlyWholeCharacters) {
    struct Case {
        std::string needle, text;
        std::size_t pos;
    } cases[] = {
        // "Ｈ" is 82 67 and "g" is 67: the trail byte is no "g".
        {"g", Sj("Ｈabg"), 5},
        {"g", Sj("Ｈ"), 0},
        {"H", Sj("Ｈ"), 0},
        {Sj("Ｈ"), Sj("aＨ"), 2},
        // "ソ" is 83 5C: its trail byte is no "\".
        {"\\", Sj("ソ\\"), 3},
        {Sj("ソ"), Sj("ソ"), 1},
        // A needle that would end on the first byte of a character in the text.
        {"a\x83", Sj("aソ"), 0},
        {"a\x83", "a\x83", 1},
        {"", "abc", 0},
        {"a", "", 0},
        {"c", kLoneLead, 0},
        {"\x82", kLoneLead, 3},
        {"b", kLoneLead, 2},
        {"abc", "ab", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(MbcsPos(c.needle, c.text), c.pos) << c.text;
}

TEST(MbcsText, TrimDropBlankRemove) {
    const std::string fwSpace = Sj("　");
    EXPECT_EQ(TrimSpaces(Sj("ab　 　"), "R"), "ab");
    EXPECT_EQ(TrimSpaces(Sj(" 　ab　 "), "L"), Sj("ab　 "));
    EXPECT_EQ(TrimSpaces(Sj(" 　ab　 "), ""), "ab");
    EXPECT_EQ(TrimSpaces(Sj(" 　ab　 "), "lr"), "ab");
    EXPECT_EQ(TrimSpaces("  ", "R"), "");
    // "＝" is 81 81 and "@" is 40: the 81 40 there is no full-width space.
    EXPECT_EQ(TrimSpaces(Sj("＝@"), "R"), Sj("＝@"));
    EXPECT_EQ(TrimSpaces("\x82 ", "R"), "\x82 ");

    EXPECT_EQ(DropDoubleByte(Sj("aあbＢc")), "abc");
    EXPECT_EQ(DropDoubleByte(kLoneLead), "ab");
    EXPECT_EQ(BlankDoubleByte(Sj("aあb")), "a  b");
    EXPECT_EQ(BlankDoubleByte(kLoneLead), "ab ");

    EXPECT_EQ(RemoveAll("-", "1-2--3"), "123");
    EXPECT_EQ(RemoveAll("\\", Sj("ソ\\a\\")), Sj("ソa"));
    EXPECT_EQ(RemoveAll("", "abc"), "abc");
}

TEST(MbcsText, CleanNumberText) {
    const std::pair<std::string, std::string> cases[] = {
        {"1-2.3.4", "-12.34"},
        {".", "."},
        {"", "0"},
        {"-", "0"},
        {"1,234.5", "1234.5"},
        {Sj("１２3"), "3"},
        // "−" (81 7C) is no sign: only a single-byte "-" is.
        {Sj("−5"), "5"},
        {kLoneLead, "0"},
        {"-.", "-."},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(CleanNumberText(in), out) << in;
}
