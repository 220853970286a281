// The system edit control: text, selection, caret keys, typing, limit, read-only mode,
// clipboard, notifications and geometry, as the library's superclass relies on them.
#include <string.h>

#include <string>
#include <vector>

#include "message_log.h"
#include "support/hooks.h"

namespace {

constexpr int kEditId = 5;

std::pair<unsigned, unsigned> Sel(unsigned low, unsigned high) { return {low, high}; }

class EditTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = CreateWindowExA(0, RecorderClass(), "parent", WS_POPUP, 0, 0, 300, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(parent_, nullptr);
        edit_ = Create("hello", 0);
        ASSERT_NE(edit_, nullptr);
        GetKeyboardState(savedKeys_);
    }
    void TearDown() override {
        SetKeyboardState(savedKeys_);
        DestroyWindow(parent_);
    }

    HWND Create(const char* text, DWORD style, DWORD exStyle = 0, int width = 100, int height = 30) {
        return CreateWindowExA(exStyle, "Edit", text, WS_CHILD | style, 10, 10, width, height, parent_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), GetModuleHandleA(nullptr),
                               nullptr);
    }

    std::string Text(HWND edit = nullptr) {
        char text[64];
        GetWindowTextA(edit != nullptr ? edit : edit_, text, sizeof text);
        return text;
    }

    void SetText(const char* text, int start, int end) {
        SetWindowTextA(edit_, text);
        SendMessageA(edit_, EM_SETSEL, static_cast<WPARAM>(start), end);
    }

    // The selection as EM_GETSEL reports it, low end first.
    std::pair<unsigned, unsigned> Selection() {
        DWORD start = 0xFFFF, end = 0xFFFF;
        SendMessageA(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return Sel(start, end);
    }

    bool Modified() { return SendMessageA(edit_, EM_GETMODIFY, 0, 0) != 0; }

    void PressKey(UINT key, bool shift = false, bool control = false) {
        BYTE keys[256] = {};
        if (shift) keys[VK_SHIFT] = 0x80;
        if (control) keys[VK_CONTROL] = 0x80;
        SetKeyboardState(keys);
        SendMessageA(edit_, WM_KEYDOWN, key, 0);
        BYTE released[256] = {};
        SetKeyboardState(released);
    }

    // The notification codes the parent received since the last ClearLog, less the scrolling
    // ones (a multi-line control reports its scroll range changing).
    std::vector<WORD> Notifications() {
        const WORD kScrollNotifications = 0x0600;  // EN_HSCROLL 0x0601, EN_VSCROLL 0x0602
        std::vector<WORD> codes;
        for (const LoggedMessage& message : LoggedMessages()) {
            if (message.message != WM_COMMAND || LOWORD(message.wParam) != kEditId) continue;
            WORD code = HIWORD(message.wParam);
            if ((code & 0xFF00) != kScrollNotifications) codes.push_back(code);
        }
        return codes;
    }

    HWND parent_ = nullptr;
    HWND edit_ = nullptr;
    BYTE savedKeys_[256] = {};
};

