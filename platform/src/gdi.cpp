// GDI over one pixel surface per window (client and non-client area). Device contexts map
// logical to device points through the viewport origin and clip to their area; pens draw
// one-pixel lines, brushes fill rectangles, ExtTextOutA fills its opaque rectangle. Glyphs are
// not drawn; DrawTextA records what it was asked to draw for tests.
#include <windows.h>

#include <string.h>

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include <plw_testhooks.h>

#include "internal.h"

namespace {

enum class ObjectKind { kPen, kBrush, kFont };

struct GdiObject {
    ObjectKind kind;
    COLORREF color = 0;       // pens and brushes
    int penStyle = PS_SOLID;  // pens
    bool nullBrush = false;   // NULL_BRUSH paints nothing
    LOGFONTA font = {};       // fonts
    bool stock = false;       // never deleted
    int selections = 0;       // DCs that have it selected: deletion waits for zero
    bool deletePending = false;
};

struct DcState {
    HGDIOBJ pen;
    HGDIOBJ brush;
    HGDIOBJ font;
    COLORREF bkColor;
    COLORREF textColor;
    int bkMode;  // OPAQUE or TRANSPARENT: whether text output fills behind its glyphs
    POINT viewportOrigin;
    POINT position;  // MoveToEx
};

struct DeviceContext {
    HWND window;        // null for the screen: drawing there goes nowhere
    bool wholeWindow;   // GetWindowDC: origin at the window corner; else at the client corner
    DcState state;
    std::vector<DcState> saved;  // SaveDC levels, oldest first
};

// Handle values: small integers in ranges of their own, never reused.
uintptr_t g_nextObject = 0x1000;
uintptr_t g_nextDc = 0x100000;

std::map<HGDIOBJ, std::unique_ptr<GdiObject>>& Objects() {
    static std::map<HGDIOBJ, std::unique_ptr<GdiObject>> objects;
    return objects;
}

std::map<HDC, DeviceContext>& Contexts() {
    static std::map<HDC, DeviceContext> contexts;
    return contexts;
}

GdiObject* FindObject(HGDIOBJ handle) {
    auto found = Objects().find(handle);
    return found != Objects().end() ? found->second.get() : nullptr;
}

HGDIOBJ AddObject(const GdiObject& object) {
    auto handle = reinterpret_cast<HGDIOBJ>(g_nextObject);
    g_nextObject += 4;
    Objects()[handle] = std::make_unique<GdiObject>(object);
    return handle;
}

DeviceContext* FindDc(HDC hdc) {
    auto found = Contexts().find(hdc);
    return found != Contexts().end() ? &found->second : nullptr;
}

// ---- system colours and stock objects --------------------------------------------------------

// The default desktop scheme, COLOR_SCROLLBAR (0) to COLOR_MENUBAR (30).
constexpr COLORREF kSystemColors[] = {
    0xFFFFFF, 0x956F25, 0xFA9632, 0x808080, 0xFFFFFF, 0xFFFFFF, 0x9E9E9E, 0x000000,
    0x000000, 0x000000, 0xFFFFFF, 0xFFFFFF, 0x808080, 0xFA9630, 0xFFFFFF, 0xF5F5F5,
    0xA6A6A6, 0xA6A6A6, 0x000000, 0xC8C8C8, 0xFFFFFF, 0x6A6A6A, 0xE3E3E3, 0x000000,
    0xFFFFFF, 0xFFFFFF, 0xE0E0E0, 0xFA9632, 0x808080, 0xFA9630, 0xFFFFFF,
};
constexpr int kSystemColorCount = static_cast<int>(sizeof kSystemColors / sizeof kSystemColors[0]);

constexpr int kStockObjectCount = 18;  // WHITE_BRUSH (0) .. DEFAULT_GUI_FONT (17)

HGDIOBJ MakeStockBrush(COLORREF color, bool nullBrush = false) {
    GdiObject brush{ObjectKind::kBrush};
    brush.color = color;
    brush.nullBrush = nullBrush;
    brush.stock = true;
    return AddObject(brush);
}

HGDIOBJ MakeStockPen(COLORREF color, int style) {
    GdiObject pen{ObjectKind::kPen};
    pen.color = color;
    pen.penStyle = style;
    pen.stock = true;
    return AddObject(pen);
}

HGDIOBJ MakeStockFont(LONG height) {
    GdiObject font{ObjectKind::kFont};
    font.font.lfHeight = height;
    font.stock = true;
    return AddObject(font);
}

struct StockObjects {
    HGDIOBJ objects[kStockObjectCount] = {};
    HBRUSH sysColorBrushes[kSystemColorCount] = {};
};

const StockObjects& Stock() {
    static const StockObjects stock = [] {
        StockObjects s;
        s.objects[WHITE_BRUSH] = MakeStockBrush(RGB(255, 255, 255));
        s.objects[LTGRAY_BRUSH] = MakeStockBrush(RGB(192, 192, 192));
        s.objects[GRAY_BRUSH] = MakeStockBrush(RGB(128, 128, 128));
        s.objects[DKGRAY_BRUSH] = MakeStockBrush(RGB(64, 64, 64));
        s.objects[BLACK_BRUSH] = MakeStockBrush(RGB(0, 0, 0));
        s.objects[NULL_BRUSH] = MakeStockBrush(0, true);
        s.objects[WHITE_PEN] = MakeStockPen(RGB(255, 255, 255), PS_SOLID);
        s.objects[BLACK_PEN] = MakeStockPen(RGB(0, 0, 0), PS_SOLID);
        s.objects[NULL_PEN] = MakeStockPen(0, PS_NULL);
        for (int i = 10; i < kStockObjectCount; ++i)
            if (i != 15) s.objects[i] = MakeStockFont(0);  // 15 is the palette
        for (int i = 0; i < kSystemColorCount; ++i)
            s.sysColorBrushes[i] = static_cast<HBRUSH>(MakeStockBrush(kSystemColors[i]));
        return s;
    }();
    return stock;
}

// ---- selection bookkeeping ------------------------------------------------------------------

void DeleteNow(HGDIOBJ handle) { Objects().erase(handle); }

void AddSelection(HGDIOBJ handle) {
    if (GdiObject* object = FindObject(handle)) ++object->selections;
}

void DropSelection(HGDIOBJ handle) {
    GdiObject* object = FindObject(handle);
    if (object == nullptr || object->selections == 0) return;
    if (--object->selections == 0 && object->deletePending) DeleteNow(handle);
}

void SelectState(const DcState& state) {
    AddSelection(state.pen);
    AddSelection(state.brush);
    AddSelection(state.font);
}

void DeselectState(const DcState& state) {
    DropSelection(state.pen);
    DropSelection(state.brush);
    DropSelection(state.font);
}

DcState DefaultState() {
    const StockObjects& stock = Stock();
    DcState state = {};
    state.pen = stock.objects[BLACK_PEN];
    state.brush = stock.objects[WHITE_BRUSH];
    state.font = stock.objects[SYSTEM_FONT];
    state.bkColor = RGB(255, 255, 255);
    state.textColor = RGB(0, 0, 0);
    state.bkMode = OPAQUE;
    return state;
}

HDC NewDc(HWND hwnd, bool wholeWindow) {
    auto hdc = reinterpret_cast<HDC>(g_nextDc);
    g_nextDc += 4;
    DeviceContext dc;
    dc.window = hwnd;
    dc.wholeWindow = wholeWindow;
    dc.state = DefaultState();
    SelectState(dc.state);
    Contexts()[hdc] = std::move(dc);
    return hdc;
}

// A DC for a window the caller named; a null window is the screen.
HDC NewDcForCaller(HWND hwnd, bool wholeWindow) {
    if (hwnd != nullptr && plw::FindWindowOrFail(hwnd) == nullptr) return nullptr;
    return NewDc(hwnd, wholeWindow);
}

void FreeDc(HDC hdc) {
    DeviceContext* dc = FindDc(hdc);
    if (dc == nullptr) return;
    DeselectState(dc->state);
    for (const DcState& saved : dc->saved) DeselectState(saved);
    Contexts().erase(hdc);
}

// ---- pixels ---------------------------------------------------------------------------------

// The DC's drawing area on its window's surface: the origin and the clip, in surface pixels.
struct Target {
    plw::Surface* surface;
    RECT area;  // clip rectangle in surface coordinates
};

bool GetTarget(const DeviceContext* dc, Target* target) {
    plw::Window* window = plw::FindWindowRecord(dc->window);
    if (window == nullptr) return false;
    target->surface = &window->surface;
    if (dc->wholeWindow)
        target->area = {0, 0, window->surface.width, window->surface.height};
    else
        target->area = window->clientRect;
    return true;
}

// Device point of a logical point, in surface coordinates.
POINT ToSurface(const DeviceContext* dc, const Target& target, int x, int y) {
    return {target.area.left + x + dc->state.viewportOrigin.x, target.area.top + y + dc->state.viewportOrigin.y};
}

bool InArea(const Target& target, POINT p) {
    return p.x >= target.area.left && p.x < target.area.right && p.y >= target.area.top && p.y < target.area.bottom &&
           p.x >= 0 && p.y >= 0 && p.x < target.surface->width && p.y < target.surface->height;
}

COLORREF& PixelAt(const Target& target, POINT p) {
    return target.surface->pixels[static_cast<size_t>(p.y) * static_cast<size_t>(target.surface->width) +
                                  static_cast<size_t>(p.x)];
}

void PutPixel(const Target& target, POINT p, COLORREF color) {
    if (InArea(target, p)) PixelAt(target, p) = color;
}

// The pixel at a logical point of the DC, or null outside its area.
COLORREF* LogicalPixel(HDC hdc, int x, int y) {
    const DeviceContext* dc = FindDc(hdc);
    Target target;
    if (dc == nullptr || !GetTarget(dc, &target)) return nullptr;
    POINT p = ToSurface(dc, target, x, y);
    return InArea(target, p) ? &PixelAt(target, p) : nullptr;
}

void FillLogicalRect(const DeviceContext* dc, const RECT& rect, COLORREF color) {
    Target target;
    if (!GetTarget(dc, &target)) return;
    POINT from = ToSurface(dc, target, rect.left, rect.top);
    POINT to = ToSurface(dc, target, rect.right, rect.bottom);
    for (LONG y = from.y; y < to.y; ++y)
        for (LONG x = from.x; x < to.x; ++x) PutPixel(target, POINT{x, y}, color);
}

// Bresenham, without the end point, as LineTo draws.
void DrawLine(const DeviceContext* dc, POINT from, POINT to, COLORREF color) {
    Target target;
    if (!GetTarget(dc, &target)) return;
    LONG dx = to.x > from.x ? to.x - from.x : from.x - to.x;
    LONG dy = to.y > from.y ? from.y - to.y : to.y - from.y;
    LONG sx = from.x < to.x ? 1 : -1;
    LONG sy = from.y < to.y ? 1 : -1;
    LONG error = dx + dy;
    POINT p = from;
    while (p.x != to.x || p.y != to.y) {
        PutPixel(target, ToSurface(dc, target, p.x, p.y), color);
        LONG twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.x += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.y += sy;
        }
    }
}

