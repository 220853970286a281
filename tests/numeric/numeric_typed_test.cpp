// Typed get/set of numeric fields over a live edit window, as the typed value messages use them.
#include <gtest/gtest.h>
#include <plmedt60.h>

#include <string.h>

#include <string>

#include "engines/numeric/numeric.h"

namespace {

class NumericTyped : public ::testing::Test {
protected:
    void SetUp() override {
        m_hWnd = CreateWindowExA(0, "Edit", "", WS_POPUP, 0, 0, 200, 24, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, m_hWnd);
    }
    void TearDown() override {
        if (m_hWnd != nullptr) DestroyWindow(m_hWnd);
    }

    // The record of a field of `type` under `format`, with the shipped separators.
    MaskEditInfo Field(short type, const char* format) const {
        MaskEditInfo info{};
        info.hWnd = m_hWnd;
        info.nDataType = type;
        info.cDecimal = '.';
        info.cSeparator = ',';
        strcpy(info.szCurrency, "$");
        strncpy(info.szFormat, format, sizeof info.szFormat - 1);
        info.nFormatLen = static_cast<int>(strlen(info.szFormat));
        return info;
    }

    void Show(const char* text) { SetWindowTextA(m_hWnd, text); }
    std::string Shown() const {
        char text[PLM_TEXT_SIZE];
        GetWindowTextA(m_hWnd, text, sizeof text);
        return text;
    }

    HWND m_hWnd = nullptr;
};

TEST_F(NumericTyped, GetStringGivesThePlainForm) {
    struct Case {
        short type;
        const char* format;
        const char* shown;
        const char* plain;
    } const cases[] = {
        {DT_SINGLE, "0.00%", "12.50%", "12.50"},
        {DT_CURRENCY, "$#,##0.00;-$#,##0.00", "-$1,234.50", "($1,234.50)"},
        {DT_WHOLE8, "0", "-12", "-12"},
        {DT_WHOLE32, "0", "1234567", "1,234,567"},
        {DT_DOUBLE, "0.00", "", " .  "},  // an empty field reads as the empty plain form
    };
    for (const Case& c : cases) {
        const MaskEditInfo info = Field(c.type, c.format);
        Show(c.shown);
        char out[PLM_TEXT_SIZE];
        EXPECT_EQ(1, GetNumberString(out, &info, c.type == DT_CURRENCY, sizeof out));
        EXPECT_STREQ(c.plain, out) << c.shown << " under " << c.format;
    }
}

TEST_F(NumericTyped, SetStringShowsTheFieldsPicture) {
    struct Case {
        short type;
        const char* format;
        const char* plain;
        const char* shown;
    } const cases[] = {
        {DT_CURRENCY, "$#,##0.00;-$#,##0.00", "(1,234.50)", "-$1,234.50"},
        {DT_WHOLE16, "#,##0", "12.3", "13"},  // the plain form has no decimals: 12.3 is raised
        {DT_SINGLE, "0.00%", "-1,234.5", "-1234.50%"},
        {DT_DOUBLE, "0.00", "abc", " .  "},
    };
    for (const Case& c : cases) {
        const MaskEditInfo info = Field(c.type, c.format);
        EXPECT_EQ(1, SetNumberString(c.plain, &info, c.type == DT_CURRENCY));
        EXPECT_EQ(c.shown, Shown()) << c.plain << " under " << c.format;
    }
}

TEST_F(NumericTyped, ValuesRoundTripThroughTheWindow) {
    struct Case {
        const char* format;
        double value;
        const char* shown;
        double readBack;
    } const cases[] = {
        {"0.00", -5, "-5.00", -5},
        {"#,##0.00", 3000000000.25, "3,000,000,000.25", 3000000000.25},
        {"#,##0.00;(#,##0.00)", -0.5, "(0.50)", -0.5},
        {"0", 12.75, "12", 12},  // the whole part is truncated, never rounded up
        {"0.00", 0, "0.00", 0},
    };
    for (const Case& c : cases) {
        const MaskEditInfo info = Field(DT_DOUBLE, c.format);
        const double value = c.value;
        EXPECT_EQ(1, SetNumberValue(&value, &info));
        EXPECT_EQ(c.shown, Shown()) << c.value << " under " << c.format;
        double read = 12345;
        EXPECT_EQ(1, GetNumberValue(&read, &info));
        EXPECT_DOUBLE_EQ(c.readBack, read) << c.shown;
    }
}

TEST_F(NumericTyped, EmptyFieldAndMissingWindow) {
    MaskEditInfo info = Field(DT_DOUBLE, "0.00");
    Show("");
    double read = 12345;
    GetNumberValue(&read, &info);
    EXPECT_EQ(0, read);

    info.hWnd = nullptr;
    read = 12345;
    GetNumberValue(&read, &info);
    EXPECT_EQ(0, read);
    const double value = 7;
    EXPECT_EQ(1, SetNumberValue(&value, &info));
    EXPECT_EQ(1, SetNumberString("7", &info, FALSE));
    EXPECT_EQ(1, SetNumberValue(nullptr, &info));
    EXPECT_EQ(1, GetNumberValue(nullptr, &info));
    EXPECT_EQ(1, GetNumberString(nullptr, &info, FALSE, 16));
    EXPECT_EQ(1, GetNumberValue(&read, nullptr));
    EXPECT_EQ("", Shown());  // nothing reached the real window
}

TEST_F(NumericTyped, LongWindowTextIsReadUpTo255Characters) {
    const MaskEditInfo info = Field(DT_DOUBLE, "0.00");
    const std::string text = std::string(300, '9');
    Show(text.c_str());
    char out[8];
    memset(out, 0x7f, sizeof out);
    GetNumberString(out, &info, FALSE, 6);
    EXPECT_STREQ("999,9", out);  // the plain form cut at the caller's size
    EXPECT_EQ(0x7f, out[6]);
}

}  // namespace
