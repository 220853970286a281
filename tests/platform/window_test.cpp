// Window classes and windows: the message sequences of creation and destruction, the creation
// parameter, window longs and extra bytes, class registration rules, focus, frames and
// rectangles, FindWindow.
#include <string.h>

#include <vector>

#include "message_log.h"
#include "support/hooks.h"

namespace {

using Sequence = std::vector<LoggedMessage>;

constexpr int kRecorderExtraBytes = 12;  // RecorderClass() registers this many

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = CreateWindowExA(0, RecorderClass(), "parent", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(parent_, nullptr);
        ClearLog();
        NameWindow(parent_, "P");
    }
    void TearDown() override {
        if (IsWindow(parent_)) DestroyWindow(parent_);
    }

    HWND CreateChild(const char* name, DWORD style, int id, LPVOID param = nullptr, HWND parent = nullptr,
                     DWORD exStyle = 0) {
        HWND child = CreateWindowExA(exStyle, RecorderClass(), name, WS_CHILD | style, 1, 2, 50, 20,
                                     parent != nullptr ? parent : parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                     GetModuleHandleA(nullptr), param);
        if (child != nullptr) NameWindow(child, name);
        return child;
    }

    HWND parent_ = nullptr;
};

#define EXPECT_SEQUENCE(expected)                                                                \
    do {                                                                                         \
        Sequence actual = LoggedMessages();                                                      \
        EXPECT_EQ(actual, expected) << "actual:\n" << Describe(actual) << "expected:\n" << Describe(expected); \
    } while (0)

TEST_F(WindowTest, ChildCreationSendsNcCreateCalcSizeCreateThenTellsTheParent) {
    int param = 0;
    HWND child = CreateChild("A", 0, 7, &param);
    ASSERT_NE(child, nullptr);
    const Sequence expected = {
        {"A", WM_NCCREATE, 0},   {"A", WM_NCCALCSIZE, FALSE}, {"A", WM_CREATE, 0},
        {"A", WM_SIZE, SIZE_RESTORED}, {"A", WM_MOVE, 0},
        {"P", WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, 7)},
    };
    EXPECT_SEQUENCE(expected);
    EXPECT_EQ(g_ncCreateParam, &param);
    EXPECT_EQ(g_createParam, &param);
}

TEST_F(WindowTest, VisibleChildIsToldItIsShown) {
    ASSERT_NE(CreateChild("A", WS_VISIBLE, 3), nullptr);
    const Sequence expected = {
        {"A", WM_NCCREATE, 0},   {"A", WM_NCCALCSIZE, FALSE}, {"A", WM_CREATE, 0},
        {"A", WM_SIZE, SIZE_RESTORED}, {"A", WM_MOVE, 0},
        {"P", WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, 3)}, {"A", WM_SHOWWINDOW, TRUE},
    };
    EXPECT_SEQUENCE(expected);
}

// A refused creation ends with WM_NCDESTROY alone: the window never saw WM_DESTROY.
TEST_F(WindowTest, RefusedNcCreateFailsWithNcDestroy) {
    EXPECT_EQ(CreateChild("A", 0, 1, &g_refuseNcCreate), nullptr);
    const Sequence expected = {{"?", WM_NCCREATE, 0}, {"?", WM_NCDESTROY, 0}};
    EXPECT_SEQUENCE(expected);
}

TEST_F(WindowTest, RefusedCreateFailsWithNcDestroy) {
    EXPECT_EQ(CreateChild("A", 0, 1, &g_refuseCreate), nullptr);
    const Sequence expected = {
        {"?", WM_NCCREATE, 0}, {"?", WM_NCCALCSIZE, FALSE}, {"?", WM_CREATE, 0}, {"?", WM_NCDESTROY, 0}};
    EXPECT_SEQUENCE(expected);
}

TEST_F(WindowTest, DestroyingAChildDestroysItsChildrenBeforeItsOwnNcDestroy) {
    HWND child = CreateChild("A", 0, 7);
    HWND grandchild = CreateChild("G", 0, 9, nullptr, child);
    ASSERT_NE(grandchild, nullptr);
    ClearLog();
    NameWindow(parent_, "P");
    NameWindow(child, "A");
    NameWindow(grandchild, "G");
    EXPECT_TRUE(DestroyWindow(child));
    const Sequence expected = {
        {"P", WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, 7)},
        {"A", WM_DESTROY, 0}, {"G", WM_DESTROY, 0}, {"G", WM_NCDESTROY, 0}, {"A", WM_NCDESTROY, 0},
    };
    EXPECT_SEQUENCE(expected);
    EXPECT_FALSE(IsWindow(child));
    EXPECT_FALSE(IsWindow(grandchild));
    EXPECT_TRUE(IsWindow(parent_));
}

