// The numeric engine: number pictures, limits and keystrokes without a window, then the
// keystroke adapter and the typed get/set over a live edit window, then the no-heap rule.
#include <gtest/gtest.h>
#include <plmedt60.h>

#include <math.h>
#include <stdlib.h>
#include <string.h>

#include <new>
#include <string>

#include "engines/numeric/numeric.h"
#include "support/edit_window.h"

// Every operator new of the program is counted while a check is armed.
namespace {
bool g_countingAllocations = false;
int g_allocationCount = 0;
}  // namespace

void* operator new(size_t size) {
    if (g_countingAllocations) ++g_allocationCount;
    if (void* block = malloc(size != 0 ? size : 1)) return block;
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept { free(block); }
void operator delete(void* block, size_t) noexcept { free(block); }

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
    struct Case { const char *text, *format; char decimal; double whole, fraction;
                  int negative, empty; };
    const Case cases[] = {
        {"(1,234.50)", "#,##0.00;(#,##0.00)", '.', 1234, 0.5, 1, 0},
        {"12.3", "#,##0", '.', 13, 0.3, 0, 0},      // no decimals in the picture: raised
        {"12.3", "#,##0.00", '.', 12, 0.3, 0, 0},
        {"12.", "#,##0", '.', 12, 0, 0, 0},          // a separator without digits raises nothing
        {"1.5E+2", "0.00", '.', 150, 0, 0, 0},
        {"1.5E2", "0.00", '.', 1, 0.5, 0, 0},        // no sign: the exponent is ignored
        {"12-", "0", '.', 12, 0, 1, 0},
        {"~7", "0;~0", '.', 7, 0, 1, 0},
        {"((12", "0", '.', 0, 0, 1, 1},              // the second parenthesis stops the parse
        {"(1)(2", "0", '.', 2, 0, 1, 0},             // closed in between: no stop
        {"12 34", "0", '.', 34, 0, 0, 0},            // a later run replaces an earlier one
        {"1,234,5", "0", '.', 12345, 0, 0, 0},       // grouping characters anywhere in the run
        {"12.5", "0", '\0', 5, 0, 0, 0},             // no decimal separator: "." is skipped
        {"1,5", "0,00", ',', 1, 0.5, 0, 0},
        {"", "0", '.', 0, 0, 0, 1},
        {".", "0.00", '.', 0, 0, 0, 1},
    };
    for (const Case& c : cases) {
        const NumberFormatDesc desc = Desc(c.format, c.decimal, c.decimal == ',' ? '.' : ',');
        const NumberParts parts = Parse(c.text, desc);
        EXPECT_DOUBLE_EQ(c.whole, parts.dWhole) << c.text << " under " << c.format;
        EXPECT_NEAR(c.fraction, parts.dFraction, 1e-15) << c.text << " under " << c.format;
        EXPECT_EQ(c.negative, parts.bNegative) << c.text << " under " << c.format;
        EXPECT_EQ(c.empty, parts.bEmpty) << c.text << " under " << c.format;
    }
    const NumberFormatDesc krona = Desc("0", '.', ',', "kr");
    EXPECT_DOUBLE_EQ(2, Parse("k12", krona).dWhole);  // the symbol is skipped by its length
    EXPECT_EQ(1, Parse("k", krona).bEmpty);           // and not past the text's end
}

TEST(ParseNumberText, ExponentsScaleExactlyAndHugeTextsStaySafe) {
    // Bit-equal on both platforms: one runtime's pow(10, -3) is off in the last place.
    EXPECT_EQ(0.0015, Parse("1.5e-3", Desc("0.00")).dFraction);
    EXPECT_EQ(1.25e40, Parse("1.25E+40", Desc("0")).dWhole);
    EXPECT_TRUE(isinf(Parse("1E+99999999999", Desc("0")).dWhole));
    EXPECT_EQ(0, Parse("0E+99999", Desc("0")).dWhole);  // not NaN
    EXPECT_DOUBLE_EQ(777777777777777.0, Parse(std::string(10000, '7').c_str(), Desc("0")).dWhole);
    const std::string third = "0." + std::string(10000, '3');
    EXPECT_NEAR(1.0 / 3, Parse(third.c_str(), Desc("0.00")).dFraction, 1e-15);
    const std::string tiny = "." + std::string(400, '0') + "1";
    EXPECT_EQ(0, Parse(tiny.c_str(), Desc("0.00")).dFraction);
    EXPECT_EQ(0, Parse(tiny.c_str(), Desc("0.00")).bEmpty);
}

