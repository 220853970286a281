#include "module/edit_text.h"

void ReadEditText(HWND window, char* text, int size, int* selStart, int* selEnd) {
    if (text != nullptr && size > 0) {
        text[0] = '\0';
        GetWindowTextA(window, text, size);
    }
    const DWORD selection = static_cast<DWORD>(SendMessageA(window, EM_GETSEL, 0, 0));
    *selStart = LOWORD(selection);
    *selEnd = HIWORD(selection);
}
