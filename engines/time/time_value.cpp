// Typed get/set of a Time control: a window-free core over the shown text, and the thin
// adapters that read and write the control's window.
#include "engines/time/time.h"

#include "module/module.h"

namespace {

void ReadWindowText(HWND hWnd, char (&text)[PLM_TEXT_SIZE]) {
    text[0] = '\0';
    GetWindowTextA(hWnd, text, PLM_TEXT_SIZE);
    text[PLM_TEXT_SIZE - 1] = '\0';
}

}  // namespace

void TimeStringToShownText(char* shown, const char* text, const char* format, int shownSize) {
    TimeValue value;
    ParseTimeText(text, g_szDefTimeFormat, &value, nullptr);
    if (!IsValidTime(&value)) NormalizeTime(&value);
    FormatTimeText(shown, format, &value, shownSize);
}

void ShownTextToTimeString(char* out, const char* shown, MaskEditInfo* info, int outSize) {
    if (info == nullptr) return;
    TimeLayout layout;
    ParseTimeLayout(&layout, info);
    LocateTimeFields(&layout, info, shown);
    TimeValue value;
    ReadTimeFields(shown, &layout, &value);
    if (!IsValidTime(&value)) NormalizeTime(&value);
    FormatTimeText(out, g_szDefTimeFormat, &value, outSize);
}

void SetTimeString(const char* text, MaskEditInfo* info) {
    if (info == nullptr) return;
    char shown[PLM_TEXT_SIZE];
    TimeStringToShownText(shown, text, info->szFormat, sizeof shown);
    SetWindowTextA(info->hWnd, shown);
}

void GetTimeString(char* out, MaskEditInfo* info, int outSize) {
    if (out == nullptr || outSize <= 0) return;
    out[0] = '\0';
    if (info == nullptr) return;
    char shown[PLM_TEXT_SIZE];
    ReadWindowText(info->hWnd, shown);
    ShownTextToTimeString(out, shown, info, outSize);
}

void SetTimeValue(TimeValue* value, MaskEditInfo* info) {
    if (value == nullptr || info == nullptr) return;
    char shown[PLM_TEXT_SIZE];
    FormatTimeText(shown, info->szFormat, value, sizeof shown);
    SetWindowTextA(info->hWnd, shown);
}

void GetTimeValue(TimeValue* out, MaskEditInfo* info) {
    if (out == nullptr || info == nullptr) return;
    char shown[PLM_TEXT_SIZE];
    ReadWindowText(info->hWnd, shown);
    ParseTimeText(shown, info->szFormat, out, nullptr);
}
