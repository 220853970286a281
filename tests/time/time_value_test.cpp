// Time engine: typed get/set, through the window-free cores and over a live edit window.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "engines/time/time.h"

namespace {

constexpr char kSentinel = '\x7f';

MaskEditInfo InfoWithFormat(const char* format, HWND hWnd = nullptr) {
    MaskEditInfo info{};
    info.hWnd = hWnd;
    strncpy(info.szFormat, format, PLM_FORMAT_SIZE - 1);
    info.nFormatLen = static_cast<int>(strlen(info.szFormat));
    return info;
}

// A system edit control that lives for one test.
class EditWindow {
public:
    EditWindow()
        : m_hWnd(CreateWindowExA(0, "Edit", "", WS_POPUP | ES_AUTOHSCROLL, 0, 0, 240, 24, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr)) {}
    ~EditWindow() {
        if (m_hWnd != nullptr) DestroyWindow(m_hWnd);
    }
    EditWindow(const EditWindow&) = delete;
    EditWindow& operator=(const EditWindow&) = delete;

    HWND Handle() const { return m_hWnd; }
    std::string Text() const {
        char text[PLM_TEXT_SIZE] = "";
        GetWindowTextA(m_hWnd, text, sizeof text);
        return text;
    }
    void SetText(const char* text) const { SetWindowTextA(m_hWnd, text); }

private:
    HWND m_hWnd;
};

// --- the cores --------------------------------------------------------------------------------

struct ShowCase {
    const char* text;    // in the default time format
    const char* format;  // the field's
    const char* shown;
};

TEST(TimeStringToShownText, ShowsTheDefaultFormTimeInTheFieldsFormat) {
    const ShowCase cases[] = {
        {"2:05:00 PM", "hh:mm:ss", "14:05:00"},
        {"12:00:00 AM", "hh:mm:ss", "00:00:00"},
        {"9:30:15 AM", "h:mm AM/PM", "9:30 AM"},
        {"", "hh:mm:ss", "__:__:__"},
        {nullptr, "h:mm:ss AM/PM", "_:__:__ __"},
        {"25:70:00", "hh:mm:ss", "01:59:00"},  // out of range is normalised, not refused
        {"10:30:__ PM", "hh:mm:ss", "22:30:00"},
    };
    for (const ShowCase& c : cases) {
        char shown[PLM_TEXT_SIZE];
        TimeStringToShownText(shown, c.text, c.format, sizeof shown);
        EXPECT_STREQ(shown, c.shown) << (c.text ? c.text : "(null)") << " under " << c.format;
    }
}

TEST(ShownTextToTimeString, ReadsThePositionsAndWritesTheDefaultForm) {
    const ShowCase cases[] = {
        {"14:05:00", "hh:mm:ss", "2:05:00 PM"},
        {"00:15:00", "hh:mm:ss", "12:15:00 AM"},
        {"__:__:__", "hh:mm:ss", "_:__:__ __"},       // all blank reads as the empty time
        {"10:__:__ PM", "h:mm:ss AM/PM", "10:00:00 PM"},  // blank fields become 0
        {"12:30:00 AM", "h:mm:ss AM/PM", "12:30:00 AM"},
        {"99:75:00", "hh:mm:ss", "3:59:00 AM"},        // hour modulo 24, minutes cut
    };
    for (const ShowCase& c : cases) {
        MaskEditInfo info = InfoWithFormat(c.format);
        char out[PLM_TEXT_SIZE];
        ShownTextToTimeString(out, c.text, &info, sizeof out);
        EXPECT_STREQ(out, c.shown) << c.text << " under " << c.format;
    }
}

TEST(ShownTextToTimeString, SetsTheRecordsSeparatorFromItsFormat) {
    MaskEditInfo info = InfoWithFormat("hh.mm");
    info.cSeparator = '#';
    char out[PLM_TEXT_SIZE];
    ShownTextToTimeString(out, "10.30", &info, sizeof out);
    EXPECT_STREQ(out, "10:30:00 AM");
    EXPECT_EQ(info.cSeparator, '.');
}

// --- over a window ----------------------------------------------------------------------------

TEST(TimeTypedWindow, SetStringShowsTheFieldFormatAndGetStringReadsItBack) {
    EditWindow edit;
    ASSERT_NE(edit.Handle(), nullptr);
    MaskEditInfo info = InfoWithFormat("hh:mm:ss", edit.Handle());

    SetTimeString("2:05:00 PM", &info);
    EXPECT_EQ(edit.Text(), "14:05:00");
    char out[PLM_TEXT_SIZE];
    GetTimeString(out, &info);
    EXPECT_STREQ(out, "2:05:00 PM");

    SetTimeString("", &info);
    EXPECT_EQ(edit.Text(), "__:__:__");
    GetTimeString(out, &info);
    EXPECT_STREQ(out, "_:__:__ __");
}

TEST(TimeTypedWindow, GetStringCutsAtTheCallersBuffer) {
    EditWindow edit;
    ASSERT_NE(edit.Handle(), nullptr);
    MaskEditInfo info = InfoWithFormat("hh:mm:ss", edit.Handle());
    edit.SetText("14:05:00");
    char out[8];
    memset(out, kSentinel, sizeof out);
    GetTimeString(out, &info, 4);
    EXPECT_STREQ(out, "2:0");
    for (int i = 4; i < static_cast<int>(sizeof out); ++i) EXPECT_EQ(out[i], kSentinel);
}

TEST(TimeTypedWindow, SetValueWritesWithoutCheckingAndReportsTheDesignator) {
    EditWindow edit;
    ASSERT_NE(edit.Handle(), nullptr);
    MaskEditInfo info = InfoWithFormat("h:mm AM/PM", edit.Handle());
    TimeValue value = {0, 5, 13, 0, 0};
    SetTimeValue(&value, &info);
    EXPECT_EQ(edit.Text(), "1:05 PM");
    EXPECT_EQ(value.nAmPm, 2);

    info = InfoWithFormat("hh:mm", edit.Handle());
    TimeValue wide = {0, 75, 30, 0, 0};
    SetTimeValue(&wide, &info);
    EXPECT_EQ(edit.Text(), "30:75");
}

TEST(TimeTypedWindow, GetValueReadsByFormat) {
    EditWindow edit;
    ASSERT_NE(edit.Handle(), nullptr);
    MaskEditInfo info = InfoWithFormat("h:mm:ss AM/PM", edit.Handle());
    edit.SetText("10:30:__ PM");
    TimeValue value;
    memset(&value, 0x55, sizeof value);
    GetTimeValue(&value, &info);
    EXPECT_EQ(value.nHour, 22);
    EXPECT_EQ(value.nMinute, 30);
    EXPECT_EQ(value.nSecond, 0);
    EXPECT_EQ(value.bEmpty, 0);
    EXPECT_EQ(value.nAmPm, 2);

    edit.SetText("");
    GetTimeValue(&value, &info);
    EXPECT_EQ(value.bEmpty, 1);
}

TEST(TimeTypedWindow, NullPointersDoNothing) {
    EditWindow edit;
    ASSERT_NE(edit.Handle(), nullptr);
    edit.SetText("10:30");
    MaskEditInfo info = InfoWithFormat("hh:mm", edit.Handle());
    SetTimeString("1:00:00 PM", nullptr);
    SetTimeValue(nullptr, &info);
    GetTimeValue(nullptr, &info);
    GetTimeString(nullptr, &info);
    char out[4] = "xyz";
    GetTimeString(out, nullptr);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(edit.Text(), "10:30");
}

}  // namespace