std::string ClipboardText() {
    std::string text = "(none)";
    if (!OpenClipboard(nullptr)) return "(busy)";
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* bytes = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (bytes != nullptr) {
        text = bytes;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void PutOnClipboard(const char* text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
    memcpy(GlobalLock(block), text, strlen(text) + 1);
    GlobalUnlock(block);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

void EmptyTheClipboard() {
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

TEST_F(EditTest, SetSelClampsAndKeepsTheCaretEnd) {
    // On "hello": start, end -> EM_GETSEL low, high.
    const struct {
        WPARAM start;
        LPARAM end;
        DWORD low;
        DWORD high;
    } cases[] = {
        {1, 3, 1, 3}, {3, 1, 1, 3}, {2, -1, 2, 5}, {0, 99, 0, 5}, {99, 0, 0, 5},
        {static_cast<WPARAM>(-2), 2, 2, 5}, {5, 5, 5, 5}, {0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SendMessageA(edit_, EM_SETSEL, 0, 0);
        EXPECT_EQ(SendMessageA(edit_, EM_SETSEL, c.start, c.end), 1);
        EXPECT_EQ(Selection(), Sel(c.low, c.high)) << "EM_SETSEL " << static_cast<long long>(c.start)
                                                             << ", " << static_cast<long long>(c.end);
    }
}

TEST_F(EditTest, SetSelWithStartMinusOneCollapsesAtTheCaret) {
    const struct {
        int start;
        int end;
        int caret;  // where -1 leaves the caret: at the previous end
    } cases[] = {{1, 4, 4}, {4, 1, 1}, {3, 3, 3}};
    for (const auto& c : cases) {
        SendMessageA(edit_, EM_SETSEL, static_cast<WPARAM>(c.start), c.end);
        SendMessageA(edit_, EM_SETSEL, static_cast<WPARAM>(-1), 0);
        DWORD caret = static_cast<DWORD>(c.caret);
        EXPECT_EQ(Selection(), Sel(caret, caret)) << c.start << ", " << c.end;
    }
}

TEST_F(EditTest, GetSelAnswersBothForms) {
    SendMessageA(edit_, EM_SETSEL, 4, 2);
    EXPECT_EQ(SendMessageA(edit_, EM_GETSEL, 0, 0), MAKELONG(2, 4));
    DWORD start = 99;
    EXPECT_EQ(SendMessageA(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0), MAKELONG(2, 4));
    EXPECT_EQ(start, 2u);
    DWORD end = 99;
    EXPECT_EQ(SendMessageA(edit_, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end)), MAKELONG(2, 4));
    EXPECT_EQ(end, 4u);
}

// The caret keys move from the caret end of the selection; Shift keeps the anchor.
TEST_F(EditTest, CaretKeysMoveFromTheCaretEnd) {
    const struct {
        int start;
        int end;
        UINT key;
        bool shift;
        DWORD low;
        DWORD high;
    } cases[] = {
        {3, 1, VK_RIGHT, false, 2, 2}, {3, 1, VK_LEFT, false, 0, 0}, {1, 3, VK_LEFT, false, 2, 2},
        {1, 3, VK_LEFT, true, 1, 2},   {3, 1, VK_RIGHT, true, 2, 3}, {2, 2, VK_HOME, true, 0, 2},
        {2, 2, VK_HOME, false, 0, 0},  {2, 2, VK_END, false, 5, 5},  {1, 1, VK_END, true, 1, 5},
        {0, 0, VK_LEFT, false, 0, 0},  {5, 5, VK_RIGHT, false, 5, 5},
    };
    for (const auto& c : cases) {
        SendMessageA(edit_, EM_SETSEL, static_cast<WPARAM>(c.start), c.end);
        PressKey(c.key, c.shift);
        EXPECT_EQ(Selection(), Sel(c.low, c.high))
            << c.start << "," << c.end << " key " << c.key << (c.shift ? " with Shift" : "");
    }
    EXPECT_EQ(Text(), "hello");
}

TEST_F(EditTest, DeleteKeyRemovesTheSelectionOrTheNextCharacter) {
    const struct {
        int start;
        int end;
        const char* text;
        DWORD caret;
    } cases[] = {{1, 1, "hllo", 1}, {0, 2, "llo", 0}, {5, 5, "hello", 5}, {4, 1, "ho", 1}};
    for (const auto& c : cases) {
        SetText("hello", c.start, c.end);
        PressKey(VK_DELETE);
        EXPECT_EQ(Text(), c.text) << c.start << "," << c.end;
        EXPECT_EQ(Selection(), Sel(c.caret, c.caret)) << c.start << "," << c.end;
    }
}

TEST_F(EditTest, TypingReplacesTheSelection) {
    // Text and selection before, character typed, text and caret after.
    const struct {
        const char* before;
        int start;
        int end;
        UINT ch;
        const char* after;
        DWORD caret;
    } cases[] = {
        {"hello", 1, 3, 'X', "hXlo", 2}, {"hello", 5, 5, '!', "hello!", 6}, {"hello", 0, 5, 'a', "a", 1},
        {"hello", 2, 2, VK_BACK, "hllo", 1}, {"hello", 0, 2, VK_BACK, "llo", 0}, {"hello", 0, 0, VK_BACK, "hello", 0},
        {"hello", 1, 1, 0x01, "hello", 1}, {"hello", 1, 1, 0x7F, "hello", 1}, {"hello", 1, 1, '\t', "hello", 1},
        {"hello", 1, 1, '\r', "hello", 1}, {"ab", 1, 1, 0xE9, "a\xe9" "b", 2},
    };
    for (const auto& c : cases) {
        SetText(c.before, c.start, c.end);
        SendMessageA(edit_, WM_CHAR, c.ch, 0);
        EXPECT_EQ(Text(), c.after) << c.before << " " << c.start << "," << c.end << " char " << c.ch;
        EXPECT_EQ(Selection(), Sel(c.caret, c.caret)) << c.before << " char " << c.ch;
    }
}

TEST_F(EditTest, ModifyFlagFollowsUserChangesNotSetText) {
    EXPECT_TRUE(Modified());  // the creation text counts as a change
    HWND blank = Create("", 0);
    EXPECT_EQ(SendMessageA(blank, EM_GETMODIFY, 0, 0), 0);
    SetWindowTextA(edit_, "abc");
    EXPECT_FALSE(Modified());
    SendMessageA(edit_, WM_CHAR, 'x', 0);
    EXPECT_TRUE(Modified());
    SendMessageA(edit_, EM_SETMODIFY, FALSE, 0);
    EXPECT_FALSE(Modified());
    SendMessageA(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("y"));
    EXPECT_TRUE(Modified());
    SendMessageA(edit_, EM_SETMODIFY, FALSE, 0);
    SendMessageA(edit_, EM_SETSEL, 0, 1);
    EXPECT_FALSE(Modified());
}

TEST_F(EditTest, SetTextResetsTheSelectionAndIgnoresTheLimit) {
    SendMessageA(edit_, EM_LIMITTEXT, 4, 0);
    SendMessageA(edit_, EM_SETSEL, 1, 3);
    EXPECT_EQ(SendMessageA(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("abcdefgh")), TRUE);
    EXPECT_EQ(Text(), "abcdefgh");
    EXPECT_EQ(Selection(), Sel(0u, 0u));
    EXPECT_EQ(SendMessageA(edit_, WM_SETTEXT, 0, 0), TRUE);
    EXPECT_EQ(Text(), "");
}

TEST_F(EditTest, LimitTextDefaultsAndMaximum) {
    EXPECT_EQ(SendMessageA(edit_, EM_GETLIMITTEXT, 0, 0), 30000);
    SendMessageA(edit_, EM_LIMITTEXT, 7, 0);
    EXPECT_EQ(SendMessageA(edit_, EM_GETLIMITTEXT, 0, 0), 7);
    SendMessageA(edit_, EM_LIMITTEXT, 0, 0);
    EXPECT_EQ(SendMessageA(edit_, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
    HWND multi = Create("", ES_MULTILINE);
    SendMessageA(multi, EM_LIMITTEXT, 0, 0);
    EXPECT_EQ(static_cast<DWORD>(SendMessageA(multi, EM_GETLIMITTEXT, 0, 0)), 0xFFFFFFFFu);
}

// With a limit of 4: what typing and EM_REPLACESEL leave. A refused character still counts
// as a change and is reported after EN_MAXTEXT.
TEST_F(EditTest, LimitCutsTypingAndReplacement) {
    const struct {
        const char* before;
        int start;
        int end;
        const char* insert;  // one character: WM_CHAR; longer: EM_REPLACESEL
        const char* after;
        DWORD caret;
        std::vector<WORD> notifications;
    } cases[] = {
        {"abcd", 4, 4, "Z", "abcd", 4, {EN_MAXTEXT, EN_UPDATE, EN_CHANGE}},
        {"abcdef", 0, 3, "Z", "Zdef", 1, {EN_UPDATE, EN_CHANGE}},
        {"abc", 3, 3, "Z", "abcZ", 4, {EN_UPDATE, EN_CHANGE}},
        {"ab", 2, 2, "123456", "ab12", 4, {EN_MAXTEXT, EN_UPDATE, EN_CHANGE}},
        {"ab", 0, 2, "123456", "1234", 4, {EN_MAXTEXT, EN_UPDATE, EN_CHANGE}},
    };
    for (const auto& c : cases) {
        SendMessageA(edit_, EM_LIMITTEXT, 0, 0);
        SetText(c.before, c.start, c.end);
        SendMessageA(edit_, EM_LIMITTEXT, 4, 0);
        SendMessageA(edit_, EM_SETMODIFY, FALSE, 0);
        ClearLog();
        if (strlen(c.insert) == 1)
            SendMessageA(edit_, WM_CHAR, static_cast<unsigned char>(c.insert[0]), 0);
        else
            SendMessageA(edit_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(c.insert));
        EXPECT_EQ(Text(), c.after) << c.before << " + " << c.insert;
        EXPECT_EQ(Selection(), Sel(c.caret, c.caret)) << c.before << " + " << c.insert;
        EXPECT_TRUE(Modified()) << c.before << " + " << c.insert;
        EXPECT_EQ(Notifications(), c.notifications) << c.before << " + " << c.insert;
    }
}

TEST_F(EditTest, ReadOnlyRefusesUserEditsButNotReplaceSel) {
    SetText("hello", 0, 2);
    EXPECT_EQ(SendMessageA(edit_, EM_SETREADONLY, TRUE, 0), 1);
    EXPECT_NE(GetWindowLongA(edit_, GWL_STYLE) & ES_READONLY, 0);
    SendMessageA(edit_, WM_CHAR, 'Q', 0);
    SendMessageA(edit_, WM_CHAR, VK_BACK, 0);
    PressKey(VK_DELETE);
    SendMessageA(edit_, WM_CLEAR, 0, 0);
    PutOnClipboard("zz");
    SendMessageA(edit_, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(), "hello");
    EXPECT_FALSE(Modified());
    EXPECT_EQ(Selection(), Sel(0u, 2u));
    SendMessageA(edit_, WM_CUT, 0, 0);  // copies, deletes nothing
    EXPECT_EQ(ClipboardText(), "he");
    EXPECT_EQ(Text(), "hello");
    SendMessageA(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("RR"));
    EXPECT_EQ(Text(), "RRllo");
    SendMessageA(edit_, EM_SETREADONLY, FALSE, 0);
    EXPECT_EQ(GetWindowLongA(edit_, GWL_STYLE) & ES_READONLY, 0);
    SendMessageA(edit_, WM_CHAR, 'Q', 0);
    EXPECT_EQ(Text(), "RRQllo");
}

// Only EM_SETREADONLY makes the control read-only; the style bit alone does not.
TEST_F(EditTest, ReadOnlyStyleBitAloneChangesNothing) {
    SetText("ab", 2, 2);
    SetWindowLongA(edit_, GWL_STYLE, GetWindowLongA(edit_, GWL_STYLE) | ES_READONLY);
    SendMessageA(edit_, WM_CHAR, 'c', 0);
    EXPECT_EQ(Text(), "abc");
}

TEST_F(EditTest, CopyCutPasteAndClearGoThroughTheClipboard) {
    EmptyTheClipboard();
    SetText("hello", 3, 1);
    SendMessageA(edit_, WM_COPY, 0, 0);
    EXPECT_EQ(ClipboardText(), "el");
    EXPECT_EQ(Text(), "hello");
    SendMessageA(edit_, WM_CUT, 0, 0);
    EXPECT_EQ(Text(), "hlo");
    EXPECT_EQ(Selection(), Sel(1u, 1u));
    SendMessageA(edit_, EM_SETSEL, 0, 0);
    SendMessageA(edit_, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(), "elhlo");
    EXPECT_EQ(Selection(), Sel(2u, 2u));
    SendMessageA(edit_, EM_SETSEL, 0, 1);
    SendMessageA(edit_, WM_CLEAR, 0, 0);
    EXPECT_EQ(Text(), "lhlo");
    SendMessageA(edit_, EM_SETSEL, 2, 2);
    SendMessageA(edit_, WM_COPY, 0, 0);  // nothing selected: the clipboard keeps its text
    EXPECT_EQ(ClipboardText(), "el");
}

TEST_F(EditTest, SingleLinePasteStopsAtTheLineBreak) {
    const struct {
        const char* clipboard;
        const char* after;
    } cases[] = {{"ab\r\ncd", "abx"}, {"ab\ncd", "abx"}, {"\r\ncd", "x"}, {"plain", "plainx"}};
    for (const auto& c : cases) {
        SetText("x", 0, 0);
        PutOnClipboard(c.clipboard);
        SendMessageA(edit_, WM_PASTE, 0, 0);
        EXPECT_EQ(Text(), c.after) << c.clipboard;
    }
}

TEST_F(EditTest, ShiftDeleteCutsAndShiftInsertPastes) {
    EmptyTheClipboard();
    SetText("hello", 1, 4);
    PressKey(VK_DELETE, true);
    EXPECT_EQ(Text(), "ho");
    EXPECT_EQ(ClipboardText(), "ell");
    SendMessageA(edit_, EM_SETSEL, 1, 1);
    PressKey(VK_INSERT, true);
    EXPECT_EQ(Text(), "hello");
}

TEST_F(EditTest, NotificationsOfEachKindOfChange) {
    SetText("abc", 0, 1);
    const struct {
        const char* what;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        std::vector<WORD> notifications;
    } cases[] = {
        {"typing", WM_CHAR, 'x', 0, {EN_UPDATE, EN_CHANGE}},
        {"replacing", EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("y"), {EN_UPDATE, EN_CHANGE}},
        {"setting text", WM_SETTEXT, 0, reinterpret_cast<LPARAM>("new"), {EN_UPDATE, EN_CHANGE}},
        {"selecting", EM_SETSEL, 0, 2, {}},
        {"modify flag", EM_SETMODIFY, TRUE, 0, {}},
        {"limit", EM_LIMITTEXT, 10, 0, {}},
    };
    for (const auto& c : cases) {
        ClearLog();
        SendMessageA(edit_, c.message, c.wParam, c.lParam);
        EXPECT_EQ(Notifications(), c.notifications) << c.what;
    }
}

TEST_F(EditTest, MultiLineSetTextSendsNoChangeNotification) {
    HWND multi = Create("", ES_MULTILINE);
    ClearLog();
    SetWindowTextA(multi, "a\r\nb");
    EXPECT_TRUE(Notifications().empty());
    EXPECT_EQ(Text(multi), "a\r\nb");
}

TEST_F(EditTest, FocusChangesAreNotified) {
    ShowWindow(parent_, SW_SHOW);
    SetFocus(parent_);
    ClearLog();
    SetFocus(edit_);
    SetFocus(parent_);
    const std::vector<WORD> expected = {EN_SETFOCUS, EN_KILLFOCUS};
    EXPECT_EQ(Notifications(), expected);
}

TEST_F(EditTest, GetTextTruncatesAndTerminates) {
    char text[8];
    memset(text, '#', sizeof text);
    EXPECT_EQ(SendMessageA(edit_, WM_GETTEXT, 3, reinterpret_cast<LPARAM>(text)), 2);
    EXPECT_STREQ(text, "he");
    EXPECT_EQ(text[3], '#');
    memset(text, '#', sizeof text);
    EXPECT_EQ(SendMessageA(edit_, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(text)), 0);
    EXPECT_EQ(text[0], '#');
    EXPECT_EQ(SendMessageA(edit_, WM_GETTEXTLENGTH, 0, 0), 5);
}

TEST_F(EditTest, FontIsKept) {
    EXPECT_EQ(SendMessageA(edit_, WM_GETFONT, 0, 0), 0);
    LOGFONTA lf = {};
    lf.lfHeight = -20;
    HFONT font = CreateFontIndirectA(&lf);
    ASSERT_NE(font, nullptr);
    SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(edit_, WM_GETFONT, 0, 0)), font);
    SendMessageA(edit_, WM_SETFONT, 0, FALSE);
    DeleteObject(font);
}

// A plain WS_BORDER is drawn by the control inside its client area: the window loses the
// style, keeps its whole area as client, and the text starts two pixels in. A client edge is
// real non-client area, with one pixel of gap inside.
TEST_F(EditTest, BorderGeometry) {
    const struct {
        DWORD style;
        DWORD exStyle;
        LONG clientWidth;
        LONG clientHeight;
        LONG formatLeft;
        LONG formatTop;
        LONG formatRight;
    } cases[] = {
        {0, 0, 100, 30, 0, 0, 100},
        {WS_BORDER, 0, 100, 30, 2, 2, 98},
        {0, WS_EX_CLIENTEDGE, 96, 26, 1, 1, 95},
    };
    for (const auto& c : cases) {
        HWND edit = Create("", c.style, c.exStyle);
        EXPECT_EQ(GetWindowLongA(edit, GWL_STYLE) & WS_BORDER, 0);
        RECT client, format;
        GetClientRect(edit, &client);
        SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        EXPECT_EQ(client.right, c.clientWidth) << std::hex << c.style << " " << c.exStyle;
        EXPECT_EQ(client.bottom, c.clientHeight) << std::hex << c.style << " " << c.exStyle;
        EXPECT_EQ(format.left, c.formatLeft) << std::hex << c.style << " " << c.exStyle;
        EXPECT_EQ(format.top, c.formatTop) << std::hex << c.style << " " << c.exStyle;
        EXPECT_EQ(format.right, c.formatRight) << std::hex << c.style << " " << c.exStyle;
        EXPECT_GT(format.bottom, format.top);
        // A single-line control keeps its own formatting rectangle.
        RECT asked = {5, 6, 50, 20};
        SendMessageA(edit, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&asked));
        RECT after;
        SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&after));
        EXPECT_EQ(after.left, format.left);
        EXPECT_EQ(after.right, format.right);
        DestroyWindow(edit);
    }
}

TEST_F(EditTest, MultiLineTakesAFormattingRectangle) {
    HWND multi = Create("", ES_MULTILINE | ES_RIGHT);
    RECT asked = {5, 6, 50, 60};
    SendMessageA(multi, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&asked));
    RECT format;
    SendMessageA(multi, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    EXPECT_EQ(format.left, 5);
    EXPECT_EQ(format.top, 6);
    EXPECT_EQ(format.right, 50);
}

}  // namespace
