// True/False engine: reading a shown word, writing a value, converting between word pairs.
#include <gtest/gtest.h>

#include <string.h>

#include "engines/boolean/boolean.h"

namespace {

constexpr char kSentinel = '\x7f';

struct ParseCase {
    const char* text;
    const char* format;
    int value;
};

TEST(ParseBooleanText, LeadingDigitDecidesUnderAnyFormat) {
    const ParseCase cases[] = {
        {"1", "Yes/No", 1}, {"0", "Yes/No", 0}, {"2", "Yes/No", 2},
        {"1", "yes/no", 1}, {"1", "On", 1},     {"2", "", 2},
        {"1xyz", nullptr, 1}, {"0Yes", "Yes/No", 0},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(ParseBooleanText(c.text, c.format), c.value) << c.text << " under " << c.format;
}

TEST(ParseBooleanText, UpperCasedTextIsMatchedAgainstTheWordsAsWritten) {
    const ParseCase cases[] = {
        {"Yes", "Yes/No", 1},
        {"no", "Yes/No", 0},
        {"nes", "Yes/No", 0},    // the first letter decides
        {"Xes", "Yes/No", 0},    // never decided: false
        {"t", "True/False", 1},
        {"Trfe", "True/False", 1},
        {"AB", "AB/AC", 1},      // a shared letter decides nothing; the next one does
        {"AC", "AB/AC", 0},
        {"A", "AB/AC", 0},
        {"xB", "AB/AC", 1},      // the cursors step on over an undecided character
        {"Yes", "Y/Yes", 0},     // words ended or lower case: nothing matches after "Y"
        {"Yes", "Yes/Yep", 0},
        {"yes", "yes/no", 0},    // a lower-case format matches only by digits
        {"YES", "yes/no", 0},
        {"Maybe", "Yes/No/Maybe", 0},  // the false word runs on to the end of the format
        {"Yes", "On", 0},        // no '/': false
        {"", "Yes/No", 0},
        {nullptr, "Yes/No", 0},
        {"Yes", nullptr, 0},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(ParseBooleanText(c.text, c.format), c.value)
            << (c.text ? c.text : "(null)") << " under " << (c.format ? c.format : "(null)");
}

struct WriteCase {
    const char* format;
    int value;
    const char* expected;
    int hasSlash;
};

TEST(FormatBooleanText, WritesTheWordOfTheValue) {
    const WriteCase cases[] = {
        {"Yes/No", 1, "Yes", 1},       {"Yes/No", 0, "No", 1},
        {"Yes/No", 2, "2", 1},         {"Yes/No", 7, "No", 1},
        {"Yes/No", -1, "No", 1},       {"1/0", 1, "1", 1},
        {"1/0", 0, "0", 1},            {"On", 1, "On", 0},
        {"On", 2, "On", 0},            {"Yes/No/Maybe", 0, "No", 1},
        {"Yes/No/Maybe", 1, "Yes", 1}, {"/No", 1, "", 1},
        {"Yes/", 0, "", 1},            {"", 1, "", 0},
        {nullptr, 1, "", 0},
    };
    for (const WriteCase& c : cases) {
        char out[PLM_TEXT_SIZE];
        EXPECT_EQ(FormatBooleanText(out, c.format, c.value, sizeof out) != 0, c.hasSlash != 0)
            << c.format;
        EXPECT_STREQ(out, c.expected) << (c.format ? c.format : "(null)") << " value " << c.value;
    }
}

TEST(FormatBooleanText, CutsAtTheBufferSize) {
    const struct {
        int size;
        const char* expected;
    } cases[] = {{1, ""}, {3, "Tr"}, {4, "Tru"}, {5, "True"}, {6, "True"}};
    for (const auto& c : cases) {
        char out[8];
        memset(out, kSentinel, sizeof out);
        FormatBooleanText(out, "True/False", 1, c.size);
        EXPECT_STREQ(out, c.expected) << "size " << c.size;
        for (int i = c.size; i < static_cast<int>(sizeof out); ++i)
            ASSERT_EQ(out[i], kSentinel) << "size " << c.size << " wrote at " << i;
    }
    char untouched = kSentinel;
    EXPECT_EQ(FormatBooleanText(&untouched, "Yes/No", 1, 0), 0);
    EXPECT_EQ(untouched, kSentinel);
}

struct ConvertCase {
    const char* src;
    const char* from;
    const char* to;
    const char* expected;
};

TEST(ConvertBooleanText, WritesUnderTheTargetTheValueReadUnderTheSource) {
    const ConvertCase cases[] = {
        {"Yes", "Yes/No", "1/0", "1"},
        {"No", "Yes/No", "1/0", "0"},
        {"1", "1/0", "True/False", "True"},
        {"0", "1/0", "True/False", "False"},
        {"2", "1/0", "T/F", "2"},
        {"", "Yes/No", "True/False", "False"},
        {nullptr, "Yes/No", "True/False", "False"},
        {"Yes", nullptr, "True/False", "False"},  // no source format: false
        {"Yes", "Yes/No", "On", "On"},
        {"Yes", "Yes/No", nullptr, ""},
    };
    for (const ConvertCase& c : cases) {
        FormatConvertDesc desc = {c.from, c.to, 0, 0, 0, 0};
        char out[PLM_TEXT_SIZE];
        EXPECT_EQ(ConvertBooleanText(out, c.src, &desc, sizeof out), 1);
        EXPECT_STREQ(out, c.expected) << (c.src ? c.src : "(null)");
    }
    char out[8];
    EXPECT_EQ(ConvertBooleanText(out, "Yes", nullptr, sizeof out), 1);
    EXPECT_STREQ(out, "");
}

}  // namespace
