// The text engine on a control's window: load an edit state from the window, run the pure
// core, store the result back; and the typed get/set of a Text field.
#include <string.h>

#include "engines/text/text_mask.h"
#include "engines/text/text_mask_internal.h"
#include "module/edit_text.h"

namespace {

// Loads the window's text (cut to the work length) and selection into state. The state must
// be zeroed: the key may fill positions past the text's end.
void LoadEditState(HWND window, int workLen, TextEditState* state) {
    state->nLen = workLen;
    ReadEditText(window, state->szText, workLen + 1, &state->nSelStart, &state->nSelEnd);
}

// Setting the text clears the edit control's modified flag, so the flag comes after it.
void StoreEditState(HWND window, const TextEditState& state) {
    if (state.bModified) {
        SetWindowTextA(window, state.szText);
        SendMessageA(window, EM_SETMODIFY, TRUE, 0);
    }
    if (state.nCaret >= 0) {
        SendMessageA(window, EM_SETSEL, static_cast<WPARAM>(state.nCaret), state.nCaret);
    }
}

}  // namespace

int TextMaskKey(MaskEditInfo* info, char ch, BOOL fromKeyboard) {
    if (info == nullptr || !IsWindow(info->hWnd)) return 0;
    const int workLen = info->nFormatLen != 0 ? info->nFormatLen : info->nMaxTextLen;
    // A work length the state cannot hold is the "no work buffer" case: nothing changes.
    if (workLen < 0 || workLen > PLM_TEXT_EDIT_SIZE - 2) return 0;

    TextEditState state = {};
    LoadEditState(info->hWnd, workLen, &state);
    if (!TextMaskKeyCore(&state, info->szFormat, info->nMaxTextLen, ch, fromKeyboard)) return 0;
    StoreEditState(info->hWnd, state);
    return 1;
}

int GetTextMaskRaw(LPSTR out, const MaskEditInfo* info, int size) {
    if (out == nullptr || size < 1) return 0;
    out[0] = '\0';
    if (info == nullptr) return 0;
    // A mask consumes at most one shown character per mask character, so a working text holds
    // all that a format can strip; without a mask the raw text is the window text, cut here.
    char shown[PLM_TEXT_SIZE];
    shown[0] = '\0';
    GetWindowTextA(info->hWnd, shown, PLM_TEXT_SIZE);
    return StripTextMask(out, shown, info->szFormat, size);
}

BOOL SetTextMaskRaw(LPCSTR raw, const MaskEditInfo* info) {
    if (info == nullptr) return FALSE;
    raw = TextOrEmpty(raw);
    // The work buffer is sized to hold the whole shown text: 256 bytes, or raw plus mask plus
    // one when that is more. Without a mask the shown text is raw itself, so it goes straight
    // to the window; a format's shown text (at most 63 characters) always fits a working text.
    if (info->szFormat[0] == '\0') return SetWindowTextA(info->hWnd, raw);
    char shown[PLM_TEXT_SIZE];
    ApplyTextMask(shown, raw, info->szFormat, PLM_TEXT_SIZE);
    return SetWindowTextA(info->hWnd, shown);
}
