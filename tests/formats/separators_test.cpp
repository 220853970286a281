// Separators and currency symbol derived from a format, and the international defaults.
#include <gtest/gtest.h>
#include <plmedt60.h>

#include <string.h>

#include "formats/formats.h"

namespace {

// A record that starts with marker values, so "unchanged" shows.
MaskEditInfo Record(short type, const char* format) {
    MaskEditInfo rec = {};
    rec.nDataType = type;
    rec.cSeparator = '?';
    rec.cDecimal = '!';
    strcpy(rec.szCurrency, "old");
    strcpy(rec.szFormat, format);
    return rec;
}

struct Expected {
    short type;
    const char* format;
    BOOL result;
    char separator;
    char decimal;
    const char* currency;
};

void Check(const Expected& c) {
    MaskEditInfo rec = Record(c.type, c.format);
    EXPECT_EQ(c.result, GetFormatSeparators(&rec, FALSE)) << c.format;
    EXPECT_EQ(c.separator, rec.cSeparator) << c.format;
    EXPECT_EQ(c.decimal, rec.cDecimal) << c.format;
    EXPECT_STREQ(c.currency, rec.szCurrency) << c.format;
}

TEST(GetFormatSeparators, Numbers) {
    const Expected cases[] = {
        {DT_CURRENCY, "#,##0.00$;-#,##0.00$", TRUE, ',', '.', "$"},
        {DT_CURRENCY, "$#,##0.00;($#,##0.00)", TRUE, ',', '.', "$"},
        {DT_CURRENCY, "DM#.##0,00", TRUE, '.', ',', "DM"},
        {DT_CURRENCY, "DM #.##0,00", FALSE, '?', '!', "DM"},  // a space after the symbol, not a number
        {DT_WHOLE16, "0", TRUE, ',', '.', "old"},
        {DT_SINGLE, "0.00%", TRUE, ',', '.', "old"},
        {DT_DOUBLE, "#,##0.00;(#,##0.00)", TRUE, ',', '.', "old"},
        {DT_WHOLE32, "#'###", TRUE, '\'', '.', "old"},  // a lone separator between two "#"
        {DT_WHOLE32, "#.###", TRUE, '.', ',', "old"},   // ... that is the decimal character
        {DT_DOUBLE, "0,000", TRUE, ',', '.', "old"},    // the grouping character alone
        {DT_DOUBLE, "0 000.00", TRUE, ' ', '.', "old"},
        {DT_DOUBLE, "  0.0", TRUE, ',', '.', "old"},     // leading spaces skipped
        {DT_DOUBLE, "x 0", FALSE, '?', '!', "x"},       // a space after a non-placeholder
        {DT_DOUBLE, "\"kg\" 0", FALSE, '?', '!', "old"},
        {DT_DOUBLE, "abc", FALSE, '?', '!', "abc"},     // no placeholder at all
        {DT_DOUBLE, "", FALSE, '?', '!', "old"},
        {DT_DOUBLE, "0\\", TRUE, ',', '.', "old"},      // a trailing backslash ends the scan
        {DT_CURRENCY, "(#,##0)", TRUE, '(', ',', ""},   // "(" yields an empty symbol, then counts
        {DT_CURRENCY, "ABCDEFGHIJKLMNOPQRS0", TRUE, 'P', 'Q', "ABCDEFGHIJKLMNO"},  // 15 at most
    };
    for (const Expected& c : cases) Check(c);
}

TEST(GetFormatSeparators, Dates) {
    const Expected cases[] = {
        {DT_DATE, "dd.mm.yyyy", TRUE, '.', '!', "old"},
        {DT_DATE, "dd.mm/yyyy", FALSE, '.', '!', "old"},
        {DT_DATE, "mm/dd/yy", TRUE, '/', '!', "old"},
        {DT_DATE, "yyyymmdd", TRUE, '\0', '!', "old"},
        {DT_DATE, "mmm dd, yyyy", FALSE, ' ', '!', "old"},
        {DT_DATE, "dd/mm/", FALSE, '/', '!', "old"},
        {DT_DATE, "\"Day \"dd-mm", TRUE, '-', '!', "old"},
        {DT_DATE, "DD-MM-YY", TRUE, '-', '!', "old"},
        {DT_DATE, "x", FALSE, '\0', '!', "old"},
    };
    for (const Expected& c : cases) Check(c);
}

TEST(GetFormatSeparators, Times) {
    const Expected cases[] = {
        {DT_TIME, "hh:mm AM/PM", TRUE, ':', '!', "old"},
        {DT_TIME, "h:mm:ss", TRUE, ':', '!', "old"},
        {DT_TIME, "h:mm:ss am/pm", TRUE, ':', '!', "old"},
        {DT_TIME, "hh:mmAM/PM", FALSE, ':', '!', "old"},
        {DT_TIME, "hh AM/PM", FALSE, '?', '!', "old"},
        {DT_TIME, "hh.mm.ss", TRUE, '.', '!', "old"},
        {DT_TIME, "hh:mm.ss", FALSE, ':', '!', "old"},
        {DT_TIME, "hh:mm AM/XM", FALSE, ':', '!', "old"},
        {DT_TIME, "hh:mm AM", FALSE, ':', '!', "old"},  // the pair runs out
        {DT_TIME, "", TRUE, '?', '!', "old"},
    };
    for (const Expected& c : cases) Check(c);
}

TEST(GetFormatSeparators, TypesWithoutSeparators) {
    for (short type : {short(DT_TEXT), short(DT_BOOLEAN), short(10), short(-1)}) {
        MaskEditInfo rec = Record(type, "#,##0.00");
        EXPECT_FALSE(GetFormatSeparators(&rec, FALSE)) << type;
        EXPECT_EQ('?', rec.cSeparator);
        EXPECT_TRUE(GetFormatSeparators(&rec, TRUE)) << type;
        EXPECT_EQ('?', rec.cSeparator);
        EXPECT_EQ('!', rec.cDecimal);
        EXPECT_STREQ("old", rec.szCurrency);
    }
    EXPECT_FALSE(GetFormatSeparators(nullptr, TRUE));
}

TEST(GetFormatSeparators, InternationalDefaults) {
    const Expected cases[] = {
        {DT_CURRENCY, "", TRUE, ',', '.', "$"}, {DT_DATE, "", TRUE, '/', '!', "old"},
        {DT_TIME, "", TRUE, ':', '!', "old"},   {DT_WHOLE8, "", TRUE, ',', '.', "$"},
        {DT_DOUBLE, "", TRUE, ',', '.', "$"},
    };
    for (const Expected& c : cases) {
        MaskEditInfo rec = Record(c.type, "dd.mm.yy");
        EXPECT_TRUE(GetFormatSeparators(&rec, TRUE)) << c.type;
        EXPECT_EQ(c.separator, rec.cSeparator) << c.type;
        EXPECT_EQ(c.decimal, rec.cDecimal) << c.type;
        EXPECT_STREQ(c.currency, rec.szCurrency) << c.type;
    }
}

}  // namespace