TEST(DigitRunValue, ReadsTheFirstFifteenDigits) {
    EXPECT_DOUBLE_EQ(-12, DigitRunValue("-1,2", 4));
    EXPECT_DOUBLE_EQ(12, DigitRunValue("1-234", 3));  // the length bounds the run
    EXPECT_DOUBLE_EQ(123456789012345.0, DigitRunValue("1234567890123456", 16));
    EXPECT_EQ(0, DigitRunValue(nullptr, 4));
}

TEST(FormatNumberText, WritesThePicture) {
    struct Case { const char* format; double whole, fraction; int negative, empty;
                  const char* shown; };
    const Case cases[] = {
        {"#,##0.00;(#,##0.00)", 1234, 0.5, 1, 0, "(1,234.50)"},
        {"#,##0.00", 0, 0, 0, 0, "0.00"},
        {"$#,##0.00", 0, 0, 0, 1, "$ .  "},
        {"0.###############", 0, 0.25, 0, 0, "0.25"},
        {"0.##", 5, 0, 0, 0, "5."},                    // only the run's zeros go
        {"0.0#", 0, 0.5, 0, 0, "0.5"},
        {"0.00", 0, 0.999, 0, 0, "0.99"},               // cut, not rounded
        // Once the fifteen fraction digits run out, a pending cut of trailing zeros closes.
        {"0.#################", 12, 0.5, 0, 0, "12.500000000000000"},
        {"000", 5, 0, 0, 0, "005"},
        {"#", 0, 0, 0, 0, ""},
        {"#,##,##0", 1234567, 0, 0, 0, "1,234,567"},   // group size after the last grouping
        {"##,#0", 1234567, 0, 0, 0, "1,23,45,67"},
        {"#,#", 1234, 0, 0, 0, "1234"},                // size 1: no grouping
        {",0", 1234, 0, 0, 0, "1234"},                 // a grouping character outside a run
        {"0.00 0", 5, 0.25, 0, 0, "5.25 5"},           // every whole run shows the whole part
        {"0\";\"0", 5, 0, 0, 0, "5;5"},                 // a quoted ";" ends nothing
        {"\\$0", 5, 0, 0, 0, "$5"},
        {"\\\\0", 5, 0, 0, 0, "\\\\5"},
        {"0_)", 5, 0, 0, 0, "5"},
        {"0", 3000000000.0, 0, 0, 0, "3000000000"},
        {"0.00\"0\"", 0, 0, 0, 1, " .   "},             // blanking reaches literal zeros too
    };
    for (const Case& c : cases) {
        const NumberParts parts{c.whole, c.fraction, c.negative, c.empty};
        EXPECT_EQ(c.shown, Format(Desc(c.format), parts)) << c.format;
    }
    const NumberParts parts{1234, 0.5, 0, 0};
    EXPECT_EQ("1.234,50", Format(Desc("#.##0,00", ',', '.'), parts));
    EXPECT_EQ("1234,1234", Format(Desc("#,##0", '.', '\0'), parts));  // "," is a literal here
}

