// Window classes and windows: the message sequences of creation, destruction and changes, the
// creation parameter, window longs and extra bytes, class registration, focus, frames, FindWindow.
#include <string>

#include "message_log.h"
#include "support/hooks.h"

namespace {

HINSTANCE Self() { return GetModuleHandleA(nullptr); }

std::string Corners(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

// A border-less pop-up "P" at the screen's origin; children of it at (1, 2), 50 x 20.
class WindowTest : public ::testing::Test {
public:
    void SetUp() override {
        parent_ = CreateWindowExA(0, RecorderClass(), "parent", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, Self(),
                                  nullptr);
        ASSERT_NE(parent_, nullptr);
        ClearLog();
        ClearNames();
        NameWindow(parent_, "P");
    }
    void TearDown() override {
        if (IsWindow(parent_)) DestroyWindow(parent_);
    }

    HWND Child(const char* name, DWORD style, int id, LPVOID param = nullptr, HWND parent = nullptr,
               DWORD exStyle = 0) {
        HWND child = CreateWindowExA(exStyle, RecorderClass(), name, WS_CHILD | style, 1, 2, 50, 20,
                                     parent != nullptr ? parent : parent_,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Self(), param);
        if (child != nullptr) NameWindow(child, name);
        return child;
    }

    HWND parent_ = nullptr;
};

// Each action starts on a fresh parent "P" and a clear log; what it logs must be the sequence.
// A refused creation ends with WM_NCDESTROY alone: the window never saw WM_DESTROY.
TEST_F(WindowTest, MessageSequences) {
    const WPARAM kCreated7 = MAKEWPARAM(WM_CREATE, 7);
    const struct {
        const char* what;
        void (*act)(WindowTest& test);
        Sequence expected;
    } cases[] = {
        {"child creation carries its parameter and tells the parent",
         [](WindowTest& t) {
             int param = 0;
             ASSERT_NE(t.Child("A", 0, 7, &param), nullptr);
             EXPECT_EQ(g_ncCreateParam, &param);
             EXPECT_EQ(g_createParam, &param);
         },
         {{"A", WM_NCCREATE, 0}, {"A", WM_NCCALCSIZE, FALSE}, {"A", WM_CREATE, 0}, {"A", WM_SIZE, SIZE_RESTORED},
          {"A", WM_MOVE, 0}, {"P", WM_PARENTNOTIFY, kCreated7}}},
        {"a visible child is shown last", [](WindowTest& t) { t.Child("A", WS_VISIBLE, 7); },
         {{"A", WM_NCCREATE, 0}, {"A", WM_NCCALCSIZE, FALSE}, {"A", WM_CREATE, 0}, {"A", WM_SIZE, SIZE_RESTORED},
          {"A", WM_MOVE, 0}, {"P", WM_PARENTNOTIFY, kCreated7}, {"A", WM_SHOWWINDOW, TRUE}}},
        {"refused WM_NCCREATE", [](WindowTest& t) { EXPECT_EQ(t.Child("A", 0, 1, &g_refuseNcCreate), nullptr); },
         {{"?", WM_NCCREATE, 0}, {"?", WM_NCDESTROY, 0}}},
        {"refused WM_CREATE", [](WindowTest& t) { EXPECT_EQ(t.Child("A", 0, 1, &g_refuseCreate), nullptr); },
         {{"?", WM_NCCREATE, 0}, {"?", WM_NCCALCSIZE, FALSE}, {"?", WM_CREATE, 0}, {"?", WM_NCDESTROY, 0}}},
        {"a child's children go before its own WM_NCDESTROY",
         [](WindowTest& t) {
             HWND child = t.Child("A", 0, 7);
             HWND grandchild = t.Child("G", 0, 9, nullptr, child);
             ClearLog();
             EXPECT_TRUE(DestroyWindow(child));
             EXPECT_FALSE(IsWindow(grandchild));
             EXPECT_TRUE(IsWindow(t.parent_));
         },
         {{"P", WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, 7)}, {"A", WM_DESTROY, 0}, {"G", WM_DESTROY, 0},
          {"G", WM_NCDESTROY, 0}, {"A", WM_NCDESTROY, 0}}},
        {"every WM_DESTROY before any WM_NCDESTROY",
         [](WindowTest& t) {
             t.Child("A", 0, 1);
             t.Child("B", 0, 2);
             ClearLog();
             EXPECT_TRUE(DestroyWindow(t.parent_));
         },
         {{"P", WM_DESTROY, 0}, {"A", WM_DESTROY, 0}, {"B", WM_DESTROY, 0}, {"A", WM_NCDESTROY, 0},
          {"B", WM_NCDESTROY, 0}, {"P", WM_NCDESTROY, 0}}},
        {"a style change is announced",
         [](WindowTest& t) {
             HWND child = t.Child("A", 0, 1);
             ClearLog();
             SetWindowLongA(child, GWL_STYLE, static_cast<LONG>(WS_CHILD | WS_BORDER));
             EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE)), static_cast<DWORD>(WS_CHILD | WS_BORDER));
         },
         {{"A", WM_STYLECHANGING, static_cast<WPARAM>(GWL_STYLE)},
          {"A", WM_STYLECHANGED, static_cast<WPARAM>(GWL_STYLE)}}},
        {"a frame change recalculates the client area",
         [](WindowTest& t) {
             HWND child = t.Child("A", 0, 1);
             ClearLog();
             SetWindowPos(child, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
         },
         {{"A", WM_WINDOWPOSCHANGING, 0}, {"A", WM_NCCALCSIZE, TRUE}, {"A", WM_WINDOWPOSCHANGED, 0}}},
        {"UpdateWindow paints a shown window and its children once",
         [](WindowTest& t) {
             ShowWindow(t.parent_, SW_SHOW);
             t.Child("A", WS_VISIBLE, 1);
             ClearLog();
             UpdateWindow(t.parent_);
             UpdateWindow(t.parent_);
         },
         {{"P", WM_PAINT, 0}, {"A", WM_PAINT, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        c.act(*this);
        Sequence actual = LoggedMessages();
        EXPECT_EQ(actual, c.expected) << "actual:\n" << Describe(actual) << "expected:\n" << Describe(c.expected);
    }
}

TEST_F(WindowTest, FocusMovesWithKillFocusThenSetFocus) {
    HWND first = Child("A", WS_VISIBLE, 1);
    HWND second = Child("B", WS_VISIBLE, 2);
    ShowWindow(parent_, SW_SHOW);
    SetFocus(parent_);
    ClearLog();
    EXPECT_EQ(SetFocus(first), parent_);
    EXPECT_EQ(SetFocus(second), first);
    EXPECT_EQ(SetFocus(second), second);  // already there: nothing is sent
    Sequence focus;
    for (const LoggedMessage& message : LoggedMessages())
        if (message.message == WM_SETFOCUS || message.message == WM_KILLFOCUS) focus.push_back(message);
    const Sequence expected = {
        {"P", WM_KILLFOCUS, reinterpret_cast<WPARAM>(first)}, {"A", WM_SETFOCUS, reinterpret_cast<WPARAM>(parent_)},
        {"A", WM_KILLFOCUS, reinterpret_cast<WPARAM>(second)}, {"B", WM_SETFOCUS, reinterpret_cast<WPARAM>(first)}};
    EXPECT_EQ(focus, expected) << Describe(focus);
    DestroyWindow(second);
    EXPECT_NE(GetFocus(), second);
}

// Extra bytes are reachable at any offset whose whole long fits the class's 12 bytes; each
// write answers the previous value.
TEST_F(WindowTest, LongsReachOnlyTheClassExtraBytes) {
    HWND child = Child("A", 0, 1);
    const struct {
        int index;
        bool pointer, fits;  // pointer: the ...LongPtrA calls
    } cases[] = {{0, false, true}, {8, false, true}, {9, false, false}, {12, false, false},
                 {4, true, true},  {5, true, false}, {-1, false, false}, {-100, true, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "index " << c.index << (c.pointer ? " pointer" : " long"));
        const LONG_PTR kValue = 0x1234;
        const DWORD error = c.fits ? 0u : static_cast<DWORD>(ERROR_INVALID_INDEX);
        SetLastError(0);
        EXPECT_EQ(c.pointer ? SetWindowLongPtrA(child, c.index, kValue) : SetWindowLongA(child, c.index, kValue), 0);
        EXPECT_EQ(GetLastError(), error);
        SetLastError(0);
        EXPECT_EQ(c.pointer ? GetWindowLongPtrA(child, c.index) : GetWindowLongA(child, c.index), c.fits ? kValue : 0);
        EXPECT_EQ(GetLastError(), error);
        EXPECT_EQ(c.pointer ? SetWindowLongPtrA(child, c.index, 0) : SetWindowLongA(child, c.index, 0),
                  c.fits ? kValue : 0);
    }
    const LONG_PTR kWide = static_cast<LONG_PTR>(0x12345678) << 16;
    SetWindowLongPtrA(child, 0, kWide);
    EXPECT_EQ(GetWindowLongPtrA(child, 0), kWide);
    EXPECT_EQ(GetWindowLongA(child, 0), static_cast<LONG>(kWide & 0xFFFFFFFF));
    if (sizeof(void*) == 8) {  // on 32-bit Windows a pointer fits a long
        SetLastError(0);
        EXPECT_EQ(GetWindowLongA(child, -4 /* GWLP_WNDPROC */), 0);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
    }
}

TEST_F(WindowTest, SystemLongsAndRelativesOfAWindow) {
    HWND child = Child("A", WS_BORDER, 42);
    EXPECT_EQ(GetWindowLongA(child, GWL_ID), 42);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE)), static_cast<DWORD>(WS_CHILD | WS_BORDER));
    EXPECT_EQ(GetWindowLongA(child, GWL_EXSTYLE), 0);
    EXPECT_EQ(reinterpret_cast<HWND>(GetWindowLongPtrA(child, GWLP_HWNDPARENT)), parent_);
    EXPECT_EQ(GetWindowLongPtrA(parent_, GWLP_HWNDPARENT), 0);
    EXPECT_EQ(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(child, GWLP_HINSTANCE)), Self());
    EXPECT_EQ(SetWindowLongPtrA(child, GWLP_USERDATA, 77), 0);
    EXPECT_EQ(GetWindowLongPtrA(child, GWLP_USERDATA), 77);
    EXPECT_EQ(GetDlgItem(parent_, 42), child);
    EXPECT_EQ(GetParent(child), parent_);
    // FindWindow searches the top-level windows only, by class and title.
    EXPECT_EQ(FindWindowA("PLWRECORDER", "parent"), parent_);
    EXPECT_EQ(FindWindowA(RecorderClass(), nullptr), parent_);
    EXPECT_EQ(FindWindowA(RecorderClass(), "other"), nullptr);
    EXPECT_EQ(FindWindowA(nullptr, "A"), nullptr);
    // Replacing the procedure takes effect at once and answers the class's.
    WNDCLASSA wc = {};
    ASSERT_TRUE(GetClassInfoA(Self(), RecorderClass(), &wc));
    LONG_PTR previous = SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcA));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(previous), wc.lpfnWndProc);
    ClearLog();
    SendMessageA(child, WM_SIZE, 0, 0);
    EXPECT_TRUE(LoggedMessages().empty());
}

