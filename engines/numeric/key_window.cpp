// The numeric keystroke engine on a control's window: load the edit state from the window, run
// the window-free core, store an applied key back.
#include "engines/numeric/numeric.h"
#include "module/edit_text.h"

int NumericKey(MaskEditInfo* info, LPCSTR key) {
    if (info == nullptr || !IsWindow(info->hWnd)) return 0;
    HWND hWnd = info->hWnd;
    NumericEditState state;
    ReadEditText(hWnd, state.szText, sizeof state.szText, &state.nSelStart, &state.nSelEnd);
    state.bModified = FALSE;
    if (!NumericKeyCore(&state, info, key)) return 0;

    // Setting the text clears the edit control's modified flag, so the flag comes last.
    SetWindowTextA(hWnd, state.szText);
    SendMessageA(hWnd, EM_SETSEL, static_cast<WPARAM>(state.nSelStart), state.nSelEnd);
    SendMessageA(hWnd, EM_SETMODIFY, static_cast<WPARAM>(state.bModified), 0);
    return 1;
}
