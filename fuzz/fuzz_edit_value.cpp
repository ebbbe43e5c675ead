// What a user types into an entry field, for every entry type and width mode:
// the date, number, code and time formats and the Shift-JIS text helpers
// under them, on any bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "edit/EditValue.h"
#include "text/MbcsText.h"
#include "text/WidthConversion.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const auto type = static_cast<TEditType>(data[0] % 10);
    const auto mode = static_cast<TExitMode>(data[1] % 3);
    const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);

    EditValue v;
    v.EditType = type;
    v.ExitMode = mode;
    v.UsingText = PictureOfType(type);
    v.MaxLength = static_cast<int>(v.UsingText.size()) + (IsDateType(type) ? 5 : 0);
    if (type == TEditType::Strin) v.MaxLength = data[1];
    v.EnterText = text.substr(0, text.size() / 2);
    std::string field = text;
    v.GetText = [&] { return field; };
    v.SetText = [&](const std::string& t) { field = t; };
    v.Today = [] { return QDate(2026, 12, 11); };
    const std::size_t half = text.size() / 2;
    v.SetExitMinChk(text.substr(0, half / 2));
    v.SetExitMaxChk(text.substr(half / 2, half / 2));

    const std::string shown = v.NormalizeText(text);
    if (type == TEditType::Strin && v.MaxLength > 0 && shown.size() > std::size_t(v.MaxLength))
        std::abort();
    (void)v.ExitText();
    (void)v.ParseDate(text);
    (void)PatternFormat(text, text.substr(half));

    // The helpers stay within their sizes and never cut a character.
    if (ToFullWidth(text, WidthScope::Both).size() > 2 * text.size()) std::abort();
    if (ToHalfWidth(text, WidthScope::Both).size() > text.size()) std::abort();
    if (HiraganaToKatakana(text).size() != text.size()) std::abort();
    if (BlankDoubleByte(text).size() != text.size()) std::abort();
    const std::string needle = text.substr(0, data[1] % 4);
    const std::size_t at = MbcsPos(needle, text);
    if (at != 0 &&
        (at + needle.size() - 1 > text.size() || text.compare(at - 1, needle.size(), needle) != 0))
        std::abort();
    (void)RemoveAll(needle, text);
    (void)TrimSpaces(text, needle);
    return 0;
}
