// Key messages: a read-only control filters them (beeps and KeyDown for what would edit), every
// other key goes to the input handling. Also the copy, cut and paste key tests.
#include <plmedt60.h>

#include "control/control_internal.h"

namespace {

bool IsDown(int key) { return GetKeyState(key) < 0; }

bool IsCtrlLetter(WPARAM code, char letter, WPARAM controlCode) {
    return IsDown(VK_CONTROL) && (code == static_cast<WPARAM>(letter) ||
                                  code == static_cast<WPARAM>(letter - 'A' + 'a') || code == controlCode);
}

constexpr WPARAM kInsertKey = 45;  // VK_INSERT

}  // namespace

LONG AsyncShiftState() {
    LONG state = 0;
    if (GetAsyncKeyState(VK_SHIFT) < 0) state |= 1;
    if (GetAsyncKeyState(VK_CONTROL) < 0) state |= 2;
    return state;
}

BOOL IsPasteKey(WPARAM code) {
    return IsCtrlLetter(code, 'V', 22) || (IsDown(VK_SHIFT) && code == kInsertKey);
}

BOOL IsCutKey(WPARAM code) { return IsCtrlLetter(code, 'X', 24) || (IsDown(VK_SHIFT) && code == kDeleteKey); }

BOOL IsCopyKey(WPARAM code) { return IsCtrlLetter(code, 'C', 3) || (IsDown(VK_CONTROL) && code == kInsertKey); }

LRESULT plumeMaskEdit::WmKeyDown(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    if (m_bReadOnly) return ReadOnlyKeyFilter(hWnd, WM_KEYDOWN, wParam, lParam);
    return MaskEditInput(hWnd, WM_KEYDOWN, wParam, lParam);
}

LRESULT plumeMaskEdit::WmKeyUp(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    if (m_bReadOnly) return ReadOnlyKeyFilter(hWnd, WM_KEYUP, wParam, lParam);
    return MaskEditInput(hWnd, WM_KEYUP, wParam, lParam);
}

LRESULT plumeMaskEdit::WmChar(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    if (m_bReadOnly) return ReadOnlyKeyFilter(hWnd, WM_CHAR, wParam, lParam);
    return MaskEditInput(hWnd, WM_CHAR, wParam, lParam);
}

// Letters and digits, Delete, Backspace, paste and cut are refused with a beep; the copy key and
// the caret keys pass, so that a read-only text can still be selected and copied.
LRESULT plumeMaskEdit::ReadOnlyKeyFilter(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LONG shift = AsyncShiftState();
    LONG key = static_cast<LONG>(wParam);
    KeyEventParams keyDown = {&shift, &key};

    if (!IsCopyKey(wParam) && IsCharAlphaNumericA(static_cast<CHAR>(LOBYTE(wParam)))) {
        if (msg != WM_KEYUP) MessageBeep(0);
        if (msg == WM_KEYDOWN) FireEvent(EVENT_KEYDOWN, &keyDown);
        return 0;
    }
    if (wParam == kDeleteKey || wParam == kBackspaceKey || IsPasteKey(wParam) || IsCutKey(wParam)) {
        if (msg == WM_KEYDOWN) FireEvent(EVENT_KEYDOWN, &keyDown);
        MessageBeep(0);
        return 0;
    }
    return MaskEditInput(hWnd, msg, wParam, lParam);
}
