// Reading a date from what the user typed into a date field: full or two-digit
// years, era years, digits without separators, parts left out (taken from
// today) and relative entries that begin with "/" or "-".

#include <vector>

#include "edit/EditValue.h"
#include "text/DateText.h"
#include "text/MbcsText.h"
#include "text/WidthConversion.h"

namespace tolvane {
namespace {

constexpr int kFirstYear = 1868;
constexpr int kLastYear = 2087;
const QDate kNoDate(1867, 12, 31);

// The base year of the era whose mark the text holds, newest era first; a
// mark is the era's letter (either case, half or full width) or the first
// character of its name.
int EraBase(const std::string& text) {
    const std::span<const Era> eras = Eras();
    for (auto era = eras.rbegin(); era != eras.rend(); ++era) {
        const std::string upper(1, era->letter);
        const std::string lower(1, static_cast<char>(era->letter | 0x20));
        for (const std::string& mark :
             {upper, lower, ToFullWidth(upper, WidthScope::Signs),
              ToFullWidth(lower, WidthScope::Signs), std::string(era->name, 2)})
            if (MbcsPos(mark, text) != 0) return era->base;
    }
    return 0;
}

int Number(const std::string& digits, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count && i < digits.size(); ++i)
        value = value * 10 + (digits[i] - '0');
    return value;
}

bool HasPart(const std::string& picture, char lower) {
    return picture.find(lower) != std::string::npos ||
           picture.find(static_cast<char>(lower - 'a' + 'A')) != std::string::npos;
}

}  // namespace

bool EditValue::LastDateIsDate() const { return lastDate_.isValid() && lastDate_ > kNoDate; }

QDate EditValue::MakeDate(int year, int month, int day) {
    lastDate_ = kNoDate;
    const bool anyGiven = year != 0 || month != 0 || day != 0;
    bool corrected = false;
    if (year < kFirstYear || year > kLastYear) {
        corrected = true;
        year = 1867, month = 12, day = 31;
    }
    // A month or day of 0 is no date either: it is corrected, not taken silently.
    if (month > 12 || day > 31 || month < 1 || day < 1) corrected = true;
    month = std::clamp(month, 1, 12);
    day = std::clamp(day, 1, 31);
    QDate date(year, month, day);
    while (!date.isValid() && day > 25) {
        corrected = true;
        date = QDate(year, month, --day);
    }
    if (corrected && anyGiven) DoBeep();
    if (date.isValid()) lastDate_ = date;
    return lastDate_;
}

std::string EditValue::ParseDate(const std::string& text) {
    const int eraBase = EraBase(text);
    const std::string t2 = BlankDoubleByte(text);

    std::vector<std::string> runs;
    std::string digitString;
    for (std::size_t i = 0; i < t2.size();) {
        if (t2[i] < '0' || t2[i] > '9') {
            ++i;
            continue;
        }
        std::string run;
        while (i < t2.size() && t2[i] >= '0' && t2[i] <= '9') run += t2[i++];
        digitString += run;
        runs.push_back(run);
    }
    const std::size_t typed = digitString.size();
    if (typed == 1) digitString = "0" + digitString;

    auto runNumber = [&](std::size_t index, std::size_t digits) {
        return index < runs.size() ? Number(runs[index], 0, digits) : 0;
    };
    int y = runNumber(0, 4);
    int m = runNumber(1, 2);
    int d = runNumber(2, 2);

    if (runs.size() == 1) {
        if (eraBase != 0) {
            const std::string s = digitString + "000000";
            y = Number(s, 0, 2), m = Number(s, 2, 2), d = Number(s, 4, 2);
        } else {
            const std::string s = digitString + "00000000";
            y = Number(s, 0, 4), m = Number(s, 4, 2), d = Number(s, 6, 2);
            if (typed < 4 || y < kFirstYear || y > kLastYear)
                y = Number(s, 0, 2), m = Number(s, 2, 2), d = Number(s, 4, 2);
        }
    }

    const bool monthPart = HasPart(UsingText, 'm');
    const bool dayPart = HasPart(UsingText, 'd');
    const int defaultYear = EditType == TEditType::Dayin ? 2000 : 1988;
    if (eraBase == 0 && (y < kFirstYear || y > kLastYear)) {
        if (monthPart && m == 0) m = y, y = 0;
        if (dayPart) {
            if (d == 0) d = m, m = y, y = 0;
            if (runs.size() == 3 && y == 0 && m != 0) y = defaultYear;
        } else if (monthPart) {
            if (runs.size() == 2 && y == 0 && m != 0) y = defaultYear;
        }
    }

    const QDate today = TodayDate();
    if (!t2.empty()) {
        if (dayPart && d == 0) d = today.day();
        if (monthPart && m == 0) m = today.month();
        if (y == 0) y = today.year();
    }

    if (!t2.empty() && (t2[0] == '/' || t2[0] == '-')) {
        const bool forward = t2[0] == '/';
        const bool onlyIfPassed = t2.size() >= 2 && t2[1] == t2[0];
        int months = 0;
        if (dayPart && runs.size() == 1) months = 1;
        if (dayPart && runs.size() == 2) months = 12;
        if (!dayPart && monthPart && runs.size() == 1) months = 12;
        if (months != 0) {
            bool move = true;
            if (onlyIfPassed) {
                const QDate typedDate = ReadDateText(MakeDateText(y, m, d));
                move = forward ? today > typedDate : today < typedDate;
            }
            if (move) {
                m += forward ? months : -months;
                CarryMonth(y, m);
            }
        }
    }

    if (y < 100) {
        if (eraBase != 0) {
            y += eraBase;
        } else if (y > 0) {
            if (EditType == TEditType::Dayin)
                y += y < 88 ? 2000 : 1900;
            else
                y += 1988;
        }
    }
    return DateToText(MakeDate(y, m, d));
}

}  // namespace tolvane
