// The system controls and the clipboard: the edit control's text, selection, keys, limit,
// read-only mode, clipboard commands, notifications and geometry, as the library's superclass
// relies on them; the clipboard's opening rules and ownership of data; the list box's strings.
#include <string.h>

#include <string>
#include <vector>

#include "message_log.h"
#include "support/hooks.h"

namespace {

constexpr int kEditId = 5;
constexpr char kSentinel = '#';
constexpr BYTE kShift = 1;
constexpr BYTE kControl = 2;

LPARAM AsParam(const char* text) { return reinterpret_cast<LPARAM>(text); }

HGLOBAL TextBlock(const char* text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
    memcpy(GlobalLock(block), text, strlen(text) + 1);
    GlobalUnlock(block);
    return block;
}

void PutOnClipboard(const char* text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, TextBlock(text));
    CloseClipboard();
}

std::string ClipboardText() {
    if (!OpenClipboard(nullptr)) return "(busy)";
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* bytes = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    std::string text = bytes != nullptr ? bytes : "(none)";
    if (bytes != nullptr) GlobalUnlock(data);
    CloseClipboard();
    return text;
}

// An edit control "hello" in a recording parent, which logs the control's notifications.
class EditTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = CreateWindowExA(0, RecorderClass(), "parent", WS_POPUP, 0, 0, 300, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(parent_, nullptr);
        edit_ = Create("hello", 0);
        GetKeyboardState(savedKeys_);
    }
    void TearDown() override {
        SetKeyboardState(savedKeys_);
        DestroyWindow(parent_);
    }

    HWND Create(const char* text, DWORD style, DWORD exStyle = 0) {
        return CreateWindowExA(exStyle, "Edit", text, WS_CHILD | style, 10, 10, 100, 30, parent_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), GetModuleHandleA(nullptr),
                               nullptr);
    }
    std::string Text(HWND edit = nullptr) {
        char text[64];
        GetWindowTextA(edit != nullptr ? edit : edit_, text, sizeof text);
        return text;
    }
    void Show(const char* text, int start, int end) {
        SetWindowTextA(edit_, text);
        SendMessageA(edit_, EM_SETSEL, static_cast<WPARAM>(start), end);
    }
    // The selection as EM_GETSEL reports it, "low,high".
    std::string Selection() {
        DWORD low = 0xFFFF, high = 0xFFFF;
        SendMessageA(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
        return std::to_string(low) + "," + std::to_string(high);
    }
    bool Modified() { return SendMessageA(edit_, EM_GETMODIFY, 0, 0) != 0; }
    void PressKey(UINT key, BYTE modifiers) {
        BYTE keys[256] = {};
        keys[VK_SHIFT] = (modifiers & kShift) ? 0x80 : 0;
        keys[VK_CONTROL] = (modifiers & kControl) ? 0x80 : 0;
        SetKeyboardState(keys);
        SendMessageA(edit_, WM_KEYDOWN, key, 0);
        SetKeyboardState(savedKeys_);
    }
    // Notification codes the parent received since the last ClearLog, less the scrolling ones
    // (a multi-line control reports its scroll range).
    std::vector<WORD> Notifications() {
        const WORD kScrollNotifications = 0x0600;  // EN_HSCROLL 0x0601, EN_VSCROLL 0x0602
        std::vector<WORD> codes;
        for (const LoggedMessage& message : LoggedMessages()) {
            WORD code = HIWORD(message.wParam);
            if (message.message == WM_COMMAND && (code & 0xFF00) != kScrollNotifications) codes.push_back(code);
        }
        return codes;
    }

    HWND parent_ = nullptr;
    HWND edit_ = nullptr;
    BYTE savedKeys_[256] = {};
};