// A brush handle may also be a system colour index plus one, as class backgrounds use.
const GdiObject* ResolveBrush(HBRUSH brush) {
    UINT_PTR value = reinterpret_cast<UINT_PTR>(brush);
    if (value > 0 && value <= static_cast<UINT_PTR>(kSystemColorCount))
        return FindObject(Stock().sysColorBrushes[value - 1]);
    const GdiObject* object = FindObject(brush);
    return object != nullptr && object->kind == ObjectKind::kBrush ? object : nullptr;
}

// ---- state setters: each answers the previous value ------------------------------------------

BOOL ReplacePoint(DeviceContext* dc, POINT DcState::*field, int x, int y, LPPOINT previous) {
    if (dc == nullptr) return FALSE;
    if (previous != nullptr) *previous = dc->state.*field;
    dc->state.*field = {x, y};
    return TRUE;
}

COLORREF ReplaceColor(DeviceContext* dc, COLORREF DcState::*field, COLORREF color) {
    return dc != nullptr ? std::exchange(dc->state.*field, color) : CLR_INVALID;
}

// ---- DrawText record --------------------------------------------------------------------------

PlwDrawTextRecord g_lastDrawText = {};
int g_drawTextCount = 0;

void RecordDrawText(HDC hdc, LPCSTR text, int count, const RECT* rect, UINT format) {
    PlwDrawTextRecord& record = g_lastDrawText;
    record = PlwDrawTextRecord{};
    record.hdc = hdc;
    record.count = count;
    if (text != nullptr) plw::CopyTruncated(record.text, sizeof record.text, text, static_cast<size_t>(count));
    if (rect != nullptr) record.rect = *rect;
    record.format = format;
    ++g_drawTextCount;
}