TEST_F(WindowTest, DestroyingTheParentSendsEveryDestroyBeforeAnyNcDestroy) {
    HWND first = CreateChild("A", 0, 1);
    HWND second = CreateChild("B", 0, 2);
    ASSERT_NE(second, nullptr);
    ClearLog();
    NameWindow(parent_, "P");
    NameWindow(first, "A");
    NameWindow(second, "B");
    EXPECT_TRUE(DestroyWindow(parent_));
    const Sequence expected = {
        {"P", WM_DESTROY, 0},    {"A", WM_DESTROY, 0},    {"B", WM_DESTROY, 0},
        {"A", WM_NCDESTROY, 0},  {"B", WM_NCDESTROY, 0},  {"P", WM_NCDESTROY, 0},
    };
    EXPECT_SEQUENCE(expected);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_FALSE(IsWindow(second));
}

TEST_F(WindowTest, ExtraBytesAreBoundsChecked) {
    HWND child = CreateChild("A", 0, 1);
    // Index, width of the access, whether it fits in the class's 12 bytes.
    const struct {
        int index;
        bool pointer;
        bool fits;
    } cases[] = {
        {0, false, true},  {8, false, true},  {9, false, false}, {12, false, false},
        {4, true, true},   {5, true, false},  {-1, false, false}, {-100, true, false},
    };
    for (const auto& c : cases) {
        SetLastError(0);
        LONG_PTR previous = c.pointer ? SetWindowLongPtrA(child, c.index, 0x1234)
                                      : SetWindowLongA(child, c.index, 0x1234);
        EXPECT_EQ(previous, 0) << "index " << c.index;
        EXPECT_EQ(GetLastError(), c.fits ? 0u : static_cast<DWORD>(ERROR_INVALID_INDEX)) << "index " << c.index;
        SetLastError(0);
        LONG_PTR value = c.pointer ? GetWindowLongPtrA(child, c.index) : GetWindowLongA(child, c.index);
        EXPECT_EQ(value, c.fits ? 0x1234 : 0) << "index " << c.index;
        EXPECT_EQ(GetLastError(), c.fits ? 0u : static_cast<DWORD>(ERROR_INVALID_INDEX)) << "index " << c.index;
        if (c.fits) {
            if (c.pointer)
                SetWindowLongPtrA(child, c.index, 0);
            else
                SetWindowLongA(child, c.index, 0);
        }
    }
}

TEST_F(WindowTest, SetWindowLongReturnsThePreviousValue) {
    HWND child = CreateChild("A", 0, 1);
    EXPECT_EQ(SetWindowLongA(child, 8, 11), 0);
    EXPECT_EQ(SetWindowLongA(child, 8, 22), 11);
    EXPECT_EQ(GetWindowLongA(child, 8), 22);
    const LONG_PTR kWide = static_cast<LONG_PTR>(0x12345678) << 16;
    EXPECT_EQ(SetWindowLongPtrA(child, 0, kWide), 0);
    EXPECT_EQ(GetWindowLongPtrA(child, 0), kWide);
    EXPECT_EQ(GetWindowLongA(child, 0), static_cast<LONG>(kWide & 0xFFFFFFFF));
}

TEST_F(WindowTest, SystemLongsReadTheWindowsFields) {
    HWND child = CreateChild("A", WS_BORDER, 42);
    EXPECT_EQ(GetWindowLongA(child, GWL_ID), 42);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE)), static_cast<DWORD>(WS_CHILD | WS_BORDER));
    EXPECT_EQ(GetWindowLongA(child, GWL_EXSTYLE), 0);
    EXPECT_EQ(reinterpret_cast<HWND>(GetWindowLongPtrA(child, GWLP_HWNDPARENT)), parent_);
    EXPECT_EQ(GetWindowLongPtrA(parent_, GWLP_HWNDPARENT), 0);
    EXPECT_EQ(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(child, GWLP_HINSTANCE)), GetModuleHandleA(nullptr));
    EXPECT_EQ(SetWindowLongPtrA(child, GWLP_USERDATA, 77), 0);
    EXPECT_EQ(GetWindowLongPtrA(child, GWLP_USERDATA), 77);
    EXPECT_EQ(GetDlgCtrlID(child), 42);
    EXPECT_EQ(GetDlgItem(parent_, 42), child);
    EXPECT_EQ(GetParent(child), parent_);
}