// One message to an edit control showing `before` with the selection start..end while the
// clipboard holds `clipboard`: what it then shows, its selection (EM_GETSEL: low first) and what
// it copied (null: the clipboard is untouched). EM_SETSEL clamps and keeps the order; start -1
// collapses the selection at the caret end. The caret keys move from the caret end and Shift
// keeps the anchor; Shift+Delete cuts, Shift+Insert pastes, Control+Insert copies. A
// single-line control pastes up to the first line break.
TEST_F(EditTest, MessagesEditTheTextSelectionAndClipboard) {
    const WPARAM kMinusOne = static_cast<WPARAM>(-1), kMinusTwo = static_cast<WPARAM>(-2);
    const struct {
        const char* before;
        int start, end;
        const char* clipboard;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        BYTE modifiers;  // held for WM_KEYDOWN
        const char *after, *selection, *copied;
    } cases[] = {
        {"hello", 0, 0, "XY", EM_SETSEL, 3, 1, 0, "hello", "1,3", nullptr},
        {"hello", 0, 0, "XY", EM_SETSEL, 2, -1, 0, "hello", "2,5", nullptr},
        {"hello", 0, 0, "XY", EM_SETSEL, 0, 99, 0, "hello", "0,5", nullptr},
        {"hello", 0, 0, "XY", EM_SETSEL, 99, 0, 0, "hello", "0,5", nullptr},
        {"hello", 0, 0, "XY", EM_SETSEL, kMinusTwo, 2, 0, "hello", "2,5", nullptr},
        {"hello", 1, 4, "XY", EM_SETSEL, kMinusOne, 0, 0, "hello", "4,4", nullptr},
        {"hello", 4, 1, "XY", EM_SETSEL, kMinusOne, 0, 0, "hello", "1,1", nullptr},
        {"hello", 3, 1, "XY", WM_KEYDOWN, VK_RIGHT, 0, 0, "hello", "2,2", nullptr},
        {"hello", 1, 3, "XY", WM_KEYDOWN, VK_LEFT, 0, 0, "hello", "2,2", nullptr},
        {"hello", 1, 3, "XY", WM_KEYDOWN, VK_LEFT, 0, kShift, "hello", "1,2", nullptr},
        {"hello", 3, 1, "XY", WM_KEYDOWN, VK_RIGHT, 0, kShift, "hello", "2,3", nullptr},
        {"hello", 2, 2, "XY", WM_KEYDOWN, VK_HOME, 0, kShift, "hello", "0,2", nullptr},
        {"hello", 1, 1, "XY", WM_KEYDOWN, VK_END, 0, kShift, "hello", "1,5", nullptr},
        {"hello", 0, 0, "XY", WM_KEYDOWN, VK_LEFT, 0, 0, "hello", "0,0", nullptr},
        {"hello", 5, 5, "XY", WM_KEYDOWN, VK_RIGHT, 0, 0, "hello", "5,5", nullptr},
        {"hello", 1, 1, "XY", WM_KEYDOWN, VK_DELETE, 0, 0, "hllo", "1,1", nullptr},
        {"hello", 4, 1, "XY", WM_KEYDOWN, VK_DELETE, 0, 0, "ho", "1,1", nullptr},
        {"hello", 5, 5, "XY", WM_KEYDOWN, VK_DELETE, 0, 0, "hello", "5,5", nullptr},
        {"hello", 1, 4, "XY", WM_KEYDOWN, VK_DELETE, 0, kShift, "ho", "1,1", "ell"},
        {"hello", 1, 1, "XY", WM_KEYDOWN, VK_INSERT, 0, kShift, "hXYello", "3,3", nullptr},
        {"hello", 1, 4, "XY", WM_KEYDOWN, VK_INSERT, 0, kControl, "hello", "1,4", "ell"},
        {"hello", 1, 3, "XY", WM_CHAR, 'X', 0, 0, "hXlo", "2,2", nullptr},
        {"hello", 5, 5, "XY", WM_CHAR, '!', 0, 0, "hello!", "6,6", nullptr},
        {"ab", 1, 1, "XY", WM_CHAR, 0xE9, 0, 0, "a\xe9" "b", "2,2", nullptr},
        {"hello", 2, 2, "XY", WM_CHAR, VK_BACK, 0, 0, "hllo", "1,1", nullptr},
        {"hello", 0, 2, "XY", WM_CHAR, VK_BACK, 0, 0, "llo", "0,0", nullptr},
        {"hello", 0, 0, "XY", WM_CHAR, VK_BACK, 0, 0, "hello", "0,0", nullptr},
        {"hello", 1, 1, "XY", WM_CHAR, 0x7F, 0, 0, "hello", "1,1", nullptr},
        {"hello", 1, 1, "XY", WM_CHAR, '\t', 0, 0, "hello", "1,1", nullptr},
        {"hello", 1, 1, "XY", WM_CHAR, '\r', 0, 0, "hello", "1,1", nullptr},
        {"hello", 2, 2, "XY", WM_COPY, 0, 0, 0, "hello", "2,2", nullptr},
        {"hello", 3, 1, "XY", WM_COPY, 0, 0, 0, "hello", "1,3", "el"},
        {"hello", 3, 1, "XY", WM_CUT, 0, 0, 0, "hlo", "1,1", "el"},
        {"hello", 0, 1, "XY", WM_CLEAR, 0, 0, 0, "ello", "0,0", nullptr},
        {"hello", 0, 0, "XY", WM_PASTE, 0, 0, 0, "XYhello", "2,2", nullptr},
        {"x", 0, 0, "ab\r\ncd", WM_PASTE, 0, 0, 0, "abx", "2,2", nullptr},
        {"x", 0, 0, "ab\ncd", WM_PASTE, 0, 0, 0, "abx", "2,2", nullptr},
        {"x", 0, 0, "\r\ncd", WM_PASTE, 0, 0, 0, "x", "0,0", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.before << " " << c.start << "," << c.end << " message 0x" << std::hex
                                        << c.message << " " << c.wParam << " modifiers " << int(c.modifiers));
        PutOnClipboard(c.clipboard);
        Show(c.before, c.start, c.end);
        if (c.message == WM_KEYDOWN)
            PressKey(static_cast<UINT>(c.wParam), c.modifiers);
        else
            SendMessageA(edit_, c.message, c.wParam, c.lParam);
        EXPECT_EQ(Text(), c.after);
        EXPECT_EQ(Selection(), c.selection);
        EXPECT_EQ(ClipboardText(), c.copied != nullptr ? c.copied : c.clipboard);
    }
    Show("hello", 4, 2);
    DWORD start = 99;
    EXPECT_EQ(SendMessageA(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0), MAKELONG(2, 4));
    EXPECT_EQ(start, 2u);
}

