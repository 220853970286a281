// Windows: creation and destruction with the messages Win32 sends, window longs and extra
// bytes, parent and child id, focus, position and size, visibility, FindWindow.
#include <windows.h>

#include <string.h>
#include <strings.h>

#include <algorithm>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "internal.h"

namespace {

// Window handles are never reused, so that a stale handle stays invalid.
constexpr uintptr_t kFirstHandle = 0x10020;
constexpr uintptr_t kHandleStep = 2;
uintptr_t g_nextHandle = kFirstHandle;

// All live windows by handle; the value owns the record.
std::map<HWND, std::unique_ptr<plw::Window>>& Windows() {
    static std::map<HWND, std::unique_ptr<plw::Window>> windows;
    return windows;
}

// Top-level windows and each window's children, in z-order (topmost first).
std::vector<HWND> g_topLevel;
std::map<HWND, std::vector<HWND>> g_children;

HWND g_focus = nullptr;

constexpr DWORD kErrorTlwWithWsChild = 1406;
constexpr DWORD kErrorControlIdNotFound = 1421;
constexpr DWORD kErrorAccessDenied = 5;

// Non-client metrics, as the default desktop theme has them.
constexpr int kBorderWidth = 1;      // SM_CXBORDER
constexpr int kDialogFrameWidth = 3; // SM_CXDLGFRAME
constexpr int kSizingFrameWidth = 4; // SM_CXFRAME
constexpr int kEdgeWidth = 2;        // SM_CXEDGE, the sunken client edge
constexpr int kStaticEdgeWidth = 1;
constexpr int kCaptionHeight = 19;   // SM_CYCAPTION

bool IsChildStyle(DWORD style) { return (style & WS_CHILD) != 0; }

std::vector<HWND>& Siblings(HWND parent) { return parent != nullptr ? g_children[parent] : g_topLevel; }

// The list the window stands in: its parent's children, or the top-level windows.
std::vector<HWND>& SiblingsOf(const plw::Window* window) {
    return Siblings(IsChildStyle(window->style) ? window->parent : nullptr);
}

void RemoveFromSiblings(const plw::Window* window) {
    std::vector<HWND>& siblings = SiblingsOf(window);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window->handle), siblings.end());
}

// The window's parent when it is a child (its coordinates are relative to that parent).
plw::Window* ParentOf(const plw::Window* window) {
    return IsChildStyle(window->style) ? plw::FindWindowRecord(window->parent) : nullptr;
}

// Screen position of the window's top-left corner.
POINT WindowOrigin(const plw::Window* window);

POINT ClientOrigin(const plw::Window* window) {
    POINT origin = WindowOrigin(window);
    origin.x += window->clientRect.left;
    origin.y += window->clientRect.top;
    return origin;
}

POINT WindowOrigin(const plw::Window* window) {
    POINT origin = {window->windowRect.left, window->windowRect.top};
    if (const plw::Window* parent = ParentOf(window)) {
        POINT parentClient = ClientOrigin(parent);
        origin.x += parentClient.x;
        origin.y += parentClient.y;
    }
    return origin;
}

// The frame that DefWindowProc's WM_NCCALCSIZE takes off the window rectangle.
RECT NonClientInsets(DWORD style, DWORD exStyle) {
    int frame = 0;
    bool thickFrame = (style & WS_THICKFRAME) && (style & (WS_DLGFRAME | WS_BORDER)) != WS_DLGFRAME;
    bool dialogFrame = (exStyle & WS_EX_DLGMODALFRAME) || ((style & WS_DLGFRAME) && !(style & WS_THICKFRAME));
    if (thickFrame)
        frame = kSizingFrameWidth;
    else if (dialogFrame)
        frame = kDialogFrameWidth;
    else if (style & WS_BORDER)
        frame = kBorderWidth;
    if (exStyle & WS_EX_CLIENTEDGE)
        frame += kEdgeWidth;
    else if (exStyle & WS_EX_STATICEDGE)
        frame += kStaticEdgeWidth;
    RECT insets = {frame, frame, frame, frame};
    if ((style & WS_CAPTION) == WS_CAPTION) insets.top += kCaptionHeight;
    return insets;
}

LONG Width(const RECT& rect) { return rect.right - rect.left; }
LONG Height(const RECT& rect) { return rect.bottom - rect.top; }