int FontHeight(const DeviceContext* dc) {
    const int kSystemFontHeight = 16;
    const GdiObject* font = FindObject(dc->state.font);
    if (font == nullptr || font->font.lfHeight == 0) return kSystemFontHeight;
    return font->font.lfHeight < 0 ? -font->font.lfHeight : font->font.lfHeight;
}

}  // namespace

namespace plw {

void ResizeSurface(Surface& surface, int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (surface.width == width && surface.height == height) return;
    surface.width = width;
    surface.height = height;
    surface.pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), RGB(255, 255, 255));
}

void ReleaseWindowDCs(HWND hwnd) {
    std::vector<HDC> owned;
    for (auto& entry : Contexts())
        if (entry.second.window == hwnd) owned.push_back(entry.first);
    for (HDC hdc : owned) FreeDc(hdc);
}

bool GetFontDescription(HFONT font, LOGFONTA* out) {
    const GdiObject* object = FindObject(font);
    if (object == nullptr || object->kind != ObjectKind::kFont) return false;
    *out = object->font;
    return true;
}

}  // namespace plw

extern "C" {

PLW_API HDC WINAPI GetDC(HWND hWnd) { return NewDcForCaller(hWnd, false); }

PLW_API HDC WINAPI GetWindowDC(HWND hWnd) { return NewDcForCaller(hWnd, true); }

PLW_API int WINAPI ReleaseDC(HWND, HDC hDC) {
    if (FindDc(hDC) == nullptr) return 0;
    FreeDc(hDC);
    return 1;
}

PLW_API HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
    plw::Window* window = plw::FindWindowRecord(hWnd);
    if (window == nullptr || lpPaint == nullptr) return nullptr;
    HDC hdc = NewDc(hWnd, false);
    bool eraseAsked = window->needsErase;
    window->needsPaint = false;
    window->needsErase = false;
    *lpPaint = PAINTSTRUCT{};
    lpPaint->hdc = hdc;
    GetClientRect(hWnd, &lpPaint->rcPaint);
    // fErase tells the painter that the background still needs erasing.
    lpPaint->fErase = eraseAsked && SendMessageA(hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) == 0;
    return hdc;
}