// Each change on "abc" (selection 0..1, text limit 4 where asked, modified flag clear): the
// text, selection and modified flag after it, and the notification codes the parent got. Text
// set from outside ignores the limit; a refused character still counts as a change and is
// reported after EN_MAXTEXT.
TEST_F(EditTest, ChangesNotifyAndSetTheModifiedFlag) {
    const std::vector<WORD> kChanged = {EN_UPDATE, EN_CHANGE}, kCut = {EN_MAXTEXT, EN_UPDATE, EN_CHANGE};
    const struct {
        const char* before;
        int start, end, limit;  // limit 0: none
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        const char *after, *selection;
        bool modified;
        std::vector<WORD> notifications;
    } cases[] = {
        {"abc", 0, 1, 0, WM_CHAR, 'x', 0, "xbc", "1,1", true, kChanged},
        {"abc", 0, 1, 0, EM_REPLACESEL, 0, AsParam("y"), "ybc", "1,1", true, kChanged},
        {"abc", 0, 1, 4, WM_SETTEXT, 0, AsParam("abcdefgh"), "abcdefgh", "0,0", false, kChanged},
        {"abc", 0, 1, 0, EM_SETSEL, 0, 2, "abc", "0,2", false, {}},
        {"abc", 0, 1, 0, EM_SETMODIFY, TRUE, 0, "abc", "0,1", true, {}},
        {"abc", 0, 1, 0, EM_LIMITTEXT, 10, 0, "abc", "0,1", false, {}},
        {"abcd", 4, 4, 4, WM_CHAR, 'Z', 0, "abcd", "4,4", true, kCut},
        {"abcdef", 0, 3, 4, WM_CHAR, 'Z', 0, "Zdef", "1,1", true, kChanged},
        {"abc", 3, 3, 4, WM_CHAR, 'Z', 0, "abcZ", "4,4", true, kChanged},
        {"ab", 2, 2, 4, EM_REPLACESEL, TRUE, AsParam("123456"), "ab12", "4,4", true, kCut},
        {"ab", 0, 2, 4, EM_REPLACESEL, TRUE, AsParam("123456"), "1234", "4,4", true, kCut},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.before << " message 0x" << std::hex << c.message);
        SendMessageA(edit_, EM_LIMITTEXT, 0, 0);
        Show(c.before, c.start, c.end);
        if (c.limit != 0) SendMessageA(edit_, EM_LIMITTEXT, static_cast<WPARAM>(c.limit), 0);
        SendMessageA(edit_, EM_SETMODIFY, FALSE, 0);
        ClearLog();
        SendMessageA(edit_, c.message, c.wParam, c.lParam);
        EXPECT_EQ(Text(), c.after);
        EXPECT_EQ(Selection(), c.selection);
        EXPECT_EQ(Modified(), c.modified);
        EXPECT_EQ(Notifications(), c.notifications);
    }
}

