#include "edit/EditValue.h"

#include <charconv>
#include <cmath>

#include "edit/NumberPicture.h"
#include "text/DateText.h"
#include "text/MbcsText.h"
#include "text/WidthConversion.h"

namespace tolvane {
namespace {

bool IsNumberType(TEditType t) {
    switch (t) {
        case TEditType::Numin:
        case TEditType::NuminNo:
        case TEditType::StrinNo:
        case TEditType::Codein:
        case TEditType::Timein:
        case TEditType::TimeinH:
            return true;
        default:
            return false;
    }
}

// The first bytes of the text, one fewer where the cut would split a
// double-byte character; a limit of 0 is none.
std::string FirstBytes(const std::string& text, int limit) {
    const auto n = static_cast<std::size_t>(limit);
    if (limit <= 0 || text.size() <= n) return text;
    const std::vector<MbcsByteType> types = ClassifyBytes(text);
    return text.substr(0, types[n] == MbcsByteType::Trail ? n - 1 : n);
}

std::string LastBytes(const std::string& text, int limit) {
    const auto n = static_cast<std::size_t>(limit);
    if (limit <= 0 || text.size() <= n) return text;
    return text.substr(text.size() - n);
}

// "h:m:s" with each part in range, as a time text after a date must be.
bool IsTimeText(const std::string& text) {
    if (text.empty()) return false;
    int part = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t colon = text.find(':', start);
        const std::string item =
            text.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
        if (item.empty() || item.size() > 4 ||
            item.find_first_not_of("0123456789") != std::string::npos)
            return false;
        const int value = std::stoi(item);
        if (value > (part == 0 ? 23 : 59) || part > 2) return false;
        ++part;
        if (colon == std::string::npos) return true;
        start = colon + 1;
    }
}

}  // namespace

std::string PictureOfType(TEditType type) {
    switch (type) {
        case TEditType::Strin:
            return {};
        case TEditType::Numin:
            return "###,###,###,###,##0.####";
        case TEditType::NuminNo:
            return "00000000";
        case TEditType::Dayin:
            return "yyyy/mm/dd";
        case TEditType::DayinWa:
            return "gg ee/mm/dd";
        case TEditType::DayinBi:
            // gg ee"年" mm"月" dd"日"
            return "gg ee\"\x94\x4e\" mm\"\x8c\x8e\" dd\"\x93\xfa\"";
        case TEditType::StrinNo:
        case TEditType::Codein:
            return "000-000-000";
        case TEditType::Timein:
        case TEditType::TimeinH:
            return "00:00:00";
    }
    return {};
}

bool IsDateType(TEditType type) {
    return type == TEditType::Dayin || type == TEditType::DayinWa || type == TEditType::DayinBi;
}

void EditValue::DoBeep() {
    if (CheckBeep && quiet_ == 0 && Beep) Beep();
}

QDate EditValue::TodayDate() const { return Today ? Today() : QDate::currentDate(); }

std::string EditValue::NumberText(std::string_view text) const {
    std::string n = CleanNumberText(text);
    if (EditType == TEditType::NuminNo || EditType == TEditType::StrinNo ||
        EditType == TEditType::Codein)
        n = RemoveAll("-", n);
    return n;
}

double EditValue::NumberOf(std::string_view text) const {
    const std::string n = NumberText(text);
    double value = 0;
    auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), value);
    // A lone point (with or without a sign) reads as 0.
    if (ec != std::errc() || end != n.data() + n.size()) return 0;
    return value;
}

void EditValue::SetLimit(std::string& limit, const std::string& value) {
    if (value == limit) return;
    std::string v = value;
    if (IsDateType(EditType)) v = ParseDate(v);
    QuietBeeps quiet(quiet_);
    limit = FormatExitText(v).empty() ? std::string() : v;
}

std::string EditValue::FormatNumber(const std::string& t) {
    const double number = NumberOf(t);
    std::string r = FormatNumberPicture(number, UsingText);
    if (r.rfind(".", 0) == 0) r.insert(0, "0");
    if (r.rfind("-.", 0) == 0) r.insert(1, "0");
    if (MbcsPos("E", r) != 0 || std::fabs(number) > 5e11) {
        DoBeep();
        r = EnterText;
    }
    return LastBytes(r, MaxLength);
}

std::string EditValue::FormatDate(const std::string& t) {
    const std::string parsed = ParseDate(t);
    if (!LastDateIsDate()) return {};
    const QDate date = ReadDateText(parsed);
    if (!date.isValid()) return {};
    return AdjustEraText(FormatDatePicture(date, UsingText), UsingText);
}

