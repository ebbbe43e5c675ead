#include <gtest/gtest.h>

#include "TestUtil.h"
#include "text/Cp932.h"

using namespace tolvane;

TEST(Cp932, FsPathMapsSeparatorsOnlyOutsideDoubleByteCharacters) {
    // "表" is 95 5C: its trail byte must not become a "/".
    const std::string name = test::Sj("C:\\表\\ソフト");
    EXPECT_EQ(FsPath(name), "C:/表/ソフト");
}

TEST(Cp932, UnconvertibleTextsNameThemselves) {
    try {
        Utf8ToCp932("file-\xF0\x9F\x98\x80.txt");  // an emoji has no CP932 form
        FAIL();
    } catch (const ECp932Error& e) {
        EXPECT_NE(std::string(e.what()).find("file-"), std::string::npos);
    }
    EXPECT_THROW(Cp932ToUtf8("\x81"), ECp932Error);  // a lone lead byte
    EXPECT_EQ(Cp932ToQStringLenient("ab\x81"), QStringLiteral(u"ab\uFFFD"));
}