// A new control: its creation text counts as a change, text set from outside does not; its
// limits; a multi-line control reports no text set from outside; focus changes are reported.
TEST_F(EditTest, NewControlLimitsAndOtherNotifications) {
    EXPECT_TRUE(Modified());
    EXPECT_EQ(SendMessageA(Create("", 0), EM_GETMODIFY, 0, 0), 0);
    SetWindowTextA(edit_, "abc");
    EXPECT_FALSE(Modified());
    EXPECT_EQ(SendMessageA(edit_, EM_GETLIMITTEXT, 0, 0), 30000);
    SendMessageA(edit_, EM_LIMITTEXT, 0, 0);
    EXPECT_EQ(SendMessageA(edit_, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
    HWND multi = Create("", ES_MULTILINE);
    SendMessageA(multi, EM_LIMITTEXT, 0, 0);
    EXPECT_EQ(static_cast<DWORD>(SendMessageA(multi, EM_GETLIMITTEXT, 0, 0)), 0xFFFFFFFFu);
    ClearLog();
    SetWindowTextA(multi, "a\r\nb");
    EXPECT_TRUE(Notifications().empty());
    EXPECT_EQ(Text(multi), "a\r\nb");
    ShowWindow(parent_, SW_SHOW);
    SetFocus(parent_);
    ClearLog();
    SetFocus(edit_);
    SetFocus(parent_);
    EXPECT_EQ(Notifications(), (std::vector<WORD>{EN_SETFOCUS, EN_KILLFOCUS}));
}

// Only EM_SETREADONLY makes the control read-only (the style bit alone does not); then user
// edits are refused and WM_CUT only copies, but EM_REPLACESEL still writes.
TEST_F(EditTest, ReadOnlyRefusesUserEditsButNotReplaceSel) {
    Show("ab", 2, 2);
    SetWindowLongA(edit_, GWL_STYLE, GetWindowLongA(edit_, GWL_STYLE) | ES_READONLY);
    SendMessageA(edit_, WM_CHAR, 'c', 0);
    EXPECT_EQ(Text(), "abc");
    Show("hello", 0, 2);
    EXPECT_EQ(SendMessageA(edit_, EM_SETREADONLY, TRUE, 0), 1);
    SendMessageA(edit_, WM_CHAR, 'Q', 0);
    SendMessageA(edit_, WM_CHAR, VK_BACK, 0);
    PressKey(VK_DELETE, 0);
    SendMessageA(edit_, WM_CLEAR, 0, 0);
    PutOnClipboard("zz");
    SendMessageA(edit_, WM_PASTE, 0, 0);
    SendMessageA(edit_, WM_CUT, 0, 0);
    EXPECT_EQ(Text(), "hello");
    EXPECT_EQ(ClipboardText(), "he");
    EXPECT_FALSE(Modified());
    EXPECT_EQ(Selection(), "0,2");
    SendMessageA(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("RR"));
    EXPECT_EQ(Text(), "RRllo");
    SendMessageA(edit_, EM_SETREADONLY, FALSE, 0);
    EXPECT_EQ(GetWindowLongA(edit_, GWL_STYLE) & ES_READONLY, 0);
    SendMessageA(edit_, WM_CHAR, 'Q', 0);
    EXPECT_EQ(Text(), "RRQllo");
}

// GetWindowTextA into buffers around the text's length, for the edit control and for
// DefWindowProc's text: at most size - 1 characters, terminated, nothing written past size.
TEST_F(EditTest, WindowTextIsCutAndTerminated) {
    HWND plain = CreateWindowExA(0, RecorderClass(), "hello", WS_CHILD, 0, 0, 10, 10, parent_, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    for (HWND window : {edit_, plain}) {
        EXPECT_EQ(GetWindowTextLengthA(window), 5);
        for (int size : {0, 1, 2, 5, 6, 7}) {
            char text[8];
            memset(text, kSentinel, sizeof text);
            const int expected = size == 0 ? 0 : (size - 1 < 5 ? size - 1 : 5);
            EXPECT_EQ(GetWindowTextA(window, text, size), expected) << "size " << size;
            EXPECT_EQ(size > 0 ? std::string(text) : "", std::string("hello", expected)) << "size " << size;
            EXPECT_EQ(text[size], kSentinel) << "size " << size;
        }
    }
}

// A plain WS_BORDER is drawn by the control inside its client area: the window loses the
// style, keeps its whole area as client, and the text starts two pixels in. A client edge is
// real non-client area, with one pixel of gap inside. Only a multi-line control takes a
// formatting rectangle from outside.
TEST_F(EditTest, BorderGeometryAndFormattingRectangle) {
    const struct {
        DWORD style, exStyle;
        const char *client, *format;  // "right,bottom" of the client area; "left,top,right" of the text
    } cases[] = {{0, 0, "100,30", "0,0,100"}, {WS_BORDER, 0, "100,30", "2,2,98"},
                 {0, WS_EX_CLIENTEDGE, "96,26", "1,1,95"}, {ES_MULTILINE | ES_RIGHT, 0, "100,30", "5,6,50"}};
    const RECT asked = {5, 6, 50, 60};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.style << " " << c.exStyle);
        HWND edit = Create("", c.style, c.exStyle);
        EXPECT_EQ(GetWindowLongA(edit, GWL_STYLE) & WS_BORDER, 0);
        RECT client, format;
        GetClientRect(edit, &client);
        SendMessageA(edit, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&asked));
        SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        EXPECT_EQ(std::to_string(client.right) + "," + std::to_string(client.bottom), c.client);
        EXPECT_EQ(std::to_string(format.left) + "," + std::to_string(format.top) + "," + std::to_string(format.right),
                  c.format);
        EXPECT_GT(format.bottom, format.top);
    }
}