// The window rectangle in screen coordinates.
RECT ScreenRect(const plw::Window* window) {
    POINT origin = WindowOrigin(window);
    return {origin.x, origin.y, origin.x + Width(window->windowRect), origin.y + Height(window->windowRect)};
}

void ResizeWindowSurface(plw::Window* window) {
    plw::ResizeSurface(window->surface, Width(window->windowRect), Height(window->windowRect));
}

// Asks the window for its client area (WM_NCCALCSIZE without valid-area rectangles) and keeps
// it relative to the window's corner.
void CalculateClientArea(plw::Window* window) {
    POINT origin = WindowOrigin(window);
    RECT rect = ScreenRect(window);
    plw::Deliver(window, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&rect));
    window->clientRect = {rect.left - origin.x, rect.top - origin.y, rect.right - origin.x, rect.bottom - origin.y};
}

LPARAM ClientSizeParam(const plw::Window* window) {
    return MAKELPARAM(Width(window->clientRect), Height(window->clientRect));
}

// Client origin in the parent's client coordinates, as WM_MOVE reports it.
LPARAM ClientPositionParam(const plw::Window* window) {
    return MAKELPARAM(window->windowRect.left + window->clientRect.left,
                      window->windowRect.top + window->clientRect.top);
}

void NotifyParent(plw::Window* window, UINT event) {
    if (!IsChildStyle(window->style) || (window->exStyle & WS_EX_NOPARENTNOTIFY)) return;
    plw::Window* parent = ParentOf(window);
    if (parent == nullptr) return;
    plw::Deliver(parent, WM_PARENTNOTIFY, MAKEWPARAM(event, window->id), reinterpret_cast<LPARAM>(window->handle));
}

bool ContainsWindow(HWND ancestor, HWND hwnd) {
    for (plw::Window* window = plw::FindWindowRecord(hwnd); window != nullptr; window = ParentOf(window))
        if (window->handle == ancestor) return true;
    return false;
}

// A window that becomes visible, and its visible children, need painting from scratch.
void MarkForRepaint(plw::Window* window) {
    window->needsPaint = true;
    window->needsErase = true;
    auto children = g_children.find(window->handle);
    if (children == g_children.end()) return;
    for (HWND child : children->second) {
        plw::Window* record = plw::FindWindowRecord(child);
        if (record != nullptr && (record->style & WS_VISIBLE)) MarkForRepaint(record);
    }
}

// ---- creation -----------------------------------------------------------------------------

plw::Window* NewWindowRecord(plw::WindowClass* cls, const CREATESTRUCTA& cs) {
    auto record = std::make_unique<plw::Window>();
    plw::Window* window = record.get();
    window->handle = reinterpret_cast<HWND>(g_nextHandle);
    g_nextHandle += kHandleStep;
    window->cls = cls;
    window->proc = cls->proc;
    window->style = static_cast<DWORD>(cs.style);
    window->exStyle = cs.dwExStyle;
    window->parent = cs.hwndParent;
    window->id = IsChildStyle(window->style) ? reinterpret_cast<LONG_PTR>(cs.hMenu) : 0;
    window->instance = cs.hInstance;
    window->extra.assign(static_cast<size_t>(cls->cbWndExtra), 0);
    window->windowRect = {cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy};
    ResizeWindowSurface(window);
    ++cls->windowCount;
    Windows()[window->handle] = std::move(record);
    // A new top-level window goes on top of the others; a new child below its siblings, so
    // that children are listed (and destroyed) in the order of their creation.
    if (IsChildStyle(window->style))
        Siblings(window->parent).push_back(window->handle);
    else
        g_topLevel.insert(g_topLevel.begin(), window->handle);
    return window;
}

// Removes the record of a window whose WM_NCDESTROY has been sent.
void DiscardWindowRecord(HWND hwnd) {
    auto found = Windows().find(hwnd);
    if (found == Windows().end()) return;
    plw::Window* window = found->second.get();
    RemoveFromSiblings(window);
    g_children.erase(hwnd);
    --window->cls->windowCount;
    if (g_focus == hwnd) g_focus = nullptr;
    plw::ReleaseWindowDCs(hwnd);
    plw::DropPostedMessages(hwnd);
    Windows().erase(found);
}

