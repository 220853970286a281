// GDI as the border painting uses it: client and window DCs, fills, lines, opaque text
// rectangles, the viewport origin, saved states and object selection. The windows are shown so
// that the real Win32 keeps their pixels.
#include <initializer_list>

#include "message_log.h"
#include "support/hooks.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);

struct Pixel {
    int x, y;
    COLORREF color;
};

void ExpectPixels(HDC dc, std::initializer_list<Pixel> pixels) {
    for (const Pixel& p : pixels) EXPECT_EQ(GetPixel(dc, p.x, p.y), p.color) << "pixel " << p.x << "," << p.y;
}

void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    RECT rect = {left, top, right, bottom};
    EXPECT_EQ(FillRect(dc, &rect, brush), 1);
    DeleteObject(brush);
}

// A bordered child at (10, 10), 50 x 30, whose client area starts one pixel in; dc_ is its client DC.
class GdiTest : public ::testing::Test {
protected:
    void SetUp() override {
        top_ = CreateWindowExA(0, RecorderClass(), "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
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
    HWND top_ = nullptr;
    HWND child_ = nullptr;
    HDC dc_ = nullptr;
};

TEST_F(GdiTest, FillRectCoversLeftTopButNotRightBottom) {
    Fill(dc_, 0, 0, 10, 10, kRed);
    Fill(dc_, 10, 0, 20, 10, kGreen);
    RECT shadow = {20, 0, 22, 2};
    EXPECT_EQ(FillRect(dc_, &shadow, GetSysColorBrush(COLOR_BTNSHADOW)), 1);
    ExpectPixels(dc_, {{0, 0, kRed}, {9, 9, kRed}, {10, 0, kGreen}, {19, 9, kGreen},
                       {21, 1, GetSysColor(COLOR_BTNSHADOW)}, {-1, -1, CLR_INVALID}, {100, 100, CLR_INVALID}});
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), kWhite);
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 0));
}

TEST_F(GdiTest, WindowDcStartsAtTheWindowCorner) {
    Fill(dc_, 0, 0, 3, 3, kBlue);
    HDC window = GetWindowDC(child_);
    ASSERT_NE(window, nullptr);
    Fill(window, 0, 0, 50, 1, kGreen);  // the top border row
    ExpectPixels(window, {{1, 1, kBlue}, {10, 0, kGreen}});  // client (0, 0) is window (1, 1)
    ExpectPixels(dc_, {{0, 0, kBlue}});                      // the client DC cannot reach the border
    EXPECT_EQ(ReleaseDC(child_, window), 1);
}

TEST_F(GdiTest, LineToDrawsUpToButNotIncludingTheEndPoint) {
    Fill(dc_, 0, 0, 48, 28, kWhite);
    HPEN pen = CreatePen(PS_SOLID, 1, kBlue);
    HGDIOBJ previous = SelectObject(dc_, pen);
    EXPECT_EQ(previous, GetStockObject(BLACK_PEN));
    POINT old;
    MoveToEx(dc_, 0, 20, nullptr);
    LineTo(dc_, 5, 20);
    LineTo(dc_, 5, 25);
    EXPECT_TRUE(MoveToEx(dc_, 1, 1, &old));
    EXPECT_EQ(old.x, 5);
    EXPECT_EQ(old.y, 25);
    ExpectPixels(dc_, {{0, 20, kBlue}, {4, 20, kBlue}, {5, 20, kBlue}, {5, 24, kBlue}, {5, 25, kWhite}, {6, 20, kWhite}});
    SelectObject(dc_, previous);
    EXPECT_TRUE(DeleteObject(pen));
}

// The border painting's one-pixel strips are ExtTextOut with ETO_OPAQUE and no text, drawn
// between SaveDC and RestoreDC, which bring back the colour and the origin.
TEST_F(GdiTest, OpaqueTextFillsItsRectangleAndRestoreDcUndoesTheSettings) {
    Fill(dc_, 0, 0, 48, 28, kBlue);
    EXPECT_EQ(SaveDC(dc_), 1);
    POINT previous = {-1, -1};
    EXPECT_TRUE(SetViewportOrgEx(dc_, 3, 3, &previous));
    EXPECT_EQ(previous.x, 0);
    EXPECT_EQ(SetBkColor(dc_, kGreen), kWhite);
    EXPECT_EQ(SetBkMode(dc_, TRANSPARENT), OPAQUE);  // the design-time caption is drawn this way
    EXPECT_EQ(SetBkMode(dc_, 7), 0);                 // no such mode
    RECT rect = {0, 0, 4, 2};
    EXPECT_TRUE(ExtTextOutA(dc_, 0, 0, ETO_OPAQUE, &rect, "", 0, nullptr));
    // Logical (0, 0) is device (3, 3); the right and bottom edges stay out.
    ExpectPixels(dc_, {{0, 0, kGreen}, {3, 1, kGreen}, {4, 1, kBlue}, {3, 2, kBlue}});
    EXPECT_TRUE(RestoreDC(dc_, -1));
    EXPECT_TRUE(GetViewportOrgEx(dc_, &previous));
    EXPECT_EQ(previous.x, 0);
    EXPECT_EQ(previous.y, 0);
    EXPECT_EQ(GetBkColor(dc_), kWhite);
    EXPECT_EQ(GetBkMode(dc_), OPAQUE);
    ExpectPixels(dc_, {{3, 3, kGreen}, {6, 4, kGreen}, {7, 4, kBlue}});
    EXPECT_FALSE(RestoreDC(dc_, -1));  // nothing saved any more
}

TEST_F(GdiTest, SelectObjectAnswersThePreviousObjectOfItsKind) {
    LOGFONTA lf = {};
    lf.lfHeight = -12;
    HFONT font = CreateFontIndirectA(&lf);
    HBRUSH brush = CreateSolidBrush(kRed);
    EXPECT_EQ(SelectObject(dc_, font), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(SelectObject(dc_, brush), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc_, GetStockObject(SYSTEM_FONT)), font);
    EXPECT_EQ(SelectObject(dc_, GetStockObject(WHITE_BRUSH)), brush);
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_TRUE(DeleteObject(brush));
}

TEST_F(GdiTest, DrawTextIsRecorded) {
    PLM_REQUIRE_STANDIN_HOOKS();
#if PLM_HAVE_STANDIN_HOOKS
    PlwResetDrawText();
    RECT rect = {1, 2, 40, 20};
    EXPECT_GT(DrawTextA(dc_, "Hello, world", 5, &rect, DT_LEFT), 0);
    EXPECT_STREQ(PlwLastDrawText()->text, "Hello");
    DrawTextA(dc_, "All of it", -1, &rect, DT_CENTER);
    EXPECT_EQ(PlwDrawTextCount(), 2);
    EXPECT_STREQ(PlwLastDrawText()->text, "All of it");
    EXPECT_EQ(PlwLastDrawText()->format, static_cast<UINT>(DT_CENTER));
#endif
}

}  // namespace
