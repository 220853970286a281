// The control object: construction, the link between window and object, creation and
// destruction of its window.
#include "control_fixture.h"
#include "module/module.h"

namespace {

// WM_CREATE takes separators and currency afresh from the string table (Text and True/False
// keep theirs) and the entry position 0; numbers are right-aligned; the border is the control's.
TEST_F(ControlTest, CreationSetsTheRecordAndTheStyle) {
    struct Case { short type; char separator; DWORD alignment; };
    const DWORD right = ES_RIGHT | ES_MULTILINE;
    const Case cases[] = {{DT_CURRENCY, ',', right}, {DT_DATE, '/', 0}, {DT_TIME, ':', 0}, {DT_WHOLE8, ',', right},
                          {DT_DOUBLE, ',', right},   {DT_TEXT, '#', 0}, {DT_BOOLEAN, '#', 0}};
    for (const Case& c : cases) {
        ProbeMaskEdit& control = NewControl();
        control.info() = MaskEditInfo{nullptr, c.type, '#', ',', "", "", 0, 0, 0, 5};
        HWND edit = Create(control, WS_BORDER);
        EXPECT_EQ(c.separator, control.info().cSeparator) << c.type;
        EXPECT_EQ(std::string(".$"), std::string() + control.info().cDecimal + control.info().szCurrency);
        EXPECT_EQ(0, control.info().nEntryPos);
        EXPECT_EQ(DWORD(MEF_CREATED), control.info().dwFlags);
        const DWORD style = static_cast<DWORD>(GetWindowLongA(edit, GWL_STYLE));
        EXPECT_EQ(DWORD(WS_CHILD | WS_TABSTOP), style & (WS_CHILD | WS_TABSTOP | WS_BORDER)) << c.type;
        EXPECT_EQ(c.alignment, style & right) << c.type;
    }
}

// The window is tied to its object through the link block (the edit control sees the block's
// second word as its creation parameter). Destroying the window (itself, by re-creation or with
// its parent) clears the handles; the object keeps its properties and takes the style of its
// current type. SetFont leaves the control's own font alone.
TEST_F(ControlTest, CreationAndDestruction) {
    ProbeMaskEdit& control = NewControl();
    HWND first = Create(control);
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, control.info().hWnd);
    EXPECT_EQ(UINT(WM_NCCREATE), control.messages.front());
    EXPECT_EQ(nullptr, control.createParam);
    const LRESULT font = SendMessageA(first, WM_GETFONT, 0, 0);
    LOGFONTA big = {};
    big.lfHeight = 30;
    EXPECT_NE(nullptr, control.SetFont(&big));  // the context's previous font
    EXPECT_EQ(font, SendMessageA(first, WM_GETFONT, 0, 0));
    control.info().nDataType = DT_CURRENCY;
    HWND second = Create(control);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(GetWindowLongA(second, GWL_STYLE) & ES_RIGHT);
    control.messages.clear();
    DestroyWindow(second);
    EXPECT_EQ(nullptr, control.getHwnd());
    EXPECT_EQ(nullptr, control.info().hWnd);
    EXPECT_EQ(UINT(WM_NCDESTROY), control.messages.back());
    ASSERT_NE(nullptr, Create(control));
    DestroyWindow(frame);
    EXPECT_EQ(nullptr, control.getHwnd());
}

TEST_F(ControlTest, FailedCreations) {
    HWND plain = CreateWindowExA(0, "Edit", "abc", WS_CHILD, 0, 0, 50, 20, frame, nullptr, nullptr, nullptr);
    EXPECT_EQ(0, MaskEditThunk(plain, WM_GETTEXTLENGTH, 0, 0));  // no link block
    // Without a creation parameter there is no block: WM_NCCREATE fails and so does creation.
    EXPECT_EQ(nullptr, CreateWindowExA(0, "MaskedEdit", "", WS_CHILD, 0, 0, 9, 9, frame, nullptr, g_hInstance, 0));
    ProbeMaskEdit& control = NewControl();
    HWND edit = Create(control);
#if PLM_HAVE_STANDIN_HOOKS
    PlwFailNextAllocations(1);  // no link block: the old window stays
    EXPECT_EQ(nullptr, Create(control));
    PlwFailNextAllocations(0);
    EXPECT_EQ(edit, control.getHwnd());
#endif
    // A parent that is not a window: creation fails after the old window was destroyed.
    HWND bogusParent = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0xdead0));
    EXPECT_EQ(nullptr, control.CreateMaskEdit("", 0, 0, bogusParent, nullptr, 1, 0, 0, 9, 9));
    EXPECT_EQ(nullptr, control.getHwnd());
    EXPECT_FALSE(IsWindow(edit));
}

}  // namespace