void ApplyDefaultSize(CREATESTRUCTA& cs) {
    // CW_USEDEFAULT places and sizes a top-level window; the stand-in has no screen to share.
    const int kDefaultWidth = 320;
    const int kDefaultHeight = 240;
    if (cs.x == CW_USEDEFAULT) cs.x = cs.y = 0;
    if (cs.cx == CW_USEDEFAULT) {
        cs.cx = kDefaultWidth;
        cs.cy = kDefaultHeight;
    }
    if (cs.cx < 0) cs.cx = 0;
    if (cs.cy < 0) cs.cy = 0;
}

// Destroys the window's children and sends the window its WM_NCDESTROY: the end of a window
// whose WM_DESTROY (and its children's) has been sent.
void FinishDestruction(HWND hwnd);

HWND CreateWindowRecord(CREATESTRUCTA& cs, plw::WindowClass* cls) {
    plw::Window* window = NewWindowRecord(cls, cs);
    HWND hwnd = window->handle;
    if (plw::Deliver(window, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs)) == 0) {
        FinishDestruction(hwnd);
        return nullptr;
    }
    window = plw::FindWindowRecord(hwnd);
    if (window == nullptr) return nullptr;
    CalculateClientArea(window);
    if (plw::Deliver(window, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        FinishDestruction(hwnd);
        return nullptr;
    }
    if ((window = plw::FindWindowRecord(hwnd)) == nullptr) return nullptr;
    // Top-level windows learn their size when first shown; children and pop-ups at once.
    if (IsChildStyle(window->style) || (window->style & WS_POPUP)) {
        plw::Deliver(window, WM_SIZE, SIZE_RESTORED, ClientSizeParam(window));
        if ((window = plw::FindWindowRecord(hwnd)) == nullptr) return nullptr;
        plw::Deliver(window, WM_MOVE, 0, ClientPositionParam(window));
        if ((window = plw::FindWindowRecord(hwnd)) == nullptr) return nullptr;
    }
    NotifyParent(window, WM_CREATE);
    if ((window = plw::FindWindowRecord(hwnd)) == nullptr) return nullptr;
    if (window->style & WS_VISIBLE) {
        MarkForRepaint(window);
        plw::Deliver(window, WM_SHOWWINDOW, TRUE, 0);
    }
    return plw::FindWindowRecord(hwnd) != nullptr ? hwnd : nullptr;
}

// ---- destruction --------------------------------------------------------------------------

std::vector<HWND> ChildrenOf(HWND hwnd) {
    auto found = g_children.find(hwnd);
    return found != g_children.end() ? found->second : std::vector<HWND>();
}

// WM_DESTROY goes to the window first, then to each child and its children.
void SendDestroy(HWND hwnd) {
    plw::Window* window = plw::FindWindowRecord(hwnd);
    if (window == nullptr) return;
    window->destroying = true;
    plw::Deliver(window, WM_DESTROY, 0, 0);
    for (HWND child : ChildrenOf(hwnd)) SendDestroy(child);
}

void FinishDestruction(HWND hwnd) {
    plw::Window* window = plw::FindWindowRecord(hwnd);
    if (window == nullptr) return;
    window->destroying = true;
    for (HWND child : ChildrenOf(hwnd)) FinishDestruction(child);
    if ((window = plw::FindWindowRecord(hwnd)) == nullptr) return;
    plw::Deliver(window, WM_NCDESTROY, 0, 0);
    DiscardWindowRecord(hwnd);
}

// ---- window longs ------------------------------------------------------------------------

// Extra bytes hold a LONG or a LONG_PTR at any byte offset, aligned or not.
template <typename T>
T ReadExtra(const plw::Window* window, int index) {
    T value;
    memcpy(&value, window->extra.data() + index, sizeof value);
    return value;
}

template <typename T>
T ExchangeExtra(plw::Window* window, int index, T value) {
    T previous = ReadExtra<T>(window, index);
    memcpy(window->extra.data() + index, &value, sizeof value);
    return previous;
}

