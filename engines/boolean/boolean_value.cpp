// Typed get/set of a True/False control over its window text.
#include "engines/boolean/boolean.h"

int GetBooleanValue(int* out, MaskEditInfo* info) {
    if (out == nullptr || info == nullptr) return 0;
    char text[PLM_TEXT_SIZE];
    text[0] = '\0';
    GetWindowTextA(info->hWnd, text, PLM_TEXT_SIZE);
    text[PLM_TEXT_SIZE - 1] = '\0';
    *out = ParseBooleanText(text, info->szFormat);
    return 1;
}

int SetBooleanValue(int value, MaskEditInfo* info) {
    if (info == nullptr) return 0;
    char text[PLM_TEXT_SIZE];
    FormatBooleanText(text, info->szFormat, value, sizeof text);
    SetWindowTextA(info->hWnd, text);
    return 1;
}
