// MaskEditInput: the way of a key message into the control. Until the masked keystroke path
// feeds the type engines, every key reaches the edit control unchanged.
#include <plmedt60.h>

LRESULT plumeMaskEdit::MaskEditInput(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallDefProc(hWnd, msg, wParam, lParam);
}