// Styles change through WM_STYLECHANGING / WM_STYLECHANGED, as SetWindowLong does on Win32.
LONG_PTR ChangeStyle(plw::Window* window, int index, DWORD newStyle) {
    HWND hwnd = window->handle;
    DWORD& field = index == GWL_STYLE ? window->style : window->exStyle;
    STYLESTRUCT change = {field, newStyle};
    plw::Deliver(window, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
    if ((window = plw::FindWindowRecord(hwnd)) == nullptr) return 0;
    DWORD& target = index == GWL_STYLE ? window->style : window->exStyle;
    DWORD previous = target;
    change.styleOld = previous;
    target = change.styleNew;
    plw::Deliver(window, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
    return static_cast<LONG>(previous);
}

enum class LongSize { kLong, kPointer };

bool IsPointerOnlyIndex(int index) {
    return index == GWLP_WNDPROC || index == GWLP_HINSTANCE || index == GWLP_HWNDPARENT;
}

// The window whose long at `index` a caller may reach with a long of this size: extra bytes
// inside the class's count, or a system index. Null, with the last error set, otherwise.
plw::Window* WindowForLong(HWND hwnd, int index, LongSize size) {
    plw::Window* window = plw::FindWindowOrFail(hwnd);
    if (window == nullptr) return nullptr;
    size_t bytes = size == LongSize::kLong ? sizeof(LONG) : sizeof(LONG_PTR);
    // As on 64-bit Windows, a pointer cannot be read through a 32-bit long.
    bool reachable = index >= 0 ? static_cast<size_t>(index) + bytes <= window->extra.size()
                                : !(size == LongSize::kLong && IsPointerOnlyIndex(index));
    if (reachable) return window;
    SetLastError(plw::kErrorInvalidIndex);
    return nullptr;
}

LONG_PTR GetLong(HWND hwnd, int index, LongSize size) {
    plw::Window* window = WindowForLong(hwnd, index, size);
    if (window == nullptr) return 0;
    if (index >= 0) {
        if (size == LongSize::kLong) return ReadExtra<LONG>(window, index);
        return ReadExtra<LONG_PTR>(window, index);
    }
    switch (index) {
    case GWL_STYLE: return static_cast<LONG>(window->style);
    case GWL_EXSTYLE: return static_cast<LONG>(window->exStyle);
    case GWLP_ID: return window->id;
    case GWLP_USERDATA: return size == LongSize::kLong ? static_cast<LONG>(window->userData) : window->userData;
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(window->proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(window->instance);
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(window->parent);
    default: SetLastError(plw::kErrorInvalidIndex); return 0;
    }
}

LONG_PTR SetLong(HWND hwnd, int index, LONG_PTR value, LongSize size) {
    plw::Window* window = WindowForLong(hwnd, index, size);
    if (window == nullptr) return 0;
    if (index >= 0) {
        if (size == LongSize::kLong) return ExchangeExtra<LONG>(window, index, static_cast<LONG>(value));
        return ExchangeExtra<LONG_PTR>(window, index, value);
    }
    switch (index) {
    case GWL_STYLE:
    case GWL_EXSTYLE: return ChangeStyle(window, index, static_cast<DWORD>(value));
    case GWLP_ID: return std::exchange(window->id, value);
    case GWLP_USERDATA: return std::exchange(window->userData, value);
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(std::exchange(window->proc, reinterpret_cast<WNDPROC>(value)));
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(std::exchange(window->instance, reinterpret_cast<HINSTANCE>(value)));
    case GWLP_HWNDPARENT: {
        // Only a top-level window's owner can change this way.
        HWND previous = window->parent;
        if (!IsChildStyle(window->style)) window->parent = reinterpret_cast<HWND>(value);
        return reinterpret_cast<LONG_PTR>(previous);
    }
    default: SetLastError(plw::kErrorInvalidIndex); return 0;
    }
}

// ---- position -----------------------------------------------------------------------------

void MoveInZOrder(plw::Window* window, HWND insertAfter) {
    RemoveFromSiblings(window);
    std::vector<HWND>& siblings = SiblingsOf(window);
    if (insertAfter == HWND_TOP) {
        siblings.insert(siblings.begin(), window->handle);
        return;
    }
    auto after = std::find(siblings.begin(), siblings.end(), insertAfter);
    if (insertAfter == HWND_BOTTOM || after == siblings.end())
        siblings.push_back(window->handle);
    else
        siblings.insert(after + 1, window->handle);
}

// The client area for a new window rectangle, through WM_NCCALCSIZE with valid-area rectangles
// (in the parent's client coordinates, as Win32 gives them to a child).
RECT RecalculateClient(plw::Window* window, const RECT& newRect, WINDOWPOS* pos) {
    NCCALCSIZE_PARAMS params = {};
    params.rgrc[0] = newRect;
    params.rgrc[1] = window->windowRect;
    params.rgrc[2] = {window->windowRect.left + window->clientRect.left, window->windowRect.top + window->clientRect.top,
                      window->windowRect.left + window->clientRect.right,
                      window->windowRect.top + window->clientRect.bottom};
    params.lppos = pos;
    plw::Deliver(window, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
    const RECT& client = params.rgrc[0];
    return {client.left - newRect.left, client.top - newRect.top, client.right - newRect.left,
            client.bottom - newRect.top};
}

BOOL PositionWindow(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    plw::Window* window = plw::FindWindowOrFail(hwnd);
    if (window == nullptr) return FALSE;
    if (flags & SWP_NOMOVE) {
        x = window->windowRect.left;
        y = window->windowRect.top;
    }
    if (flags & SWP_NOSIZE) {
        cx = Width(window->windowRect);
        cy = Height(window->windowRect);
    }
    WINDOWPOS pos = {hwnd, insertAfter, x, y, cx < 0 ? 0 : cx, cy < 0 ? 0 : cy, flags};
    plw::Deliver(window, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    if ((window = plw::FindWindowRecord(hwnd)) == nullptr) return FALSE;
    RECT newRect = {pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy};
    bool geometryChanged = memcmp(&newRect, &window->windowRect, sizeof newRect) != 0;
    if (geometryChanged || (pos.flags & SWP_FRAMECHANGED)) {
        RECT client = RecalculateClient(window, newRect, &pos);
        if ((window = plw::FindWindowRecord(hwnd)) == nullptr) return FALSE;
        window->windowRect = newRect;
        window->clientRect = client;
        ResizeWindowSurface(window);
    }
    if (!(pos.flags & SWP_NOZORDER)) MoveInZOrder(window, pos.hwndInsertAfter);
    if ((pos.flags & SWP_SHOWWINDOW) && !(window->style & WS_VISIBLE)) {
        window->style |= WS_VISIBLE;
        MarkForRepaint(window);
    }
    if (pos.flags & SWP_HIDEWINDOW) window->style &= ~static_cast<DWORD>(WS_VISIBLE);
    plw::Deliver(window, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    return TRUE;
}

}  // namespace

namespace plw {

Window* FindWindowRecord(HWND hwnd) {
    if (hwnd == nullptr) return nullptr;
    auto found = Windows().find(hwnd);
    return found != Windows().end() ? found->second.get() : nullptr;
}

Window* FindWindowOrFail(HWND hwnd) {
    Window* window = FindWindowRecord(hwnd);
    if (window == nullptr) SetLastError(kErrorInvalidWindowHandle);
    return window;
}

void DropFocusFrom(HWND hwnd) {
    if (g_focus != nullptr && ContainsWindow(hwnd, g_focus)) g_focus = nullptr;
}

RECT DefaultNonClientInsets(DWORD style, DWORD exStyle) { return NonClientInsets(style, exStyle); }

}  // namespace plw

extern "C" {

PLW_API HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X,
                                    int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                                    HINSTANCE hInstance, LPVOID lpParam) {
    plw::WindowClass* cls = plw::FindClassForCreation(lpClassName, hInstance);
    if (cls == nullptr) {
        SetLastError(plw::kErrorClassDoesNotExist);
        return nullptr;
    }
    if (IsChildStyle(dwStyle) && plw::FindWindowRecord(hWndParent) == nullptr) {
        SetLastError(hWndParent == nullptr ? kErrorTlwWithWsChild : plw::kErrorInvalidWindowHandle);
        return nullptr;
    }
    CREATESTRUCTA cs = {};
    cs.lpCreateParams = lpParam;
    cs.hInstance = hInstance;
    cs.hMenu = hMenu;
    cs.hwndParent = hWndParent;
    cs.x = X;
    cs.y = Y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.style = static_cast<LONG>(dwStyle);
    cs.lpszName = lpWindowName;
    cs.lpszClass = lpClassName;
    cs.dwExStyle = dwExStyle;
    ApplyDefaultSize(cs);
    return CreateWindowRecord(cs, cls);
}

PLW_API BOOL WINAPI DestroyWindow(HWND hWnd) {
    plw::Window* window = plw::FindWindowOrFail(hWnd);
    if (window == nullptr) return FALSE;
    if (window->destroying) {
        SetLastError(kErrorAccessDenied);
        return FALSE;
    }
    // The focus leaves a window that goes away; Win32 sends it no WM_KILLFOCUS then.
    plw::DropFocusFrom(hWnd);
    NotifyParent(window, WM_DESTROY);
    SendDestroy(hWnd);
    FinishDestruction(hWnd);
    return TRUE;
}

PLW_API BOOL WINAPI IsWindow(HWND hWnd) { return plw::FindWindowRecord(hWnd) != nullptr; }

PLW_API HWND WINAPI FindWindowA(LPCSTR lpClassName, LPCSTR lpWindowName) {
    for (HWND hwnd : g_topLevel) {
        plw::Window* window = plw::FindWindowRecord(hwnd);
        if (window == nullptr) continue;
        if (lpClassName != nullptr) {
            bool isAtom = (reinterpret_cast<UINT_PTR>(lpClassName) >> 16) == 0;
            bool match = isAtom ? window->cls->atom == LOWORD(lpClassName)
                                : strcasecmp(window->cls->name.c_str(), lpClassName) == 0;
            if (!match) continue;
        }
        if (lpWindowName != nullptr && strcasecmp(window->text.c_str(), lpWindowName) != 0) continue;
        return hwnd;
    }
    return nullptr;
}

PLW_API HWND WINAPI GetParent(HWND hWnd) {
    plw::Window* window = plw::FindWindowOrFail(hWnd);
    if (window == nullptr) return nullptr;
    // A top-level window's "parent" is its owner, for pop-ups only.
    if (IsChildStyle(window->style) || (window->style & WS_POPUP)) return window->parent;
    return nullptr;
}

// Siblings in z-order, topmost first: top-level windows newest first, children oldest first.
PLW_API HWND WINAPI GetWindow(HWND hWnd, UINT uCmd) {
    plw::Window* window = plw::FindWindowOrFail(hWnd);
    if (window == nullptr) return nullptr;
    if (uCmd == GW_CHILD) {
        std::vector<HWND> children = ChildrenOf(hWnd);
        return children.empty() ? nullptr : children.front();
    }
    if (uCmd == GW_OWNER) return IsChildStyle(window->style) ? nullptr : window->parent;
    const std::vector<HWND>& siblings = SiblingsOf(window);
    auto self = std::find(siblings.begin(), siblings.end(), hWnd);
    switch (uCmd) {
    case GW_HWNDFIRST: return siblings.empty() ? nullptr : siblings.front();
    case GW_HWNDLAST: return siblings.empty() ? nullptr : siblings.back();
    case GW_HWNDNEXT: return self != siblings.end() && self + 1 != siblings.end() ? *(self + 1) : nullptr;
    case GW_HWNDPREV: return self != siblings.begin() && self != siblings.end() ? *(self - 1) : nullptr;
    default: SetLastError(plw::kErrorInvalidParameter); return nullptr;
    }
}

PLW_API int WINAPI GetDlgCtrlID(HWND hWnd) {
    plw::Window* window = plw::FindWindowOrFail(hWnd);
    if (window == nullptr) return 0;
    return static_cast<int>(window->id);
}

PLW_API HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
    if (plw::FindWindowOrFail(hDlg) == nullptr) return nullptr;
    for (HWND child : ChildrenOf(hDlg)) {
        plw::Window* window = plw::FindWindowRecord(child);
        if (window != nullptr && static_cast<int>(window->id) == nIDDlgItem) return child;
    }
    SetLastError(kErrorControlIdNotFound);
    return nullptr;
}

PLW_API LONG WINAPI GetWindowLongA(HWND hWnd, int nIndex) {
    return static_cast<LONG>(GetLong(hWnd, nIndex, LongSize::kLong));
}

PLW_API LONG WINAPI SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong) {
    return static_cast<LONG>(SetLong(hWnd, nIndex, dwNewLong, LongSize::kLong));
}

PLW_API LONG_PTR WINAPI GetWindowLongPtrA(HWND hWnd, int nIndex) { return GetLong(hWnd, nIndex, LongSize::kPointer); }

PLW_API LONG_PTR WINAPI SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
    return SetLong(hWnd, nIndex, dwNewLong, LongSize::kPointer);
}

PLW_API int WINAPI GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
    if (lpString == nullptr || nMaxCount <= 0) return 0;
    lpString[0] = '\0';
    if (plw::FindWindowOrFail(hWnd) == nullptr) return 0;
    return static_cast<int>(SendMessageA(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount),
                                         reinterpret_cast<LPARAM>(lpString)));
}

