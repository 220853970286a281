// GDI as the border painting uses it: client and window DCs, fills, lines, opaque text
// rectangles, the viewport origin, saved states and object selection. The windows are shown so
// that the real Win32 keeps their pixels.
#include <string.h>

#include "message_log.h"
#include "support/hooks.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);

class GdiTest : public ::testing::Test {
protected:
    void SetUp() override {
        top_ = CreateWindowExA(0, RecorderClass(), "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(top_, nullptr);
        // A bordered child at (10, 10), 50 x 30: its client area starts one pixel in.
        child_ = CreateWindowExA(0, RecorderClass(), "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 50, 30, top_,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(child_, nullptr);
        UpdateWindow(top_);
        dc_ = GetDC(child_);
        ASSERT_NE(dc_, nullptr);
    }
    void TearDown() override {
        ReleaseDC(child_, dc_);
        DestroyWindow(top_);
    }
    void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
        HBRUSH brush = CreateSolidBrush(color);
        RECT rect = {left, top, right, bottom};
        EXPECT_EQ(FillRect(dc, &rect, brush), 1);
        DeleteObject(brush);
    }
    HWND top_ = nullptr;
    HWND child_ = nullptr;
    HDC dc_ = nullptr;
};

TEST_F(GdiTest, FillRectCoversLeftTopButNotRightBottom) {
    Fill(dc_, 0, 0, 10, 10, kRed);
    Fill(dc_, 10, 0, 20, 10, kGreen);
    const struct {
        int x;
        int y;
        COLORREF color;
    } cases[] = {{0, 0, kRed}, {9, 9, kRed}, {10, 0, kGreen}, {19, 9, kGreen}};
    for (const auto& c : cases) EXPECT_EQ(GetPixel(dc_, c.x, c.y), c.color) << c.x << "," << c.y;
    EXPECT_EQ(GetPixel(dc_, -1, -1), CLR_INVALID);
    EXPECT_EQ(GetPixel(dc_, 100, 100), CLR_INVALID);
}

TEST_F(GdiTest, WindowDcStartsAtTheWindowCorner) {
    Fill(dc_, 0, 0, 3, 3, kBlue);
    HDC window = GetWindowDC(child_);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetPixel(window, 1, 1), kBlue);  // client (0, 0) is window (1, 1)
    Fill(window, 0, 0, 50, 1, kGreen);          // the top border row
    EXPECT_EQ(GetPixel(window, 10, 0), kGreen);
    EXPECT_EQ(GetPixel(dc_, 0, 0), kBlue);      // the client DC cannot reach the border
    EXPECT_EQ(ReleaseDC(child_, window), 1);
}

TEST_F(GdiTest, LineToDrawsUpToButNotIncludingTheEndPoint) {
    Fill(dc_, 0, 0, 48, 28, RGB(255, 255, 255));
    HPEN pen = CreatePen(PS_SOLID, 1, kBlue);
    HGDIOBJ previous = SelectObject(dc_, pen);
    EXPECT_EQ(previous, GetStockObject(BLACK_PEN));
    POINT old;
    EXPECT_TRUE(MoveToEx(dc_, 0, 20, nullptr));
    EXPECT_TRUE(LineTo(dc_, 5, 20));
    EXPECT_TRUE(LineTo(dc_, 5, 25));
    EXPECT_TRUE(MoveToEx(dc_, 1, 1, &old));
    EXPECT_EQ(old.x, 5);
    EXPECT_EQ(old.y, 25);
    const struct {
        int x;
        int y;
        COLORREF color;
    } cases[] = {{0, 20, kBlue}, {4, 20, kBlue}, {5, 20, kBlue}, {5, 24, kBlue}, {5, 25, RGB(255, 255, 255)},
                 {6, 20, RGB(255, 255, 255)}};
    for (const auto& c : cases) EXPECT_EQ(GetPixel(dc_, c.x, c.y), c.color) << c.x << "," << c.y;
    SelectObject(dc_, previous);
    EXPECT_TRUE(DeleteObject(pen));
}

