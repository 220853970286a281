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

std::string Format(DateValue value, const char* format, int size = PLM_TEXT_SIZE) {
    char out[PLM_TEXT_SIZE + 1];
    memset(out, kSentinel, sizeof out);
    const int length = FormatDateText(out, format, &value, size);
    EXPECT_EQ(static_cast<int>(strlen(out)), length);
    EXPECT_EQ(kSentinel, out[size]) << "written past size " << size;
    return out;
}

// Day/month/year, and whether empty: one string compares all four fields at once.
std::string Fields(const DateValue& v) {
    return std::to_string(v.nDay) + "/" + std::to_string(v.nMonth) + "/" + std::to_string(v.nYear) +
           (v.bEmpty ? " empty" : "");
}

TEST(DateNumbers, IntToPaddedTextPadsWithoutCuttingDigitsAndStopsAtTheBuffer) {
    struct Case { int value, width; const char* expected; } cases[] = {
        {7, 2, "07"}, {0, 2, "00"}, {1999, 2, "1999"}, {5, 0, "5"}, {0, 0, "0"},
        {-5, 3, "-005"}, {INT_MIN, 0, "-2147483648"},
    };
    for (const Case& c : cases) {
        char out[PLM_INT_TEXT_SIZE];
        IntToPaddedText(out, c.value, c.width);
        EXPECT_STREQ(c.expected, out) << c.value << " width " << c.width;
    }
    for (int size = 1; size <= 6; ++size) {
        char out[8];
        memset(out, kSentinel, sizeof out);
        IntToPaddedText(out, 12345, 8, size);
        EXPECT_EQ(std::string("00012345").substr(0, size - 1), out) << "size " << size;
        EXPECT_EQ(kSentinel, out[size]) << "size " << size;
    }
}

TEST(DateNumbers, TextToIntCountsEveryCharacterAsAPlace) {
    struct Case { const char* text; int expected; } cases[] = {
        {"123", 123}, {"-42", -42}, {"1_", 10}, {"_5", 5}, {"12a", 120}, {"", 0}, {"--1", -1},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, TextToInt(c.text)) << c.text;
    EXPECT_EQ(0, TextToInt(nullptr));
}

TEST(DateCalendar, ValidityWeekdaysAndClampingFollowTheGregorianCalendar) {
    struct Valid { DateValue date; int valid; } valid[] = {
        {{29, 2, 1900, 0}, 0}, {{29, 2, 2000, 0}, 1}, {{29, 2, 2001, 0}, 0}, {{29, 2, 2004, 0}, 1},
        {{29, 2, 0, 0}, 0},    {{31, 4, 2001, 0}, 0}, {{30, 4, 2001, 0}, 1}, {{0, 1, 2001, 0}, 0},
        {{1, 13, 2001, 0}, 0}, {{-1, -1, -1, 1}, 1},
    };
    for (const Valid& c : valid) EXPECT_EQ(c.valid, IsValidDate(&c.date)) << Fields(c.date);
    struct Weekday { DateValue date; int weekday; } weekdays[] = {
        {{1, 1, 2000, 0}, 6}, {{29, 2, 2000, 0}, 2}, {{5, 3, 2004, 0}, 5},
        {{1, 3, 1900, 0}, 4}, {{31, 12, 2099, 0}, 4}, {{1, 1, 0, 0}, 6},
        // Fields outside the calendar still give a weekday.
        {{INT_MIN, 13, INT_MIN, 0}, -1}, {{99, 99, INT_MAX, 0}, -1},
    };
    for (const Weekday& c : weekdays) {
        int weekday = DayOfWeek(&c.date);
        EXPECT_TRUE(weekday == c.weekday || (c.weekday < 0 && weekday >= 0 && weekday <= 6))
            << Fields(c.date) << " gives " << weekday;
    }
    struct Clamp { DateValue in, out; } clamps[] = {
        {{30, 2, 1999, 0}, {28, 2, 1999, 0}}, {{30, 2, 2000, 0}, {29, 2, 2000, 0}},
        {{-1, 13, -1, 0}, {1, 12, 0, 0}},     {{0, 0, 1999, 1}, {1, 1, 1999, 0}},
    };
    for (const Clamp& c : clamps) {
        DateValue value = c.in;
        ClampDate(&value);
        EXPECT_EQ(Fields(c.out), Fields(value)) << Fields(c.in);
    }
}

