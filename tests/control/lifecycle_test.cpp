// The control object: construction, the link between window and object, creation and
// destruction of its window.
#include <gtest/gtest.h>
#include <plmedt60.h>

#include <string.h>

#include <list>
#include <vector>

#include "module/module.h"
#include "support/hooks.h"

namespace {

// Opens the protected state and records what reaches the window procedure.
class ProbeMaskEdit : public plumeMaskEdit {
public:
    ProbeMaskEdit() = default;
    ProbeMaskEdit(const ProbeMaskEdit&) = default;

    LRESULT MainMaskProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        messages.push_back(msg);
        if (msg == WM_NCCREATE)
            createParamSeen = reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams;
        return plumeMaskEdit::MainMaskProc(hWnd, msg, wParam, lParam);
    }

    const MaskEditInfo& info() const { return m_info; }
    MaskEditInfo& info() { return m_info; }
    short borderStyle() const { return m_props.nBorderStyle; }
    BOOL disableMask() const { return m_props.bDisableMask; }
    BOOL readOnly() const { return m_bReadOnly; }
    BOOL notify() const { return m_bNotify; }

    std::vector<UINT> messages;
    const void* createParamSeen = reinterpret_cast<const void*>(-1);
};

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA frameClass = {};
        frameClass.lpfnWndProc = DefWindowProcA;
        frameClass.hInstance = GetModuleHandleA(nullptr);
        frameClass.lpszClassName = "PlmTestFrame";
        RegisterClassA(&frameClass);  // fails harmlessly when an earlier test registered it
        frame = CreateWindowExA(0, "PlmTestFrame", "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                frameClass.hInstance, nullptr);
        ASSERT_NE(nullptr, frame);
    }
    // The owner destroys the windows before the objects: the frame goes first, the controls
    // (members) after it.
    void TearDown() override { DestroyWindow(frame); }

    ProbeMaskEdit& NewControl() { return controls.emplace_back(); }

    HWND Create(ProbeMaskEdit& control, DWORD style = 0) {
        RECT rect = {10, 10, 110, 30};
        return control.CreateMaskEdit("", style, 0, frame, nullptr, 7, &rect);
    }

    HWND frame = nullptr;
    std::list<ProbeMaskEdit> controls;
};

bool Contains(const std::vector<UINT>& messages, UINT msg) {
    for (UINT m : messages)
        if (m == msg) return true;
    return false;
}

TEST_F(ControlTest, NewObjectStartsFromTheDefaults) {
    ProbeMaskEdit& control = NewControl();
    EXPECT_EQ(nullptr, control.getHwnd());
    EXPECT_EQ(',', control.info().cSeparator);
    EXPECT_EQ('.', control.info().cDecimal);
    EXPECT_STREQ("", control.info().szCurrency);
    EXPECT_STREQ("", control.info().szFormat);
    EXPECT_EQ(0, control.info().nDataType);
    EXPECT_EQ(0u, control.info().dwFlags);
    EXPECT_EQ(0, control.borderStyle());
    EXPECT_EQ(0, control.disableMask());
    EXPECT_EQ(0, control.readOnly());
    EXPECT_EQ(1, control.notify());
    EXPECT_EQ(2, control.GetMode());
}

TEST_F(ControlTest, NewAndKill) {
    plumeMaskEdit* control = plumeMaskEdit::NewplumeMaskEdit();
    ASSERT_NE(nullptr, control);
    EXPECT_EQ(nullptr, control->getHwnd());
    plumeMaskEdit::KillplumeMaskEdit(control);
    plumeMaskEdit::KillplumeMaskEdit(nullptr);  // nothing to do
}