TEST_F(GdiTest, OpaqueTextFillsItsRectangleInTheBackgroundColour) {
    Fill(dc_, 0, 0, 48, 28, kBlue);
    EXPECT_EQ(SetBkColor(dc_, kGreen), RGB(255, 255, 255));
    RECT rect = {2, 2, 6, 4};
    EXPECT_TRUE(ExtTextOutA(dc_, 2, 2, ETO_OPAQUE, &rect, "", 0, nullptr));
    EXPECT_EQ(GetPixel(dc_, 2, 2), kGreen);
    EXPECT_EQ(GetPixel(dc_, 5, 3), kGreen);
    EXPECT_EQ(GetPixel(dc_, 6, 3), kBlue);
    EXPECT_EQ(GetPixel(dc_, 5, 4), kBlue);
}

TEST_F(GdiTest, SaveAndRestoreBringBackColourAndOrigin) {
    Fill(dc_, 0, 0, 48, 28, kBlue);
    int level = SaveDC(dc_);
    EXPECT_EQ(level, 1);
    POINT previous = {-1, -1};
    EXPECT_TRUE(SetViewportOrgEx(dc_, 3, 3, &previous));
    EXPECT_EQ(previous.x, 0);
    SetBkColor(dc_, kGreen);
    RECT rect = {0, 0, 2, 2};
    ExtTextOutA(dc_, 0, 0, ETO_OPAQUE, &rect, "", 0, nullptr);
    EXPECT_EQ(GetPixel(dc_, 0, 0), kGreen);  // logical (0, 0) is device (3, 3)
    EXPECT_EQ(GetPixel(dc_, 2, 2), kBlue);
    EXPECT_TRUE(RestoreDC(dc_, -1));
    POINT origin;
    EXPECT_TRUE(GetViewportOrgEx(dc_, &origin));
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
    EXPECT_EQ(GetBkColor(dc_), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc_, 3, 3), kGreen);
    EXPECT_FALSE(RestoreDC(dc_, -1));  // nothing saved any more
    EXPECT_EQ(SaveDC(dc_), 1);
    EXPECT_EQ(SaveDC(dc_), 2);
    EXPECT_TRUE(RestoreDC(dc_, 1));  // drops level 2 with it
    EXPECT_EQ(SaveDC(dc_), 1);
    RestoreDC(dc_, -1);
}

TEST_F(GdiTest, SelectObjectAnswersThePreviousObjectOfItsKind) {
    LOGFONTA lf = {};
    lf.lfHeight = -12;
    HFONT font = CreateFontIndirectA(&lf);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(SelectObject(dc_, font), GetStockObject(SYSTEM_FONT));
    HBRUSH brush = CreateSolidBrush(kRed);
    EXPECT_EQ(SelectObject(dc_, brush), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc_, GetStockObject(SYSTEM_FONT)), font);
    EXPECT_EQ(SelectObject(dc_, GetStockObject(WHITE_BRUSH)), brush);
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN)));  // stock objects survive
    EXPECT_EQ(SelectObject(dc_, GetStockObject(BLACK_PEN)), GetStockObject(BLACK_PEN));
}

TEST_F(GdiTest, SystemColourBrushesAreShared) {
    EXPECT_EQ(GetSysColorBrush(COLOR_WINDOW), GetSysColorBrush(COLOR_WINDOW));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 0));
    Fill(dc_, 0, 0, 4, 4, kRed);
    RECT rect = {0, 0, 2, 2};
    EXPECT_EQ(FillRect(dc_, &rect, GetSysColorBrush(COLOR_BTNSHADOW)), 1);
    EXPECT_EQ(GetPixel(dc_, 1, 1), GetSysColor(COLOR_BTNSHADOW));
}

TEST_F(GdiTest, DrawTextIsRecorded) {
    PLM_REQUIRE_STANDIN_HOOKS();
#if PLM_HAVE_STANDIN_HOOKS
    PlwResetDrawText();
    RECT rect = {1, 2, 40, 20};
    EXPECT_GT(DrawTextA(dc_, "Hello, world", 5, &rect, DT_LEFT | DT_SINGLELINE), 0);
    DrawTextA(dc_, "All of it", -1, &rect, DT_CENTER);
    EXPECT_EQ(PlwDrawTextCount(), 2);
    const PlwDrawTextRecord* record = PlwLastDrawText();
    EXPECT_STREQ(record->text, "All of it");
    EXPECT_EQ(record->count, 9);
    EXPECT_EQ(record->format, static_cast<UINT>(DT_CENTER));
    EXPECT_EQ(record->rect.right, 40);
    EXPECT_EQ(record->hdc, dc_);
#endif
}

}  // namespace
