// The typed get/set of a Date field: the conversion core, and the routines over a live window.
#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "engines/date/date.h"
#include "module/module.h"

namespace {

constexpr char kSentinel = '\x7f';

// A system edit window standing in for the control's: the routines only read and write its text.
class DateWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        memset(&m_info, 0, sizeof m_info);
        m_info.nDataType = DT_DATE;
        // Wide and scrolling, so that a long text is never cut to the window's width.
        m_info.hWnd = CreateWindowExA(0, "Edit", "", WS_POPUP | ES_AUTOHSCROLL, 0, 0, 400, 24,
                                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, m_info.hWnd);
    }
    void TearDown() override {
        if (m_info.hWnd != nullptr) DestroyWindow(m_info.hWnd);
    }

    void UseFormat(const char* format) {
        strcpy(m_info.szFormat, format);
        m_info.nFormatLen = static_cast<int>(strlen(format));
    }
    void Show(const char* text) { SetWindowTextA(m_info.hWnd, text); }
    std::string Shown() const {
        char text[PLM_TEXT_SIZE];
        GetWindowTextA(m_info.hWnd, text, PLM_TEXT_SIZE);
        return text;
    }
    std::string GetString() {
        char out[PLM_TEXT_SIZE];
        memset(out, kSentinel, sizeof out);
        GetDateString(out, &m_info);
        return out;
    }

    MaskEditInfo m_info;
};

TEST(DateTypedCore, DefaultTextIsShownUnderTheFieldFormatAfterClamping) {
    struct Case {
        const char* text;
        const char* format;
        const char* shown;
    } cases[] = {
        {"12/25/99", "mmmm/dd/yyyy", "December/25/1999"},
        {"12/25/99", "yyyy-mm-dd", "1999-12-25"},
        {"02/30/99", "mm/dd/yyyy", "02/28/1999"},
        {"02/30/00", "mm/dd/yyyy", "02/29/2000"},
        {"13/45/99", "mm/dd/yyyy", "12/31/1999"},
        {"04/31/01", "mmm d yyyy", "Apr 30 2001"},
        {"12/__/__", "mm/dd/yyyy", "12/01/0000"},
        {"", "mm/dd/yyyy", "__/__/____"},
        {nullptr, "mmm dd", "___ __"},
    };
    for (const Case& c : cases) {
        char out[PLM_TEXT_SIZE];
        ConvertDefaultDateToShown(out, PLM_TEXT_SIZE, c.text, c.format);
        EXPECT_STREQ(c.shown, out) << (c.text ? c.text : "(null)") << " under " << c.format;
    }
}

TEST_F(DateWindowTest, SetStringShowsTheDateInTheFieldFormat) {
    UseFormat("mmmm/dd/yyyy");
    SetDateString("12/25/99", &m_info);
    EXPECT_EQ("December/25/1999", Shown());
    EXPECT_EQ("12/25/99", GetString());
}

TEST_F(DateWindowTest, SetStringClampsAnImpossibleDate) {
    UseFormat("mm/dd/yyyy");
    SetDateString("02/30/99", &m_info);
    EXPECT_EQ("02/28/1999", Shown());
}

TEST_F(DateWindowTest, EmptyStringShowsTheBlankForm) {
    UseFormat("mm/dd/yyyy");
    Show("12/25/1999");
    SetDateString("", &m_info);
    EXPECT_EQ("__/__/____", Shown());
    EXPECT_EQ("__/__/__", GetString());
}

TEST_F(DateWindowTest, SetValuePassesFieldsThroughUnchecked) {
    UseFormat("mm/dd/yyyy");
    DateValue value = {5, 13, 2004, 0};
    SetDateValue(&value, &m_info);
    EXPECT_EQ("13/05/2004", Shown());
    DateValue back;
    GetDateValue(&back, &m_info);
    EXPECT_EQ(5, back.nDay);
    EXPECT_EQ(13, back.nMonth);
    EXPECT_EQ(2004, back.nYear);
    EXPECT_EQ(0, back.bEmpty);
}

TEST_F(DateWindowTest, GetValueReadsBlankFields) {
    struct Case {
        const char* shown;
        int day, month, year, empty;
    } cases[] = {
        {"__/__/____", -1, -1, -1, 1},
        {"12/__/____", -1, 12, -1, 0},
        {"12/25/1999", 25, 12, 1999, 0},
    };
    UseFormat("mm/dd/yyyy");
    for (const Case& c : cases) {
        Show(c.shown);
        DateValue value = {9, 9, 9, 9};
        GetDateValue(&value, &m_info);
        EXPECT_EQ(c.day, value.nDay) << c.shown;
        EXPECT_EQ(c.month, value.nMonth) << c.shown;
        EXPECT_EQ(c.year, value.nYear) << c.shown;
        EXPECT_EQ(c.empty, value.bEmpty) << c.shown;
    }
}

TEST_F(DateWindowTest, GetStringReadsAtMostAWorkingText) {
    UseFormat("mm/dd/yyyy");
    std::string longText = "12/25/1999/" + std::string(600, '9');
    Show(longText.c_str());
    char out[16];
    memset(out, kSentinel, sizeof out);
    GetDateString(out, &m_info, 9);
    EXPECT_STREQ("12/25/99", out);
    EXPECT_EQ(kSentinel, out[9]);
    // The plain form cut to the caller's size.
    GetDateString(out, &m_info, 4);
    EXPECT_STREQ("12/", out);
}

TEST(DateTypedWithoutWindow, RoutinesDoNothingWithoutAWindow) {
    MaskEditInfo info = {};
    strcpy(info.szFormat, "mm/dd/yyyy");
    SetDateString("12/25/99", &info);
    char out[PLM_TEXT_SIZE];
    GetDateString(out, &info);
    EXPECT_STREQ("__/__/__", out);
    DateValue value;
    GetDateValue(&value, &info);
    EXPECT_EQ(1, value.bEmpty);
    SetDateValue(nullptr, &info);
    GetDateValue(&value, nullptr);
}

}  // namespace