TEST(DateNames, MonthsAndWeekdaysMatchTheAbbreviationOrTheWholeName) {
    struct Case { const char* text; int abbreviated, check, expected; } months[] = {
        {"jAN", 1, 0, 1}, {"Dec/05", 1, 0, 12}, {"Ja", 1, 0, -1}, {"Janx", 1, 1, 1}, {"Janu", 0, 1, -1},
    }, weekdays[] = {{"Sun", 1, 0, 0}, {"sat", 1, 0, 6}, {"Friday", 0, 1, 5}, {"Fri", 0, 1, -1}};
    for (const Case& c : months)
        EXPECT_EQ(c.expected, MonthFromName(c.text, c.abbreviated, c.check)) << c.text << c.check;
    for (const Case& c : weekdays)
        EXPECT_EQ(c.expected, WeekdayFromName(c.text, c.abbreviated, c.check)) << c.text << c.check;
    EXPECT_EQ(0, MonthFromName(nullptr, 1, 1));
    EXPECT_EQ(0, WeekdayFromName(nullptr, 0, 0));
}

TEST(DateParse, ParseDateTextReadsFieldsOfEveryForm) {
    struct Case { const char* text; const char* format; int checkNames; DateValue expected; } cases[] = {
        {"12/25/1999", "mm/dd/yyyy", 0, {25, 12, 1999, 0}},
        {"1999-12-25", "yyyy-mm-dd", 0, {25, 12, 1999, 0}},
        // The window of two-digit years; a longer year under a short code stays.
        {"12/25/05", "mm/dd/yy", 0, {25, 12, 2005, 0}},   {"12/25/78", "mm/dd/yy", 0, {25, 12, 2078, 0}},
        {"12/25/79", "mm/dd/yy", 0, {25, 12, 1979, 0}},   {"12/25/1999", "mm/dd/yy", 0, {25, 12, 1999, 0}},
        // Blank fields; partly typed and over-long numbers read as 0.
        {"__/__/____", "mm/dd/yyyy", 0, {-1, -1, -1, 1}},
        {"12/__/____", "mm/dd/yyyy", 0, {-1, 12, -1, 0}},
        {"1_/05/1999", "mm/dd/yyyy", 0, {5, 0, 1999, 0}}, {"_5/05/1999", "mm/dd/yyyy", 0, {5, 5, 1999, 0}},
        {"12345/05/1999", "mm/dd/yyyy", 0, {5, 0, 1999, 0}},
        {"1234/05/1999", "mm/dd/yyyy", 0, {5, 1234, 1999, 0}},
        // Names: the abbreviation, or with checkNames the whole name of the code.
        {"Jan/05", "mmm/dd", 1, {5, 1, 1900, 0}},
        {"Jan/05/1999", "mmmm/dd/yyyy", 1, {5, 0, 1999, 0}},
        {"January/05/1999", "mmmm/dd/yyyy", 1, {5, 1, 1999, 0}},
        {"Man/05", "mmm/dd", 0, {5, 0, 1900, 0}},         {"___/05", "mmm/dd", 0, {5, -1, 1900, 0}},
        {"JanXJanX1999", "mmmXmmmXyyyy", 0, {1, 1, 1999, 0}},
        // The weekday takes its token and decides nothing: the day is not given.
        {"Fri 03/04", "ddd mm/yy", 0, {1, 3, 2004, 0}},
        // Missing tokens; more tokens than fields.
        {"12/25", "mm/dd/yyyy", 0, {25, 12, 0, 0}},
        {"12", "mm/dd/yyyy", 0, {0, 12, 0, 0}},           {"12", "m/d/yyyy", 0, {1, 12, 0, 0}},
        {"1/2/3/4/5/6/7/8/9/10/11/12/13/14/15/16/17/18", "mm/dd/yy", 0, {2, 1, 2003, 0}},
        // No tokens at all, or no format.
        {nullptr, "mm/dd/yyyy", 0, {-2, -2, -2, 1}},      {"//", "mm/dd/yyyy", 0, {-2, -2, -2, 1}},
        {"12/25/1999", nullptr, 0, {1, 1, 1900, 1}},
    };
    for (const Case& c : cases) {
        DateValue value = {7, 7, 7, 7};
        ParseDateText(c.text, c.format, &value, c.checkNames);
        EXPECT_EQ(Fields(c.expected), Fields(value)) << (c.text ? c.text : "(null)") << " under "
                                                     << (c.format ? c.format : "(null)");
    }
    // Long and high-bit garbage is read within the text.
    std::string garbage(2000, '7');
    for (int i = 0; i < 2000; i += 3) garbage[i] = "/_a-"[i % 4];
    DateValue value;
    ParseDateText(garbage.c_str(), "mm/dd/yyyy", &value, 1);
    ParseDateText("\xe9t\xe9/\xff\x80/1999", "mmmm/dd/yyyy", &value, 1);
    EXPECT_EQ(1999, value.nYear);
}