std::string EditValue::FormatTime(std::string t) {
    if (EditType == TEditType::Timein && !IsTimeText(PatternFormat(t, UsingText))) {
        DoBeep();
        t = EnterText;
    }
    if (NumberOf(t) == 0) return {};
    return FirstBytes(PatternFormat(t, UsingText), MaxLength);
}

std::string EditValue::FormatExitText(const std::string& text) {
    std::string t;
    switch (ExitMode) {
        case TExitMode::None:
            t = TrimSpaces(text, "R");
            break;
        case TExitMode::Zenkaku:
            t = TrimSpaces(ToFullWidth(text, WidthScope::Both), "R");
            break;
        case TExitMode::Hankaku:
            t = TrimSpaces(DropDoubleByte(ToHalfWidth(HiraganaToKatakana(text), WidthScope::Both)),
                           "R");
            break;
    }
    switch (EditType) {
        case TEditType::Strin:
            if (MaxLength != 0 && EntryLimit == 0) EntryLimit = MaxLength;
            return FirstBytes(t, EntryLimit);
        case TEditType::Numin:
        case TEditType::NuminNo:
            return FormatNumber(t);
        case TEditType::Codein:
            return LastBytes(PatternFormat(t, UsingText), MaxLength);
        case TEditType::StrinNo: {
            std::string r;
            const double number = NumberOf(t);
            if (number == 0) {
                r = FormatNumberPicture(number, UsingText);
                for (char& c : r)
                    if (c == '0') c = ' ';
                r = TrimSpaces(r, "R");
            } else {
                r = PatternFormat(t, UsingText);
            }
            while (!r.empty() && (r.back() == ' ' || r.back() == '.' || r.back() == '-'))
                r.pop_back();
            return FirstBytes(r, MaxLength);
        }
        case TEditType::Dayin:
        case TEditType::DayinWa:
        case TEditType::DayinBi:
            return FormatDate(t);
        case TEditType::Timein:
        case TEditType::TimeinH:
            return FormatTime(t);
    }
    return t;
}

int EditValue::CompareAsDates(const std::string& a, const std::string& b) {
    const QDate kept = lastDate_;
    QuietBeeps quiet(quiet_);
    const QDate da = ReadDateText(ParseDate(a));
    const QDate db = ReadDateText(ParseDate(b));
    lastDate_ = kept;
    return da < db ? -1 : (db < da ? 1 : 0);
}

// Numbers and dates are ordered by value, not by their bytes ("10" is above
// "5", Meiji before Heisei); other texts byte by byte.
int EditValue::Order(const std::string& a, const std::string& b) {
    if (IsNumberType(EditType)) {
        const double x = NumberOf(a), y = NumberOf(b);
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    if (IsDateType(EditType)) return CompareAsDates(a, b);
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// A limit in the form a formatted text is compared with.
std::string EditValue::ComparableLimit(const std::string& limit) {
    if (IsNumberType(EditType) || IsDateType(EditType)) return limit;
    QuietBeeps quiet(quiet_);
    return FormatExitText(limit);
}

std::string EditValue::NormalizeText(const std::string& text, bool applyToField) {
    QuietBeeps quiet(quiet_, !applyToField);
    std::string v = FormatExitText(text);
    if (!minChk_.empty() && !maxChk_.empty() && Order(minChk_, maxChk_) > 0) {
        DoBeep();
        std::swap(minChk_, maxChk_);
    }
    auto clamp = [&](std::string& limit, bool outside) {
        if (!outside) return;
        if (applyToField && GetText && SetText && GetText() != limit) {
            const std::string value = limit;
            limit.clear();  // setting the text must not apply the limit again
            SetText(value);
            limit = value;
        }
        v = limit;
    };
    if (!minChk_.empty()) clamp(minChk_, Order(v, ComparableLimit(minChk_)) < 0);
    if (!maxChk_.empty()) clamp(maxChk_, Order(v, ComparableLimit(maxChk_)) > 0);
    return FormatExitText(v);
}

std::string EditValue::ValueText(const std::string& formatted) {
    switch (EditType) {
        case TEditType::Numin:
        case TEditType::NuminNo:
        case TEditType::Codein:
            return NumberText(FormatNumberPicture(NumberOf(formatted), UsingText));
        case TEditType::Dayin:
        case TEditType::DayinWa:
        case TEditType::DayinBi: {
            std::string parsed = ParseDate(formatted);
            return LastDateIsDate() ? parsed : std::string();
        }
        default:
            return formatted;
    }
}

std::string EditValue::ExitText() { return ValueText(FormatExitText(GetText ? GetText() : "")); }

}  // namespace tolvane