PLW_API BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint) {
    if (lpPaint == nullptr) return FALSE;
    ReleaseDC(hWnd, lpPaint->hdc);
    return TRUE;
}

PLW_API BOOL WINAPI InvalidateRect(HWND hWnd, const RECT*, BOOL bErase) {
    plw::Window* window = plw::FindWindowRecord(hWnd);
    if (window == nullptr) return hWnd == nullptr;
    // A hidden window has nothing to repaint.
    if (!IsWindowVisible(hWnd)) return TRUE;
    window->needsPaint = true;
    window->needsErase = window->needsErase || bErase;
    return TRUE;
}

PLW_API BOOL WINAPI UpdateWindow(HWND hWnd) {
    plw::Window* window = plw::FindWindowRecord(hWnd);
    if (window == nullptr) return FALSE;
    if (window->needsPaint) SendMessageA(hWnd, WM_PAINT, 0, 0);
    // Children are brought up to date with their parent, as RDW_ALLCHILDREN does.
    HWND child = GetWindow(hWnd, GW_CHILD);
    while (child != nullptr) {
        UpdateWindow(child);
        child = GetWindow(child, GW_HWNDNEXT);
    }
    return TRUE;
}

PLW_API int WINAPI SaveDC(HDC hdc) {
    DeviceContext* dc = FindDc(hdc);
    if (dc == nullptr) return 0;
    dc->saved.push_back(dc->state);
    SelectState(dc->state);
    return static_cast<int>(dc->saved.size());
}