TEST(DateParse, CheckYearDigitsRefusesAPartlyTypedYear) {
    struct Case { const char* text; const char* format; int expected; } cases[] = {
        {"12/25/1999", "mm/dd/yyyy", 1}, {"12/25/19__", "mm/dd/yyyy", 0},
        {"12/25/____", "mm/dd/yyyy", 1}, {"12/25/99", "mm/dd/yyyy", 0},
        {"12/25/9_", "mm/dd/yy", 0},     {"Mar/05/1999", "mmm/dd/yyyy", 1},
        {"199_-12-25", "yyyy-mm-dd", 0}, {nullptr, "yyyy", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, CheckYearDigits(c.text, c.format)) << (c.text ? c.text : "(null)");
}

TEST(DateFormat, FormatDateTextWritesEveryRun) {
    struct Case { DateValue value; const char* format; const char* expected; } cases[] = {
        {{5, 3, 2004, 0}, "mmmm d, yyyy", "March 5, 2004"}, {{5, 3, 2004, 0}, "ddd mm/dd/yy", "Fri 03/05/04"},
        {{5, 3, 2004, 0}, "dddd, mmm d", "Friday, Mar 5"},  {{5, 3, 2004, 0}, "Dd", "55"},
        {{7, 7, 1999, 0}, "ddddd/mmmmm/yyyyy", "07/07/99"}, {{0, 0, 0, 0}, "m/d/yy", "0/0/00"},
        {{1, 1, 12345, 0}, "yyyy yy", "12345 45"},          {{5, 13, 2004, 0}, "mm mmm mmmm", "13 ___ ___"},
        {{-1, -1, -1, 0}, "d ddd dddd ddddd", "_ ___ ____ __"},
        {{-1, -1, -1, 0}, "m mm mmm mmmm mmmmm", "_ __ ___ ___ __"},
        {{-1, -1, -1, 0}, "y yy yyy yyyy yyyyy", "__ __ __ ____ __"},
        // An empty date shows every field blank, whatever the fields hold.
        {{5, 3, 2004, 1}, "mm/dd/yyyy", "__/__/____"}, {{5, 3, 2004, 0}, "on the x", "on the x"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, Format(c.value, c.format)) << c.format;
    for (int size = 1; size <= 14; ++size)
        EXPECT_EQ(std::string("March 5, 2004").substr(0, size - 1),
                  Format({5, 3, 2004, 0}, "mmmm d, yyyy", size));
    char format[4];
    memset(format, kSentinel, sizeof format);
    GetDefaultDateFormat(format, 3);
    EXPECT_STREQ("mm", format);
    EXPECT_EQ(kSentinel, format[3]);
}

TEST(DateFormat, NamesComeFromTheStringTableWhenWritten) {
    PLM_REQUIRE_STANDIN_HOOKS();
#if PLM_HAVE_STANDIN_HOOKS
    static const PlwStringResource table[] = {{2043, "dDmMyY"}, {2302, "Mars"}, {2705, "Ven"}, {0, nullptr}};
    HINSTANCE module = GetModuleHandleA(nullptr);
    PlwReplaceModuleStrings(module, table);
    std::string shown = Format({5, 3, 2004, 0}, "ddd mmmm d");
    PlwReplaceModuleStrings(module, nullptr);
    EXPECT_EQ("Ven Mars 5", shown);
#endif
}

TEST(DateLayoutTest, ParseDateLayoutReadsOrderWidthsAndSeparator) {
    // fields: order of day, month, year, then code length of day, month, year
    struct Case { const char* format; int result; int fields[6]; char separator; } cases[] = {
        {"mm/dd/yyyy", 3, {2, 1, 3, 2, 2, 4}, '/'}, {"yyyy-mm-dd", 3, {3, 2, 1, 2, 2, 4}, '-'},
        {"m/d/yy", 3, {2, 1, 3, 1, 1, 2}, '/'},     {"mmmm d, yyyy", 3, {2, 1, 3, 1, 4, 4}, ' '},
        {"mmm/dd", 2, {2, 1, 0, 2, 3, 0}, '/'},     {"dd/dd", 2, {2, 0, 0, 4, 0, 0}, '/'},
        {"at dd", 1, {1, 0, 0, 2, 0, 0}, '\0'},     {"", 0, {0, 0, 0, 0, 0, 0}, '\0'},
    };
    for (const Case& c : cases) {
        MaskEditInfo info = {};
        strcpy(info.szFormat, c.format);
        info.cSeparator = '#';
        DateLayout l;
        memset(&l, 0x55, sizeof l);
        EXPECT_EQ(c.result, ParseDateLayout(&l, &info)) << c.format;
        int fields[6] = {l.nDayOrder,   l.nMonthOrder,   l.nYearOrder,
                         l.nDayCodeLen, l.nMonthCodeLen, l.nYearCodeLen};
        EXPECT_EQ(0, memcmp(c.fields, fields, sizeof fields)) << c.format;
        EXPECT_EQ(c.fields[3] > 1, l.bDayTwoDigits) << c.format;
        EXPECT_EQ(c.separator, info.cSeparator) << c.format;
        EXPECT_EQ(0, l.nDayStart + l.nMonthEnd + l.nLastPos) << "positions are cleared: " << c.format;
    }
    MaskEditInfo unterminated = {};
    memset(unterminated.szFormat, 'y', sizeof unterminated.szFormat);
    DateLayout l;
    EXPECT_EQ(1, ParseDateLayout(&l, &unterminated));
    EXPECT_EQ(PLM_FORMAT_SIZE - 1, l.nYearCodeLen);
}

TEST(DateLayoutTest, LocateDateFieldsFindsFieldPositions) {
    struct Case { const char* format; const char* text; int spans[6]; int lastPos; } cases[] = {
        // spans: month start and end, day start and end, year start and end
        {"mm/dd/yyyy", "12/25/1999", {0, 2, 3, 5, 6, 10}, 10},
        {"m/dd/yyyy", "5/07/1999", {0, 1, 2, 4, 5, 9}, 9},
        {"yyyy-mm-dd", "yyyy-mm-dd", {5, 7, 8, 10, 0, 4}, 10},
        {"mmmm/dd/yyyy", "March/05/2004", {0, 5, 6, 8, 9, 13}, 13},
        {"mm/dd/yyyy", "12/25", {0, 2, 3, 5, 0, 0}, 5},
        {"mm/dd/yyyy", "", {0, 0, 0, 0, 0, 0}, 0},
        // Three fields are the most: the rest of the text is not read.
        {"mm/dd/yy", "12/25/99/extra", {0, 2, 3, 5, 6, 8}, 9},
    };
    for (const Case& c : cases) {
        MaskEditInfo info = {};
        strcpy(info.szFormat, c.format);
        DateLayout l;
        ParseDateLayout(&l, &info);
        LocateDateFields(&l, &info, c.text);
        int spans[6] = {l.nMonthStart, l.nMonthEnd, l.nDayStart, l.nDayEnd, l.nYearStart, l.nYearEnd};
        EXPECT_EQ(0, memcmp(c.spans, spans, sizeof spans)) << c.text << " under " << c.format;
        EXPECT_EQ(c.lastPos, l.nLastPos) << c.text << " under " << c.format;
    }
}

TEST(DateConvert, DateStrToDateStrRewritesTheFieldsUnchecked) {
    struct Case { const char* in; const char* from; const char* to; const char* expected; } cases[] = {
        {"Jan/05/1999", "mmm/dd/yyyy", "yyyy-mm-dd", "1999-01-05"},
        {"12/25/99", "mm/dd/yy", "mmmm d, yyyy", "December 25, 1999"},
        {"02/30/99", "mm/dd/yy", "yyyy-mm-dd", "1999-02-30"},
        // Whole names are required under a long-name code.
        {"Jan/05/1999", "mmmm/dd/yyyy", "mm/dd/yyyy", "00/05/1999"},
        {nullptr, "mm/dd/yyyy", "mm/dd/yyyy", "__/__/____"},
        {"12/25/1999", nullptr, "yy-mm-dd", "__-__-__"},
        {"12/25/1999", "mm/dd/yyyy", nullptr, ""},
    };
    for (const Case& c : cases) {
        char out[PLM_TEXT_SIZE];
        memset(out, kSentinel, sizeof out);
        FormatConvertDesc desc = {c.from, c.to, '.', '.', 0, 0};
        DateStrToDateStr(out, c.in, &desc);
        EXPECT_STREQ(c.expected, out) << (c.in ? c.in : "(null)");
    }
}

TEST(DateConvert, ArrangeDateFieldsMovesFieldsBetweenFormats) {
    struct Case {
        const char *in, *from, *to, *expected;
        char fromSep, toSep;
    } cases[] = {
        {"5/07/1999", "m/dd/yyyy", "yyyy-mm-dd", "1999-05-07", '/', '-'},
        {"12/25/1999", "mm/dd/yyyy", "dd/mm/yy", "25/12/99", '/', '/'},
        {"1999-05-07", "yyyy-mm-dd", "dd/mm/yyyy", "07/05/1999", '-', '/'},
        // Months between numbers and names.
        {"12/25/1999", "mm/dd/yyyy", "mmm/dd/yyyy", "012/25/1999", '/', '/'},
        {"January/05/1999", "mmmm/dd/yyyy", "mmm/dd/yyyy", "Jan/05/1999", '/', '/'},
        {"January/05/1999", "mmmm/dd/yyyy", "mm/dd/yyyy", "01/05/1999", '/', '/'},
        // Without a source format the default one is read; missing fields get defaults.
        {"12/25/99", "", "dd-mm-yy", "25-12-99", '/', '-'},
        {"12/25", "mm/dd", "mm/dd/yyyy", "12/25/1900", '/', '/'},
        {"12/1999", "mm/yyyy", "dd/mm/yyyy", "01/12/1999", '/', '/'},
        // The year field is filled with blanks first; wildcards become blanks.
        {"12/25/99", "mm/dd/yy", "yyyy-mm-dd", "99__-12-25", '/', '-'},
        {"12/25/199%", "mm/dd/yyyy", "dd/mm/yyyy", "25/12/199_", '/', '/'},
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
    EXPECT_EQ(0, strncmp(out, "12/25/", 6));
    DateStrToDateStr(out, "12/25/1999", &desc);
    EXPECT_EQ(PLM_TEXT_SIZE - 1, static_cast<int>(strlen(out)));
    EXPECT_EQ(kSentinel, out[PLM_TEXT_SIZE]);
    DateStrToDateStr(out, "12/25/1999", nullptr);
    EXPECT_STREQ("", out);
    ArrangeDateFields(nullptr, "12/25/1999", &desc);
}

}  // namespace
