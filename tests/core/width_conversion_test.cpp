#include <gtest/gtest.h>

#include <QString>

#include "TestUtil.h"
#include "text/WidthConversion.h"

using namespace tolvane;
using test::Sj;

namespace {

std::string Byte(int b) { return std::string(1, static_cast<char>(b)); }

// Unicode's compatibility forms are an independent table of the same
// readings: the full-width form of a half-width byte is what NFKC makes of
// it (for kana) or what NFKC turns back into it (for ASCII).
QString Nfkc(const std::string& cp932) {
    return Cp932ToQString(cp932).normalized(QString::NormalizationForm_KC);
}

bool NoCompatibilityPair(int b) {
    // Curly quotes, yen and overline are no compatibility forms of their
    // ASCII bytes; the lone sound marks decompose to combining marks.
    return b == '"' || b == '\'' || b == '`' || b == '\\' || b == '~' || b == 0xDE || b == 0xDF;
}

}  // namespace

TEST(WidthConversion, EveryHalfWidthByteAgreesWithUnicodeAndGoesBack) {
    for (int b = 0x20; b <= 0xDF; ++b) {
        if (b > 0x7E && b < 0xA1) continue;
        const std::string half = Byte(b);
        const std::string full = ToFullWidth(half, WidthScope::Both);
        ASSERT_EQ(full.size(), 2u) << b;
        EXPECT_EQ(ToHalfWidth(full, WidthScope::Both), half) << b;
        if (NoCompatibilityPair(b)) continue;
        if (b <= 0x7E)
            EXPECT_EQ(Nfkc(full), Cp932ToQString(half)) << b;
        else
            EXPECT_EQ(Cp932ToQString(full), Nfkc(half)) << b;
    }
}

TEST(WidthConversion, VoicedKanaAreOneCharacterBothWays) {
    int pairs = 0;
    for (int b = 0xA6; b <= 0xDD; ++b) {
        for (int mark : {0xDE, 0xDF}) {
            const std::string half = Byte(b) + Byte(mark);
            const QString composed = Nfkc(half);
            if (composed.size() != 1) continue;  // no composed form: stays two characters
            // ヴ stays two characters here; ヷ and ヺ have no CP932 form.
            if (composed == QStringLiteral(u"ヴ") || QStringToCp932Lenient(composed) == "?")
                continue;
            ++pairs;
            const std::string full = ToFullWidth(half, WidthScope::Both);
            EXPECT_EQ(Cp932ToQString(full), composed) << b;
            EXPECT_EQ(ToHalfWidth(full, WidthScope::Both), half) << b;
        }
    }
    EXPECT_EQ(pairs, 25);  // 20 voiced, 5 semi-voiced
}

TEST(WidthConversion, Cases) {
    struct Case {
        std::string in;
        WidthScope scope;
        bool toFull;
        std::string out;
    } cases[] = {
        {"\xB6\xDE", WidthScope::Both, true, "\x83\x4B"},
        {"\xB3\xDE", WidthScope::Both, true, Sj("ウ゛")},
        {"\xB1\xDF", WidthScope::Both, true, Sj("ア゜")},
        {"A1\xB1", WidthScope::Signs, true, Sj("Ａ１") + "\xB1"},
        {"A1\xB1", WidthScope::Kana, true, "A1" + Sj("ア")},
        {Sj("漢a"), WidthScope::Both, true, Sj("漢ａ")},
        // A lead byte without a trail byte: copied, the rest converted.
        {"\x82 a", WidthScope::Both, true, "\x82" + Sj("　ａ")},
        {"a\x82", WidthScope::Both, true, Sj("ａ") + "\x82"},
        {"\x83\x70", WidthScope::Both, false, "\xCA\xDF"},
        {Sj("Ａ１ア"), WidthScope::Signs, false, "A1" + Sj("ア")},
        {Sj("Ａ１ア"), WidthScope::Kana, false, Sj("Ａ１") + "\xB1"},
        {Sj("ヮヰヱヴヵヶあ漢"), WidthScope::Both, false, Sj("ヮヰヱヴヵヶあ漢")},
        {Sj("　￥"), WidthScope::Both, false, " \\"},
        {"ab\x83", WidthScope::Both, false, "ab\x83"},
    };
    for (const Case& c : cases) {
        const std::string got = c.toFull ? ToFullWidth(c.in, c.scope) : ToHalfWidth(c.in, c.scope);
        EXPECT_EQ(got, c.out) << c.in;
    }
}

TEST(WidthConversion, HiraganaBecomeKatakana) {
    EXPECT_EQ(HiraganaToKatakana(Sj("ぁあみむんゃ漢Ａ")), Sj("ァアミムンャ漢Ａ"));
    EXPECT_EQ(HiraganaToKatakana("\x82\x9F"), "\x83\x40");
    EXPECT_EQ(HiraganaToKatakana("\x82\xF1"), "\x83\x93");
    // No character at 82 9E: left as it is, never made into 83 3F.
    EXPECT_EQ(HiraganaToKatakana("\x82\x9E"), "\x82\x9E");
    EXPECT_EQ(HiraganaToKatakana("a\x82"), "a\x82");
}