TEST(FormatNumberText, StaysWithinTheBuffer) {
    const NumberParts parts{1234567, 0.89, 0, 0};
    const NumberFormatDesc desc = Desc("#,##0.00");
    const std::string full = "1,234,567.89";
    for (int size = 0; size <= static_cast<int>(full.size()) + 2; ++size) {
        char out[32];
        memset(out, kSentinel, sizeof out);
        FormatNumberText(out, &desc, &parts, size);
        const int kept = size > 0 ? size - 1 : 0;
        EXPECT_EQ(full.substr(0, kept), size > 0 ? std::string(out) : "") << size;
        for (int i = size; i < static_cast<int>(sizeof out); ++i) ASSERT_EQ(kSentinel, out[i]);
    }
    const std::string zeros(10000, '0');
    EXPECT_EQ(std::string(PLM_TEXT_SIZE - 1, '0'), Format(Desc(zeros.c_str()), parts));
    const std::string quoted = "\"" + std::string(1000, 'x') + "\"0";
    char wide[2048];
    const NumberFormatDesc quotedDesc = Desc(quoted.c_str());
    FormatNumberText(wide, &quotedDesc, &parts, sizeof wide);
    EXPECT_EQ(255u + 7u, strlen(wide));  // quoted text is shown up to 255 characters
}

TEST(NegativeMarker, ComesFromTheFirstDifference) {
    struct Case { const char* format; char marker; };
    const Case cases[] = {
        {"0", '-'}, {"0;~0", '~'}, {"0; ~0", '~'}, {"$#,##0.00;$-#,##0.00", '-'},
        {"#,##0;(#,##0)", '-'}, {"0;0", '-'}, {"0;", '-'}, {"0\";\"0", '-'}, {nullptr, '-'},
    };
    for (const Case& c : cases) EXPECT_EQ(c.marker, NegativeMarker(c.format)) << c.format;
}

TEST(SelectFormatSection, PicksTheSectionForTheSign) {
    struct Case { const char* format; BOOL negative; const char* section; int size; };
    const Case cases[] = {
        {"  #,##0  ", FALSE, "#,##0", 64},          {"  #,##0  ", TRUE, "-#,##0", 64},
        {" #,##0  ;  (#,##0) ", FALSE, "#,##0", 64}, {" #,##0  ;  (#,##0) ", TRUE, "(#,##0) ", 64},
        {"0; -  0", TRUE, "-0", 64},                 {"0\";\"0", TRUE, "-0\";\"0", 64},
        {"0;", TRUE, "", 64},                        {nullptr, TRUE, "", 64},
        {"#,##0", TRUE, "-#", 3},
    };
    for (const Case& c : cases) {
        char out[PLM_FORMAT_SIZE + 1];
        memset(out, kSentinel, sizeof out);
        SelectFormatSection(out, c.format, c.negative, c.size);
        EXPECT_STREQ(c.section, out) << (c.format ? c.format : "(null)") << " " << c.negative;
        EXPECT_EQ(kSentinel, out[c.size]);
    }
}

TEST(ConvertNumberText, WithoutAnInputWritesTheEmptyTemplate) {
    char out[PLM_TEXT_SIZE];
    const FormatConvertDesc noSource{nullptr, "$#,##0.00;($#,##0.00)", '.', '.', ',', ','};
    EXPECT_EQ(1, ConvertNumberText(out, "7", &noSource, sizeof out));
    EXPECT_STREQ("$ .  ", out);
    EXPECT_EQ(1, ConvertNumberText(out, "5", nullptr, sizeof out));
    EXPECT_STREQ("", out);
}

TEST(NumberDigits, GivesTheRoundedDigits) {
    char out[PLM_NUMBER_DIGITS_SIZE];
    NumberDigits(out, 12.346, 4, 2, sizeof out);
    EXPECT_STREQ("0012.35", out);
    NumberDigits(out, -0.25, 0, 15, sizeof out);
    EXPECT_STREQ("-.250000000000000", out);  // no integer digit below 1
    EXPECT_EQ(0, NumberDigits(out, 0, 0, 0, sizeof out));
    EXPECT_EQ(309, NumberDigits(out, 1e308, 0, 0, sizeof out));
    EXPECT_EQ(7, NumberDigits(out, 1e308, 100000, 0, 8));  // padding stops at the buffer
}

