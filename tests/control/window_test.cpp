// The window procedure: focus looks, the empty text, frame and border, the read-only key filter
// and the caret at the entry position.
#include "control_fixture.h"

namespace {

std::pair<DWORD, DWORD> SelectionOf(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

// While focused an empty control shows the empty-field text, caret at the entry position, with
// no Change; leaving it untouched empties it. Not in design mode, nor with the mask disabled.
TEST_F(ControlTest, FocusShowsTheEmptyFieldTextAndLeavingRemovesIt) {
    struct Case { short type; const char* format; int mode; BOOL disableMask; const char* focused; DWORD caret; };
    const Case cases[] = {{DT_DATE, "mm/dd/yyyy", 2, FALSE, "__/__/____", 0}, {DT_TEXT, "(###)", 2, FALSE, "(___)", 1},
                          {DT_DATE, "mm/dd/yyyy", 1, FALSE, "", 0}, {DT_DATE, "mm/dd/yyyy", 2, TRUE, "", 0}};
    for (const Case& c : cases) {
        ProbeMaskEdit& control = Live(c.type, c.format);
        control.mode = c.mode;
        control.SetProperty(PROP_DISABLEMASK, c.disableMask);
        SetFocus(control.getHwnd());
        ASSERT_EQ(control.getHwnd(), GetFocus());
        EXPECT_EQ(c.focused, control.Text()) << c.format;
        EXPECT_EQ(std::make_pair(c.caret, c.caret), SelectionOf(control.getHwnd())) << c.format;
        SetFocus(frame);
        EXPECT_EQ("", control.Text()) << c.format;
        EXPECT_EQ("", control.Trace()) << c.format;
    }
    // A text differing in any character from the empty-field text outlives the focus; an empty
    // window text on the focused control shows the empty-field text.
    ProbeMaskEdit& control = Live(DT_DATE, "mm/dd/yyyy");
    HWND edit = control.getHwnd();
    SetFocus(edit);
    SetWindowTextA(edit, "__/__/___1");
    SetFocus(frame);
    EXPECT_EQ("__/__/___1", control.Text());
    SetFocus(edit);
    SetWindowTextA(edit, "");
    EXPECT_EQ("__/__/____", control.Text());
    control.SetProperty(PROP_DISABLEMASK, TRUE);
    EXPECT_EQ(0, SendMessageA(edit, WM_SETTEXT, 0, 0));
    EXPECT_EQ("__/__/____", control.Text());
}

// WS_BORDER reserves one pixel, the bevels one more; WM_PAINT draws the look over the frame.
TEST_F(ControlTest, BorderStyleSetsTheFrameAndItsLook) {
    const COLORREF white = RGB(255, 255, 255), black = 0, light = RGB(192, 192, 192), dark = RGB(127, 127, 127);
    struct Case { short style; LONG clientWidth; COLORREF pixels[4]; };  // at 0,0  99,0  1,1  98,18
    const Case cases[] = {{0, 100, {white, white, white, white}}, {1, 98, {black, black, white, white}},
                          {2, 96, {dark, white, black, light}},   {3, 96, {light, black, white, dark}}};
    const POINT at[4] = {{0, 0}, {99, 0}, {1, 1}, {98, 18}};
    for (const Case& c : cases) {
        HWND edit = Live(DT_TEXT, "").getHwnd();
        controls.back().SetProperty(PROP_BORDERSTYLE, c.style);
        RECT client = {};
        GetClientRect(edit, &client);
        EXPECT_EQ(c.clientWidth, client.right) << c.style;
        EXPECT_EQ(c.clientWidth - 80, client.bottom) << c.style;
        UpdateWindow(edit);
        HDC dc = GetWindowDC(edit);
        for (int k = 0; k < 4; ++k) EXPECT_EQ(c.pixels[k], GetPixel(dc, at[k].x, at[k].y)) << c.style << " " << k;
        ReleaseDC(edit, dc);
        EXPECT_EQ(1, SendMessageA(edit, WM_SETCURSOR, reinterpret_cast<WPARAM>(edit), 0));
    }
}

// Read-only: keys that would edit beep and raise KeyDown at WM_KEYDOWN only; the copy key and
// the other keys reach the input handling (the mask is off: a character raises Change). Cut
// still copies, paste is refused; both beep.
TEST_F(ControlTest, ReadOnlyRefusesEditing) {
    struct Case { UINT msg; WPARAM code; BYTE ctrl; int beeps; const char* trace; };
    const Case cases[] = {{WM_KEYDOWN, 'A', 0, 1, "D0"},    {WM_CHAR, 'a', 0, 1, ""},       {WM_KEYUP, 'A', 0, 0, ""},
                          {WM_KEYDOWN, VK_DELETE, 0, 1, "D0"}, {WM_CHAR, 8, 0, 1, ""},      {WM_KEYUP, VK_BACK, 0, 1, ""},
                          {WM_KEYDOWN, 'V', 0x80, 1, "D0"}, {WM_CHAR, 22, 0x80, 1, ""},    {WM_KEYDOWN, VK_INSERT, 0, 0, ""},
                          {WM_CHAR, 24, 0x80, 1, ""},      {WM_KEYDOWN, 'C', 0x80, 0, ""}, {WM_CHAR, 3, 0x80, 0, "C"},
                          {WM_PASTE, 0, 0, 1, ""},         {WM_CUT, 0, 0, 1, ""}};
    ProbeMaskEdit& control = Live(DT_TEXT, "");
    HWND edit = control.getHwnd();
    SetWindowTextA(edit, "abc");
    control.SetProperty(PROP_READONLY, TRUE);
    BYTE keys[256] = {};
    for (const Case& c : cases) {
        keys[VK_CONTROL] = c.ctrl;
        SetKeyboardState(keys);
        control.events.clear();
        SendMessageA(edit, EM_SETSEL, 0, 2);
        PutOnClipboard("old", nullptr);
#if PLM_HAVE_STANDIN_HOOKS
        PlwResetBeepCount();
#endif
        const LRESULT result = SendMessageA(edit, c.msg, c.code, 0);
#if PLM_HAVE_STANDIN_HOOKS  // real Win32 has no beep counter
        EXPECT_EQ(c.beeps, PlwBeepCount()) << c.msg << " " << c.code;
#endif
        EXPECT_EQ(c.trace, control.Trace()) << c.msg << " " << c.code;
        EXPECT_EQ(*c.trace == 'D' ? LONG(c.code) : 0, control.events.empty() ? 0 : std::get<1>(control.events[0]));
        EXPECT_EQ("abc", control.Text());
        EXPECT_EQ(c.code == 3 || c.msg == WM_CUT ? "ab" : "old", OnClipboard(CF_TEXT)) << c.msg << " " << c.code;
        if (c.msg == WM_CUT || c.msg == WM_PASTE) {
            EXPECT_EQ(c.msg == WM_CUT, result);  // what WM_COPY returns; a refused paste 0
        }
    }
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

// The entry position counts the leading literals; a click leaving the caret among them moves it
// there.
TEST_F(ControlTest, EntryPosition) {
    struct Case { const char* format; int mode; LONG entry; };
    const Case cases[] = {{"$#,##0.00;($#,##0.00)", 2, 1}, {"mm/dd/yyyy", 2, 0}, {"#,##0;(#,##0)", 2, 0},
                          {"\"ID \"####", 2, 3}, {" -.$ #", 2, 3}, {"\"abc", 2, 3}, {"(Default)", 1, 0},
                          {"(###)", 2, 1}};
    ProbeMaskEdit& control = Live(DT_TEXT, "");
    for (const Case& c : cases) {
        control.mode = c.mode;
        control.Set(PROP_DATAFORMAT, c.format);
        EXPECT_EQ(c.entry, control.Get(PROP_ENTRYPOS)) << c.format;
    }
    const DWORD clicks[][4] = {{0, 0, 1, 1}, {0, 1, 1, 1}, {0, 2, 0, 2}, {2, 2, 2, 2}};  // before -> after
    SetWindowTextA(control.getHwnd(), "(12_)");
    for (const DWORD* click : clicks) {
        SendMessageA(control.getHwnd(), EM_SETSEL, click[0], click[1]);
        SendMessageA(control.getHwnd(), WM_LBUTTONUP, 0, 0);
        EXPECT_EQ(std::make_pair(click[2], click[3]), SelectionOf(control.getHwnd())) << click[0] << "," << click[1];
    }
}

}  // namespace