TEST_F(WindowTest, WindowProcedureCanBeReplacedAndRestored) {
    HWND child = CreateChild("A", 0, 1);
    WNDCLASSA wc = {};
    ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), RecorderClass(), &wc));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(child, GWLP_WNDPROC)), wc.lpfnWndProc);
    LONG_PTR previous = SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcA));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(previous), wc.lpfnWndProc);
    ClearLog();
    SendMessageA(child, WM_SIZE, 0, 0);
    EXPECT_TRUE(LoggedMessages().empty());
    SetWindowLongPtrA(child, GWLP_WNDPROC, previous);
    SendMessageA(child, WM_SIZE, 0, 0);
    EXPECT_EQ(LoggedMessages().size(), 1u);
}

TEST_F(WindowTest, PointerLongsCannotBeReadThroughA32BitLong) {
    if (sizeof(void*) != 8) GTEST_SKIP() << "32-bit longs hold pointers on 32-bit Windows";
    HWND child = CreateChild("A", 0, 1);
    SetLastError(0);
    EXPECT_EQ(GetWindowLongA(child, -4 /* GWLP_WNDPROC */), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
}

TEST_F(WindowTest, StyleChangesAreAnnounced) {
    HWND child = CreateChild("A", 0, 1);
    ClearLog();
    NameWindow(child, "A");
    SetWindowLongA(child, GWL_STYLE, static_cast<LONG>(WS_CHILD | WS_BORDER));
    const Sequence expected = {{"A", WM_STYLECHANGING, static_cast<WPARAM>(GWL_STYLE)},
                               {"A", WM_STYLECHANGED, static_cast<WPARAM>(GWL_STYLE)}};
    EXPECT_SEQUENCE(expected);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE)), static_cast<DWORD>(WS_CHILD | WS_BORDER));
}

TEST_F(WindowTest, FrameChangeRecalculatesTheClientArea) {
    HWND child = CreateChild("A", 0, 1);
    ClearLog();
    NameWindow(child, "A");
    EXPECT_TRUE(SetWindowPos(child, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED));
    const Sequence expected = {{"A", WM_WINDOWPOSCHANGING, 0}, {"A", WM_NCCALCSIZE, TRUE},
                               {"A", WM_WINDOWPOSCHANGED, 0}};
    EXPECT_SEQUENCE(expected);
}

// A child at (1, 2), 50 x 20, inside a border-less pop-up at the screen's origin.
TEST_F(WindowTest, ClientAreaIsTheWindowLessItsFrame) {
    const struct {
        DWORD style;
        DWORD exStyle;
        LONG edge;  // non-client width on each side
    } cases[] = {{0, 0, 0}, {WS_BORDER, 0, 1}, {0, WS_EX_CLIENTEDGE, 2}, {WS_BORDER, WS_EX_CLIENTEDGE, 3}};
    for (const auto& c : cases) {
        HWND child = CreateChild("A", c.style, 1, nullptr, nullptr, c.exStyle);
        RECT window, client;
        ASSERT_TRUE(GetWindowRect(child, &window));
        ASSERT_TRUE(GetClientRect(child, &client));
        EXPECT_EQ(window.left, 1);
        EXPECT_EQ(window.top, 2);
        EXPECT_EQ(window.right, 51);
        EXPECT_EQ(window.bottom, 22);
        EXPECT_EQ(client.left, 0);
        EXPECT_EQ(client.top, 0);
        EXPECT_EQ(client.right, 50 - 2 * c.edge) << "style " << std::hex << c.style << " ex " << c.exStyle;
        EXPECT_EQ(client.bottom, 20 - 2 * c.edge) << "style " << std::hex << c.style << " ex " << c.exStyle;
        DestroyWindow(child);
    }
}

TEST_F(WindowTest, MoveWindowResizesTheClientArea) {
    HWND child = CreateChild("A", WS_BORDER, 1);
    EXPECT_TRUE(MoveWindow(child, 10, 5, 30, 12, FALSE));
    RECT window, client;
    GetWindowRect(child, &window);
    GetClientRect(child, &client);
    EXPECT_EQ(window.left, 10);
    EXPECT_EQ(window.bottom, 17);
    EXPECT_EQ(client.right, 28);
    EXPECT_EQ(client.bottom, 10);
}

