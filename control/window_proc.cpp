// MainMaskProc: the window procedure proper. The switch only dispatches, one handler per message;
// every message that is not ours, and every handler that ends in default processing, reaches the
// edit control through CallDefProc.
#include <plmedt60.h>

#include "control/control_internal.h"

LRESULT plumeMaskEdit::MainMaskProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE: return WmNcCreate(hWnd, wParam, reinterpret_cast<CREATESTRUCTA*>(lParam));
    case WM_CREATE: return WmCreate(hWnd, wParam, lParam);
    case WM_DESTROY: return WmDestroy(hWnd, wParam, lParam);
    case WM_NCDESTROY: return WmNcDestroy(hWnd, wParam, lParam);
    case WM_SETFOCUS: return WmSetFocus(hWnd, wParam, lParam);
    case WM_KILLFOCUS: return WmKillFocus(hWnd, wParam, lParam);
    case WM_SETTEXT: return WmSetText(hWnd, wParam, reinterpret_cast<LPCSTR>(lParam));
    case WM_PAINT: return WmPaint(hWnd, wParam, lParam);
    case WM_SETCURSOR: return WmSetCursor(hWnd, wParam, lParam);
    case WM_NCCALCSIZE: return WmNcCalcSize(hWnd, wParam, reinterpret_cast<RECT*>(lParam));
    case EM_SETREADONLY: return EmSetReadOnly(hWnd, wParam, lParam);
    case WM_KEYDOWN: return WmKeyDown(hWnd, wParam, lParam);
    case WM_KEYUP: return WmKeyUp(hWnd, wParam, lParam);
    case WM_CHAR: return WmChar(hWnd, wParam, lParam);
    case WM_LBUTTONUP: return WmLButtonUp(hWnd, wParam, lParam);
    case WM_CUT: return WmCut(hWnd, wParam, lParam);
    case WM_COPY: return WmCopy(hWnd, wParam, lParam);
    case WM_PASTE: return WmPaste(hWnd, wParam, lParam);
    case MEM_SETSTRING:
    case MEM_GETSTRING:
    case MEM_SETVALUE:
    case MEM_GETVALUE: return MaskEditGetSet(hWnd, msg, wParam, lParam);
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
    SetProperty(PROP_BORDERSTYLE, m_props.nBorderStyle);
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

// The cursor is left as it is: the control never asks for the default one.
LRESULT plumeMaskEdit::WmSetCursor(HWND /*hWnd*/, WPARAM /*wParam*/, LPARAM /*lParam*/) { return TRUE; }

LRESULT plumeMaskEdit::EmSetReadOnly(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    m_bReadOnly = static_cast<BOOL>(wParam);
    if (wParam == 0) ShowCaret(hWnd);
    return CallDefProc(hWnd, EM_SETREADONLY, wParam, lParam);
}

// A click that leaves the caret among the leading literals moves it to the entry position.
LRESULT plumeMaskEdit::WmLButtonUp(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    if (!IsDesignMode() && !m_props.bDisableMask) MaybeChangeCurSel();
    return CallDefProc(hWnd, WM_LBUTTONUP, wParam, lParam);
}