TEST_F(ControlTest, CreationTiesTheWindowToItsObject) {
    ProbeMaskEdit& control = NewControl();
    HWND edit = Create(control);
    ASSERT_NE(nullptr, edit);
    EXPECT_EQ(edit, control.getHwnd());
    EXPECT_EQ(edit, control.info().hWnd);
    EXPECT_EQ(frame, GetParent(edit));
    EXPECT_EQ(7, GetDlgCtrlID(edit));

    char className[32] = "";
    GetClassNameA(edit, className, sizeof className);
    EXPECT_STREQ("MaskedEdit", className);

    ASSERT_FALSE(control.messages.empty());
    EXPECT_EQ(UINT(WM_NCCREATE), control.messages.front());
    EXPECT_TRUE(Contains(control.messages, WM_CREATE));
    // The edit control sees the block's second word as its creation parameter, not our handle.
    EXPECT_EQ(nullptr, control.createParamSeen);

    control.messages.clear();
    SetWindowTextA(edit, "abc");
    EXPECT_TRUE(Contains(control.messages, WM_SETTEXT));
    char text[8] = "";
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ("abc", text);
}

TEST_F(ControlTest, CreateSetsRecordFromTheStringTable) {
    ProbeMaskEdit& control = NewControl();
    control.info().cSeparator = ';';
    control.info().cDecimal = ',';
    control.info().nEntryPos = 5;
    ASSERT_NE(nullptr, Create(control));
    EXPECT_STREQ("$", control.info().szCurrency);
    EXPECT_EQ('.', control.info().cDecimal);
    EXPECT_EQ(';', control.info().cSeparator);  // Text keeps its separator
    EXPECT_EQ(0, control.info().nEntryPos);
    EXPECT_EQ(DWORD(MEF_CREATED), control.info().dwFlags & MEF_CREATED);
}

TEST_F(ControlTest, SeparatorFollowsTheDataTypeAtCreation) {
    struct Case {
        short type;
        char separator;
    } const cases[] = {{DT_CURRENCY, ','}, {DT_DATE, '/'}, {DT_TIME, ':'}, {DT_WHOLE16, ','},
                       {DT_DOUBLE, ','},   {DT_TEXT, '#'}, {DT_BOOLEAN, '#'}};
    for (const Case& c : cases) {
        ProbeMaskEdit& control = NewControl();
        control.info().nDataType = c.type;
        control.info().cSeparator = '#';
        ASSERT_NE(nullptr, Create(control)) << c.type;
        EXPECT_EQ(c.separator, control.info().cSeparator) << c.type;
    }
}

TEST_F(ControlTest, StyleAtCreation) {
    struct Case {
        short type;
        DWORD given;
        bool rightAligned;
    } const cases[] = {{DT_TEXT, WS_BORDER, false}, {DT_DATE, 0, false},  {DT_CURRENCY, WS_BORDER, true},
                       {DT_WHOLE8, 0, true},        {DT_SINGLE, 0, true}, {DT_BOOLEAN, 0, false}};
    for (const Case& c : cases) {
        ProbeMaskEdit& control = NewControl();
        control.info().nDataType = c.type;
        HWND edit = Create(control, c.given);
        ASSERT_NE(nullptr, edit);
        DWORD style = static_cast<DWORD>(GetWindowLongA(edit, GWL_STYLE));
        EXPECT_TRUE(style & WS_CHILD) << c.type;
        EXPECT_TRUE(style & WS_TABSTOP) << c.type;
        EXPECT_FALSE(style & WS_BORDER) << c.type;  // BorderStyle 0: the control draws none
        EXPECT_EQ(c.rightAligned, (style & ES_RIGHT) != 0) << c.type;
        EXPECT_EQ(c.rightAligned, (style & ES_MULTILINE) != 0) << c.type;
        DestroyWindow(edit);
    }
}

TEST_F(ControlTest, ReCreationReplacesTheWindowAndKeepsProperties) {
    ProbeMaskEdit& control = NewControl();
    HWND first = Create(control);
    ASSERT_NE(nullptr, first);
    EXPECT_FALSE(GetWindowLongA(first, GWL_STYLE) & ES_RIGHT);

    control.info().nDataType = DT_CURRENCY;
    strcpy(control.info().szFormat, "0.00");
    HWND second = Create(control);
    ASSERT_NE(nullptr, second);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(second, control.getHwnd());
    EXPECT_EQ(DT_CURRENCY, control.info().nDataType);
    EXPECT_STREQ("0.00", control.info().szFormat);
    EXPECT_TRUE(GetWindowLongA(second, GWL_STYLE) & ES_RIGHT);
}

