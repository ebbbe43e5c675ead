#pragma once
// Date texts in the short date form "yyyy/mm/dd", the Japanese era calendar
// and date pictures ("yyyy/mm/dd", "gg ee/mm/dd", ...) on CP932 texts.

#include <QDate>
#include <span>
#include <string>
#include <string_view>

namespace tolvane {

// The last day of the month of a "y/m/..." text, as a date text; empty when
// the text names no month.
std::string LastDayOfMonth(std::string_view dateText);

// Month carried into the year; a day beyond the month's end is its last day.
std::string MakeDateText(int year, int month, int day);

// Shows the first days of 1989, still the 64th year of Showa, as the first
// year of Heisei, in a text formatted with the picture.
std::string AdjustEraText(std::string_view formatted, std::string_view picture);

// Month carried into the year so that it lies in 1..12 (month 14 of 2000 is
// month 2 of 2001, month 0 of 2001 is month 12 of 2000).
void CarryMonth(int& year, int& month);

struct Era {
    QDate first;
    const char* name;  // CP932, two characters
    int base;          // the year before the era's first year
    char letter;       // its mark in typed dates, as "H12/3/15"
};

// Meiji to Reiwa, oldest first.
std::span<const Era> Eras();

// The era a date falls in (Meiji from 1868-01-01 to Reiwa from 2019-05-01),
// or nullptr before Meiji.
const Era* EraOf(const QDate& date);

// "yyyy", "yy", "mm", "m", "dd", "d", "gg" (era name), "g" (its first
// character), "ee"/"e" (year of the era), quoted text copied, anything else
// copied as it stands. Empty for an invalid date.
std::string FormatDatePicture(const QDate& date, std::string_view picture);

// Reads "y/m/d" in the short date form (a year under 100 is of this
// century); an invalid QDate when it is no date.
QDate ReadDateText(std::string_view text);
std::string DateToText(const QDate& date);  // "yyyy/mm/dd"

}  // namespace tolvane
