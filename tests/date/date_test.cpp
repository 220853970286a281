// The date engine without a window: numbers, calendar, names, parsing, writing, layout and the
// exported conversions.
#include <gtest/gtest.h>
#include <limits.h>
#include <string.h>

#include <string>

#include "engines/date/date.h"
#include "module/module.h"
#include "support/hooks.h"

namespace {

// Output buffers are pre-filled with this, so that a write past the terminator shows.
constexpr char kSentinel = '\x7f';

struct Date {
    int day;
    int month;
    int year;
    int empty;
};

DateValue Value(const Date& d) {
    return DateValue{d.day, d.month, d.year, d.empty};
}

std::string Format(const Date& d, const char* format) {
    char out[PLM_TEXT_SIZE];
    DateValue value = Value(d);
    FormatDateText(out, format, &value, PLM_TEXT_SIZE);
    return out;
}

void ExpectDate(const Date& expected, const DateValue& actual, const std::string& context) {
    EXPECT_EQ(expected.day, actual.nDay) << context;
    EXPECT_EQ(expected.month, actual.nMonth) << context;
    EXPECT_EQ(expected.year, actual.nYear) << context;
    EXPECT_EQ(expected.empty, actual.bEmpty) << context;
}

// --- numbers ---

TEST(DateNumbers, IntToPaddedTextPadsToWidthWithoutCuttingDigits) {
    struct Case {
        int value;
        int width;
        const char* expected;
    } cases[] = {
        {7, 2, "07"},        {0, 2, "00"},      {1999, 2, "1999"}, {5, 0, "5"},
        {0, 0, "0"},         {0, 1, "0"},       {123, 5, "00123"}, {-5, 3, "-005"},
        {-42, 0, "-42"},     {9, -3, "9"},      {INT_MAX, 0, "2147483647"},
        {INT_MIN, 0, "-2147483648"},
    };
    for (const Case& c : cases) {
        char out[PLM_INT_TEXT_SIZE];
        IntToPaddedText(out, c.value, c.width);
        EXPECT_STREQ(c.expected, out) << c.value << " width " << c.width;
    }
}

TEST(DateNumbers, IntToPaddedTextStopsAtTheBufferSize) {
    for (int size = 1; size <= 6; ++size) {
        char out[8];
        memset(out, kSentinel, sizeof out);
        IntToPaddedText(out, 12345, 8, size);
        EXPECT_EQ(std::string("00012345").substr(0, size - 1), out) << "size " << size;
        EXPECT_EQ(kSentinel, out[size]) << "size " << size;
    }
}

TEST(DateNumbers, TextToIntCountsEveryCharacterAsAPlace) {
    struct Case {
        const char* text;
        int expected;
    } cases[] = {
        {"123", 123}, {"-42", -42}, {"0007", 7}, {"1_", 10}, {"_5", 5}, {"12a", 120},
        {"a1", 1},    {"", 0},      {"-", 0},     {"--1", -1},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, TextToInt(c.text)) << c.text;
    EXPECT_EQ(0, TextToInt(nullptr));
}

// --- calendar ---

TEST(DateCalendar, LeapDaysFollowTheGregorianRule) {
    struct Case {
        Date date;
        int valid;
    } cases[] = {
        {{29, 2, 1900, 0}, 0}, {{29, 2, 2000, 0}, 1}, {{29, 2, 2001, 0}, 0},
        {{29, 2, 2004, 0}, 1}, {{28, 2, 1900, 0}, 1}, {{30, 2, 2000, 0}, 0},
        // Year 0 is a leap year, but no valid year.
        {{29, 2, 0, 0}, 0},    {{1, 1, 1, 0}, 1},
        {{31, 4, 2001, 0}, 0}, {{30, 4, 2001, 0}, 1}, {{31, 12, 9999, 0}, 1},
        {{0, 1, 2001, 0}, 0},  {{1, 0, 2001, 0}, 0},  {{1, 13, 2001, 0}, 0},
        {{-1, 1, 2001, 0}, 0},
        // An empty date is valid whatever its fields hold.
        {{-1, -1, -1, 1}, 1},
    };
    for (const Case& c : cases) {
        DateValue value = Value(c.date);
        EXPECT_EQ(c.valid, IsValidDate(&value))
            << c.date.day << "/" << c.date.month << "/" << c.date.year;
    }
    EXPECT_EQ(29, DaysInMonth(2, 0));
    EXPECT_EQ(28, DaysInMonth(2, 1900));
}

TEST(DateCalendar, DayOfWeekCountsProlepticGregorianDays) {
    struct Case {
        Date date;
        int weekday;
    } cases[] = {
        {{1, 1, 2000, 0}, 6},  {{29, 2, 2000, 0}, 2}, {{5, 3, 2004, 0}, 5},
        {{1, 3, 2000, 0}, 3},  {{31, 12, 1999, 0}, 5}, {{1, 1, 1900, 0}, 1},
        {{1, 3, 1900, 0}, 4},  {{4, 7, 1776, 0}, 4},   {{15, 10, 1582, 0}, 5},
        {{1, 1, 2001, 0}, 1},  {{31, 12, 2099, 0}, 4}, {{1, 1, 0, 0}, 6},
    };
    for (const Case& c : cases) {
        DateValue value = Value(c.date);
        EXPECT_EQ(c.weekday, DayOfWeek(&value))
            << c.date.day << "/" << c.date.month << "/" << c.date.year;
    }
}

TEST(DateCalendar, DayOfWeekStaysInRangeForFieldsOutsideTheCalendar) {
    Date odd[] = {{-1, -1, -1, 0}, {0, 13, 2004, 0}, {99, 99, INT_MAX, 0}, {INT_MIN, 1, INT_MIN, 0}};
    for (const Date& d : odd) {
        DateValue value = Value(d);
        int weekday = DayOfWeek(&value);
        EXPECT_GE(weekday, 0);
        EXPECT_LE(weekday, 6);
    }
}

TEST(DateCalendar, ClampDateForcesFieldsIntoTheCalendar) {
    struct Case {
        Date in;
        Date out;
    } cases[] = {
        {{30, 2, 1999, 0}, {28, 2, 1999, 0}},  {{30, 2, 2000, 0}, {29, 2, 2000, 0}},
        {{31, 4, 2001, 0}, {30, 4, 2001, 0}},  {{-1, 13, -1, 0}, {1, 12, 0, 0}},
        {{0, 0, 1999, 0}, {1, 1, 1999, 0}},    {{29, 2, -5, 0}, {29, 2, 0, 0}},
        {{15, 6, 1999, 1}, {15, 6, 1999, 0}},
    };
    for (const Case& c : cases) {
        DateValue value = Value(c.in);
        ClampDate(&value);
        ExpectDate(c.out, value, std::to_string(c.in.day) + "/" + std::to_string(c.in.month));
    }
}

// --- names ---

TEST(DateNames, MonthFromNameMatchesTheAbbreviationOrTheWholeName) {
    struct Case {
        const char* text;
        int abbreviated;
        int check;
        int expected;
    } cases[] = {
        {"Jan", 1, 0, 1},      {"jAN", 1, 0, 1},       {"mar", 1, 0, 3},     {"Dec/05", 1, 0, 12},
        {"Man", 1, 0, -1},     {"Ja", 1, 0, -1},       {"", 1, 0, -1},       {"Janx", 1, 1, 1},
        {"Ja", 1, 1, -1},      {"January", 0, 1, 1},   {"JANUARY/5", 0, 1, 1}, {"Janu", 0, 1, -1},
        {"Jan/05/1999", 0, 1, -1}, {"Janx", 0, 0, 1},  {"September", 0, 1, 9},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, MonthFromName(c.text, c.abbreviated, c.check))
            << c.text << " " << c.abbreviated << c.check;
    EXPECT_EQ(0, MonthFromName(nullptr, 1, 1));
}

TEST(DateNames, WeekdayFromNameStartsOnSunday) {
    struct Case {
        const char* text;
        int abbreviated;
        int check;
        int expected;
    } cases[] = {
        {"Sun", 1, 0, 0},       {"sat", 1, 0, 6},  {"Fri 03/05", 1, 1, 5}, {"Friday", 0, 1, 5},
        {"Fri", 0, 1, -1},      {"Xyz", 1, 0, -1}, {"Wednesday", 0, 1, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, WeekdayFromName(c.text, c.abbreviated, c.check)) << c.text;
    EXPECT_EQ(0, WeekdayFromName(nullptr, 0, 0));
}

// --- separators and parsing ---

TEST(DateParse, GetDateSeparatorsTakesTheCharactersBehindTheFirstTwoRuns) {
    struct Case {
        const char* format;
        char sep1;
        char sep2;
        int result;
    } cases[] = {
        {"mm/dd/yyyy", '/', '/', 1}, {"mmm/dd", '/', '\0', 0},    {"yyyy-mm-dd", '-', '-', 1},
        {"mmmm d, yyyy", ' ', ',', 1}, {"yyyy", '\0', '\0', 0},   {"", '\0', '\0', 0},
        {"dd.MM.YYYY", '.', '.', 1},
    };
    for (const Case& c : cases) {
        char sep1 = 'x';
        char sep2 = 'x';
        EXPECT_EQ(c.result, GetDateSeparators(c.format, &sep1, &sep2)) << c.format;
        EXPECT_EQ(c.sep1, sep1) << c.format;
        EXPECT_EQ(c.sep2, sep2) << c.format;
    }
    char sep1 = 'x';
    char sep2 = 'x';
    EXPECT_EQ(0, GetDateSeparators(nullptr, &sep1, &sep2));
    EXPECT_EQ('\0', sep1);
}

TEST(DateParse, ParseDateTextReadsFieldsOfEveryForm) {
    struct Case {
        const char* text;
        const char* format;
        int checkNames;
        Date expected;
    } cases[] = {
        // Four- and two-digit years, and the window of the two-digit year.
        {"12/25/1999", "mm/dd/yyyy", 0, {25, 12, 1999, 0}},
        {"12/25/99", "mm/dd/yy", 0, {25, 12, 1999, 0}},
        {"12/25/05", "mm/dd/yy", 0, {25, 12, 2005, 0}},
        {"12/25/79", "mm/dd/yy", 0, {25, 12, 1979, 0}},
        {"12/25/78", "mm/dd/yy", 0, {25, 12, 2078, 0}},
        {"12/25/00", "mm/dd/yy", 0, {25, 12, 2000, 0}},
        {"12/25/1999", "mm/dd/yy", 0, {25, 12, 1999, 0}},
        {"12/25/0099", "mm/dd/yyyy", 0, {25, 12, 99, 0}},
        {"1999-12-25", "yyyy-mm-dd", 0, {25, 12, 1999, 0}},
        {"25.12.1999", "dd.mm.yyyy", 0, {25, 12, 1999, 0}},
        // Blank fields.
        {"__/__/____", "mm/dd/yyyy", 0, {-1, -1, -1, 1}},
        {"12/__/____", "mm/dd/yyyy", 0, {-1, 12, -1, 0}},
        {"_/_/__", "m/d/yy", 0, {-1, -1, -1, 1}},
        // Partly typed numbers and over-long ones read as 0; placeholders in front do not count.
        {"1_/05/1999", "mm/dd/yyyy", 0, {5, 0, 1999, 0}},
        {"_5/05/1999", "mm/dd/yyyy", 0, {5, 5, 1999, 0}},
        {"12a/05/1999", "mm/dd/yyyy", 0, {5, 0, 1999, 0}},
        {"12345/05/1999", "mm/dd/yyyy", 0, {5, 0, 1999, 0}},
        {"12/05/12345", "mm/dd/yyyy", 0, {5, 12, 0, 0}},
        {"1234/05/1999", "mm/dd/yyyy", 0, {5, 1234, 1999, 0}},
        // Names: abbreviations, whole names, case.
        {"Jan/05", "mmm/dd", 0, {5, 1, 1900, 0}},
        {"Jan/05", "mmm/dd", 1, {5, 1, 1900, 0}},
        {"Janx/05", "mmm/dd", 1, {5, 1, 1900, 0}},
        {"Jan/05/1999", "mmmm/dd/yyyy", 1, {5, 0, 1999, 0}},
        {"Jan/05/1999", "mmmm/dd/yyyy", 0, {5, 1, 1999, 0}},
        {"January/05/1999", "mmmm/dd/yyyy", 1, {5, 1, 1999, 0}},
        {"Man/05", "mmm/dd", 0, {5, 0, 1900, 0}},
        {"mar/05", "mmm/dd", 0, {5, 3, 1900, 0}},
        {"___/05", "mmm/dd", 0, {5, -1, 1900, 0}},
        {"12/05", "mmm/dd", 0, {5, 12, 1900, 0}},
        {"March 5, 2004", "mmmm d, yyyy", 1, {5, 3, 2004, 0}},
        // The weekday takes its token and decides nothing.
        {"Fri 03/05/04", "ddd mm/dd/yy", 0, {5, 3, 2004, 0}},
        {"Mon 03/05/04", "ddd mm/dd/yy", 1, {5, 3, 2004, 0}},
        {"Friday 03/05/2004", "dddd mm/dd/yyyy", 1, {5, 3, 2004, 0}},
        // Fields not given: a missing token, or a field the format does not have.
        {"12/25", "mm/dd/yyyy", 0, {25, 12, 0, 0}},
        {"12/25", "mm/dd/yy", 0, {25, 12, 2000, 0}},
        {"12", "mm/dd/yyyy", 0, {0, 12, 0, 0}},
        {"12", "m/d/yyyy", 0, {1, 12, 0, 0}},
        {"12/25/1999", "mm/dd", 0, {25, 12, 1900, 0}},
        {"1999", "yyyy", 0, {1, 1, 1999, 0}},
        {"__", "yy", 0, {1, 1, -1, 1}},
        // More tokens than fields: the first ones are taken.
        {"1/2/3/4/5/6/7/8/9/10/11/12/13/14/15/16/17/18", "mm/dd/yy", 0, {2, 1, 2003, 0}},
    };
    for (const Case& c : cases) {
        DateValue value;
        ParseDateText(c.text, c.format, &value, c.checkNames);
        ExpectDate(c.expected, value, std::string(c.text) + " under " + c.format);
    }
}

TEST(DateParse, ParseDateTextGivesEmptyForNoTokens) {
    const char* texts[] = {nullptr, "", "//", "  -  "};
    for (const char* text : texts) {
        DateValue value = {7, 7, 7, 0};
        ParseDateText(text, "mm/dd/yyyy", &value, 0);
        EXPECT_EQ(1, value.bEmpty) << (text ? text : "(null)");
    }
}

TEST(DateParse, ParseDateTextSurvivesGarbage) {
    std::string longText(2000, '7');
    for (int i = 0; i < 2000; i += 3) longText[i] = "/_a-"[i % 4];
    DateValue value;
    ParseDateText(longText.c_str(), "mm/dd/yyyy", &value, 1);
    ParseDateText("\xe9t\xe9/\xff\x80/1999", "mmmm/dd/yyyy", &value, 1);
    EXPECT_EQ(1999, value.nYear);
    // A separator that is itself a letter still ends a name.
    ParseDateText("JanXJanX1999", "mmmXmmmXyyyy", &value, 0);
    EXPECT_EQ(1, value.nMonth);
    EXPECT_EQ(1999, value.nYear);
    ParseDateText("12/25/1999", nullptr, &value, 0);
    EXPECT_EQ(1, value.bEmpty);
}

TEST(DateParse, CheckYearDigitsRefusesAPartlyTypedYear) {
    struct Case {
        const char* text;
        const char* format;
        int expected;
    } cases[] = {
        {"12/25/1999", "mm/dd/yyyy", 1}, {"12/25/19__", "mm/dd/yyyy", 0},
        {"12/25/____", "mm/dd/yyyy", 1}, {"12/25/99", "mm/dd/yyyy", 0},
        {"12/25/99", "mm/dd/yy", 1},     {"12/25/9_", "mm/dd/yy", 0},
        {"Mar/05/1999", "mmm/dd/yyyy", 1}, {"1999-12-25", "yyyy-mm-dd", 1},
        {"199_-12-25", "yyyy-mm-dd", 0}, {"12/25", "mm/dd/yyyy", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, CheckYearDigits(c.text, c.format)) << c.text << " under " << c.format;
    EXPECT_EQ(1, CheckYearDigits(nullptr, "yyyy"));
}

// --- writing ---

TEST(DateFormat, FormatDateTextWritesEveryRun) {
    struct Case {
        Date value;
        const char* format;
        const char* expected;
    } cases[] = {
        {{5, 3, 2004, 0}, "mmmm d, yyyy", "March 5, 2004"},
        {{5, 3, 2004, 0}, "ddd mm/dd/yy", "Fri 03/05/04"},
        {{5, 3, 2004, 0}, "dddd, mmm d", "Friday, Mar 5"},
        {{5, 3, 2004, 0}, "m/d/yyyy", "3/5/2004"},
        {{25, 12, 1999, 0}, "yyyy-mm-dd", "1999-12-25"},
        {{25, 12, 1999, 0}, "d-m-yyy", "25-12-99"},
        {{7, 7, 1999, 0}, "ddddd/mmmmm/yyyyy", "07/07/99"},
        {{5, 3, 2004, 0}, "Dd", "55"},
        {{0, 0, 0, 0}, "mm/dd/yyyy", "00/00/0000"},
        {{0, 0, 0, 0}, "m/d/yy", "0/0/00"},
        {{1, 1, 12345, 0}, "yyyy yy", "12345 45"},
        {{5, 13, 2004, 0}, "mm mmm mmmm", "13 ___ ___"},
        {{-1, 12, -1, 0}, "mm/dd/yyyy", "12/__/____"},
        {{-1, -1, -1, 0}, "d ddd dddd ddddd", "_ ___ ____ __"},
        {{-1, -1, -1, 0}, "m mm mmm mmmm mmmmm", "_ __ ___ ___ __"},
        {{-1, -1, -1, 0}, "y yy yyy yyyy yyyyy", "__ __ __ ____ __"},
        // An empty date shows every field blank, whatever the fields hold.
        {{5, 3, 2004, 1}, "mm/dd/yyyy", "__/__/____"},
        {{5, 3, 2004, 1}, "dddd, mmmm d", "____, ___ _"},
        {{5, 3, 2004, 0}, "", ""},
        {{5, 3, 2004, 0}, "on the x", "on the x"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Format(c.value, c.format)) << "under " << c.format;
}

TEST(DateFormat, FormatDateTextStopsAtTheBufferSize) {
    DateValue value = {5, 3, 2004, 0};
    for (int size = 1; size <= 14; ++size) {
        char out[16];
        memset(out, kSentinel, sizeof out);
        int length = FormatDateText(out, "mmmm d, yyyy", &value, size);
        EXPECT_EQ(std::string("March 5, 2004").substr(0, size - 1), out) << "size " << size;
        EXPECT_EQ(static_cast<int>(strlen(out)), length);
        EXPECT_EQ(kSentinel, out[size]) << "size " << size;
    }
}

TEST(DateFormat, FormattedTextParsesBackToTheSameDate) {
    const char* formats[] = {"mm/dd/yyyy", "m/d/yyyy", "yyyy-mm-dd", "mmm/dd/yyyy",
                             "mmmm d, yyyy", "dddd mmmm dd yyyy", "dd.mm.yy"};
    Date dates[] = {{1, 1, 2000, 0}, {29, 2, 2004, 0}, {31, 12, 1999, 0}, {5, 3, 2078, 0}};
    for (const char* format : formats) {
        for (const Date& d : dates) {
            std::string text = Format(d, format);
            DateValue back;
            ParseDateText(text.c_str(), format, &back, 1);
            ExpectDate(d, back, text + " under " + format);
        }
    }
}

TEST(DateFormat, NamesComeFromTheStringTableWhenWritten) {
    PLM_REQUIRE_STANDIN_HOOKS();
#if PLM_HAVE_STANDIN_HOOKS
    static const PlwStringResource table[] = {
        {2043, "dDmMyY"}, {2302, "Mars"}, {2705, "Ven"}, {0, nullptr}};
    HINSTANCE module = GetModuleHandleA(nullptr);
    PlwReplaceModuleStrings(module, table);
    std::string shown = Format({5, 3, 2004, 0}, "ddd mmmm d");
    PlwReplaceModuleStrings(module, nullptr);
    EXPECT_EQ("Ven Mars 5", shown);
    EXPECT_EQ("Fri March 5", Format({5, 3, 2004, 0}, "ddd mmmm d"));
#endif
}

TEST(DateFormat, GetDefaultDateFormatCopiesTheModuleDefault) {
    char out[PLM_FORMAT_SIZE];
    GetDefaultDateFormat(out);
    EXPECT_STREQ("mm/dd/yy", out);
    char small[4];
    memset(small, kSentinel, sizeof small);
    GetDefaultDateFormat(small, 3);
    EXPECT_STREQ("mm", small);
    EXPECT_EQ(kSentinel, small[3]);
}

// --- layout ---

TEST(DateLayoutTest, ParseDateLayoutReadsOrderAndWidths) {
    struct Case {
        const char* format;
        int result;
        int dayOrder, monthOrder, yearOrder;
        int dayLen, monthLen, yearLen;
        char separator;
    } cases[] = {
        {"mm/dd/yyyy", 3, 2, 1, 3, 2, 2, 4, '/'},
        {"yyyy-mm-dd", 3, 3, 2, 1, 2, 2, 4, '-'},
        {"m/d/yy", 3, 2, 1, 3, 1, 1, 2, '/'},
        {"dd.MM.YYYY", 3, 1, 2, 3, 2, 2, 4, '.'},
        {"mmmm d, yyyy", 3, 2, 1, 3, 1, 4, 4, ' '},
        {"mmm/dd", 2, 2, 1, 0, 2, 3, 0, '/'},
        {"dd/dd", 2, 2, 0, 0, 4, 0, 0, '/'},
        {"yyyy", 1, 0, 0, 1, 0, 0, 4, '\0'},
        {"", 0, 0, 0, 0, 0, 0, 0, '\0'},
        {"at dd", 1, 1, 0, 0, 2, 0, 0, '\0'},
    };
    for (const Case& c : cases) {
        MaskEditInfo info = {};
        strcpy(info.szFormat, c.format);
        info.cSeparator = '#';
        DateLayout layout;
        memset(&layout, 0x55, sizeof layout);
        EXPECT_EQ(c.result, ParseDateLayout(&layout, &info)) << c.format;
        EXPECT_EQ(c.dayOrder, layout.nDayOrder) << c.format;
        EXPECT_EQ(c.monthOrder, layout.nMonthOrder) << c.format;
        EXPECT_EQ(c.yearOrder, layout.nYearOrder) << c.format;
        EXPECT_EQ(c.dayLen, layout.nDayCodeLen) << c.format;
        EXPECT_EQ(c.monthLen, layout.nMonthCodeLen) << c.format;
        EXPECT_EQ(c.yearLen, layout.nYearCodeLen) << c.format;
        EXPECT_EQ(c.dayLen > 1, layout.bDayTwoDigits) << c.format;
        EXPECT_EQ(c.yearLen > 1, layout.bYearLong) << c.format;
        EXPECT_EQ(c.separator, info.cSeparator) << c.format;
        EXPECT_EQ(0, layout.nDayStart + layout.nDayEnd + layout.nLastPos) << c.format;
    }
}

TEST(DateLayoutTest, ParseDateLayoutReadsAnUnterminatedFormatWithinItsSize) {
    MaskEditInfo info = {};
    memset(info.szFormat, 'y', sizeof info.szFormat);
    DateLayout layout;
    EXPECT_EQ(1, ParseDateLayout(&layout, &info));
    EXPECT_EQ(PLM_FORMAT_SIZE - 1, layout.nYearCodeLen);
}

TEST(DateLayoutTest, LocateDateFieldsFindsFieldPositions) {
    struct Case {
        const char* format;
        const char* text;
        int monthStart, monthEnd, dayStart, dayEnd, yearStart, yearEnd;
        int lastPos;
    } cases[] = {
        {"mm/dd/yyyy", "12/25/1999", 0, 2, 3, 5, 6, 10, 10},
        {"mm/dd/yyyy", "__/__/____", 0, 2, 3, 5, 6, 10, 10},
        {"m/dd/yyyy", "5/07/1999", 0, 1, 2, 4, 5, 9, 9},
        {"yyyy-mm-dd", "yyyy-mm-dd", 5, 7, 8, 10, 0, 4, 10},
        {"mmmm/dd/yyyy", "March/05/2004", 0, 5, 6, 8, 9, 13, 13},
        {"mm/dd/yyyy", "12/25", 0, 2, 3, 5, 0, 0, 5},
        {"mm/dd/yyyy", "1", 0, 1, 0, 0, 0, 0, 1},
        {"mm/dd/yyyy", "", 0, 0, 0, 0, 0, 0, 0},
        // Three fields are the most: the rest of the text is not read.
        {"mm/dd/yy", "12/25/99/extra", 0, 2, 3, 5, 6, 8, 9},
    };
    for (const Case& c : cases) {
        MaskEditInfo info = {};
        strcpy(info.szFormat, c.format);
        DateLayout layout;
        ParseDateLayout(&layout, &info);
        LocateDateFields(&layout, &info, c.text);
        std::string context = std::string(c.text) + " under " + c.format;
        EXPECT_EQ(c.monthStart, layout.nMonthStart) << context;
        EXPECT_EQ(c.monthEnd, layout.nMonthEnd) << context;
        EXPECT_EQ(c.dayStart, layout.nDayStart) << context;
        EXPECT_EQ(c.dayEnd, layout.nDayEnd) << context;
        EXPECT_EQ(c.yearStart, layout.nYearStart) << context;
        EXPECT_EQ(c.yearEnd, layout.nYearEnd) << context;
        EXPECT_EQ(c.lastPos, layout.nLastPos) << context;
    }
}

// --- exported conversions ---

std::string DateStr(const char* in, const char* from, const char* to) {
    char out[PLM_TEXT_SIZE];
    memset(out, kSentinel, sizeof out);
    FormatConvertDesc desc = {from, to, '.', '.', 0, 0};
    DateStrToDateStr(out, in, &desc);
    return out;
}

TEST(DateConvert, DateStrToDateStrRewritesTheFieldsUnchecked) {
    struct Case {
        const char* in;
        const char* from;
        const char* to;
        const char* expected;
    } cases[] = {
        {"Jan/05/1999", "mmm/dd/yyyy", "yyyy-mm-dd", "1999-01-05"},
        {"12/25/99", "mm/dd/yy", "mmmm d, yyyy", "December 25, 1999"},
        {"02/30/99", "mm/dd/yy", "yyyy-mm-dd", "1999-02-30"},
        // Whole names are required under a long-name code.
        {"Jan/05/1999", "mmmm/dd/yyyy", "mm/dd/yyyy", "00/05/1999"},
        {"12/__/____", "mm/dd/yyyy", "yyyy-mm-dd", "____-12-__"},
        {"", "mm/dd/yyyy", "mm/dd/yyyy", "__/__/____"},
        {nullptr, "mm/dd/yyyy", "dddd, mmmm d", "____, ___ _"},
        {"12/25/1999", nullptr, "yy-mm-dd", "__-__-__"},
        {"12/25/1999", "mm/dd/yyyy", nullptr, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, DateStr(c.in, c.from, c.to)) << (c.in ? c.in : "(null)");
}

TEST(DateConvert, ArrangeDateFieldsMovesFieldsBetweenFormats) {
    struct Case {
        const char* in;
        const char* from;
        const char* to;
        const char* expected;
        char fromSep;
        char toSep;
    } cases[] = {
        {"5/07/1999", "m/dd/yyyy", "yyyy-mm-dd", "1999-05-07", '/', '-'},
        {"12/25/1999", "mm/dd/yyyy", "dd/mm/yy", "25/12/99", '/', '/'},
        {"1999-05-07", "yyyy-mm-dd", "dd/mm/yyyy", "07/05/1999", '-', '/'},
        {"12/25/1999", "mm/dd/yyyy", "mmm/dd/yyyy", "012/25/1999", '/', '/'},
        {"January/05/1999", "mmmm/dd/yyyy", "mmm/dd/yyyy", "Jan/05/1999", '/', '/'},
        {"January/05/1999", "mmmm/dd/yyyy", "mm/dd/yyyy", "01/05/1999", '/', '/'},
        {"Mar/05/1999", "mmm/dd/yyyy", "yyyy-mm-dd", "1999-03-05", '/', '-'},
        // Without a source format the default one is read.
        {"12/25/99", "", "dd-mm-yy", "25-12-99", '/', '-'},
        // Fields the source lacks get their defaults.
        {"12/25", "mm/dd", "mm/dd/yyyy", "12/25/1900", '/', '/'},
        {"12/1999", "mm/yyyy", "dd/mm/yyyy", "01/12/1999", '/', '/'},
        // The year field is filled with blanks first; wildcards become blanks.
        {"12/25/99", "mm/dd/yy", "yyyy-mm-dd", "99__-12-25", '/', '-'},
        {"12/25/199%", "mm/dd/yyyy", "dd/mm/yyyy", "25/12/199_", '/', '/'},
        {"12/25/*999", "mm/dd/yyyy", "dd/mm/yy", "25/12/99", '/', '/'},
        // None of the three: the character behind the target's first field.
        {"5/7/1999", "m/d/yyyy", "dd.mm.yyyy", "07.05.1999", '/', '.'},
        {"", "mm/dd/yyyy", "yyyy-mm-dd", "____-__-__", 'x', 'x'},
    };
    for (const Case& c : cases) {
        char out[PLM_TEXT_SIZE];
        memset(out, kSentinel, sizeof out);
        FormatConvertDesc desc = {c.from, c.to, '.', '.', 'x', 'x'};
        ArrangeDateFields(out, c.in, &desc);
        std::string context = std::string(c.in) + " from " + c.from + " to " + c.to;
        EXPECT_STREQ(c.expected, out) << context;
        EXPECT_EQ(c.fromSep, desc.cFromSeparator) << context;
        EXPECT_EQ(c.toSep, desc.cToSeparator) << context;
    }
}

TEST(DateConvert, ConversionsStayInAWorkingTextForOverlongFormats) {
    std::string longFormat = "mm/dd/yyyy" + std::string(400, '-') + "dddd";
    char out[PLM_TEXT_SIZE + 1];
    memset(out, kSentinel, sizeof out);
    FormatConvertDesc desc = {"mm/dd/yyyy", longFormat.c_str(), '.', '.', 0, 0};
    ArrangeDateFields(out, "12/25/1999", &desc);
    EXPECT_EQ(kSentinel, out[PLM_TEXT_SIZE]);
    EXPECT_EQ(0, strncmp(out, "12/25/", 6));
    DateStrToDateStr(out, "12/25/1999", &desc);
    EXPECT_EQ(PLM_TEXT_SIZE - 1, static_cast<int>(strlen(out)));
    EXPECT_EQ(kSentinel, out[PLM_TEXT_SIZE]);
    // Null arguments give an empty output, or nothing at all without one.
    DateStrToDateStr(out, "12/25/1999", nullptr);
    EXPECT_STREQ("", out);
    ArrangeDateFields(nullptr, "12/25/1999", &desc);
}

}  // namespace
