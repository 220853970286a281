// Number pictures: reading, writing, sections, conversion, digits and limits, without a window.
#include <gtest/gtest.h>
#include <plmedt60.h>

#include <math.h>
#include <string.h>

#include <string>

#include "engines/numeric/numeric.h"

namespace {

constexpr char kSentinel = '\x7f';

NumberFormatDesc Desc(const char* format, char decimal = '.', char separator = ',',
                      const char* currency = "$") {
    return NumberFormatDesc{format, currency, decimal, separator, NegativeMarker(format)};
}

NumberParts Parse(const char* text, const NumberFormatDesc& desc) {
    NumberParts parts;
    memset(&parts, 0x55, sizeof parts);  // every field must be written
    ParseNumberText(text, &desc, &parts);
    return parts;
}

std::string Format(const NumberFormatDesc& desc, const NumberParts& parts) {
    char out[PLM_TEXT_SIZE];
    EXPECT_EQ(1, FormatNumberText(out, &desc, &parts, sizeof out));
    return out;
}

TEST(ParseNumberText, ReadsTheParts) {
    struct Case {
        const char* text;
        const char* format;
        char decimal;
        double whole;
        double fraction;
        int negative;
        int empty;
    } const cases[] = {
        {"(1,234.50)", "#,##0.00;(#,##0.00)", '.', 1234, 0.5, 1, 0},
        {"$1,234.50", "$#,##0.00;($#,##0.00)", '.', 1234, 0.5, 0, 0},
        {"12.3", "#,##0", '.', 13, 0.3, 0, 0},      // no decimals in the picture: raised
        {"12.3", "#,##0.00", '.', 12, 0.3, 0, 0},
        {"12.", "#,##0", '.', 12, 0, 0, 0},          // a separator without digits raises nothing
        {"1.5E+2", "0.00", '.', 150, 0, 0, 0},
        {"1.5E2", "0.00", '.', 1, 0.5, 0, 0},        // no sign: the exponent is ignored
        {"1.5e-1", "0.00", '.', 0, 0.15, 0, 0},
        {"-12", "0", '.', 12, 0, 1, 0},
        {"12-", "0", '.', 12, 0, 1, 0},
        {"+12", "0", '.', 12, 0, 0, 0},
        {"~7", "0;~0", '.', 7, 0, 1, 0},
        {"((12", "0", '.', 0, 0, 1, 1},              // the second parenthesis stops the parse
        {"(1)(2", "0", '.', 2, 0, 1, 0},             // closed in between: no stop
        {"12 34", "0", '.', 34, 0, 0, 0},            // a later run replaces an earlier one
        {"1234567890123456789", "0", '.', 123456789012345.0, 0, 0, 0},
        {"1,234,5", "0", '.', 12345, 0, 0, 0},       // grouping characters anywhere in the run
        {"12.5", "0", '\0', 5, 0, 0, 0},             // no decimal separator: "." is skipped
        {"1,5", "0,00", ',', 1, 0.5, 0, 0},
        {"", "0", '.', 0, 0, 0, 1},
        {"abc", "0", '.', 0, 0, 0, 1},
        {".", "0.00", '.', 0, 0, 0, 1},
    };
    for (const Case& c : cases) {
        const char separator = c.decimal == ',' ? '.' : ',';
        const NumberParts parts = Parse(c.text, Desc(c.format, c.decimal, separator));
        EXPECT_DOUBLE_EQ(c.whole, parts.dWhole) << c.text << " under " << c.format;
        EXPECT_NEAR(c.fraction, parts.dFraction, 1e-15) << c.text << " under " << c.format;
        EXPECT_EQ(c.negative, parts.bNegative) << c.text << " under " << c.format;
        EXPECT_EQ(c.empty, parts.bEmpty) << c.text << " under " << c.format;
    }
}

TEST(ParseNumberText, SkipsTheCurrencySymbolByItsLength) {
    const NumberFormatDesc krona = Desc("0", '.', ',', "kr");
    EXPECT_DOUBLE_EQ(12, Parse("kr12", krona).dWhole);
    EXPECT_DOUBLE_EQ(2, Parse("k12", krona).dWhole);  // "k1" skipped as the symbol
    EXPECT_EQ(1, Parse("k", krona).bEmpty);           // the skip stops at the text's end
}

TEST(ParseNumberText, ExponentsScaleExactly) {
    // Bit-equal on both platforms: one runtime's pow(10, -3) is off in the last place.
    EXPECT_EQ(0.0015, Parse("1.5e-3", Desc("0.00")).dFraction);
    EXPECT_EQ(1e20, Parse("1E+20", Desc("0")).dWhole);
    EXPECT_EQ(1.25e40, Parse("1.25E+40", Desc("0")).dWhole);
}

TEST(ParseNumberText, HugeTextsAndExponentsStaySafe) {
    std::string digits(10000, '7');
    const NumberParts whole = Parse(digits.c_str(), Desc("0.00"));
    EXPECT_DOUBLE_EQ(777777777777777.0, whole.dWhole);

    const std::string fractionText = "0." + std::string(10000, '3');
    const NumberParts fraction = Parse(fractionText.c_str(), Desc("0.00"));
    EXPECT_NEAR(1.0 / 3, fraction.dFraction, 1e-15);

    const std::string tiny = "." + std::string(400, '0') + "1";
    EXPECT_EQ(0, Parse(tiny.c_str(), Desc("0.00")).dFraction);
    EXPECT_EQ(0, Parse(tiny.c_str(), Desc("0.00")).bEmpty);

    EXPECT_TRUE(isinf(Parse("1E+99999999999", Desc("0")).dWhole));
    const NumberParts zero = Parse("0E+99999", Desc("0"));
    EXPECT_EQ(0, zero.dWhole);  // zero times an overflowing scale is still zero, not NaN
    EXPECT_EQ(0, zero.dFraction);
}

TEST(DigitRunValue, ReadsTheFirstFifteenDigits) {
    struct Case {
        const char* run;
        double value;
    } const cases[] = {
        {"1,234", 1234}, {"-12", -12}, {"1-2", 12}, {"", 0},
        {"1234567890123456", 123456789012345.0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(c.value, DigitRunValue(c.run, static_cast<int>(strlen(c.run)))) << c.run;
    EXPECT_DOUBLE_EQ(12, DigitRunValue("1234", 2));  // the length bounds the run
    EXPECT_EQ(0, DigitRunValue(nullptr, 4));
}

TEST(FormatNumberText, WritesThePicture) {
    struct Case {
        const char* format;
        double whole;
        double fraction;
        int negative;
        int empty;
        const char* shown;
    } const cases[] = {
        {"#,##0.00;(#,##0.00)", 1234, 0.5, 1, 0, "(1,234.50)"},
        {"#,##0.00;(#,##0.00)", 1234, 0.5, 0, 0, "1,234.50"},
        {"#,##0.00", 0, 0, 0, 0, "0.00"},
        {"$#,##0.00", 0, 0, 0, 1, "$ .  "},
        {"0.###############", 0, 0.25, 0, 0, "0.25"},
        {"0.##", 5, 0, 0, 0, "5."},               // only the run's zeros go, not the separator
        {"0.0#", 0, 0.5, 0, 0, "0.5"},
        {"0.00", 0, 0.999, 0, 0, "0.99"},          // cut, not rounded
        {"000", 5, 0, 0, 0, "005"},
        {"0%", 50, 0, 0, 0, "50%"},
        {"#", 0, 0, 0, 0, ""},
        {"#,##0", 1234567, 0, 0, 0, "1,234,567"},
        {"#,##,##0", 1234567, 0, 0, 0, "1,234,567"},  // group size after the last grouping
        {"##,#0", 1234567, 0, 0, 0, "1,23,45,67"},     // size 2
        {"#,#", 1234, 0, 0, 0, "1234"},                // size 1: no grouping
        {",0", 1234, 0, 0, 0, "1234"},                 // a grouping character outside a run
        {"0.00 0", 5, 0.25, 0, 0, "5.25 5"},           // every whole run shows the whole part
        {"0\" pts\"", 5, 0, 0, 0, "5 pts"},
        {"0\";\"0", 5, 0, 0, 0, "5;5"},                 // a quoted ";" ends nothing
        {"\\$0", 5, 0, 0, 0, "$5"},
        {"\\\\0", 5, 0, 0, 0, "\\\\5"},
        {"0_)", 5, 0, 0, 0, "5"},
        {"0;-0", 5, 0, 1, 0, "-5"},
        {"0", 3000000000.0, 0, 0, 0, "3000000000"},
        {"#,##0", 0, 0, 0, 1, " "},
        {"0.00\"0\"", 0, 0, 0, 1, " .   "},             // blanking reaches literal zeros too
    };
    for (const Case& c : cases) {
        const NumberParts parts{c.whole, c.fraction, c.negative, c.empty};
        EXPECT_EQ(c.shown, Format(Desc(c.format), parts)) << c.format;
    }
}

TEST(FormatNumberText, FollowsTheGivenSeparators) {
    const NumberParts parts{1234, 0.5, 0, 0};
    EXPECT_EQ("1.234,50", Format(Desc("#.##0,00", ',', '.'), parts));
    EXPECT_EQ("1'234.50", Format(Desc("#'##0.00", '.', '\''), parts));
    EXPECT_EQ("1234,1234", Format(Desc("#,##0", '.', '\0'), parts));  // "," is a literal here
}

TEST(FormatNumberText, CutsAtTheBufferAndKeepsTheRestUntouched) {
    const NumberParts parts{1234567, 0.89, 0, 0};
    const NumberFormatDesc desc = Desc("#,##0.00");
    const char* full = "1,234,567.89";
    const int length = static_cast<int>(strlen(full));
    for (int size = 1; size <= length + 2; ++size) {
        char out[32];
        memset(out, kSentinel, sizeof out);
        FormatNumberText(out, &desc, &parts, size);
        const int kept = size - 1 < length ? size - 1 : length;
        EXPECT_EQ(std::string(full, kept), out) << size;
        for (int i = size; i < static_cast<int>(sizeof out); ++i)
            ASSERT_EQ(kSentinel, out[i]) << size;
    }
    char untouched = kSentinel;
    FormatNumberText(&untouched, &desc, &parts, 0);
    EXPECT_EQ(kSentinel, untouched);
}

TEST(FormatNumberText, LongPicturesFitTheBuffer) {
    const std::string zeros(10000, '0');
    const std::string fraction = "0." + std::string(10000, '#');
    const std::string quoted = "\"" + std::string(1000, 'x') + "\"0";
    const NumberParts parts{12, 0.5, 0, 0};
    char out[PLM_TEXT_SIZE + 1];
    out[PLM_TEXT_SIZE] = kSentinel;
    for (const std::string* format : {&zeros, &fraction, &quoted}) {
        const NumberFormatDesc desc = Desc(format->c_str());
        FormatNumberText(out, &desc, &parts, PLM_TEXT_SIZE);
        EXPECT_LE(strlen(out), static_cast<size_t>(PLM_TEXT_SIZE - 1));
        EXPECT_EQ(kSentinel, out[PLM_TEXT_SIZE]);
    }
    const NumberFormatDesc desc = Desc(fraction.c_str());
    FormatNumberText(out, &desc, &parts, PLM_TEXT_SIZE);
    // Once the fifteen fraction digits run out, a pending cut of trailing zeros closes.
    EXPECT_STREQ("12.500000000000000", out);
    const NumberFormatDesc quotedDesc = Desc(quoted.c_str());
    char wide[2048];
    FormatNumberText(wide, &quotedDesc, &parts, sizeof wide);
    EXPECT_EQ(255u + 2u, strlen(wide));  // quoted text is shown up to 255 characters
}

TEST(NegativeMarker, ComesFromTheFirstDifference) {
    struct Case {
        const char* format;
        char marker;
    } const cases[] = {
        {"0", '-'},          {"0;~0", '~'},      {"0; ~0", '~'},
        {"$#,##0.00;$-#,##0.00", '-'},           {"#,##0;(#,##0)", '-'},
        {"0;0", '-'},        {"0;", '-'},        {"00;0", '-'},
        {"0\";\"0", '-'},    {"", '-'},          {nullptr, '-'},
    };
    for (const Case& c : cases) EXPECT_EQ(c.marker, NegativeMarker(c.format)) << c.format;
}

TEST(SelectFormatSection, PicksTheSectionForTheSign) {
    struct Case {
        const char* format;
        BOOL negative;
        const char* section;
    } const cases[] = {
        {"  #,##0  ", FALSE, "#,##0"},
        {"  #,##0  ", TRUE, "-#,##0"},
        {" #,##0  ;  (#,##0) ", FALSE, "#,##0"},
        {" #,##0  ;  (#,##0) ", TRUE, "(#,##0) "},
        {"0; -  0", TRUE, "-0"},
        {"0\";\"0", TRUE, "-0\";\"0"},
        {"0;", TRUE, ""},
        {nullptr, TRUE, ""},
    };
    for (const Case& c : cases) {
        char out[PLM_FORMAT_SIZE];
        SelectFormatSection(out, c.format, c.negative, sizeof out);
        EXPECT_STREQ(c.section, out) << (c.format ? c.format : "(null)") << " " << c.negative;
    }
    char small[4];
    memset(small, kSentinel, sizeof small);
    SelectFormatSection(small, "#,##0", TRUE, 3);
    EXPECT_STREQ("-#", small);
    EXPECT_EQ(kSentinel, small[3]);
}

TEST(ConvertNumberText, ReadsUnderOnePictureAndWritesUnderAnother) {
    struct Case {
        const char* in;
        const char* from;
        const char* to;
        char toSeparator;
        const char* out;
    } const cases[] = {
        {"(1,234.50)", "#,##0.00;(#,##0.00)", "#,##0.00;(#,##0.00)", ',', "(1,234.50)"},
        {"1,234.567", "#,##0.00", "#,##0.00", ',', "1,234.56"},
        {"($1,234.50)", "$#,##0.00;($#,##0.00)", "0.###############", '\0', "-1234.5"},
        {"-5", "0", "0.00", ',', "-5.00"},
        {nullptr, "0", "$#,##0.00", ',', "$ .  "},
        {"7", nullptr, "$#,##0.00;($#,##0.00)", ',', "$ .  "},
        {"", "0", "0.00", ',', " .  "},
    };
    for (const Case& c : cases) {
        const FormatConvertDesc conv{c.from, c.to, '.', '.', ',', c.toSeparator};
        char out[PLM_TEXT_SIZE];
        EXPECT_EQ(1, ConvertNumberText(out, c.in, &conv, sizeof out));
        EXPECT_STREQ(c.out, out) << (c.in ? c.in : "(null)") << " to " << c.to;
    }
    char out[8] = "x";
    EXPECT_EQ(1, ConvertNumberText(out, "5", nullptr, sizeof out));
    EXPECT_STREQ("", out);
}

TEST(NumberDigits, GivesTheRoundedDigits) {
    struct Case {
        double value;
        int minDigits;
        int decimals;
        const char* digits;
    } const cases[] = {
        {1234, 0, 0, "1234"},      {5, 3, 0, "005"},           {0, 0, 0, ""},
        {0, 1, 0, "0"},            {0.25, 0, 15, ".250000000000000"},
        {-1.5, 0, 1, "-1.5"},      {0.0025, 0, 3, ".003"},     {12.346, 4, 2, "0012.35"},
    };
    for (const Case& c : cases) {
        char out[PLM_NUMBER_DIGITS_SIZE];
        NumberDigits(out, c.value, c.minDigits, c.decimals, sizeof out);
        EXPECT_STREQ(c.digits, out) << c.value;
    }
    char out[PLM_NUMBER_DIGITS_SIZE];
    EXPECT_EQ(309, NumberDigits(out, 1e308, 0, 0, sizeof out));
    EXPECT_EQ(7, NumberDigits(out, 1e308, 100000, 0, 8));  // padding stops at the buffer
}

TEST(CountSignificantDigits, CountsFromTheEnd) {
    struct Case {
        const char* text;
        int limit;
        BOOL more;
    } const cases[] = {
        {"1000", 1, FALSE},         {"1000", 0, TRUE},
        {"0.0012300", 6, FALSE},    {"0.0012300", 5, TRUE},
        {"10000000", 7, FALSE},     {"12345678", 7, TRUE},
        {"10000000.00", 7, TRUE},   {"$1,000,000.00", 7, FALSE},
        {"", 0, FALSE},             {nullptr, 0, FALSE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.more, CountSignificantDigits(c.text, c.limit, '.')) << c.text << " " << c.limit;
    EXPECT_TRUE(CountSignificantDigits("10,0", 1, ','));   // "," starts the count
    EXPECT_FALSE(CountSignificantDigits("10,0", 1, '.'));
}

TEST(DefaultNumberFormat, GivesThePlainFormOfEachType) {
    struct Case {
        short type;
        BOOL currency;
        const char* format;
    } const cases[] = {
        {DT_CURRENCY, TRUE, "$#,##0.00;($#,##0.00)"}, {DT_WHOLE16, TRUE, "$#,##0.00;($#,##0.00)"},
        {DT_WHOLE8, FALSE, "0"},                       {DT_WHOLE16, FALSE, "#,##0;-#,##0"},
        {DT_WHOLE32, FALSE, "#,##0;-#,##0"},           {DT_SINGLE, FALSE, "#,##0.00;-#,##0.00"},
        {DT_DOUBLE, FALSE, "#,##0.00;-#,##0.00"},      {DT_CURRENCY, FALSE, "0"},
    };
    for (const Case& c : cases) {
        char out[PLM_FORMAT_SIZE];
        DefaultNumberFormat(out, c.type, c.currency, sizeof out);
        EXPECT_STREQ(c.format, out) << c.type << " " << c.currency;
    }
    char small[6];
    memset(small, kSentinel, sizeof small);
    DefaultNumberFormat(small, DT_CURRENCY, TRUE, 5);
    EXPECT_STREQ("$#,#", small);
    EXPECT_EQ(kSentinel, small[5]);
}

TEST(NumericLimits, RefuseMagnitudesAndDigitsBeyondTheType) {
    struct Case {
        short type;
        double whole;
        double fraction;
        const char* text;
        NumericLimitUse use;
        BOOL exceeds;
    } const cases[] = {
        {DT_WHOLE8, 127, 0, "-127", LIMIT_KEYSTROKE, FALSE},
        {DT_WHOLE8, 128, 0, "128", LIMIT_KEYSTROKE, TRUE},
        {DT_WHOLE16, 32768, 0, "32768", LIMIT_TEXT, TRUE},
        {DT_WHOLE32, 2147483648.0, 0, "", LIMIT_KEYSTROKE, TRUE},
        {DT_WHOLE32, 2147483648.0, 0, "", LIMIT_TEXT, FALSE},  // the property check's own bound
        {DT_WHOLE32, 2147483649.0, 0, "", LIMIT_TEXT, TRUE},
        {DT_CURRENCY, 99999999999.0, 0.9999, "", LIMIT_KEYSTROKE, FALSE},
        {DT_CURRENCY, 100000000000.0, 0, "", LIMIT_KEYSTROKE, TRUE},
        {DT_CURRENCY, 1, 0.99995, "", LIMIT_KEYSTROKE, TRUE},
        {DT_CURRENCY, 1, 0.99995, "", LIMIT_TEXT, FALSE},
        {DT_SINGLE, 10000000, 0, "10000000", LIMIT_KEYSTROKE, FALSE},
        {DT_SINGLE, 12345678, 0, "12345678", LIMIT_TEXT, TRUE},
        {DT_SINGLE, 10000000, 0, "10000000.00", LIMIT_KEYSTROKE, TRUE},
        {DT_DOUBLE, 0, 0, "123456789012345", LIMIT_KEYSTROKE, FALSE},
        {DT_DOUBLE, 0, 0, "1234567890123456", LIMIT_KEYSTROKE, TRUE},
        {DT_TEXT, 1e300, 0, "1234567890123456", LIMIT_KEYSTROKE, FALSE},
    };
    for (const Case& c : cases) {
        const NumberParts parts{c.whole, c.fraction, 0, 0};
        EXPECT_EQ(c.exceeds, ExceedsNumericLimit(c.type, &parts, c.text, '.', c.use))
            << c.type << " " << c.whole << " " << c.text;
    }
    for (short type : {DT_TEXT, DT_DATE, DT_TIME, DT_BOOLEAN, DT_WHOLE_PLAIN}) {
        EXPECT_EQ(nullptr, FindNumericLimit(type)) << type;
        EXPECT_FALSE(IsNumericDataType(type)) << type;
    }
}

}  // namespace