TEST_F(WindowTest, ClientAreaIsTheWindowLessItsFrame) {
    const struct {
        DWORD style;
        DWORD exStyle;
        const char* client;
    } cases[] = {{0, 0, "0,0,50,20"}, {WS_BORDER, 0, "0,0,48,18"}, {0, WS_EX_CLIENTEDGE, "0,0,46,16"},
                 {WS_BORDER, WS_EX_CLIENTEDGE, "0,0,44,14"}};
    for (const auto& c : cases) {
        HWND child = Child("A", c.style, 1, nullptr, nullptr, c.exStyle);
        RECT window, client;
        GetWindowRect(child, &window);
        GetClientRect(child, &client);
        EXPECT_EQ(Corners(window), "1,2,51,22");
        EXPECT_EQ(Corners(client), c.client) << std::hex << c.style << " " << c.exStyle;
        DestroyWindow(child);
    }
}

TEST(WindowClass, NamesIgnoreCaseAndUnregisterWaitsForTheLastWindow) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = Self();
    wc.lpszClassName = "PlwShortLived";
    ASSERT_NE(RegisterClassA(&wc), 0);
    wc.lpszClassName = "PLWSHORTLIVED";
    SetLastError(0);
    EXPECT_EQ(RegisterClassA(&wc), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
    HWND window = CreateWindowExA(0, "plwshortlived", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, Self(), nullptr);
    ASSERT_NE(window, nullptr);
    SetLastError(0);
    EXPECT_FALSE(UnregisterClassA("PlwShortLived", Self()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_HAS_WINDOWS));
    DestroyWindow(window);
    EXPECT_TRUE(UnregisterClassA("PlwShortLived", Self()));
    SetLastError(0);
    EXPECT_FALSE(UnregisterClassA("PlwShortLived", Self()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_DOES_NOT_EXIST));
}