TEST(CountSignificantDigits, CountsFromTheEnd) {
    EXPECT_FALSE(CountSignificantDigits("0.0012300", 6, '.'));  // leading zeros count too
    EXPECT_TRUE(CountSignificantDigits("0.0012300", 5, '.'));
    EXPECT_TRUE(CountSignificantDigits("10,0", 1, ','));        // the separator starts the count
    EXPECT_FALSE(CountSignificantDigits(nullptr, 0, '.'));
}

TEST(DefaultNumberFormat, FollowsTheCurrencyFormFirst) {
    char out[PLM_FORMAT_SIZE];
    DefaultNumberFormat(out, DT_CURRENCY, FALSE, sizeof out);
    EXPECT_STREQ("0", out);        // the currency form only when asked for...
    memset(out, kSentinel, sizeof out);
    DefaultNumberFormat(out, DT_WHOLE16, TRUE, 5);
    EXPECT_STREQ("$#,#", out);     // ...by any type; cut at the size
    EXPECT_EQ(kSentinel, out[5]);
}

// The keystroke bounds of types 4 and 8 are exercised through keys; these are the others.
TEST(NumericLimits, RefuseMagnitudesAndDigitsBeyondTheType) {
    struct Case { short type; double whole, fraction; const char* text; NumericLimitUse use;
                  BOOL exceeds; };
    const Case cases[] = {
        {DT_WHOLE16, 32768, 0, "", LIMIT_TEXT, TRUE},
        {DT_WHOLE32, 2147483648.0, 0, "", LIMIT_KEYSTROKE, TRUE},
        {DT_WHOLE32, 2147483648.0, 0, "", LIMIT_TEXT, FALSE},  // the property check's own bound
        {DT_WHOLE32, 2147483649.0, 0, "", LIMIT_TEXT, TRUE},
        {DT_CURRENCY, 99999999999.0, 0.9999, "", LIMIT_KEYSTROKE, FALSE},
        {DT_CURRENCY, 100000000000.0, 0, "", LIMIT_KEYSTROKE, TRUE},
        {DT_CURRENCY, 1, 0.99995, "", LIMIT_KEYSTROKE, TRUE},
        {DT_CURRENCY, 1, 0.99995, "", LIMIT_TEXT, FALSE},
        {DT_SINGLE, 12345678, 0, "12345678", LIMIT_TEXT, TRUE},
        {DT_DOUBLE, 0, 0, "123456789012345", LIMIT_KEYSTROKE, FALSE},
        {DT_DOUBLE, 0, 0, "1234567890123456", LIMIT_KEYSTROKE, TRUE},
        {DT_TEXT, 1e300, 0, "1234567890123456", LIMIT_KEYSTROKE, FALSE},
    };
    for (const Case& c : cases) {
        const NumberParts parts{c.whole, c.fraction, 0, 0};
        EXPECT_EQ(c.exceeds, ExceedsNumericLimit(c.type, &parts, c.text, '.', c.use))
            << c.type << " " << c.whole << " " << c.text;
    }
    for (short type : {DT_TEXT, DT_DATE, DT_TIME, DT_BOOLEAN, DT_WHOLE_PLAIN})
        EXPECT_FALSE(IsNumericDataType(type)) << type;
}

const char* const kCurrency = "$#,##0.00;($#,##0.00)";
const char* const kParens = "#,##0.00;(#,##0.00)";
const char* const DEL = PLM_NUMERIC_KEY_DELETE;
const char* const BS = PLM_NUMERIC_KEY_BACKSPACE;

// The window-free core reads no window: a record without one.
MaskEditInfo Record(const char* format, short type, short entryPos) {
    MaskEditInfo info{nullptr, type, ',', '.', "$", "", 0, 0, 0, entryPos};
    strcpy(info.szFormat, format);
    return info;
}