PLW_API int WINAPI GetWindowTextLengthA(HWND hWnd) {
    return static_cast<int>(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

PLW_API BOOL WINAPI SetWindowTextA(HWND hWnd, LPCSTR lpString) {
    if (plw::FindWindowOrFail(hWnd) == nullptr) return FALSE;
    return static_cast<BOOL>(SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)));
}

PLW_API HWND WINAPI SetFocus(HWND hWnd) {
    HWND previous = g_focus;
    if (hWnd != nullptr && plw::FindWindowOrFail(hWnd) == nullptr) return nullptr;
    if (hWnd == previous) return previous;
    // The focus changes first, so that GetFocus inside WM_KILLFOCUS already names the new window.
    g_focus = hWnd;
    if (plw::Window* old = plw::FindWindowRecord(previous))
        plw::Deliver(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
    if (g_focus != hWnd) return previous;  // a WM_KILLFOCUS handler moved it elsewhere
    if (plw::Window* now = plw::FindWindowRecord(hWnd))
        plw::Deliver(now, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

PLW_API HWND WINAPI GetFocus(void) { return g_focus; }

PLW_API BOOL WINAPI SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
    return PositionWindow(hWnd, hWndInsertAfter, X, Y, cx, cy, uFlags);
}

PLW_API BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) {
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW);
    return PositionWindow(hWnd, nullptr, X, Y, nWidth, nHeight, flags);
}