// A superclass of "Edit" built as the library builds "MaskedEdit": its procedure hands every
// message to the system procedure, and its extra bytes lie past the edit control's own. The
// system class is found whatever the instance, and reports the instance asked for.
WNDPROC g_editProc = nullptr;

LRESULT CALLBACK SuperclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(g_editProc, hwnd, message, wParam, lParam);
}

TEST(WindowClass, EditSuperclassKeepsTheEditBehaviour) {
    WNDCLASSA wc = {};
    for (HINSTANCE instance : {Self(), HINSTANCE(nullptr)}) {
        ASSERT_TRUE(GetClassInfoA(instance, instance != nullptr ? "edit" : "EDIT", &wc));
        EXPECT_EQ(wc.hInstance, instance);
        EXPECT_EQ(wc.cbWndExtra, static_cast<int>(sizeof(void*)));
        EXPECT_EQ(wc.style, static_cast<UINT>(CS_DBLCLKS | CS_PARENTDC));
    }
    SetLastError(0);
    EXPECT_FALSE(GetClassInfoA(nullptr, "NoSuchClass", &wc));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_DOES_NOT_EXIST));
    ASSERT_TRUE(GetClassInfoA(nullptr, "Edit", &wc));
    g_editProc = wc.lpfnWndProc;
    const int linkIndex = wc.cbWndExtra;
    wc.cbWndExtra += 8;
    wc.lpfnWndProc = SuperclassProc;
    wc.lpszClassName = "PlwEditSuperclass";
    wc.hInstance = Self();
    ASSERT_NE(RegisterClassA(&wc), 0);
    HWND edit = CreateWindowExA(0, "PlwEditSuperclass", "abc", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, Self(),
                                nullptr);
    ASSERT_NE(edit, nullptr);
    char name[32];
    EXPECT_EQ(GetClassNameA(edit, name, sizeof name), 17);
    EXPECT_STREQ(name, "PlwEditSuperclass");
    EXPECT_EQ(SetWindowLongA(edit, linkIndex, 5), 0);
    SendMessageA(edit, EM_SETSEL, 1, 2);
    SendMessageA(edit, WM_CHAR, 'X', 0);
    GetWindowTextA(edit, name, sizeof name);
    EXPECT_STREQ(name, "aXc");
    EXPECT_EQ(GetWindowLongA(edit, linkIndex), 5);  // the edit control leaves our bytes alone
    DestroyWindow(edit);
    EXPECT_TRUE(UnregisterClassA("PlwEditSuperclass", Self()));
}

}  // namespace