// Each row is one keystroke: the shown text and selection before it, the text and caret after.
TEST(NumericKey, AppliesKeysToTheShownNumber) {
    // shown nullptr: refused, nothing changes
    struct Case { const char* format; short type, entryPos; const char* text; int start, end;
                  const char *key, *shown; int caret; };
    const Case cases[] = {
        {kCurrency, DT_CURRENCY, 1, "$0.00", 0, 0, "5", "$5.00", 2},  // a leading zero is replaced
        {kCurrency, DT_CURRENCY, 1, "$5.00", 2, 2, "-", "($5.00)", 3},
        {kCurrency, DT_CURRENCY, 0, "($5.00)", 3, 3, "+", "$5.00", 2},
        {kCurrency, DT_CURRENCY, 1, "($5.00)", 0, 0, "+", "$5.00", 2},
        {kCurrency, DT_CURRENCY, 1, "$123.00", 4, 4, "4", "$1,234.00", 6},  // past the new ","
        {kCurrency, DT_CURRENCY, 1, "$1,234.00", 1, 6, "9", "$9.00", 2},
        {"$#,##0.00", DT_CURRENCY, 1, "$5.00", 0, 5, DEL, "$ .  ", 1},     // the empty template
        {"#,##0.00", DT_DOUBLE, 0, " .  ", 0, 0, "5", "5.00", 1},          // typed into it
        {"0", DT_WHOLE16, 0, " ", 0, 0, "1", "1", 1},
        {"#,##0", DT_WHOLE32, 0, "1,234", 2, 2, BS, "234", 0},             // passes over ","
        {"#,##0", DT_WHOLE32, 0, "1,234", 1, 1, DEL, "1,234", 2},          // steps over ","
        {kParens, DT_DOUBLE, 0, "(5.00)", 1, 1, BS, "5.00", 0},          // both signs go
        {kParens, DT_DOUBLE, 0, "(5.00)", 5, 5, DEL, "5.00", 4},
        {kParens, DT_DOUBLE, 0, "(5.00)", 0, 0, DEL, "5.00", 1},
        {"0;(0", DT_DOUBLE, 0, "(15", 3, 3, BS, "1", 1},                 // one "(" alone: no sign
        {"#,##0.00", DT_DOUBLE, 0, "12.50", 0, 0, ".", "12.50", 3},
        {"#,##0.00", DT_DOUBLE, 0, "12.50", 2, 2, DEL, "12.50", 3},         // "." always stays
        {"0.00", DT_DOUBLE, 0, "0.00", 1, 1, "5", "5.00", 1},              // not past the "."
        {"0.00", DT_DOUBLE, 0, "0.00", 0, 0, "0", "0.00", 0},
        {"0.00", DT_DOUBLE, 0, "1.25", 2, 2, "7", "1.72", 3},              // overwrites decimals
        {"0.00", DT_DOUBLE, 0, "1.25", 3, 3, "3", "1.23", 4},
        {"0.00", DT_DOUBLE, 0, "1.25", 4, 4, "3", nullptr, 0},             // behind the last one
        {"0", DT_WHOLE8, 0, "12", 2, 2, "7", "127", 3},
        {"0", DT_WHOLE8, 0, "12", 2, 2, "8", nullptr, 0},
        {"0", DT_WHOLE8, 0, "127", 0, 0, "-", "-127", 0},
        {"0", DT_WHOLE8, 0, "-12", 3, 3, "8", nullptr, 0},                 // the range is symmetric
        {"0", DT_SINGLE, 0, "1000000", 7, 7, "0", "10000000", 8},          // one significant digit
        {"0", DT_SINGLE, 0, "1234567", 7, 7, "8", nullptr, 0},
        {"0.00", DT_SINGLE, 0, "1000000.00", 7, 7, "0", nullptr, 0},       // the decimals count
        {kParens, DT_DOUBLE, 0, "(1,234.50)", 0, 0, "a", nullptr, 0},      // letters nowhere
        {kParens, DT_DOUBLE, 0, "(1,234.50)", 10, 10, "a", nullptr, 0},
        {kParens, DT_DOUBLE, 0, "(1,234.50)", 3, 3, "-", nullptr, 0},      // a second sign...
        {kParens, DT_DOUBLE, 0, "(1,234.50)", 0, 0, "-", "(1,234.50)", 1}, // ...only at 0
    };
    for (const Case& c : cases) {
        const MaskEditInfo info = Record(c.format, c.type, c.entryPos);
        NumericEditState state{{}, c.start, c.end, FALSE};
        strcpy(state.szText, c.text);
        const bool applied = c.shown != nullptr;
        SCOPED_TRACE(std::string(c.text) + " at " + std::to_string(c.start) + ", key " + c.key);
        EXPECT_EQ(applied ? 1 : 0, NumericKeyCore(&state, &info, c.key));
        EXPECT_STREQ(applied ? c.shown : c.text, state.szText);
        EXPECT_EQ(applied ? c.caret : c.start, state.nSelStart);
        EXPECT_EQ(applied ? c.caret : c.end, state.nSelEnd);
        EXPECT_EQ(applied, state.bModified != 0);
    }
}

