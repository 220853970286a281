// Keyboard input through the type engines, the parent notice and the events, cut, copy and paste.
#include "control_fixture.h"

namespace {

constexpr char kDeleteKey = '\x7f';  // in a key string: the Delete key
constexpr char kHomeKey = '\x02';    // in a key string: the Home key

// What the keyboard makes of each key: the Delete and Home keys as key down and up, Backspace as
// key down, its character and key up, every other key as its character only.
void Type(HWND edit, const char* keys) {
    for (const char* k = keys; *k != '\0'; ++k) {
        const WPARAM key = *k == kDeleteKey ? VK_DELETE : *k == kHomeKey ? VK_HOME : *k == '\b' ? VK_BACK : 0;
        if (key != 0) SendMessageA(edit, WM_KEYDOWN, key, 0);
        if (key == 0 || key == VK_BACK) SendMessageA(edit, WM_CHAR, static_cast<BYTE>(*k), 0);
        if (key != 0) SendMessageA(edit, WM_KEYUP, key, 0);
    }
}

// Ctrl and Shift for the key tests (the thread's key state) and the key events (the physical keys).
void HoldKeys(bool ctrl, bool shift) {
    keybd_event(VK_CONTROL, 0, ctrl ? 0 : KEYEVENTF_KEYUP, 0);
    keybd_event(VK_SHIFT, 0, shift ? 0 : KEYEVENTF_KEYUP, 0);
    BYTE keys[256] = {};
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
}

// Each data type's engine edits the focused field; the parent hears of an accepted key before
// Change, a refused one raises InvalidData, a refused Delete only its key events (a Date format
// without a date field refuses every key), KeyPress ends every character, the caret keys stay the
// edit control's, the key events carry the physical Shift (1) and Ctrl (2). With the mask off the
// edit control types and only Change is raised, also for a key it refused at its limit: MaxTextLen
// (2 here) limits only a plain text control, 32000 the others.
TEST_F(ControlTest, TypingGoesThroughTheTypeEngine) {
    struct Case { short type; const char* format; BOOL noMask; const char* keys; int held; const char *text, *trace; };
    const Case cases[] = {
        {DT_TEXT, "(###) ###-####", 0, "55a\t\b", 2, "(5__) ___-____", "NCPNCPNCPPD2NCPU2"},
        {DT_WHOLE16, "#,##0", 0, "40000\x02" "2", 0, "24,000", "NCPNCPNCPNCPIPNCP"},
        {DT_CURRENCY, "(Default)", 0, "12.5x", 0, "$12.50", "NCPNCPNCPNCPIP"},
        {DT_DATE, "x", 0, "1\x7f", 0, "x", "IPD0U0"},
        {DT_DATE, "mm/dd/yyyy", 0, "1225\b\b\x02\x7f", 1, "__/__/____", "NCPNCPNCPNCPD1NCPU1D1NCPU1NCD1U1"},
        {DT_TIME, "hh:mm", 0, "093", 3, "09:3_", "NCPNCPNCP"},
        {DT_BOOLEAN, "Yes/No", 0, "n?", 0, "No", "NCPIP"},
        {DT_TEXT, "", 0, "abc\b\b\b", 0, "", "CCCCC"},
        {DT_TEXT, "", 1, "abc\b", 0, "ab", "CCCC"},
        {DT_TEXT, "(###)", 1, "abc\b", 0, "ab", "CCCC"},
    };
    for (const Case& c : cases) {
        ProbeMaskEdit& control = Live(c.type, c.format);
        HWND edit = control.getHwnd();
        control.SetProperty(PROP_DISABLEMASK, c.noMask);
        control.SetProperty(PROP_MAXTEXTLEN, 2);
        EXPECT_EQ(c.format[0] != '\0' || c.noMask ? 32000 : 2, SendMessageA(edit, EM_GETLIMITTEXT, 0, 0));
        SetFocus(edit);
        control.events.clear();
        HoldKeys(c.held & 2, c.held & 1);
        Type(edit, c.keys);
        HoldKeys(false, false);
        EXPECT_EQ(c.text, control.Text()) << c.format;
        EXPECT_EQ(c.trace, control.Trace()) << c.format;
        std::string typed, pressed;
        for (const char* k = c.keys; *k != '\0'; ++k) typed += *k == kDeleteKey || *k == kHomeKey ? "" : std::string(1, *k);
        for (const auto& [code, key, shift] : control.events) pressed += code == EVENT_KEYPRESS ? std::string(1, char(key)) : "";
        EXPECT_EQ(c.trace[0] == 'C' ? "" : typed, pressed) << c.format;
    }
}

// Copy writes the selected shown text and, for the whole masked field, the type digit and the raw
// text; without a selection it writes nothing. Cut copies, then deletes through the engine; the
// cut key without a selection is typed as its character, WM_CUT deletes as the Delete key. Paste
// takes raw data of the field's type when the whole field is selected or the caret is at its
// start, else types the text in (dates and times skip a separator the engine passed by itself).
// The keys notify as typed keys; the messages raise nothing beyond what RawText raises.
TEST_F(ControlTest, ClipboardMessagesAndKeys) {
    struct Case { short type; const char* format; BOOL noMask; const char* text; int start, end; UINT msg; WPARAM key;
                  const char *plain, *raw, *shown, *trace, *plainAfter, *rawAfter; };
    const Case cases[] = {
        {DT_CURRENCY, "(Default)", 0, "$1,234.50", 0, 2, WM_COPY, 0, "old", nullptr, "$1,234.50", "", "$1", "-"},
        {DT_CURRENCY, "(Default)", 1, "$1,234.50", 0, -1, WM_COPY, 0, "old", nullptr, "$1,234.50", "", "$1,234.50", "-"},
        {DT_CURRENCY, "(Default)", 0, "$1,234.50", 0, -1, WM_CHAR, 3, "old", nullptr, "$1,234.50", "P", "$1,234.50", "11234.5"},
        {DT_DATE, "m/d/yy", 0, "3/5/99", 0, -1, WM_COPY, 0, "old", nullptr, "3/5/99", "", "3/5/99", "21999-03-05"},
        {DT_TEXT, "(###)", 0, "(12_)", 2, 2, WM_COPY, 0, "old", nullptr, "(12_)", "", "old", "-"},
        {DT_WHOLE16, "#,##0", 0, "1,234", 0, -1, WM_CHAR, 24, "old", nullptr, " ", "NCP", "1,234", "51234"},
        {DT_WHOLE16, "#,##0", 0, "1,234", 1, 1, WM_CHAR, 24, "old", nullptr, "1,234", "IP", "old", "-"},
        {DT_WHOLE16, "#,##0", 0, "1,234", 0, 0, WM_CUT, 0, "old", nullptr, "234", "", "old", "-"},
        {DT_WHOLE16, "#,##0", 0, "1,234", 0, 3, WM_CUT, 0, "old", nullptr, "34", "", "1,2", "-"},
        {DT_WHOLE16, "", 0, "1,234", 0, 2, WM_CUT, 0, "old", nullptr, "234", "", "1,", "-"},
        {DT_CURRENCY, "(Default)", 0, "$1.00", 0, -1, WM_CHAR, 22, "$9.00", "11234.5", "$1,234.50", "CCNCP", "$9.00", "11234.5"},
        {DT_CURRENCY, "(Default)", 0, "$1.00", 0, 0, WM_PASTE, 0, "$9.00", "11234.5", "$1,234.50", "CC", "$9.00", "11234.5"},
        {DT_TEXT, "(###)", 0, "(12_)", 1, 2, WM_PASTE, 0, "7", "0999", "(72_)", "", "7", "0999"},
        {DT_WHOLE16, "#,##0", 0, "5", 0, -1, WM_CHAR, 22, "12", "11234.5", "12", "NCP", "12", "11234.5"},
        {DT_DATE, "mm/dd/yyyy", 0, "__/__/____", 0, 0, WM_PASTE, 0, "12/25/1999", nullptr, "12/25/1999", "", "12/25/1999", "-"},
        {DT_TIME, "hh:mm", 0, "__:__", 0, 0, WM_PASTE, 0, "09:30", nullptr, "09:30", "", "09:30", "-"},
        {DT_BOOLEAN, "Yes/No", 0, "Yes", 0, 0, WM_PASTE, 0, "No", nullptr, "No", "", "No", "-"},
        {DT_TEXT, "(###)", 0, "(12_)", 1, 1, WM_CHAR, 22, nullptr, nullptr, "(12_)", "NCP", "-", "-"},
    };
    for (const Case& c : cases) {
        ProbeMaskEdit& control = Live(c.type, c.format);
        HWND edit = control.getHwnd();
        control.SetProperty(PROP_DISABLEMASK, c.noMask);
        SetWindowTextA(edit, c.text);
        SendMessageA(edit, EM_SETSEL, c.start, c.end);
        PutOnClipboard(c.plain, c.raw);
        control.events.clear();
        HoldKeys(c.msg == WM_CHAR, false);
        const LRESULT result = SendMessageA(edit, c.msg, c.key, 0);
        HoldKeys(false, false);
        const std::string row = c.text + std::to_string(c.msg) + "," + std::to_string(c.key);
        EXPECT_EQ(c.msg == WM_CHAR ? 0 : 1, result) << row;
        EXPECT_EQ(c.shown, control.Text()) << row;
        EXPECT_EQ(c.trace, control.Trace()) << row;
        EXPECT_EQ(c.plainAfter, OnClipboard(CF_TEXT)) << row;
        EXPECT_EQ(c.rawAfter, OnClipboard(CF_DSPTEXT)) << row;
        EXPECT_EQ(c.shown != std::string(c.text), SendMessageA(edit, EM_GETMODIFY, 0, 0) != 0) << row;
    }
}

}  // namespace