TEST_F(ControlTest, DestructionClearsTheHandles) {
    ProbeMaskEdit& control = NewControl();
    HWND edit = Create(control);
    ASSERT_NE(nullptr, edit);
    control.messages.clear();
    DestroyWindow(edit);
    EXPECT_EQ(nullptr, control.getHwnd());
    EXPECT_EQ(nullptr, control.info().hWnd);
    ASSERT_GE(control.messages.size(), 2u);
    EXPECT_TRUE(Contains(control.messages, WM_DESTROY));
    EXPECT_EQ(UINT(WM_NCDESTROY), control.messages.back());
    EXPECT_FALSE(IsWindow(edit));
}

TEST_F(ControlTest, ParentDestructionDestroysTheControl) {
    ProbeMaskEdit& control = NewControl();
    ASSERT_NE(nullptr, Create(control));
    DestroyWindow(frame);
    frame = nullptr;
    EXPECT_EQ(nullptr, control.getHwnd());
}

TEST_F(ControlTest, CopiesNameTheSameWindowWhichKeepsTheFirstObject) {
    ProbeMaskEdit& original = NewControl();
    HWND edit = Create(original);
    ASSERT_NE(nullptr, edit);
    original.info().nDataType = DT_DATE;
    ProbeMaskEdit& copy = controls.emplace_back(original);
    EXPECT_EQ(edit, copy.getHwnd());
    EXPECT_EQ(DT_DATE, copy.info().nDataType);

    ProbeMaskEdit& assigned = NewControl();
    assigned = original;
    EXPECT_EQ(edit, assigned.getHwnd());

    original.messages.clear();
    copy.messages.clear();
    SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0);
    EXPECT_FALSE(original.messages.empty());
    EXPECT_TRUE(copy.messages.empty());
}

TEST_F(ControlTest, OtherCreationForms) {
    ProbeMaskEdit& control = NewControl();
    HWND edit = control.CreateMaskEdit("", 0, 0, frame, nullptr, 3, 5, 6, 100, 20);
    ASSERT_NE(nullptr, edit);
    RECT window = {}, parentRect = {};
    GetWindowRect(edit, &window);
    GetWindowRect(frame, &parentRect);
    EXPECT_EQ(100, window.right - window.left);
    EXPECT_EQ(20, window.bottom - window.top);

    RECT rect = {0, 0, 50, 10};
    UINT_PTR byNumber = control.CreateMaskEdit("", 0, 0, reinterpret_cast<UINT_PTR>(frame), 0, 4, &rect);
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(control.getHwnd()), byNumber);
    EXPECT_FALSE(IsWindow(edit));
    UINT_PTR byCoordinates = control.CreateMaskEdit("", 0, 0, reinterpret_cast<UINT_PTR>(frame), 0, 4, 0, 0, 5, 5);
    EXPECT_NE(0u, byCoordinates);
    EXPECT_EQ(4, GetDlgCtrlID(control.getHwnd()));
}

TEST_F(ControlTest, MessagesWithoutALinkBlockAreAnsweredWithZero) {
    HWND plain = CreateWindowExA(0, "Edit", "abc", WS_CHILD, 0, 0, 50, 20, frame, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, plain);
    EXPECT_EQ(3, SendMessageA(plain, WM_GETTEXTLENGTH, 0, 0));
    EXPECT_EQ(0, MaskEditThunk(plain, WM_GETTEXTLENGTH, 0, 0));

    // Without a creation parameter there is no block: WM_NCCREATE fails and so does creation.
    HWND orphan = CreateWindowExA(0, "MaskedEdit", "", WS_CHILD, 0, 0, 50, 20, frame, nullptr, g_hInstance, nullptr);
    EXPECT_EQ(nullptr, orphan);
}