TEST(NumericKey, TheLongestTextStaysInItsBuffers) {
    const MaskEditInfo info = Record("0", DT_TEXT, 0);  // no limit stops the longest edit
    NumericEditState state;
    memset(state.szText, '9', sizeof state.szText);     // not even terminated
    state.nSelStart = state.nSelEnd = 1000;
    EXPECT_EQ(1, NumericKeyCore(&state, &info, "9"));
    EXPECT_STREQ("999999999999999", state.szText);      // fifteen digits count
    EXPECT_EQ(0, NumericKeyCore(nullptr, &info, "9") + NumericKeyCore(&state, &info, nullptr));
}

// The adapter: the keys of the example above typed into a live window.
TEST(NumericKey, WritesTextCaretAndModifiedFlagToTheWindow) {
    EditWindow window;
    MaskEditInfo info = window.Info(DT_CURRENCY, kCurrency, ',');
    strcpy(info.szCurrency, "$");
    window.Show("$0.00", 0, 0);
    struct Step { const char* key; int applied; const char* shown; int caret; };
    const Step steps[] = {{"5", 1, "$5.00", 2}, {"-", 1, "($5.00)", 3}, {"+", 1, "$5.00", 2},
                          {"x", 0, "$5.00", 2}, {"1", 1, "$51.00", 3}};
    for (const Step& step : steps) {
        SendMessageA(window.Handle(), EM_SETMODIFY, FALSE, 0);
        EXPECT_EQ(step.applied, NumericKey(&info, step.key)) << step.key;
        EXPECT_EQ(step.shown, window.Text()) << step.key;
        int start = -1, end = -1;
        window.Selection(&start, &end);
        EXPECT_EQ(step.caret, start) << step.key;
        EXPECT_EQ(step.caret, end) << step.key;
        EXPECT_EQ(step.applied != 0, window.Modified()) << step.key;
    }
    window.Show("$12.00", 0, 6);  // the selection's end comes from the high word
    EXPECT_EQ(1, NumericKey(&info, DEL));
    EXPECT_EQ("$ .  ", window.Text());
    info.hWnd = nullptr;
    EXPECT_EQ(0, NumericKey(&info, "5"));
    EXPECT_EQ(0, NumericKey(nullptr, "5"));
}

