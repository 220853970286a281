// Shown <-> raw text for every data type, the empty-field text, and MaskEditValidate.
#include <gtest/gtest.h>
#include <plmedt60.h>

#include <string.h>

#include <string>

#include "formats/formats.h"

namespace {

MaskDataDesc Desc(short type, const char* format, char separator = ',', char decimal = '.') {
    MaskDataDesc desc = {};
    desc.nDataType = type;
    desc.cSeparator = separator;
    desc.cDecimal = decimal;
    desc.lpszFormat = format;
    desc.lpszCurrency = "$";
    return desc;
}

struct Conversion {
    short type;
    const char* format;
    const char* from;
    const char* to;
};

std::string ToRaw(short type, const char* format, const char* text) {
    const MaskDataDesc desc = Desc(type, format);
    char raw[PLM_TEXT_SIZE];
    memset(raw, '#', sizeof raw);
    EXPECT_EQ(1, FormatedDataToRawData(raw, text, &desc, sizeof raw));
    return raw;
}

std::string ToShown(short type, const char* format, const char* raw) {
    const MaskDataDesc desc = Desc(type, format);
    char shown[PLM_TEXT_SIZE];
    memset(shown, '#', sizeof shown);
    EXPECT_EQ(1, RawDataToFormatedData(shown, raw, &desc, sizeof shown));
    return shown;
}

TEST(FormatedDataToRawData, EveryType) {
    const Conversion cases[] = {
        {DT_CURRENCY, "$#,##0.00;($#,##0.00)", "($1,234.50)", "-1234.5"},
        {DT_CURRENCY, "$#,##0.00;($#,##0.00)", "$1,234.56", "1234.56"},
        {DT_CURRENCY, "#,##0.00$;-#,##0.00$", "1,234.50$", "1234.5"},
        {DT_DOUBLE, "0.00%", "12.50%", "12.5"},
        {DT_WHOLE16, "#,##0;(#,##0)", "(1,234)", "-1234"},
        {DT_WHOLE32, nullptr, "-2,000,000", "-2000000"},
        {DT_WHOLE8, "0", "-12", "-12"},
        {DT_DATE, "mm/dd/yyyy", "03/15/1999", "1999-03-15"},
        {DT_DATE, "mmm/dd/yyyy", "Mar/15/1999", "1999-03-15"},
        {DT_DATE, "mm/dd/yyyy", "02/30/1999", "1999-02-30"},  // as parsed: no calendar check
        {DT_DATE, "mm/dd/yyyy", "__/__/____", ""},
        {DT_TIME, "h:mm:ss AM/PM", "1:05:09 PM", "13:05:09"},
        {DT_TIME, "hh:mm", "07:30", "07:30:00"},
        {DT_BOOLEAN, "Yes/No", "Yes", "1"},
        {DT_BOOLEAN, "Yes/No", "No", "0"},
        {DT_BOOLEAN, "Yes/No", " ", ""},
        {DT_TEXT, "(###) ###-####", "(555) 123-4567", "5551234567"},
        {DT_TEXT, "(###) ###-####", "(555) 12_-____", "55512"},
        {DT_CURRENCY, "$#,##0.00", "", ""},
        {DT_DATE, "mm/dd/yyyy", nullptr, ""},
        {42, "0", "12", ""},
    };
    for (const Conversion& c : cases)
        EXPECT_EQ(c.to, ToRaw(c.type, c.format, c.from)) << c.type << " " << (c.format ? c.format : "null") << " "
                                                       << (c.from ? c.from : "null");
}

TEST(RawDataToFormatedData, EveryType) {
    const Conversion cases[] = {
        {DT_CURRENCY, "$#,##0.00;($#,##0.00)", "1234.5", "$1,234.50"},    // the fraction is padded
        {DT_CURRENCY, "$#,##0.00;($#,##0.00)", "1234.567", "$1,234.56"},  // ... and cut, not rounded
        {DT_CURRENCY, "$#,##0.00;($#,##0.00)", "-3", "($3.00)"},
        {DT_DOUBLE, "0.00%", "12.5", "12.50%"},
        {DT_WHOLE16, "#,##0", "1234", "1,234"},
        {DT_WHOLE8, "0", "-12", "-12"},
        {DT_DATE, "mmm/dd/yyyy", "1999-03-15", "Mar/15/1999"},
        {DT_TIME, "h:mm:ss AM/PM", "13:05:09", "1:05:09 PM"},
        {DT_BOOLEAN, "Yes/No", "1", "Yes"},
        {DT_BOOLEAN, "Yes/No", "0", "No"},
        {DT_TEXT, "(###) ###-####", "5551234567", "(555) 123-4567"},
    };
    for (const Conversion& c : cases)
        EXPECT_EQ(c.to, ToShown(c.type, c.format, c.from)) << c.type << " " << c.format << " " << c.from;
}

TEST(RawDataToFormatedData, NullRawLeavesTheOutputAlone) {
    const MaskDataDesc desc = Desc(DT_CURRENCY, "0.00");
    char shown[16] = "untouched";
    EXPECT_EQ(1, RawDataToFormatedData(shown, nullptr, &desc, sizeof shown));
    EXPECT_STREQ("untouched", shown);
}

TEST(RawDataToFormatedData, EmptyRawGivesTheEmptyShownForm) {
    EXPECT_EQ("__/__/____", ToShown(DT_DATE, "mm/dd/yyyy", ""));
    EXPECT_EQ("(___) ___-____", ToShown(DT_TEXT, "(###) ###-####", ""));
}

// "(Default)", "" and a null format all stand for the type's default format, whose separators
// then come from the international defaults.
TEST(Conversions, DefaultKeywordIsTheDefaultFormat) {
    for (const char* format : {"(Default)", "", static_cast<const char*>(nullptr)}) {
        const char* name = format ? format : "null";
        EXPECT_EQ("($1,234.50)", ToShown(DT_CURRENCY, format, "-1234.5")) << name;
        EXPECT_EQ("-1234.5", ToRaw(DT_CURRENCY, format, "($1,234.50)")) << name;
        EXPECT_EQ("03/15/99", ToShown(DT_DATE, format, "1999-03-15")) << name;
        EXPECT_EQ("True", ToShown(DT_BOOLEAN, format, "1")) << name;
    }
}

TEST(GetDefaultFormatText, EmptyFieldText) {
    struct Case {
        short type;
        const char* format;
        const char* windowText;
        const char* expected;
    } const cases[] = {
        {DT_TEXT, "(###) ###-####", "", "(___) ___-____"},
        {DT_DATE, "mm/dd/yyyy", "", "__/__/____"},
        {DT_DATE, "mm/dd/yyyy", "03/15/1999", "__/__/____"},
        {DT_CURRENCY, "$#,##0.00", "", "$ .  "},
        {DT_WHOLE16, "#,##0", "", " "},  // its one always-shown zero as a space
        {DT_TIME, "hh:mm:ss", "", "__:__:__"},
        {42, "0", "", ""},
    };
    for (const Case& c : cases) {
        const MaskDataDesc desc = Desc(c.type, c.format);
        char out[PLM_TEXT_SIZE];
        memset(out, '#', sizeof out);
        EXPECT_EQ(out, GetDefaultFormatText(out, c.windowText, &desc, sizeof out));
        EXPECT_STREQ(c.expected, out) << c.type << " " << c.format << " '" << c.windowText << "'";
    }
}

TEST(GetDefaultFormatText, CutToTheBuffer) {
    const MaskDataDesc desc = Desc(DT_TEXT, "(###) ###-####");
    for (int size : {1, 2, 5}) {
        char out[8];
        memset(out, '#', sizeof out);
        GetDefaultFormatText(out, "", &desc, size);
        EXPECT_EQ(std::string("(___) ___-____").substr(0, size - 1), out) << size;
        EXPECT_EQ('#', out[size]) << size;
    }
}

TEST(MaskEditValidate, DatesAndTimes) {
    struct Case {
        const char* text;
        const char* format;
        int fieldType;
        BOOL valid;
    } const cases[] = {
        {"02/30/1999", "mm/dd/yyyy", 2, FALSE},
        {"02/28/1999", "mm/dd/yyyy", 2, TRUE},
        {"02/29/2000", "mm/dd/yyyy", 2, TRUE},
        {"25:00:00", "hh:mm:ss", 3, FALSE},
        {"23:59:59", "hh:mm:ss", 3, TRUE},
        {"1_:30", "hh:mm", 3, TRUE},   // the hour is not examined for digits
        {"10:3_", "hh:mm", 3, FALSE},  // a minute with one digit of two
        {"garbage", "mm/dd/yyyy", 0, TRUE},
        {"garbage", "mm/dd/yyyy", 4, TRUE},
        {"", "mm/dd/yyyy", 2, TRUE},
        {"12", "0", 5, TRUE},
        {"12", "0", 12, FALSE},
        {"12", "0", -1, FALSE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.valid, MaskEditValidate(c.text, c.format, c.fieldType)) << c.text << " " << c.format;
    EXPECT_TRUE(MaskEditValidate(nullptr, "mm/dd/yyyy", 2));
}

TEST(CheckTimeDigits, PartialFields) {
    struct Case {
        const char* text;
        const char* format;
        int expected;
    } const cases[] = {
        {"12:3_", "hh:mm", 0}, {"12:__", "hh:mm", 1}, {"12:30:5", "hh:mm:ss", 0}, {"12:30:", "hh:mm:ss", 1},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, CheckTimeDigits(c.text, c.format)) << c.text << " " << c.format;
}

}  // namespace