TEST_F(WindowTest, FocusMovesWithKillFocusThenSetFocus) {
    HWND first = CreateChild("A", WS_VISIBLE, 1);
    HWND second = CreateChild("B", WS_VISIBLE, 2);
    ShowWindow(parent_, SW_SHOW);
    SetFocus(parent_);
    ClearLog();
    NameWindow(parent_, "P");
    NameWindow(first, "A");
    NameWindow(second, "B");
    EXPECT_EQ(SetFocus(first), parent_);
    EXPECT_EQ(SetFocus(second), first);
    EXPECT_EQ(GetFocus(), second);
    EXPECT_EQ(SetFocus(second), second);  // already there: nothing is sent
    std::vector<LoggedMessage> focusMessages;
    for (const LoggedMessage& message : LoggedMessages())
        if (message.message == WM_SETFOCUS || message.message == WM_KILLFOCUS) focusMessages.push_back(message);
    const Sequence expected = {
        {"P", WM_KILLFOCUS, reinterpret_cast<WPARAM>(first)}, {"A", WM_SETFOCUS, reinterpret_cast<WPARAM>(parent_)},
        {"A", WM_KILLFOCUS, reinterpret_cast<WPARAM>(second)}, {"B", WM_SETFOCUS, reinterpret_cast<WPARAM>(first)},
    };
    EXPECT_EQ(focusMessages, expected) << Describe(focusMessages);
}

TEST_F(WindowTest, DestroyedFocusWindowGivesUpTheFocus) {
    HWND child = CreateChild("A", WS_VISIBLE, 1);
    ShowWindow(parent_, SW_SHOW);
    SetFocus(child);
    ASSERT_EQ(GetFocus(), child);
    DestroyWindow(child);
    EXPECT_NE(GetFocus(), child);
}

TEST_F(WindowTest, WindowTextGoesThroughDefWindowProc) {
    HWND child = CreateChild("A", 0, 1);
    char text[8];
    memset(text, '#', sizeof text);
    EXPECT_EQ(GetWindowTextA(child, text, sizeof text), 1);
    EXPECT_STREQ(text, "A");
    EXPECT_TRUE(SetWindowTextA(child, "longer"));
    EXPECT_EQ(GetWindowTextLengthA(child), 6);
    memset(text, '#', sizeof text);
    EXPECT_EQ(GetWindowTextA(child, text, 4), 3);
    EXPECT_STREQ(text, "lon");
    EXPECT_EQ(text[4], '#');
}

TEST_F(WindowTest, VisibilityNeedsEveryAncestorVisible) {
    HWND child = CreateChild("A", WS_VISIBLE, 1);
    EXPECT_FALSE(IsWindowVisible(child));  // the parent is hidden
    EXPECT_FALSE(ShowWindow(parent_, SW_SHOW));
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_TRUE(ShowWindow(child, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(child));
}

TEST_F(WindowTest, UpdateWindowPaintsAShownWindowAndItsChildrenOnce) {
    ShowWindow(parent_, SW_SHOW);
    CreateChild("A", WS_VISIBLE, 1);
    ClearLog();
    NameWindow(parent_, "P");
    NameWindow(GetDlgItem(parent_, 1), "A");
    UpdateWindow(parent_);
    UpdateWindow(parent_);  // painted already: nothing more
    const Sequence expected = {{"P", WM_PAINT, 0}, {"A", WM_PAINT, 0}};
    EXPECT_SEQUENCE(expected);
}

TEST_F(WindowTest, PostedMessagesArriveInOrder) {
    HWND child = CreateChild("A", 0, 1);
    const UINT kFirst = WM_USER + 1;
    const UINT kSecond = WM_USER + 2;
    EXPECT_TRUE(PostMessageA(child, kFirst, 1, 0));
    EXPECT_TRUE(PostMessageA(child, kSecond, 2, 0));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, child, WM_USER, WM_USER + 10, PM_NOREMOVE));
    EXPECT_EQ(msg.message, kFirst);
    ASSERT_TRUE(PeekMessageA(&msg, child, WM_USER, WM_USER + 10, PM_REMOVE));
    EXPECT_EQ(msg.message, kFirst);
    ASSERT_TRUE(PeekMessageA(&msg, child, WM_USER, WM_USER + 10, PM_REMOVE));
    EXPECT_EQ(msg.message, kSecond);
    EXPECT_EQ(msg.wParam, 2u);
    EXPECT_FALSE(PeekMessageA(&msg, child, WM_USER, WM_USER + 10, PM_REMOVE));
}