// Set from the plain form, show under the field's picture, read back in the plain form.
TEST(NumericTyped, PlainStringsRoundTripThroughTheWindow) {
    struct Case { short type; const char *format, *plain, *shown, *back; };
    const Case cases[] = {
        {DT_CURRENCY, "$#,##0.00;-$#,##0.00", "(1,234.50)", "-$1,234.50", "($1,234.50)"},
        {DT_SINGLE, "0.00%", "12.5", "12.50%", "12.50"},
        {DT_WHOLE8, "0", "-12", "-12", "-12"},
        {DT_WHOLE16, "#,##0", "12.3", "13", "13"},  // the plain form has no decimals: raised
        {DT_WHOLE32, "0", "1,234,567", "1234567", "1,234,567"},
        {DT_DOUBLE, "0.00", "abc", " .  ", " .  "},  // no number: the empty form both ways
    };
    EditWindow window;
    for (const Case& c : cases) {
        const MaskEditInfo info = window.Info(c.type, c.format, ',');
        EXPECT_EQ(1, SetNumberString(c.plain, &info, c.type == DT_CURRENCY));
        EXPECT_EQ(c.shown, window.Text()) << c.plain << " under " << c.format;
        char out[PLM_TEXT_SIZE];
        EXPECT_EQ(1, GetNumberString(out, &info, c.type == DT_CURRENCY, sizeof out));
        EXPECT_STREQ(c.back, out) << c.shown << " under " << c.format;
    }
}

TEST(NumericTyped, ValuesRoundTripThroughTheWindow) {
    struct Case { const char* format; double value; const char* shown; double back; };
    const Case cases[] = {
        {"0.00", -5, "-5.00", -5},
        {"#,##0.00", 3000000000.25, "3,000,000,000.25", 3000000000.25},
        {"#,##0.00;(#,##0.00)", -0.5, "(0.50)", -0.5},
        {"0", 12.75, "12", 12},  // the whole part is truncated, never rounded up
        {"0.00", 0, "0.00", 0},  // zero is a value, not an empty field
    };
    EditWindow window;
    for (const Case& c : cases) {
        const MaskEditInfo info = window.Info(DT_DOUBLE, c.format, ',');
        EXPECT_EQ(1, SetNumberValue(&c.value, &info));
        EXPECT_EQ(c.shown, window.Text()) << c.value << " under " << c.format;
        double read = 12345;
        EXPECT_EQ(1, GetNumberValue(&read, &info));
        EXPECT_DOUBLE_EQ(c.back, read) << c.shown;
    }
}

TEST(NumericTyped, OverlongAndMissingWindows) {
    EditWindow window;
    MaskEditInfo info = window.Info(DT_DOUBLE, "0.00", ',');
    window.SetText(std::string(300, '9').c_str());
    char out[8];
    memset(out, kSentinel, sizeof out);
    EXPECT_EQ(1, GetNumberString(out, &info, FALSE, 6));
    EXPECT_STREQ("999,9", out);  // the plain form cut at the caller's size
    EXPECT_EQ(kSentinel, out[6]);
    info.hWnd = nullptr;         // reads as an empty field
    double read = 12345;
    EXPECT_EQ(1, GetNumberValue(&read, &info));
    EXPECT_EQ(0, read);
    EXPECT_EQ(2, SetNumberValue(nullptr, &info) + GetNumberString(nullptr, &info, FALSE, 16));
}

// Keystrokes run the conversions several times each: none of them may touch the heap.
TEST(NumericAllocation, ConversionsAndKeystrokesUseNoHeap) {
    char out[PLM_TEXT_SIZE];
    g_allocationCount = 0;
    g_countingAllocations = true;
    for (const char* format : {kCurrency, "0.###############", "#,##0", "0.00%"}) {
        const MaskEditInfo info = Record(format, DT_CURRENCY, 1);
        const FormatConvertDesc conv{format, kCurrency, '.', '.', ',', ','};
        for (const char* text : {"($1,234.50)", "0.25", "12.3", "1.5E+2", ""}) {
            ConvertNumberText(out, text, &conv, sizeof out);
            ShownToPlainNumber(out, text, &info, TRUE, sizeof out);
            PlainToShownNumber(out, text, &info, TRUE, sizeof out);
            for (const char* key : {"5", "-", "+", ".", DEL, BS, "a"}) {
                NumericEditState state{{}, 1, 1, FALSE};
                strcpy(state.szText, text);
                NumericKeyCore(&state, &info, key);
            }
        }
        NumberValueToShown(out, -3000000000.25, &info, sizeof out);
    }
    g_countingAllocations = false;
    EXPECT_EQ(0, g_allocationCount);
}

}  // namespace
