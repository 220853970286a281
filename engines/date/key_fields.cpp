// Tests on the fields of a date being typed: where a digit may go, whether the values typed so
// far still fit the calendar, and when a field is done.
#include "engines/date/date.h"

#include <string.h>

#include "engines/date/date_internal.h"
#include "module/module.h"

namespace {

using plm_date::InDayField;
using plm_date::InMonthField;
using plm_date::InYearField;

// A numeric day or month field holds two digits, whatever its code length.
constexpr int kNumberFieldWidth = 2;
constexpr int kMaxDay = 31;
constexpr int kFebruary = 2;

bool IsMonth(int month) { return month >= 1 && month <= 12; }

// Length of month while the date is typed; February holds 29 when leapFebruary.
int FitLength(int month, bool leapFebruary) {
    return month == kFebruary && leapFebruary ? 29 : DaysInMonth(month, 1);
}

// A month whose value is 1 may still take a second digit (10 to 12).
int MonthComplete(const char* text, const DateLayout& l, int p, int month) {
    const char* field = text + l.nMonthStart;
    if (p == l.nMonthEnd) return l.nMonthEnd - l.nMonthStart > 1 || month >= 2;
    if (month >= 10) return field[0] == '1' || (field[1] >= '0' && field[1] <= '2');
    return month >= 2 || (month == 1 && field[0] == '0');
}

// A first day digit above this one cannot take a second digit.
int DayComplete(const char* text, const DateLayout& l, int p, const DateValue* value) {
    const bool february = value->nMonth == kFebruary;
    const int day = value->nDay;
    if (p == l.nDayEnd) {
        if (l.nDayEnd - l.nDayStart > 1) return day > 0;
        return day > (february ? 2 : 3);
    }
    if (day >= 10 || day < 1) return 0;
    return text[l.nDayStart] > (february ? '2' : '3');
}

}  // namespace

int DayFitsMonth(const DateValue* value) {
    if (value == nullptr || value->nDay == 0 || value->nDay > kMaxDay) return 0;
    if (!IsMonth(value->nMonth)) return 1;
    return value->nDay <= FitLength(value->nMonth, value->nYear < 0 || IsLeapYear(value->nYear));
}

int MonthFitsDay(const DateValue* value) {
    if (value == nullptr || value->nMonth == 0 || value->nMonth > 12) return 0;
    if (!IsMonth(value->nMonth)) return 1;
    return value->nDay <= FitLength(value->nMonth, value->nYear == -1 || IsLeapYear(value->nYear));
}

int YearFitsDate(const DateValue* value) {
    if (value == nullptr || value->nYear < 1) return 0;
    if (!IsMonth(value->nMonth)) return 1;
    return value->nDay <= DaysInMonth(value->nMonth, value->nYear);
}

int IsDateKeyPosition(const DateLayout* layout, int p) {
    if (layout == nullptr) return 0;
    const DateLayout& l = *layout;
    // A month name code takes as many characters as it has letters.
    if (InMonthField(l, p)) return p < l.nMonthStart + (l.nMonthCodeLen > 2 ? l.nMonthCodeLen : 2);
    if (InDayField(l, p)) return p < l.nDayStart + kNumberFieldWidth;
    if (InYearField(l, p)) return p < l.nYearEnd;
    return 0;
}

int DateFieldComplete(const char* text, const DateLayout* layout, int p, const DateValue* value) {
    if (text == nullptr || layout == nullptr || value == nullptr) return 0;
    const DateLayout& l = *layout;
    if (InMonthField(l, p) && MonthFitsDay(value)) return MonthComplete(text, l, p, value->nMonth);
    if (InDayField(l, p) && DayFitsMonth(value)) return DayComplete(text, l, p, value);
    // A two-digit year is done when typed out; a one-letter code shows two digits as well.
    return InYearField(l, p) && YearFitsDate(value) && l.nYearCodeLen >= 2 && p == l.nYearEnd;
}

int FieldOrderAt(const DateLayout* layout, int p) {
    if (layout == nullptr) return p;
    if (InMonthField(*layout, p)) return layout->nMonthOrder;
    if (InDayField(*layout, p)) return layout->nDayOrder;
    if (InYearField(*layout, p)) return layout->nYearOrder;
    return p;
}

int FieldStartAfter(const DateLayout* layout, int order) {
    if (layout == nullptr) return 0;
    const int next = order + 1;
    // Order 0 marks a field the format does not have.
    if (next >= 1) {
        if (layout->nMonthOrder == next) return layout->nMonthStart;
        if (layout->nDayOrder == next) return layout->nDayStart;
        if (layout->nYearOrder == next) return layout->nYearStart;
    }
    return layout->nLastPos;
}

int MonthNameComplete(const DateValue* value, const char* text, int count) {
    if (value == nullptr || text == nullptr) return 0;
    for (; *text != '\0' && !IsCharAlphaNumericA(*text); ++text) --count;
    if (*text == '\0' || count <= 0 || !MonthFitsDay(value)) return 0;
    // Digits typed into a name field: a 1 may still become 10 to 12.
    if (plm_date::IsDigitChar(*text)) return value->nMonth > 1;
    for (int month = 1; month <= 12; ++month) {
        const char* abbreviation = g_aszMonthAbbr[month];
        if (plm_date::StartsWithAbbreviation(text, abbreviation) &&
            count >= static_cast<int>(strlen(abbreviation)))
            return 1;
    }
    return 0;
}