TEST_F(ControlTest, CreationFailureLeavesNoWindow) {
    ProbeMaskEdit& control = NewControl();
    ASSERT_NE(nullptr, Create(control));
    RECT rect = {0, 0, 10, 10};
    // A parent that is not a window: creation fails after the old window was destroyed.
    HWND bogusParent = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0xdead0));
    EXPECT_EQ(nullptr, control.CreateMaskEdit("", 0, 0, bogusParent, nullptr, 1, &rect));
    EXPECT_EQ(nullptr, control.getHwnd());
}

TEST_F(ControlTest, OutOfMemoryForTheLinkKeepsTheOldWindow) {
    PLM_REQUIRE_STANDIN_HOOKS();
#if PLM_HAVE_STANDIN_HOOKS
    ProbeMaskEdit& control = NewControl();
    HWND edit = Create(control);
    ASSERT_NE(nullptr, edit);
    PlwFailNextAllocations(1);
    EXPECT_EQ(nullptr, Create(control));
    PlwFailNextAllocations(0);
    EXPECT_TRUE(IsWindow(edit));
    EXPECT_EQ(edit, control.getHwnd());
#endif
}

TEST_F(ControlTest, ShowNeedsAWindow) {
    ProbeMaskEdit& control = NewControl();
    EXPECT_FALSE(control.Show(SW_SHOW));
    ASSERT_NE(nullptr, Create(control));
    EXPECT_FALSE(control.Show(SW_SHOW));  // it was hidden before
    EXPECT_TRUE(IsWindowVisible(control.getHwnd()) || !IsWindowVisible(frame));
    EXPECT_TRUE(control.Show(SW_HIDE));  // it was visible before
}

TEST_F(ControlTest, SetFontLeavesTheControlFontAlone) {
    ProbeMaskEdit& control = NewControl();
    EXPECT_EQ(nullptr, control.SetFont(nullptr));
    HWND edit = Create(control);
    ASSERT_NE(nullptr, edit);
    LRESULT before = SendMessageA(edit, WM_GETFONT, 0, 0);
    LOGFONTA font = {};
    font.lfHeight = 30;
    font.lfWeight = FW_BOLD;
    strcpy(font.lfFaceName, "Arial");
    EXPECT_NE(nullptr, control.SetFont(&font));  // the context's previous font
    EXPECT_EQ(before, SendMessageA(edit, WM_GETFONT, 0, 0));
}

TEST_F(ControlTest, CallDefProcWithoutAWindowAnswersZero) {
    ProbeMaskEdit& control = NewControl();
    EXPECT_EQ(0, control.CallDefProc(nullptr, WM_GETTEXTLENGTH, 0, 0));
}

TEST(BuildDataDesc, CopiesTheRecord) {
    MaskEditInfo info = {};
    info.nDataType = DT_CURRENCY;
    info.cSeparator = ',';
    info.cDecimal = '.';
    info.nEntryPos = 3;
    strcpy(info.szFormat, "$#,##0.00");
    strcpy(info.szCurrency, "$");
    MaskDataDesc desc;
    memset(&desc, 0x5a, sizeof desc);
    BuildDataDesc(&desc, &info);
    EXPECT_EQ(DT_CURRENCY, desc.nDataType);
    EXPECT_EQ(',', desc.cSeparator);
    EXPECT_EQ('.', desc.cDecimal);
    EXPECT_EQ(0, desc.wReserved1);
    // Fields of the packed record are read by value: a reference to one may be misaligned.
    const LPCSTR format = desc.lpszFormat, currency = desc.lpszCurrency;
    const DWORD reserved = desc.dwReserved2;
    const short entryPos = desc.nEntryPos;
    EXPECT_EQ(info.szFormat, format);
    EXPECT_EQ(info.szCurrency, currency);
    EXPECT_EQ(0u, reserved);
    EXPECT_EQ(3, entryPos);
}

}  // namespace