PLW_API BOOL WINAPI RestoreDC(HDC hdc, int nSavedDC) {
    DeviceContext* dc = FindDc(hdc);
    if (dc == nullptr) return FALSE;
    int levels = static_cast<int>(dc->saved.size());
    int level = nSavedDC < 0 ? levels + 1 + nSavedDC : nSavedDC;
    if (level < 1 || level > levels) return FALSE;
    // Levels above the one restored are dropped with it.
    while (static_cast<int>(dc->saved.size()) > level) {
        DeselectState(dc->saved.back());
        dc->saved.pop_back();
    }
    DeselectState(dc->state);
    dc->state = dc->saved.back();
    dc->saved.pop_back();
    return TRUE;
}

PLW_API BOOL WINAPI SetViewportOrgEx(HDC hdc, int X, int Y, LPPOINT lpPoint) {
    return ReplacePoint(FindDc(hdc), &DcState::viewportOrigin, X, Y, lpPoint);
}

PLW_API BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT lpPoint) {
    DeviceContext* dc = FindDc(hdc);
    if (dc == nullptr || lpPoint == nullptr) return FALSE;
    *lpPoint = dc->state.viewportOrigin;
    return TRUE;
}

PLW_API HPEN WINAPI CreatePen(int iStyle, int, COLORREF color) {
    GdiObject pen{ObjectKind::kPen};
    pen.color = color;
    pen.penStyle = iStyle;
    return static_cast<HPEN>(AddObject(pen));
}

PLW_API HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
    GdiObject brush{ObjectKind::kBrush};
    brush.color = color;
    return static_cast<HBRUSH>(AddObject(brush));
}

PLW_API HFONT WINAPI CreateFontIndirectA(const LOGFONTA* lplf) {
    if (lplf == nullptr) return nullptr;
    GdiObject font{ObjectKind::kFont};
    font.font = *lplf;
    font.font.lfFaceName[LF_FACESIZE - 1] = '\0';
    return static_cast<HFONT>(AddObject(font));
}

PLW_API HGDIOBJ WINAPI GetStockObject(int i) {
    if (i < 0 || i >= kStockObjectCount) return nullptr;
    return Stock().objects[i];
}

PLW_API HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
    DeviceContext* dc = FindDc(hdc);
    GdiObject* object = FindObject(h);
    if (dc == nullptr || object == nullptr || object->deletePending) return nullptr;
    HGDIOBJ* slot = object->kind == ObjectKind::kPen ? &dc->state.pen
                    : object->kind == ObjectKind::kBrush ? &dc->state.brush
                                                         : &dc->state.font;
    HGDIOBJ previous = *slot;
    AddSelection(h);
    *slot = h;
    DropSelection(previous);
    return previous;
}

PLW_API BOOL WINAPI DeleteObject(HGDIOBJ ho) {
    GdiObject* object = FindObject(ho);
    if (object == nullptr) return FALSE;
    if (object->stock) return TRUE;
    // An object still selected goes when the last context lets it go.
    if (object->selections > 0) {
        object->deletePending = true;
        return TRUE;
    }
    DeleteNow(ho);
    return TRUE;
}

