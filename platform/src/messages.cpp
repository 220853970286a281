// Messages: sending, posting and the default window procedure.
#include <windows.h>

#include <string.h>

#include <deque>

#include "internal.h"

namespace {

// Posted messages, in order. The stand-in has one thread, so one queue.
std::deque<MSG>& Queue() {
    static std::deque<MSG> queue;
    return queue;
}

bool MatchesFilter(const MSG& msg, HWND hwnd, UINT first, UINT last) {
    if (hwnd != nullptr && msg.hwnd != hwnd) return false;
    if (first == 0 && last == 0) return true;
    return msg.message >= first && msg.message <= last;
}

// ---- DefWindowProc handlers ----------------------------------------------------------------

LRESULT DefNcCreate(plw::Window* window, const CREATESTRUCTA* cs) {
    if (cs != nullptr && cs->lpszName != nullptr) window->text = cs->lpszName;
    return TRUE;
}

LRESULT DefNcCalcSize(plw::Window* window, LPARAM lParam) {
    // Both forms start with the proposed window rectangle, which becomes the client rectangle.
    RECT* rect = reinterpret_cast<RECT*>(lParam);
    if (rect == nullptr) return 0;
    RECT insets = plw::DefaultNonClientInsets(window->style, window->exStyle);
    rect->left += insets.left;
    rect->top += insets.top;
    rect->right -= insets.right;
    rect->bottom -= insets.bottom;
    if (rect->right < rect->left) rect->right = rect->left;
    if (rect->bottom < rect->top) rect->bottom = rect->top;
    return 0;
}

LRESULT DefSetText(plw::Window* window, LPCSTR text) {
    window->text = text != nullptr ? text : "";
    return TRUE;
}

LRESULT DefGetText(const plw::Window* window, WPARAM size, LPSTR buffer) {
    if (buffer == nullptr || size == 0) return 0;
    return static_cast<LRESULT>(plw::CopyTruncated(buffer, size, window->text.data(), window->text.size()));
}

LRESULT DefPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    if (BeginPaint(hwnd, &ps) != nullptr) EndPaint(hwnd, &ps);
    return 0;
}

LRESULT DefEraseBackground(plw::Window* window, HDC hdc) {
    HBRUSH brush = window->cls->background;
    if (brush == nullptr || hdc == nullptr) return 0;
    // A class brush given as a system colour index plus one.
    if (reinterpret_cast<UINT_PTR>(brush) <= 64)
        brush = GetSysColorBrush(static_cast<int>(reinterpret_cast<UINT_PTR>(brush)) - 1);
    RECT client;
    GetClientRect(window->handle, &client);
    FillRect(hdc, &client, brush);
    return 1;
}

LRESULT DefWindowPosChanged(plw::Window* window, const WINDOWPOS* pos) {
    if (pos == nullptr) return 0;
    HWND hwnd = window->handle;
    if (!(pos->flags & SWP_NOSIZE)) {
        RECT client;
        GetClientRect(hwnd, &client);
        SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    }
    if (!(pos->flags & SWP_NOMOVE) && (window = plw::FindWindowRecord(hwnd)) != nullptr)
        SendMessageA(hwnd, WM_MOVE, 0,
                     MAKELPARAM(window->windowRect.left + window->clientRect.left,
                                window->windowRect.top + window->clientRect.top));
    return 0;
}

LRESULT DefControlColor(HDC hdc) {
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(hdc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

}  // namespace

namespace plw {

LRESULT Deliver(Window* window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (window->proc == nullptr) return 0;
    return window->proc(window->handle, msg, wParam, lParam);
}

void DropPostedMessages(HWND hwnd) {
    auto& queue = Queue();
    for (auto it = queue.begin(); it != queue.end();) {
        if (it->hwnd == hwnd)
            it = queue.erase(it);
        else
            ++it;
    }
}

}  // namespace plw

extern "C" {

PLW_API LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    plw::Window* window = plw::FindWindowOrFail(hWnd);
    return window != nullptr ? plw::Deliver(window, Msg, wParam, lParam) : 0;
}

PLW_API BOOL WINAPI PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (hWnd != nullptr && plw::FindWindowOrFail(hWnd) == nullptr) return FALSE;
    MSG msg = {};
    msg.hwnd = hWnd;
    msg.message = Msg;
    msg.wParam = wParam;
    msg.lParam = lParam;
    Queue().push_back(msg);
    return TRUE;
}

PLW_API BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
    if (lpMsg == nullptr) return FALSE;
    auto& queue = Queue();
    for (auto it = queue.begin(); it != queue.end(); ++it) {
        if (!MatchesFilter(*it, hWnd, wMsgFilterMin, wMsgFilterMax)) continue;
        *lpMsg = *it;
        if (wRemoveMsg & PM_REMOVE) queue.erase(it);
        return TRUE;
    }
    return FALSE;
}

PLW_API LRESULT WINAPI DispatchMessageA(const MSG* lpMsg) {
    if (lpMsg == nullptr || lpMsg->hwnd == nullptr) return 0;
    return SendMessageA(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

PLW_API BOOL WINAPI TranslateMessage(const MSG*) {
    // Key messages carry their characters already: tests send WM_CHAR themselves.
    return FALSE;
}

PLW_API LRESULT WINAPI CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (lpPrevWndFunc == nullptr) return 0;
    return lpPrevWndFunc(hWnd, Msg, wParam, lParam);
}

PLW_API LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    plw::Window* window = plw::FindWindowRecord(hWnd);
    if (window == nullptr) return 0;
    switch (Msg) {
    case WM_NCCREATE: return DefNcCreate(window, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_NCCALCSIZE: return DefNcCalcSize(window, lParam);
    case WM_SETTEXT: return DefSetText(window, reinterpret_cast<LPCSTR>(lParam));
    case WM_GETTEXT: return DefGetText(window, wParam, reinterpret_cast<LPSTR>(lParam));
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(window->text.size());
    case WM_PAINT: return DefPaint(hWnd);
    case WM_ERASEBKGND: return DefEraseBackground(window, reinterpret_cast<HDC>(wParam));
    case WM_WINDOWPOSCHANGED: return DefWindowPosChanged(window, reinterpret_cast<const WINDOWPOS*>(lParam));
    case WM_CLOSE: DestroyWindow(hWnd); return 0;
    case WM_CTLCOLOREDIT: return DefControlColor(reinterpret_cast<HDC>(wParam));
    default: return 0;
    }
}

PLW_API BOOL WINAPI SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom) {
    if (lprc == nullptr) return FALSE;
    *lprc = {xLeft, yTop, xRight, yBottom};
    return TRUE;
}

PLW_API BOOL WINAPI InflateRect(LPRECT lprc, int dx, int dy) {
    if (lprc == nullptr) return FALSE;
    lprc->left -= dx;
    lprc->top -= dy;
    lprc->right += dx;
    lprc->bottom += dy;
    return TRUE;
}

PLW_API BOOL WINAPI OffsetRect(LPRECT lprc, int dx, int dy) {
    if (lprc == nullptr) return FALSE;
    lprc->left += dx;
    lprc->top += dy;
    lprc->right += dx;
    lprc->bottom += dy;
    return TRUE;
}

}  // extern "C"
