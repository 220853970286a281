// MainMaskProc: the window procedure proper. The switch only dispatches, one handler per message;
// every message that is not ours, and every handler that ends in default processing, reaches the
// edit control through CallDefProc.
#include <plmedt60.h>

LRESULT plumeMaskEdit::MainMaskProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE: return WmNcCreate(hWnd, wParam, reinterpret_cast<CREATESTRUCTA*>(lParam));
    case WM_CREATE: return WmCreate(hWnd, wParam, lParam);
    case WM_DESTROY: return WmDestroy(hWnd, wParam, lParam);
    case WM_NCDESTROY: return WmNcDestroy(hWnd, wParam, lParam);
    default: return CallDefProc(hWnd, msg, wParam, lParam);
    }
}

LRESULT plumeMaskEdit::WmNcCreate(HWND hWnd, WPARAM wParam, CREATESTRUCTA* create) {
    m_hWnd = hWnd;
    MaskEditInit(create);
    return CallDefProc(hWnd, WM_NCCREATE, wParam, reinterpret_cast<LPARAM>(create));
}

// Separators and currency start afresh from the string table; the format set before creation is
// kept, but its entry position is recomputed only when DataFormat is set again.
LRESULT plumeMaskEdit::WmCreate(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    InitProperties();
    SetSeparator();
    ApplyBorderStyle();
    m_info.dwFlags |= MEF_CREATED;
    m_info.hWnd = hWnd;
    m_info.nEntryPos = 0;
    return CallDefProc(hWnd, WM_CREATE, wParam, lParam);
}

LRESULT plumeMaskEdit::WmDestroy(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    m_info.hWnd = nullptr;
    m_hWnd = nullptr;
    return CallDefProc(hWnd, WM_DESTROY, wParam, lParam);
}

LRESULT plumeMaskEdit::WmNcDestroy(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    MaskEditTerm(hWnd);
    return CallDefProc(hWnd, WM_NCDESTROY, wParam, lParam);
}
