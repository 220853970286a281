// Time engine: format reading, reading a shown time by format and by positions, writing, range
// rules and the exported conversion.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "engines/time/time.h"
#include "module/module.h"

namespace {

constexpr char kSentinel = '\x7f';

std::string Convert(const char* from, const char* to, const char* in) {
    char out[PLM_TEXT_SIZE];
    memset(out, kSentinel, sizeof out);
    FormatConvertDesc desc = {from, to, '.', '.', ':', ':'};
    TimeStrToTimeStr(out, in, &desc);
    return out;
}

MaskEditInfo InfoWithFormat(const char* format) {
    MaskEditInfo info{};
    strncpy(info.szFormat, format, PLM_FORMAT_SIZE - 1);
    info.nFormatLen = static_cast<int>(strlen(info.szFormat));
    return info;
}

TimeValue Time(int hour, int minute, int second, int amPm = 0, int empty = 0) {
    TimeValue value;
    value.nSecond = second;
    value.nMinute = minute;
    value.nHour = hour;
    value.bEmpty = empty;
    value.nAmPm = amPm;
    return value;
}

// --- TimeStrToTimeStr -------------------------------------------------------------------------

struct ConversionCase {
    const char* from;
    const char* to;
    const char* in;
    const char* expected;
};

TEST(TimeStrToTimeStr, ConvertsBetweenTwentyFourAndTwelveHours) {
    const ConversionCase cases[] = {
        {"hh:mm:ss", "h:mm:ss AM/PM", "22:05:09", "10:05:09 PM"},
        {"hh:mm:ss", "h:mm:ss AM/PM", "00:30:00", "12:30:00 AM"},
        {"hh:mm:ss", "h:mm:ss AM/PM", "12:00:00", "12:00:00 PM"},
        {"hh:mm:ss", "h:mm:ss AM/PM", "24:00:00", "12:00:00 AM"},  // 24 is midnight
        {"hh:mm:ss", "h:mm:ss AM/PM", "09:15:00", "9:15:00 AM"},
        {"h:mm:ss AM/PM", "hh:mm:ss", "10:05:09 PM", "22:05:09"},
        {"h:mm:ss AM/PM", "hh:mm:ss", "12:15:00 AM", "00:15:00"},
        {"h:mm:ss AM/PM", "hh:mm:ss", "12:15:00 PM", "12:15:00"},
        {"h:mm:ss AM/PM", "hh:mm:ss", "10:30:__ PM", "22:30:00"},
        {"h:mm:ss AM/PM", "hh:mm:ss", "9:05:00 p", "21:05:00"},   // first letter only, any case
        {"h:mm:ss AM/PM", "hh:mm:ss", "9:05:00 xm", "09:05:00"},  // no designator: as read
        {"h:mm:ss AM/PM", "hh:mm AM/PM", "1:05:00 PM", "01:05 PM"},
    };
    for (const ConversionCase& c : cases)
        EXPECT_EQ(Convert(c.from, c.to, c.in), c.expected) << c.in << " from " << c.from << " to " << c.to;
}

TEST(TimeStrToTimeStr, DesignatorIsLookedForOnlyBehindSpaceOrUnderscore) {
    const ConversionCase cases[] = {
        {"h:mm AM/PM", "hh:mm:ss", "10:30 PM", "22:30:00"},
        {"h:mm_AM/PM", "hh:mm:ss", "10:30_PM", "22:30:00"},
        {"h:mmAM/PM", "hh:mm:ss", "10:30PM", "10:30:00"},
    };
    for (const ConversionCase& c : cases)
        EXPECT_EQ(Convert(c.from, c.to, c.in), c.expected) << c.in << " from " << c.from;
}

TEST(TimeStrToTimeStr, OutOfRangeOrMissingInputGivesTheEmptyForm) {
    const ConversionCase cases[] = {
        {"hh:mm:ss", "hh:mm:ss AM/PM", "25:00:00", "__:__:__ __"},
        {"hh:mm:ss", "hh:mm:ss", "10:60:00", "__:__:__"},
        {"hh:mm:ss", "hh:mm:ss", "10:00:60", "__:__:__"},
        {"hh:mm:ss", "h:mm:ss AM/PM", "", "_:__:__ __"},
        {"hh:mm:ss", "h:mm:ss AM/PM", nullptr, "_:__:__ __"},
        {nullptr, "h:mm", "10:30", "_:__"},
        {"hh:mm:ss", "hh:mm:ss", "99999999999:00:00", "__:__:__"},  // too many digits: no wrap
    };
    for (const ConversionCase& c : cases)
        EXPECT_EQ(Convert(c.from, c.to, c.in), c.expected) << (c.in ? c.in : "(null)");
}

TEST(TimeStrToTimeStr, LiteralsOfTheTargetFormatAreWrittenAsText) {
    EXPECT_EQ(Convert("hh:mm:ss", "hh\"h \"mm\\m", "09:05:00"), "09h 05m");
    EXPECT_EQ(Convert("hh:mm:ss", "\"at \"h:mm", "09:05:00"), "at 9:05");
}

TEST(TimeStrToTimeStr, NullDescriptorOrTargetWritesAnEmptyText) {
    char out[8];
    memset(out, kSentinel, sizeof out);
    TimeStrToTimeStr(out, "10:30", nullptr);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(Convert("hh:mm", nullptr, "10:30"), "");
    TimeStrToTimeStr(nullptr, "10:30", nullptr);  // nothing to write into: no crash
}

// --- FormatTimeText ---------------------------------------------------------------------------

struct WriteCase {
    const char* format;
    TimeValue value;
    const char* expected;
};

TEST(FormatTimeText, WritesEachCodeByItsWidth) {
    const WriteCase cases[] = {
        {"h:mm", Time(9, 5, 0), "9:05"},
        {"hh:mm", Time(9, 5, 0), "09:05"},
        {"h:m:s", Time(0, 0, 7), "0:0:7"},
        {"hh:mm:ss", Time(23, 59, 59), "23:59:59"},
        {"hh:mm:ss", Time(10, -1, -1), "10:__:__"},      // blank fields
        {"hh:mm:ss", Time(123, 0, 0), "123:00:00"},      // digits are never cut
        {"hhh", Time(7, 0, 0), "077"},                   // a third letter is a code of its own
        {"HH:MM", Time(7, 8, 0), "07:08"},               // upper case means the same
    };
    for (const WriteCase& c : cases) {
        TimeValue value = c.value;
        char out[PLM_TEXT_SIZE];
        FormatTimeText(out, c.format, &value, sizeof out);
        EXPECT_STREQ(out, c.expected) << c.format;
    }
}

TEST(FormatTimeText, EmptyTimeWritesOneBlankPerLetterAndABlankDesignator) {
    const WriteCase cases[] = {
        {"h:mm:ss AM/PM", Time(0, 0, 0, 0, 1), "_:__:__ __"},
        {"hh:mm", Time(0, 0, 0, 0, 1), "__:__"},
        {"hh:mm AM/PM", Time(0, 0, 0, 1, 1), "__:__ AM"},  // the designator follows nAmPm
    };
    for (const WriteCase& c : cases) {
        TimeValue value = c.value;
        char out[PLM_TEXT_SIZE];
        FormatTimeText(out, c.format, &value, sizeof out);
        EXPECT_STREQ(out, c.expected) << c.format;
    }
    char out[PLM_TEXT_SIZE];
    FormatTimeText(out, "h:mm:ss AM/PM", nullptr, sizeof out);
    EXPECT_STREQ(out, "_:__:__ __");
}

struct TwelveHourCase {
    const char* format;
    int hour;
    int amPmIn;
    const char* expected;
    int amPmOut;
};

TEST(FormatTimeText, TwelveHourWritingWhenTheRestOfTheFormatHasAPair) {
    const TwelveHourCase cases[] = {
        {"h:mm AM/PM", 0, 0, "12:00 AM", 1},
        {"h:mm AM/PM", 24, 0, "12:00 AM", 1},
        {"h:mm AM/PM", 13, 0, "1:00 PM", 2},
        {"h:mm AM/PM", 23, 1, "11:00 PM", 2},  // the hour decides, not the value's nAmPm
        {"h:mm AM/PM", 12, 2, "12:00 PM", 2},  // 1..12 keep the designator they came with
        {"h:mm AM/PM", 12, 1, "12:00 AM", 1},
        {"h:mm AM/PM", 5, 0, "5:00 __", 0},
        {"AM/PM h:mm", 13, 2, "PM 13:00", 2},  // the pair stands before the hour: 24-hour
        {"h:mm a/p", 15, 0, "3:00 p", 2},
        {"h:mm xx", 15, 2, "15:00 xx", 2},     // a run without '/' is no pair
    };
    for (const TwelveHourCase& c : cases) {
        TimeValue value = Time(c.hour, 0, 0, c.amPmIn);
        char out[PLM_TEXT_SIZE];
        FormatTimeText(out, c.format, &value, sizeof out);
        EXPECT_STREQ(out, c.expected) << c.format << " hour " << c.hour;
        EXPECT_EQ(value.nAmPm, c.amPmOut) << c.format << " hour " << c.hour;
    }
}

TEST(FormatTimeText, CutsAtTheBufferSizeAndAlwaysTerminates) {
    const struct {
        int size;
        const char* expected;
    } cases[] = {{1, ""}, {2, "1"}, {8, "10:05:0"}, {9, "10:05:09"}, {10, "10:05:09"}};
    for (const auto& c : cases) {
        char out[16];
        memset(out, kSentinel, sizeof out);
        TimeValue value = Time(10, 5, 9);
        int length = FormatTimeText(out, "hh:mm:ss", &value, c.size);
        EXPECT_STREQ(out, c.expected) << "size " << c.size;
        EXPECT_EQ(length, static_cast<int>(strlen(c.expected)));
        for (int i = c.size; i < static_cast<int>(sizeof out); ++i)
            ASSERT_EQ(out[i], kSentinel) << "size " << c.size << " wrote at " << i;
    }
    TimeValue value = Time(1, 2, 3);
    char untouched = kSentinel;
    EXPECT_EQ(FormatTimeText(&untouched, "hh", &value, 0), 0);
    EXPECT_EQ(untouched, kSentinel);
}

TEST(FormatTimeText, LongestFormatFitsAWorkingText) {
    // 63 one-letter designator runs and spaces: each run writes "__", the most per character.
    char format[PLM_FORMAT_SIZE];
    for (int i = 0; i < PLM_FORMAT_SIZE - 1; ++i) format[i] = i % 2 == 0 ? 'x' : ' ';
    format[PLM_FORMAT_SIZE - 1] = '\0';
    TimeValue value = Time(0, 0, 0, 0, 1);
    char out[PLM_TEXT_SIZE];
    int length = FormatTimeText(out, format, &value, sizeof out);
    EXPECT_EQ(length, 32 * 2 + 31);
    EXPECT_EQ(out[length], '\0');
}

// --- ParseTimeLayout, LocateTimeFields, FormatHasAmPm -----------------------------------------

struct LayoutCase {
    const char* format;
    int count;
    int hourOrder, minuteOrder, secondOrder;
    int hourTwo, minuteTwo, secondTwo;
    int pair;
    const char* am;
    const char* pm;
    char separator;
};

TEST(ParseTimeLayout, ReadsCodesDesignatorsAndSeparator) {
    const LayoutCase cases[] = {
        {"h:mm:ss AM/PM", 3, 1, 2, 3, 0, 1, 1, 1, "AM", "PM", ':'},
        {"hh.mm", 2, 1, 2, 0, 1, 1, 0, 0, "", "", '.'},
        {"mm:ss", 2, 0, 1, 2, 0, 1, 1, 0, "", "", ':'},
        {"hH:mm", 3, 2, 3, 0, 0, 1, 0, 0, "", "", 'H'},  // doubled means the very same character
        {"\"at \"h:mm", 2, 1, 2, 0, 0, 1, 0, 0, "", "", ':'},
        {"\\h-mm", 1, 0, 1, 0, 0, 1, 0, 0, "", "", '\0'},  // behind the only code: the end
        {"hh:mm xx", 2, 1, 2, 0, 1, 1, 0, 0, "", "xx", ':'},
        {"hh:mm ABCDEFGHIJKLMN/PM", 2, 1, 2, 0, 1, 1, 0, 1, "ABCDEFGHIJK", "PM", ':'},
        {"hh:mm a/ABCDEFGHIJKLMN", 2, 1, 2, 0, 1, 1, 0, 1, "a", "ABCDEFGHIJK", ':'},
        {"", 0, 0, 0, 0, 0, 0, 0, 0, "", "", '\0'},
    };
    for (const LayoutCase& c : cases) {
        MaskEditInfo info = InfoWithFormat(c.format);
        info.cSeparator = '#';
        TimeLayout layout;
        memset(&layout, 0x55, sizeof layout);
        EXPECT_EQ(ParseTimeLayout(&layout, &info), c.count) << c.format;
        EXPECT_EQ(layout.nHourOrder, c.hourOrder) << c.format;
        EXPECT_EQ(layout.nMinuteOrder, c.minuteOrder) << c.format;
        EXPECT_EQ(layout.nSecondOrder, c.secondOrder) << c.format;
        EXPECT_EQ(layout.bHourTwoDigits, c.hourTwo) << c.format;
        EXPECT_EQ(layout.bMinuteTwoDigits, c.minuteTwo) << c.format;
        EXPECT_EQ(layout.bSecondTwoDigits, c.secondTwo) << c.format;
        EXPECT_EQ(layout.bAmPmPair, c.pair) << c.format;
        EXPECT_STREQ(layout.szAm, c.am) << c.format;
        EXPECT_STREQ(layout.szPm, c.pm) << c.format;
        EXPECT_EQ(info.cSeparator, c.separator) << c.format;
        EXPECT_EQ(layout.nHourStart, 0);  // positions are cleared
        EXPECT_EQ(layout.nLastPos, 0);
    }
}

struct LocateCase {
    const char* format;
    const char* text;
    int hour[2], minute[2], second[2], amPm[2];
    int length;
};

TEST(LocateTimeFields, FindsRunsOfDigitsAndBlanksAndTheDesignator) {
    const LocateCase cases[] = {
        {"h:mm:ss AM/PM", "10:30:00 AM", {0, 2}, {3, 5}, {6, 8}, {9, 11}, 11},
        {"h:mm:ss AM/PM", "1:30:00 PM", {0, 1}, {2, 4}, {5, 7}, {8, 10}, 10},
        {"h:mm:ss AM/PM", "10:30:00 __", {0, 2}, {3, 5}, {6, 8}, {9, 11}, 11},  // blank: a run
        {"hh:mm AM/PM", "1_:__ PM", {0, 2}, {3, 5}, {0, 0}, {6, 8}, 8},
        {"mm:ss", "_5:07", {0, 0}, {0, 2}, {3, 5}, {0, 0}, 5},
        {"hh:mm:ss", "", {0, 0}, {0, 0}, {0, 0}, {0, 0}, 0},
    };
    for (const LocateCase& c : cases) {
        MaskEditInfo info = InfoWithFormat(c.format);
        TimeLayout layout;
        ParseTimeLayout(&layout, &info);
        EXPECT_EQ(LocateTimeFields(&layout, &info, c.text), c.length) << c.text;
        EXPECT_EQ(layout.nHourStart, c.hour[0]) << c.text;
        EXPECT_EQ(layout.nHourEnd, c.hour[1]) << c.text;
        EXPECT_EQ(layout.nMinuteStart, c.minute[0]) << c.text;
        EXPECT_EQ(layout.nMinuteEnd, c.minute[1]) << c.text;
        EXPECT_EQ(layout.nSecondStart, c.second[0]) << c.text;
        EXPECT_EQ(layout.nSecondEnd, c.second[1]) << c.text;
        EXPECT_EQ(layout.nAmPmStart, c.amPm[0]) << c.text;
        EXPECT_EQ(layout.nAmPmEnd, c.amPm[1]) << c.text;
        EXPECT_EQ(layout.nLastPos, c.length) << c.text;
    }
}

TEST(LocateTimeFields, MissingSeparatorBecomesTheDefaultTimeSeparator) {
    MaskEditInfo info = InfoWithFormat("mm");
    TimeLayout layout;
    ParseTimeLayout(&layout, &info);
    ASSERT_EQ(info.cSeparator, '\0');
    LocateTimeFields(&layout, &info, "05");
    EXPECT_EQ(info.cSeparator, g_cDefTimeSep);
    EXPECT_EQ(g_cDefTimeSep, ':');

    info = InfoWithFormat("hh.mm");
    ParseTimeLayout(&layout, &info);
    LocateTimeFields(&layout, &info, "10.30");
    EXPECT_EQ(info.cSeparator, '.');  // a separator of the format stays
}

TEST(FormatHasAmPm, LooksAtTheTailFromTheGivenPointOn) {
    EXPECT_NE(FormatHasAmPm("h:mm AM/PM"), 0);
    EXPECT_EQ(FormatHasAmPm("h:mm"), 0);
    EXPECT_EQ(FormatHasAmPm("h:mm AMPM"), 0);
    EXPECT_EQ(FormatHasAmPm(nullptr), 0);
    // Only the first 63 characters of the tail count, as in a control's format.
    std::string longTail(62, ' ');
    EXPECT_NE(FormatHasAmPm((longTail.substr(0, 60) + "A/P").c_str()), 0);
    EXPECT_EQ(FormatHasAmPm((longTail + "A/P").c_str()), 0);
}

// --- ParseTimeText ----------------------------------------------------------------------------

struct ParseCase {
    const char* text;
    const char* format;
    int hour, minute, second, empty, amPm, hadAmPm;
};

TEST(ParseTimeText, ReadsTokensInTheOrderOfTheCodes) {
    const ParseCase cases[] = {
        {"12:00:00 AM", "h:mm:ss AM/PM", 0, 0, 0, 0, 1, 1},
        {"12:00:00 PM", "h:mm:ss AM/PM", 12, 0, 0, 0, 2, 1},
        {"2:05:00 pm", "h:mm:ss AM/PM", 14, 5, 0, 0, 2, 1},
        {"10:30", "h:mm:ss AM/PM", 10, 30, 0, 0, 1, 0},    // no word: nothing recognised
        {"10:30 Q", "h:mm:ss AM/PM", 10, 30, 0, 0, 1, 0},  // a word of neither letter
        {"5_:3_", "hh:mm", 5, 3, 0, 0, 1, 0},               // '5_' reads as 5
        {"__:45", "hh:mm", 45, 0, 0, 0, -1, 0},             // a blank field is simply missing
        {"30:15", "mm:ss", 0, 30, 15, 0, 1, 0},
        {"24:00", "hh:mm", 24, 0, 0, 0, 1, 0},
        {"25:00", "hh:mm", 25, 0, 0, 0, -1, 0},
        {"", "hh:mm", 0, 0, 0, 1, 0, 0},
        {"__:__", "hh:mm", 0, 0, 0, 1, 0, 0},
        {"PM", "hh:mm AM/PM", 12, 0, 0, 0, 2, 1},  // a word alone is a token: not empty
        {"9:05 A", "h:mm A/A", 21, 5, 0, 0, 2, 1},  // both share the letter: the second wins
    };
    for (const ParseCase& c : cases) {
        TimeValue value;
        memset(&value, 0x55, sizeof value);
        int hadAmPm = 0;
        ParseTimeText(c.text, c.format, &value, &hadAmPm);
        EXPECT_EQ(value.nHour, c.hour) << c.text;
        EXPECT_EQ(value.nMinute, c.minute) << c.text;
        EXPECT_EQ(value.nSecond, c.second) << c.text;
        EXPECT_EQ(value.bEmpty, c.empty) << c.text;
        EXPECT_EQ(value.nAmPm, c.amPm) << c.text;
        EXPECT_EQ(hadAmPm, c.hadAmPm) << c.text;
    }
}

TEST(ParseTimeText, OverLongNumbersAndNullsAreSafe) {
    TimeValue value;
    ParseTimeText("4294967297:00", "hh:mm", &value, nullptr);  // would wrap to 1 in 32 bits
    EXPECT_GT(value.nHour, 24);
    EXPECT_EQ(value.nAmPm, -1);
    EXPECT_EQ(IsValidTime(&value), 0);

    ParseTimeText("0000000000007:05", "hh:mm", &value, nullptr);  // leading zeros add nothing
    EXPECT_EQ(value.nHour, 7);

    ParseTimeText(nullptr, "hh:mm", &value, nullptr);
    EXPECT_EQ(value.bEmpty, 1);
    ParseTimeText("10:30", nullptr, &value, nullptr);
    EXPECT_EQ(value.nHour, 0);
    EXPECT_EQ(value.bEmpty, 0);
    ParseTimeText("10:30", "hh:mm", nullptr, nullptr);
}

// --- ReadTimeFields ---------------------------------------------------------------------------

struct ReadCase {
    const char* text;
    const char* format;
    int hour, minute, second, empty, amPm;
};

TEST(ReadTimeFields, ReadsByPositionsWithTheTwelveOClockRules) {
    const ReadCase cases[] = {
        {"12:00:00 AM", "h:mm:ss AM/PM", 12, 0, 0, 0, 1},  // exactly midnight keeps 12
        {"12:01:00 AM", "h:mm:ss AM/PM", 0, 1, 0, 0, 1},
        {"12:00:01 AM", "h:mm:ss AM/PM", 0, 0, 1, 0, 1},
        {"2:30:00 PM", "h:mm:ss AM/PM", 14, 30, 0, 0, 2},
        {"12:30:00 PM", "h:mm:ss AM/PM", 12, 30, 0, 0, 2},
        {"10:__:__ PM", "h:mm:ss AM/PM", 22, -1, -1, 0, 2},
        {"_:__:__ __", "h:mm:ss AM/PM", -1, -1, -1, 1, 0},
        {"1:00:00 __", "h:mm:ss AM/PM", 1, 0, 0, 0, 0},     // 0..2: undecided
        {"5:00:00 __", "h:mm:ss AM/PM", 5, 0, 0, 0, 1},
        {"13:00:00 __", "h:mm:ss AM/PM", 13, 0, 0, 0, 2},
        {"24:00:00", "hh:mm:ss", 0, 0, 0, 0, 1},
        {"15:00:00", "hh:mm:ss", 15, 0, 0, 0, 2},
        {"5_:__:__", "hh:mm:ss", 5, -1, -1, 0, 1},
        {"__:__:__", "hh:mm:ss", -1, -1, -1, 1, 0},
        {"30:15", "mm:ss", 0, 30, 15, 0, 1},  // no hour code: 0
    };
    for (const ReadCase& c : cases) {
        MaskEditInfo info = InfoWithFormat(c.format);
        TimeLayout layout;
        ParseTimeLayout(&layout, &info);
        LocateTimeFields(&layout, &info, c.text);
        TimeValue value;
        memset(&value, 0x55, sizeof value);
        ReadTimeFields(c.text, &layout, &value);
        EXPECT_EQ(value.nHour, c.hour) << c.text;
        EXPECT_EQ(value.nMinute, c.minute) << c.text;
        EXPECT_EQ(value.nSecond, c.second) << c.text;
        EXPECT_EQ(value.bEmpty, c.empty) << c.text;
        EXPECT_EQ(value.nAmPm, c.amPm) << c.text;
    }
}

TEST(ReadTimeFields, PositionsOutsideTheTextAreNotRead) {
    MaskEditInfo info = InfoWithFormat("hh:mm:ss AM/PM");
    TimeLayout layout;
    ParseTimeLayout(&layout, &info);
    layout.nHourStart = -5;
    layout.nHourEnd = 2;
    layout.nMinuteStart = 3;
    layout.nMinuteEnd = 5000;
    layout.nSecondStart = 400;
    layout.nSecondEnd = 402;
    layout.nAmPmStart = 3;
    layout.nAmPmEnd = 5000;
    TimeValue value;
    ReadTimeFields("10:45", &layout, &value);
    EXPECT_EQ(value.nHour, 10);
    EXPECT_EQ(value.nMinute, 45);
    EXPECT_EQ(value.nSecond, -1);
    EXPECT_EQ(value.nAmPm, 1);  // "45" is no designator; hour 10 decides

    ReadTimeFields(nullptr, &layout, &value);
    EXPECT_EQ(value.bEmpty, 1);
    ReadTimeFields("10:45", nullptr, &value);
    EXPECT_EQ(value.bEmpty, 1);
}

// --- range rules ------------------------------------------------------------------------------

TEST(IsValidTime, AcceptsTwentyFourAsMidnightAndTheEmptyTime) {
    const struct {
        TimeValue value;
        int valid;
    } cases[] = {
        {Time(0, 0, 0), 1},      {Time(24, 0, 0), 1},  {Time(23, 59, 59), 1},
        {Time(25, 0, 0), 0},     {Time(-1, 0, 0), 0},  {Time(10, 60, 0), 0},
        {Time(10, 0, 60), 0},    {Time(10, -1, 0), 0}, {Time(99, 99, 99, 0, 1), 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidTime(&c.value), c.valid) << c.value.nHour << ":" << c.value.nMinute << ":"
                                                  << c.value.nSecond;
    EXPECT_EQ(IsValidTime(nullptr), 0);
}

TEST(NormalizeTime, CutsMinutesAndSecondsAndWrapsTheHour) {
    const struct {
        TimeValue in;
        int hour, minute, second, amPm;
    } cases[] = {
        {Time(30, 75, -3, 0, 1), 6, 59, 0, 1},
        {Time(-5, 10, 10), 0, 10, 10, 1},
        {Time(24, 0, 0, 2), 24, 0, 0, 1},
        {Time(48, 0, 0), 0, 0, 0, 1},
        {Time(12, 0, 0, 1), 12, 0, 0, 2},
        {Time(23, 0, 0), 23, 0, 0, 2},
    };
    for (const auto& c : cases) {
        TimeValue value = c.in;
        NormalizeTime(&value);
        EXPECT_EQ(value.nHour, c.hour) << c.in.nHour;
        EXPECT_EQ(value.nMinute, c.minute) << c.in.nHour;
        EXPECT_EQ(value.nSecond, c.second) << c.in.nHour;
        EXPECT_EQ(value.nAmPm, c.amPm) << c.in.nHour;
        EXPECT_EQ(value.bEmpty, 0);
    }
    NormalizeTime(nullptr);
}

TEST(IsAmPmConsistent, HourMustFallOnTheSideOfItsDesignator) {
    const struct {
        TimeValue value;
        int consistent;
    } cases[] = {
        {Time(0, 0, 0, 1), 1},  {Time(11, 0, 0, 1), 1}, {Time(24, 0, 0, 1), 1},
        {Time(12, 0, 0, 1), 0}, {Time(12, 0, 0, 2), 1}, {Time(23, 0, 0, 2), 1},
        {Time(5, 0, 0, 2), 0},  {Time(24, 0, 0, 2), 0}, {Time(5, 0, 0, 0), 0},
        {Time(5, 0, 0, -1), 0}, {Time(5, 0, 0, 2, 1), 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsAmPmConsistent(&c.value), c.consistent)
            << "hour " << c.value.nHour << " designator " << c.value.nAmPm;
}

TEST(GetDefaultTimeFormat, CopiesTheModuleDefaultWithinTheBuffer) {
    char out[PLM_FORMAT_SIZE];
    GetDefaultTimeFormat(out);
    EXPECT_STREQ(out, "h:mm:ss AM/PM");
    char small[5];
    memset(small, kSentinel, sizeof small);
    GetDefaultTimeFormat(small, sizeof small);
    EXPECT_STREQ(small, "h:mm");
}

}  // namespace
