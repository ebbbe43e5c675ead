#include "text/DateText.h"

#include <array>
#include <charconv>
#include <optional>

#include "text/Cp932.h"
#include "text/DateFormat.h"
#include "text/MbcsText.h"

namespace tolvane {
namespace {

// CP932 era names: 明治, 大正, 昭和, 平成, 令和.
const std::array<Era, 5> kEras{{
    {QDate(1868, 1, 1), "\x96\xbe\x8e\xa1", 1867, 'M'},
    {QDate(1912, 7, 30), "\x91\xe5\x90\xb3", 1911, 'T'},
    {QDate(1926, 12, 25), "\x8f\xba\x98\x61", 1925, 'S'},
    {QDate(1989, 1, 8), "\x95\xbd\x90\xac", 1988, 'H'},
    {QDate(2019, 5, 1), "\x97\xdf\x98\x61", 2018, 'R'},
}};

constexpr std::string_view kShowa = "\x8f\xba";
constexpr std::string_view kWa = "\x98\x61";
constexpr std::string_view kHei = "\x95\xbd";
constexpr std::string_view kSei = "\x90\xac";

std::optional<int> ReadNumber(std::string_view text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string Padded(int value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return digits;
}

void ReplaceFirst(std::string& text, std::string_view from, std::string_view to) {
    if (std::size_t at = MbcsPos(from, text); at != 0) text.replace(at - 1, from.size(), to);
}

}  // namespace

void CarryMonth(int& year, int& month) {
    year += (month - 1) >= 0 ? (month - 1) / 12 : -((12 - month) / 12);
    month = ((month - 1) % 12 + 12) % 12 + 1;
}

std::span<const Era> Eras() { return kEras; }

std::string DateToText(const QDate& date) {
    if (!date.isValid()) return {};
    return Padded(date.year(), 4) + "/" + Padded(date.month(), 2) + "/" + Padded(date.day(), 2);
}

QDate ReadDateText(std::string_view text) {
    const std::size_t first = text.find('/');
    if (first == std::string_view::npos) return {};
    const std::size_t second = text.find('/', first + 1);
    if (second == std::string_view::npos) return {};
    auto y = ReadNumber(text.substr(0, first));
    auto m = ReadNumber(text.substr(first + 1, second - first - 1));
    auto d = ReadNumber(text.substr(second + 1));
    if (!y || !m || !d) return {};
    int year = *y;
    if (first <= 2 && year < 100) year += 2000;  // a two-digit year
    return QDate(year, *m, *d);
}

std::string LastDayOfMonth(std::string_view dateText) {
    SetShortDateFormat("yyyy/mm/dd");
    const std::size_t first = dateText.find('/');
    if (first == std::string_view::npos) return {};
    std::size_t second = dateText.find('/', first + 1);
    if (second == std::string_view::npos) second = dateText.size();
    auto y = ReadNumber(dateText.substr(0, first));
    auto m = ReadNumber(dateText.substr(first + 1, second - first - 1));
    if (!y || !m) return {};
    int year = *y;
    int month = *m + 1;
    CarryMonth(year, month);
    const QDate next(year, month, 1);
    if (!next.isValid()) return {};
    return DateToText(next.addDays(-1));
}

std::string MakeDateText(int year, int month, int day) {
    SetShortDateFormat("yyyy/mm/dd");
    CarryMonth(year, month);
    std::string text =
        std::to_string(year) + "/" + std::to_string(month) + "/" + std::to_string(day);
    if (day > 28) {
        const std::string last = LastDayOfMonth(text);
        if (last.size() >= 10) {
            auto lastDay = ReadNumber(std::string_view(last).substr(8, 2));
            if (lastDay && *lastDay < day) text = last;
        }
    }
    const QDate date = ReadDateText(text);
    if (!date.isValid()) return LastDayOfMonth(text);
    return DateToText(date);
}

std::string AdjustEraText(std::string_view formatted, std::string_view picture) {
    std::string out(formatted);
    if (MbcsPos(kShowa, out) == 0 || MbcsPos("64", out) == 0) return out;
    ReplaceFirst(out, kShowa, kHei);
    ReplaceFirst(out, kWa, kSei);
    ReplaceFirst(out, "64", MbcsPos("ee", picture) != 0 ? "01" : "1");
    return out;
}

const Era* EraOf(const QDate& date) {
    if (!date.isValid()) return nullptr;
    const Era* found = nullptr;
    for (const Era& era : kEras)
        if (date >= era.first) found = &era;
    return found;
}

std::string FormatDatePicture(const QDate& date, std::string_view picture) {
    if (!date.isValid()) return {};
    const Era* era = EraOf(date);
    std::string out;
    auto runOf = [&](std::size_t i) {
        const char c = static_cast<char>(picture[i] | 0x20);
        std::size_t n = 1;
        while (i + n < picture.size() && static_cast<char>(picture[i + n] | 0x20) == c) ++n;
        return n;
    };
    for (std::size_t i = 0; i < picture.size();) {
        const auto c = static_cast<unsigned char>(picture[i]);
        if (IsLeadByte(c)) {
            out.append(picture.substr(i, 2));
            i += 2;
            continue;
        }
        if (c == '"' || c == '\'') {
            const std::size_t close = picture.find(static_cast<char>(c), i + 1);
            const std::size_t end = close == std::string_view::npos ? picture.size() : close;
            out.append(picture.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        const std::size_t n = runOf(i);
        switch (c | 0x20) {
            case 'y':
                out += n >= 3 ? Padded(date.year(), 4) : Padded(date.year() % 100, 2);
                break;
            case 'm':
                out += Padded(date.month(), n >= 2 ? 2 : 1);
                break;
            case 'd':
                out += Padded(date.day(), n >= 2 ? 2 : 1);
                break;
            case 'g':
                if (era != nullptr)
                    out += n >= 2 ? std::string(era->name) : std::string(era->name, 2);
                break;
            case 'e':
                if (era != nullptr) out += Padded(date.year() - era->base, n >= 2 ? 2 : 1);
                break;
            default:
                out.append(picture.substr(i, n));
                break;
        }
        i += n;
    }
    return out;
}

}  // namespace tolvane
