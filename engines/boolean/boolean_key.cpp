// The True/False keystroke engine: a window-free core and the adapter over the edit window.
#include "engines/boolean/boolean.h"

#include <string.h>

namespace {

constexpr char kBackspace = 8;
constexpr char kDelete = 1;

bool IsValueKey(char c) { return (c >= '0' && c <= '9') || IsCharAlphaA(c); }

}  // namespace

BooleanKeyAction ApplyBooleanKeys(BooleanEdit* edit, const char* chars, const char* format) {
    if (edit == nullptr || chars == nullptr) return BOOLEAN_KEY_REFUSED;
    edit->szText[PLM_TEXT_SIZE - 1] = '\0';
    int length = static_cast<int>(strlen(edit->szText));
    // A caret behind what was read (a window text longer than a working text) lands at its end:
    // what lies beyond is not looked at.
    int place = edit->nCaret < 0 ? 0 : edit->nCaret > length ? length : edit->nCaret;

    // Backspace or Delete anywhere in the keys drops whatever came before it: the text stays.
    static const char kEditKeys[] = {kBackspace, kDelete, '\0'};
    if (strpbrk(chars, kEditKeys) != nullptr) return BOOLEAN_KEY_DESELECT;

    bool taken = false;
    for (const char* c = chars; *c != '\0'; ++c) {
        if (!IsValueKey(*c)) continue;
        // Every key goes to the same place, so the last one wins.
        edit->szText[place] = *c;
        if (place == length) edit->szText[place + 1] = '\0';
        taken = true;
    }
    if (!taken) return BOOLEAN_KEY_REFUSED;

    int value = ParseBooleanText(edit->szText, format);
    FormatBooleanText(edit->szText, format, value, sizeof edit->szText);
    return BOOLEAN_KEY_REWRITE;
}

int BooleanKey(MaskEditInfo* info, const char* chars) {
    if (info == nullptr || !IsWindow(info->hWnd)) return 0;
    HWND hWnd = info->hWnd;
    BooleanEdit edit;
    edit.szText[0] = '\0';
    GetWindowTextA(hWnd, edit.szText, PLM_TEXT_SIZE);
    edit.nCaret = LOWORD(SendMessageA(hWnd, EM_GETSEL, 0, 0));

    switch (ApplyBooleanKeys(&edit, chars, info->szFormat)) {
    case BOOLEAN_KEY_DESELECT:
        SendMessageA(hWnd, EM_SETSEL, static_cast<WPARAM>(-1), 0);
        return 1;
    case BOOLEAN_KEY_REWRITE:
        SetWindowTextA(hWnd, edit.szText);
        SendMessageA(hWnd, EM_SETSEL, static_cast<WPARAM>(edit.nCaret), edit.nCaret);
        SendMessageA(hWnd, EM_SETMODIFY, TRUE, 0);
        return 1;
    default:
        return 0;
    }
}
