// The border the control draws itself over its window edge: none, a single line, or a two-pixel
// bevel (inset or raised). WS_BORDER reserves one pixel of frame; the bevels take one more.
#include <plmedt60.h>

#include "control/control_internal.h"
#include "module/win32_guards.h"

namespace {

enum BorderStyle : short { BORDER_NONE = 0, BORDER_SINGLE = 1, BORDER_INSET = 2, BORDER_RAISED = 3 };

// Fixed colours, not system colours: the bevel looks the same whatever the desktop scheme.
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kLightGrey = RGB(192, 192, 192);
const COLORREF kDarkGrey = RGB(127, 127, 127);
const COLORREF kBlack = RGB(0, 0, 0);

constexpr int kBevelStrips = 8;  // two edges (column, row) of each of four rings

// The colour of each pair of strips, outer top-left first.
const COLORREF kInsetColours[kBevelStrips / 2] = {kDarkGrey, kBlack, kWhite, kLightGrey};
const COLORREF kRaisedColours[kBevelStrips / 2] = {kLightGrey, kWhite, kBlack, kDarkGrey};

void DrawSingleLine(HDC hdc, int w, int h) {
    MoveToEx(hdc, 0, 0, nullptr);
    LineTo(hdc, 0, h - 1);
    LineTo(hdc, w - 1, h - 1);
    LineTo(hdc, w - 1, 0);
    LineTo(hdc, 0, 0);
}

// Later strips paint over earlier ones, so the top-right and bottom-left corners take the
// outer bottom-right colour.
void DrawBevel(HDC hdc, int w, int h, const COLORREF (&colours)[kBevelStrips / 2]) {
    const RECT strips[kBevelStrips] = {
        {0, 0, 1, h},         {0, 0, w, 1},          // outer top-left
        {1, 1, 2, h},         {1, 1, w, 2},          // inner top-left
        {w - 1, 0, w, h},     {0, h - 1, w, h},      // outer bottom-right
        {w - 2, 1, w - 1, h - 1}, {1, h - 2, w - 1, h - 1},  // inner bottom-right
    };
    for (int k = 0; k < kBevelStrips; ++k) {
        SetBkColor(hdc, colours[k / 2]);
        ExtTextOutA(hdc, 0, 0, ETO_OPAQUE, &strips[k], "", 0, nullptr);
    }
}

}  // namespace

void plumeMaskEdit::PaintBorder(HWND hWnd, HDC hdc) {
    RECT window = {};
    if (hdc == nullptr || !GetWindowRect(hWnd, &window)) return;
    const int w = window.right - window.left;
    const int h = window.bottom - window.top;
    if (w <= 0 || h <= 0) return;
    switch (m_props.nBorderStyle) {
    case BORDER_SINGLE: DrawSingleLine(hdc, w, h); break;
    case BORDER_INSET: DrawBevel(hdc, w, h, kInsetColours); break;
    case BORDER_RAISED: DrawBevel(hdc, w, h, kRaisedColours); break;
    default: break;  // "None" and unknown values draw nothing
    }
}

// Puts the BorderStyle in force on the window: WS_BORDER for every style but "None", and a
// recomputed frame.
void plumeMaskEdit::ApplyBorderStyle() {
    if (m_hWnd == nullptr) return;
    DWORD style = static_cast<DWORD>(GetWindowLongA(m_hWnd, GWL_STYLE));
    if (m_props.nBorderStyle >= BORDER_SINGLE)
        style |= WS_BORDER;
    else
        style &= ~static_cast<DWORD>(WS_BORDER);
    SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(style));
    InvalidateRect(m_hWnd, nullptr, TRUE);
    SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
}

// The edit control paints its client area first; the border goes over the frame after it.
LRESULT plumeMaskEdit::WmPaint(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallDefProc(hWnd, WM_PAINT, wParam, lParam);
    WindowDcGuard dc(hWnd, DcArea::WholeWindow);
    if (dc) PaintBorder(hWnd, dc.get());
    return result;
}

// The bevels are two pixels wide: one more pixel inside the WS_BORDER frame.
LRESULT plumeMaskEdit::WmNcCalcSize(HWND hWnd, WPARAM wParam, RECT* rect) {
    const LRESULT result = CallDefProc(hWnd, WM_NCCALCSIZE, wParam, reinterpret_cast<LPARAM>(rect));
    if (m_props.nBorderStyle > BORDER_SINGLE && rect != nullptr) InflateRect(rect, -1, -1);
    return result;
}