PLW_API BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) {
    plw::Window* window = plw::FindWindowOrFail(hWnd);
    if (window == nullptr) return FALSE;
    BOOL wasVisible = (window->style & WS_VISIBLE) != 0;
    bool show = nCmdShow != SW_HIDE;
    if (show == static_cast<bool>(wasVisible)) return wasVisible;
    plw::Deliver(window, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    // A hidden window cannot keep the focus: it goes to the parent.
    if (!show && g_focus != nullptr && ContainsWindow(hWnd, g_focus))
        SetFocus(IsChildStyle(window->style) ? window->parent : nullptr);
    UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    PositionWindow(hWnd, nullptr, 0, 0, 0, 0, flags | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    return wasVisible;
}

PLW_API BOOL WINAPI IsWindowVisible(HWND hWnd) {
    plw::Window* window = plw::FindWindowRecord(hWnd);
    if (window == nullptr) return FALSE;
    for (; window != nullptr; window = ParentOf(window))
        if (!(window->style & WS_VISIBLE)) return FALSE;
    return TRUE;
}

PLW_API BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable) {
    plw::Window* window = plw::FindWindowOrFail(hWnd);
    if (window == nullptr) return FALSE;
    BOOL wasDisabled = (window->style & WS_DISABLED) != 0;
    if (static_cast<bool>(bEnable) != static_cast<bool>(wasDisabled)) return wasDisabled;
    if (bEnable) {
        window->style &= ~static_cast<DWORD>(WS_DISABLED);
    } else {
        window->style |= WS_DISABLED;
        if (g_focus != nullptr && ContainsWindow(hWnd, g_focus)) SetFocus(nullptr);
    }
    if ((window = plw::FindWindowRecord(hWnd)) != nullptr) plw::Deliver(window, WM_ENABLE, bEnable ? TRUE : FALSE, 0);
    return wasDisabled;
}

// A missing rectangle is refused as a bad handle is.
PLW_API BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect) {
    plw::Window* window = plw::FindWindowOrFail(lpRect != nullptr ? hWnd : nullptr);
    if (window == nullptr) return FALSE;
    *lpRect = ScreenRect(window);
    return TRUE;
}

PLW_API BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
    plw::Window* window = plw::FindWindowOrFail(lpRect != nullptr ? hWnd : nullptr);
    if (window == nullptr) return FALSE;
    LONG width = Width(window->clientRect);
    LONG height = Height(window->clientRect);
    *lpRect = {0, 0, width > 0 ? width : 0, height > 0 ? height : 0};
    return TRUE;
}

PLW_API BOOL WINAPI ShowCaret(HWND) { return TRUE; }

PLW_API BOOL WINAPI HideCaret(HWND) { return TRUE; }

}  // extern "C"