PLW_API BOOL WINAPI MoveToEx(HDC hdc, int X, int Y, LPPOINT lpPoint) {
    return ReplacePoint(FindDc(hdc), &DcState::position, X, Y, lpPoint);
}

PLW_API BOOL WINAPI LineTo(HDC hdc, int X, int Y) {
    DeviceContext* dc = FindDc(hdc);
    if (dc == nullptr) return FALSE;
    const GdiObject* pen = FindObject(dc->state.pen);
    POINT to = {X, Y};
    if (pen != nullptr && pen->penStyle != PS_NULL) DrawLine(dc, dc->state.position, to, pen->color);
    dc->state.position = to;
    return TRUE;
}

PLW_API COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
    return ReplaceColor(FindDc(hdc), &DcState::bkColor, color);
}

PLW_API COLORREF WINAPI GetBkColor(HDC hdc) {
    DeviceContext* dc = FindDc(hdc);
    return dc != nullptr ? dc->state.bkColor : CLR_INVALID;
}

PLW_API int WINAPI SetBkMode(HDC hdc, int mode) {
    DeviceContext* dc = FindDc(hdc);
    if (dc == nullptr || (mode != OPAQUE && mode != TRANSPARENT)) return 0;
    return std::exchange(dc->state.bkMode, mode);
}

PLW_API int WINAPI GetBkMode(HDC hdc) {
    DeviceContext* dc = FindDc(hdc);
    return dc != nullptr ? dc->state.bkMode : 0;
}

PLW_API COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
    return ReplaceColor(FindDc(hdc), &DcState::textColor, color);
}

PLW_API BOOL WINAPI ExtTextOutA(HDC hdc, int, int, UINT options, const RECT* lprect, LPCSTR, UINT, const INT*) {
    DeviceContext* dc = FindDc(hdc);
    if (dc == nullptr) return FALSE;
    if ((options & ETO_OPAQUE) && lprect != nullptr) FillLogicalRect(dc, *lprect, dc->state.bkColor);
    return TRUE;
}

PLW_API int WINAPI FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    DeviceContext* dc = FindDc(hDC);
    const GdiObject* brush = ResolveBrush(hbr);
    if (dc == nullptr || lprc == nullptr || brush == nullptr) return 0;
    if (!brush->nullBrush) FillLogicalRect(dc, *lprc, brush->color);
    return 1;
}

PLW_API COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
    const COLORREF* pixel = LogicalPixel(hdc, x, y);
    return pixel != nullptr ? *pixel : CLR_INVALID;
}

PLW_API COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
    COLORREF* pixel = LogicalPixel(hdc, x, y);
    if (pixel == nullptr) return CLR_INVALID;
    *pixel = color;
    return color;
}

PLW_API int WINAPI DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format) {
    DeviceContext* dc = FindDc(hdc);
    if (dc == nullptr || lprc == nullptr) return 0;
    int count = cchText;
    if (count < 0) count = lpchText != nullptr ? static_cast<int>(strlen(lpchText)) : 0;
    RecordDrawText(hdc, lpchText, count, lprc, format);
    return FontHeight(dc);
}

PLW_API DWORD WINAPI GetSysColor(int nIndex) {
    if (nIndex < 0 || nIndex >= kSystemColorCount) return 0;
    return kSystemColors[nIndex];
}

PLW_API HBRUSH WINAPI GetSysColorBrush(int nIndex) {
    if (nIndex < 0 || nIndex >= kSystemColorCount) return nullptr;
    return Stock().sysColorBrushes[nIndex];
}

PLW_API int PlwDrawTextCount(void) { return g_drawTextCount; }

PLW_API const PlwDrawTextRecord* PlwLastDrawText(void) { return &g_lastDrawText; }

PLW_API void PlwResetDrawText(void) {
    g_drawTextCount = 0;
    g_lastDrawText = PlwDrawTextRecord{};
}

}  // extern "C"
