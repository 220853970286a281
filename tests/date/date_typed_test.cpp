// The typed get/set of a Date field: the conversion core, and the routines over a live window.
#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "engines/date/date.h"
#include "support/edit_window.h"

namespace {

constexpr char kSentinel = '\x7f';

std::string GetString(MaskEditInfo* info, int size = PLM_TEXT_SIZE) {
    char out[PLM_TEXT_SIZE + 1];
    memset(out, kSentinel, sizeof out);
    GetDateString(out, info, size);
    EXPECT_EQ(kSentinel, out[size]) << "written past size " << size;
    return out;
}

TEST(DateTypedCore, DefaultTextIsShownUnderTheFieldFormatAfterClamping) {
    struct Case { const char* text; const char* format; const char* shown; } cases[] = {
        {"12/25/99", "mmmm/dd/yyyy", "December/25/1999"}, {"02/30/99", "mm/dd/yyyy", "02/28/1999"},
        {"02/30/00", "mm/dd/yyyy", "02/29/2000"},         {"13/45/99", "mm/dd/yyyy", "12/31/1999"},
        {"12/__/__", "mm/dd/yyyy", "12/01/0000"},         {"", "mm/dd/yyyy", "__/__/____"},
        {nullptr, "mmm dd", "___ __"},
    };
    for (const Case& c : cases) {
        char out[PLM_TEXT_SIZE];
        ConvertDefaultDateToShown(out, PLM_TEXT_SIZE, c.text, c.format);
        EXPECT_STREQ(c.shown, out) << (c.text ? c.text : "(null)") << " under " << c.format;
    }
}

TEST(DateTypedWindow, StringsAndValuesGoThroughTheWindowText) {
    EditWindow window;
    MaskEditInfo info = window.Info(DT_DATE, "mmmm/dd/yyyy");
    SetDateString("12/25/99", &info);
    EXPECT_EQ("December/25/1999", window.Text());
    EXPECT_EQ("12/25/99", GetString(&info));

    info = window.Info(DT_DATE, "mm/dd/yyyy");
    SetDateString("", &info);
    EXPECT_EQ("__/__/____", window.Text());
    EXPECT_EQ("__/__/__", GetString(&info));
    // Values pass through unchecked.
    DateValue value = {5, 13, 2004, 0};
    SetDateValue(&value, &info);
    EXPECT_EQ("13/05/2004", window.Text());

    struct Case { const char* shown; int day, month, year, empty; } cases[] = {
        {"13/05/2004", 5, 13, 2004, 0}, {"__/__/____", -1, -1, -1, 1}, {"12/__/____", -1, 12, -1, 0},
    };
    for (const Case& c : cases) {
        window.SetText(c.shown);
        DateValue read = {9, 9, 9, 9};
        GetDateValue(&read, &info);
        EXPECT_EQ(c.day, read.nDay) << c.shown;
        EXPECT_EQ(c.month, read.nMonth) << c.shown;
        EXPECT_EQ(c.year, read.nYear) << c.shown;
        EXPECT_EQ(c.empty, read.bEmpty) << c.shown;
    }
}

TEST(DateTypedWindow, ReadsStayInTheirBuffersAndNeedAWindow) {
    EditWindow window;
    MaskEditInfo info = window.Info(DT_DATE, "mm/dd/yyyy");
    window.SetText(("12/25/1999/" + std::string(600, '9')).c_str());
    EXPECT_EQ("12/25/99", GetString(&info, 9));
    EXPECT_EQ("12/", GetString(&info, 4));

    info.hWnd = nullptr;
    SetDateString("12/25/99", &info);
    EXPECT_EQ("__/__/__", GetString(&info));
    DateValue value;
    GetDateValue(&value, &info);
    EXPECT_EQ(1, value.bEmpty);
    SetDateValue(nullptr, &info);
    GetDateValue(&value, nullptr);
}

}  // namespace