TEST_F(WindowTest, FindWindowFindsTopLevelWindowsByClassAndTitle) {
    CreateChild("child", 0, 1);
    EXPECT_EQ(FindWindowA("PLWRECORDER", "parent"), parent_);
    EXPECT_EQ(FindWindowA(nullptr, "parent"), parent_);
    EXPECT_EQ(FindWindowA(RecorderClass(), "other"), nullptr);
    EXPECT_EQ(FindWindowA(nullptr, "child"), nullptr);  // children are not searched
    EXPECT_EQ(FindWindowA("NoSuchClass", nullptr), nullptr);
}

TEST(WindowClass, RegistrationIsPerNameWithoutRegardToCase) {
    RecorderClass();
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    const char* const names[] = {"PlwRecorder", "PLWRECORDER", "plwrecorder"};
    for (const char* name : names) {
        wc.lpszClassName = name;
        SetLastError(0);
        EXPECT_EQ(RegisterClassA(&wc), 0) << name;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS)) << name;
    }
}

TEST(WindowClass, UnregisterWaitsForTheLastWindow) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "PlwShortLived";
    ASSERT_NE(RegisterClassA(&wc), 0);
    HWND window = CreateWindowExA(0, "plwshortlived", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    SetLastError(0);
    EXPECT_FALSE(UnregisterClassA("PlwShortLived", GetModuleHandleA(nullptr)));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_HAS_WINDOWS));
    DestroyWindow(window);
    EXPECT_TRUE(UnregisterClassA("PlwShortLived", GetModuleHandleA(nullptr)));
    SetLastError(0);
    EXPECT_FALSE(UnregisterClassA("PlwShortLived", GetModuleHandleA(nullptr)));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_DOES_NOT_EXIST));
    SetLastError(0);
    EXPECT_EQ(CreateWindowExA(0, "PlwShortLived", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr),
              nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_DOES_NOT_EXIST));
}

TEST(WindowClass, SystemEditClassIsFoundWhateverTheInstance) {
    const struct {
        HINSTANCE instance;
        const char* name;
    } cases[] = {{nullptr, "Edit"}, {nullptr, "EDIT"}, {GetModuleHandleA(nullptr), "edit"}};
    for (const auto& c : cases) {
        WNDCLASSA wc = {};
        ASSERT_TRUE(GetClassInfoA(c.instance, c.name, &wc)) << c.name;
        EXPECT_NE(wc.lpfnWndProc, nullptr);
        EXPECT_EQ(wc.hInstance, c.instance);  // the instance asked for
        EXPECT_EQ(wc.cbWndExtra, static_cast<int>(sizeof(void*)));
        EXPECT_EQ(wc.style, static_cast<UINT>(CS_DBLCLKS | CS_PARENTDC));
    }
    WNDCLASSA missing = {};
    SetLastError(0);
    EXPECT_FALSE(GetClassInfoA(nullptr, "NoSuchClass", &missing));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_DOES_NOT_EXIST));
}

// A superclass of "Edit" built as the library builds "MaskedEdit": its procedure hands every
// message to the system procedure, and its extra bytes lie past the edit control's own.
WNDPROC g_editProc = nullptr;

LRESULT CALLBACK SuperclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(g_editProc, hwnd, message, wParam, lParam);
}

TEST(WindowClass, EditSuperclassKeepsTheEditBehaviour) {
    WNDCLASSA wc = {};
    ASSERT_TRUE(GetClassInfoA(nullptr, "Edit", &wc));
    g_editProc = wc.lpfnWndProc;
    int linkIndex = wc.cbWndExtra;
    wc.cbWndExtra += 8;
    wc.lpfnWndProc = SuperclassProc;
    wc.lpszClassName = "PlwEditSuperclass";
    wc.hInstance = GetModuleHandleA(nullptr);
    ATOM atom = RegisterClassA(&wc);
    ASSERT_NE(atom, 0);
    HWND edit = CreateWindowExA(0, "PlwEditSuperclass", "abc", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    char name[32];
    EXPECT_EQ(GetClassNameA(edit, name, sizeof name), 17);
    EXPECT_STREQ(name, "PlwEditSuperclass");
    EXPECT_EQ(SetWindowLongA(edit, linkIndex, 5), 0);
    EXPECT_EQ(GetWindowLongA(edit, linkIndex + 4), 0);
    SendMessageA(edit, EM_SETSEL, 1, 2);
    SendMessageA(edit, WM_CHAR, 'X', 0);
    char text[8];
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "aXc");
    EXPECT_EQ(GetWindowLongA(edit, linkIndex), 5);
    DestroyWindow(edit);
    EXPECT_TRUE(UnregisterClassA("PlwEditSuperclass", GetModuleHandleA(nullptr)));
}

}  // namespace
