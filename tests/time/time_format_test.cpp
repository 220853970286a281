// Time engine: format reading, reading a shown time by format and by positions, writing, range
// rules, the exported conversion and the window-free cores of the typed get/set.
#include <gtest/gtest.h>

#include <string.h>

#include "time/time_support.h"

namespace {

constexpr char kAmPm[] = "h:mm:ss AM/PM";

TimeValue Time(int hour, int minute, int second, int amPm = 0, int empty = 0) {
    return {second, minute, hour, empty, amPm};
}

TEST(TimeStrToTimeStr, ConvertsBetweenFormats) {
    const struct { const char *from, *to, *in, *out; } cases[] = {
        {"hh:mm:ss", kAmPm, "22:05:09", "10:05:09 PM"},
        {"hh:mm:ss", kAmPm, "00:30:00", "12:30:00 AM"},
        {"hh:mm:ss", kAmPm, "12:00:00", "12:00:00 PM"},
        {"hh:mm:ss", kAmPm, "24:00:00", "12:00:00 AM"},  // 24 is midnight
        {kAmPm, "hh:mm:ss", "10:05:09 PM", "22:05:09"},
        {kAmPm, "hh:mm:ss", "12:15:00 AM", "00:15:00"},
        {kAmPm, "hh:mm:ss", "10:30:__ PM", "22:30:00"},  // a blank second reads as 0
        {kAmPm, "hh:mm:ss", "9:05:00 p", "21:05:00"},    // the first letter decides, any case
        {"h:mmAM/PM", "hh:mm:ss", "10:30PM", "10:30:00"},  // looked for behind ' ' or '_' only
        {"h:mm_AM/PM", "hh:mm:ss", "10:30_PM", "22:30:00"},
        {"hh:mm", "h:m:s", "07:05", "7:5:0"},
        {"hh:mm:ss", "AM/PM h:mm", "13:05:00", "PM 13:05"},  // a pair before the hour: 24 hours
        {"hh:mm:ss", "h:mm xx", "15:00:00", "15:00 xx"},    // no '/': no pair
        {"hh:mm:ss", "hh\"h \"mm\\m", "09:05:00", "09h 05m"},
        {"hh:mm:ss", "hh:mm:ss AM/PM", "25:00:00", "__:__:__ __"},
        {"hh:mm:ss", "hh:mm:ss", "99999999999:00:00", "__:__:__"},  // no wrap to a valid hour
        {"hh:mm:ss", kAmPm, "", "_:__:__ __"},
        {"hh:mm:ss", kAmPm, nullptr, "_:__:__ __"},
        {nullptr, "h:mm", "10:30", "_:__"},
    };
    for (const auto& c : cases) {
        char out[PLM_TEXT_SIZE];
        FormatConvertDesc desc = {c.from, c.to, '.', '.', ':', ':'};
        TimeStrToTimeStr(out, c.in, &desc);
        EXPECT_STREQ(out, c.out) << (c.in ? c.in : "(null)") << " to " << c.to;
    }
    char out[4] = "xyz";
    TimeStrToTimeStr(out, "10:30", nullptr);
    EXPECT_STREQ(out, "");
}

TEST(FormatTimeText, TwelveHourDesignatorsBlanksAndBufferSize) {
    const struct { TimeValue in; const char* out; int amPm; } cases[] = {
        {Time(12, 0, 0, 1), "12:00 AM", 1}, {Time(12, 0, 0, 2), "12:00 PM", 2},  // 1..12 keep it
        {Time(23, 0, 0, 1), "11:00 PM", 2}, {Time(5, 0, 0, 0), "5:00 __", 0},
        {Time(10, -1, 0, 1), "10:__ AM", 1},
    };
    for (const auto& c : cases) {
        TimeValue value = c.in;
        char out[PLM_TEXT_SIZE];
        FormatTimeText(out, "h:mm AM/PM", &value, sizeof out);
        EXPECT_STREQ(out, c.out);
        EXPECT_EQ(value.nAmPm, c.amPm) << c.out;
    }
    for (int size : {0, 1, 8, 9, 10}) {
        char out[12];
        memset(out, '\x7f', sizeof out);
        TimeValue value = Time(10, 5, 9);
        int length = FormatTimeText(out, "hh:mm:ss", &value, size);
        EXPECT_EQ(length, size == 0 ? 0 : size > 9 ? 8 : size - 1);
        EXPECT_EQ(size > 0 ? std::string(out) : std::string(), std::string("10:05:09", length));
        for (int i = size; i < static_cast<int>(sizeof out); ++i) ASSERT_EQ(out[i], '\x7f') << size;
    }
}

TEST(ParseTimeLayout, ReadsCodesDesignatorsAndFieldPositions) {
    const struct { const char *format, *text, *layout; } cases[] = {
        // orders h m s, doubled h m s, designators, pair | positions h m s designator, length, sep
        {kAmPm, "10:30:00 AM", "123 011 AM/PM 1 | 0-2 3-5 6-8 9-11 11 :"},
        {"hh:mm AM/PM", "1_:__ PM", "120 110 AM/PM 1 | 0-2 3-5 0-0 6-8 8 :"},
        {"hH:mm", "1:2:3", "230 010 / 0 | 2-3 4-5 0-0 0-1 5 H"},  // doubled: the same character
        {"\"at \"h.mm", "at 9.05", "120 010 / 0 | 3-4 5-7 0-0 0-0 7 ."},
        {"\\h-mm", "h-05", "010 010 / 0 | 0-0 2-4 0-0 0-0 4 :"},  // no separator: the default
        {"mm:ss xx", "_5:07 xx", "012 011 /xx 0 | 0-0 0-2 3-5 0-0 8 :"},
        {"h:ABCDEFGHIJKLMN/PM", "", "100 000 ABCDEFGHIJK/PM 1 | 0-0 0-0 0-0 0-0 0 :"},
    };
    for (const auto& c : cases) {
        MaskEditInfo info = TimeInfo(c.format);
        TimeLayout l;
        memset(&l, 0x55, sizeof l);
        ParseTimeLayout(&l, &info);
        LocateTimeFields(&l, &info, c.text);
        char shown[160];
        snprintf(shown, sizeof shown, "%d%d%d %d%d%d %s/%s %d | %d-%d %d-%d %d-%d %d-%d %d %c",
                 l.nHourOrder, l.nMinuteOrder, l.nSecondOrder, l.bHourTwoDigits,
                 l.bMinuteTwoDigits, l.bSecondTwoDigits, l.szAm, l.szPm, l.bAmPmPair, l.nHourStart,
                 l.nHourEnd, l.nMinuteStart, l.nMinuteEnd, l.nSecondStart, l.nSecondEnd,
                 l.nAmPmStart, l.nAmPmEnd, l.nLastPos, info.cSeparator);
        EXPECT_STREQ(shown, c.layout) << c.format;
    }
    // Only the first 63 characters of a tail count: the '/' as the 63rd, then as the 64th.
    EXPECT_NE(FormatHasAmPm((std::string(61, ' ') + "A/P").c_str()), 0);
    EXPECT_EQ(FormatHasAmPm((std::string(62, ' ') + "A/P").c_str()), 0);
    EXPECT_EQ(FormatHasAmPm(nullptr), 0);
}

TEST(ParseTimeText, ReadsTokensInTheOrderOfTheCodes) {
    const struct { const char *text, *format, *value; int hadAmPm; } cases[] = {
        {"10:30 Q", kAmPm, "10:30:0 a1", 0},  // a word of neither letter
        {"PM", "hh:mm AM/PM", "12:0:0 a2", 1},  // a word alone is no empty time
        {"9:05 A", "h:mm A/A", "21:5:0 a2", 1},  // both share the letter: the second wins
        {"__:45", "hh:mm", "45:0:0 a-1", 0},     // a blank field is simply missing
        {"__:__", "hh:mm", "0:0:0 empty a0", 0},
        {"4294967297:00", "hh:mm", "99999999:0:0 a-1", 0},  // capped, never wrapped
        {"0000000000007:05", "hh:mm", "7:5:0 a1", 0},
        {nullptr, "hh:mm", "0:0:0 empty a0", 0},
        {"10:30", nullptr, "0:0:0 a1", 0},
    };
    for (const auto& c : cases) {
        TimeValue value;
        int hadAmPm = 0;
        ParseTimeText(c.text, c.format, &value, &hadAmPm);
        EXPECT_EQ(Show(value), c.value) << (c.text ? c.text : "(null)");
        EXPECT_EQ(hadAmPm, c.hadAmPm) << (c.text ? c.text : "(null)");
    }
}

TEST(ReadTimeFields, ReadsByPositionsWithTheTwelveOClockRules) {
    const struct { const char *text, *format, *value; } cases[] = {
        {"12:00:00 AM", kAmPm, "12:0:0 a1"},  // exactly midnight keeps 12
        {"12:01:00 AM", kAmPm, "0:1:0 a1"},
        {"12:00:01 AM", kAmPm, "0:0:1 a1"},
        {"12:30:00 PM", kAmPm, "12:30:0 a2"},
        {"10:__:__ PM", kAmPm, "22:-1:-1 a2"},
        {"_:__:__ __", kAmPm, "-1:-1:-1 empty a0"},
        {"2:00:00 __", kAmPm, "2:0:0 a0"},  // blank designator: 0..2 undecided
        {"3:00:00 __", kAmPm, "3:0:0 a1"},
        {"24:00:00", "hh:mm:ss", "0:0:0 a1"},
        {"5_:__:__", "hh:mm:ss", "5:-1:-1 a1"},
        {"30:15", "mm:ss", "0:30:15 a1"},
    };
    for (const auto& c : cases) {
        MaskEditInfo info = TimeInfo(c.format);
        TimeLayout layout;
        ParseTimeLayout(&layout, &info);
        LocateTimeFields(&layout, &info, c.text);
        TimeValue value;
        ReadTimeFields(c.text, &layout, &value);
        EXPECT_EQ(Show(value), c.value) << c.text;
    }
    MaskEditInfo info = TimeInfo(kAmPm);  // positions outside the text are not read
    TimeLayout l;
    ParseTimeLayout(&l, &info);
    l.nHourStart = -5, l.nHourEnd = 2, l.nMinuteStart = 3, l.nMinuteEnd = 5000;
    l.nSecondStart = 400, l.nSecondEnd = 402, l.nAmPmStart = 3, l.nAmPmEnd = 5000;
    TimeValue value;
    ReadTimeFields("10:45", &l, &value);
    EXPECT_EQ(Show(value), "10:45:-1 a1");
}

TEST(TimeRange, ValidityAndDesignatorConsistency) {
    const struct { TimeValue value; int valid, consistent; } cases[] = {
        {Time(24, 0, 0, 1), 1, 1}, {Time(25, 0, 0, 1), 0, 0}, {Time(-1, 0, 0, 1), 0, 0},
        {Time(23, 59, 59, 2), 1, 1}, {Time(10, 60, 0, 1), 0, 1}, {Time(10, 0, 60, 1), 0, 1},
        {Time(11, 0, 0, 1), 1, 1}, {Time(12, 0, 0, 1), 1, 0}, {Time(12, 0, 0, 2), 1, 1},
        {Time(24, 0, 0, 2), 1, 0}, {Time(5, 0, 0, 0), 1, 0}, {Time(99, 0, 0, 0, 1), 1, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidTime(&c.value), c.valid) << Show(c.value);
        EXPECT_EQ(IsAmPmConsistent(&c.value), c.consistent) << Show(c.value);
    }
    EXPECT_EQ(IsValidTime(nullptr), 0);
    char small[5];
    GetDefaultTimeFormat(small, sizeof small);
    EXPECT_STREQ(small, "h:mm");
}

TEST(TimeTypedCore, BetweenTheDefaultFormAndTheShownText) {
    // set: a text in the default time format -> shown under the field's format; get: back
    const struct { bool set; const char *in, *format, *out; } cases[] = {
        {true, "2:05:00 PM", "hh:mm:ss", "14:05:00"},
        {true, nullptr, kAmPm, "_:__:__ __"},
        {true, "25:70:00", "hh:mm:ss", "01:59:00"},  // normalised, not refused
        {false, "00:15:00", "hh:mm:ss", "12:15:00 AM"},
        {false, "__:__:__", "hh:mm:ss", "_:__:__ __"},  // all blank reads as the empty time
        {false, "10:__:__ PM", kAmPm, "10:00:00 PM"},   // blank fields become 0
        {false, "99:75:00", "hh:mm:ss", "3:59:00 AM"},  // hour modulo 24, minutes cut
    };
    for (const auto& c : cases) {
        char out[PLM_TEXT_SIZE];
        MaskEditInfo info = TimeInfo(c.format);
        if (c.set) TimeStringToShownText(out, c.in, c.format, sizeof out);
        else ShownTextToTimeString(out, c.in, &info, sizeof out);
        EXPECT_STREQ(out, c.out) << (c.in ? c.in : "(null)");
    }
}

}  // namespace
