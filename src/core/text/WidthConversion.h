#pragma once
// Half-width / full-width conversion of CP932 texts and hiragana to katakana,
// by the JIS X 0208 readings of the half-width characters.

#include <string>
#include <string_view>

namespace tolvane {

enum class WidthScope {
    Signs = 1,  // letters, digits and signs
    Kana = 2,   // half-width katakana and kana signs
    Both = 3,
};

std::string ToFullWidth(std::string_view text, WidthScope scope);
std::string ToHalfWidth(std::string_view text, WidthScope scope);
std::string HiraganaToKatakana(std::string_view text);

}  // namespace tolvane
