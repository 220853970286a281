// Calendar rules: month lengths, leap years, weekdays, validity and clamping.
#include "engines/date/date.h"

namespace {

const int kMonthLength[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The Gregorian calendar repeats every 400 years, and 146097 days are whole weeks.
constexpr int kCycleYears = 400;

int FloorMod(int value, int divisor) {
    int rest = value % divisor;
    return rest < 0 ? rest + divisor : rest;
}

// Days from the start of year 0 to the start of year y, for y in 0..399 (year 0 is a leap year).
long long DaysBeforeYear(int y) {
    if (y == 0) return 0;
    int leapYearsBefore = 1 + (y - 1) / 4 - (y - 1) / 100;
    return 365LL * y + leapYearsBefore;
}

// Days from the start of the year to the start of month, for any month: months outside 1..12
// count the months of the year that lie before them.
long long DaysBeforeMonth(int month, int year) {
    long long days = 0;
    for (int m = 1; m < month && m <= 12; ++m) days += kMonthLength[m];
    if (month > 2 && IsLeapYear(year)) ++days;
    return days;
}

}  // namespace

int IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year) {
    if (month < 1 || month > 12) return 0;
    if (month == 2 && IsLeapYear(year)) return 29;
    return kMonthLength[month];
}

int DayOfWeek(const DateValue* value) {
    if (value == nullptr) return 0;
    // Any field values give a weekday: the year is first brought into one 400-year cycle, so
    // the count stays small whatever the fields hold.
    int year = FloorMod(value->nYear, kCycleYears);
    long long days = DaysBeforeYear(year) + DaysBeforeMonth(value->nMonth, year) + value->nDay;
    // Day 1 of the count, 1 January of year 0, was a Saturday (6), as was 1 January 2000.
    return static_cast<int>(((days + 5) % 7 + 7) % 7);
}

int IsValidDate(const DateValue* value) {
    if (value == nullptr) return 0;
    if (value->bEmpty) return 1;
    if (value->nYear < 1) return 0;
    int length = DaysInMonth(value->nMonth, value->nYear);
    return length != 0 && value->nDay >= 1 && value->nDay <= length;
}

void ClampDate(DateValue* value) {
    if (value == nullptr) return;
    if (value->nYear < 0) value->nYear = 0;
    if (value->nMonth < 1) value->nMonth = 1;
    if (value->nMonth > 12) value->nMonth = 12;
    int length = DaysInMonth(value->nMonth, value->nYear);
    if (value->nDay < 1) value->nDay = 1;
    if (value->nDay > length) value->nDay = length;
    value->bEmpty = 0;
}