// Only the window that opened the clipboard may open it again. The clipboard owns the data it
// is given: replacing a format or emptying frees the old block.
TEST(Clipboard, OpeningRulesAndOwnershipOfTheData) {
    HWND windows[2];
    for (HWND& window : windows)
        window = CreateWindowExA(0, RecorderClass(), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    const DWORD kNotOpen = ERROR_CLIPBOARD_NOT_OPEN;
    SetLastError(0);
    EXPECT_FALSE(CloseClipboard());
    EXPECT_EQ(GetLastError(), kNotOpen);
    SetLastError(0);
    EXPECT_FALSE(EmptyClipboard());
    EXPECT_EQ(GetLastError(), kNotOpen);
    SetLastError(0);
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
    EXPECT_EQ(GetLastError(), kNotOpen);
    ASSERT_TRUE(OpenClipboard(windows[1]));
    EXPECT_TRUE(CloseClipboard());
    ASSERT_TRUE(OpenClipboard(windows[0]));
    EXPECT_TRUE(OpenClipboard(windows[0]));
    EXPECT_FALSE(OpenClipboard(windows[1]));
    EXPECT_FALSE(OpenClipboard(nullptr));
    ASSERT_TRUE(EmptyClipboard());
    HGLOBAL first = TextBlock("one");
    HGLOBAL display = TextBlock("7one");
    HGLOBAL second = TextBlock("two");
    EXPECT_EQ(SetClipboardData(CF_TEXT, first), first);
    SetClipboardData(CF_DSPTEXT, display);
    SetClipboardData(CF_TEXT, second);
    EXPECT_EQ(GlobalFlags(first), static_cast<UINT>(GMEM_INVALID_HANDLE));
    ASSERT_TRUE(CloseClipboard());
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_DSPTEXT));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_DSPTEXT + 1));  // a format nothing put there
    ASSERT_TRUE(OpenClipboard(windows[0]));
    EXPECT_EQ(GetClipboardData(CF_DSPTEXT), display);
    EXPECT_EQ(GetClipboardData(CF_TEXT), second);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(second)), "two");
    GlobalUnlock(second);
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_EQ(GlobalFlags(second), static_cast<UINT>(GMEM_INVALID_HANDLE));
    CloseClipboard();
    for (HWND window : windows) DestroyWindow(window);
}

std::string Items(HWND list) {
    std::string all;
    for (int i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
        char text[64] = "";
        LRESULT length = SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(length, SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0));
        all += (i ? "," : "") + std::string(text);
    }
    return all;
}

// The strings a list box holds after adding "pear", "Fig", "apple" and an empty one: in order
// added, or in case-insensitive order with LBS_SORT.
TEST(ListBox, AddedStringsKeepTheirOrderOrSort) {
    const struct {
        DWORD style;
        const char* items;
    } cases[] = {{0, "pear,Fig,apple,"}, {LBS_SORT | LBS_HASSTRINGS, ",apple,Fig,pear"}};
    for (const auto& c : cases) {
        HWND list = CreateWindowExA(0, "ListBox", "", WS_POPUP | c.style, 0, 0, 100, 100, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
        for (const char* word : {"pear", "Fig", "apple", ""})
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(word));
        EXPECT_EQ(Items(list), c.items);
        EXPECT_EQ(SendMessageA(list, LB_GETTEXTLEN, 4, 0), LB_ERR);
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 0);
        DestroyWindow(list);
    }
}

}  // namespace
