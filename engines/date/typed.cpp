// The typed get/set of a Date field: a pure conversion core and thin window adapters.
#include "engines/date/date.h"

#include "module/module.h"

namespace {

// Clamped into the calendar, so that what is written is a date a reader can take back.
void ParseToCalendarDate(const char* text, const char* format, DateValue* value) {
    ParseDateText(text, format, value, 0);
    if (!IsValidDate(value)) ClampDate(value);
}

void ReadWindowText(const MaskEditInfo* info, char (&text)[PLM_TEXT_SIZE]) {
    text[0] = '\0';
    if (info->hWnd != nullptr) GetWindowTextA(info->hWnd, text, PLM_TEXT_SIZE);
    text[PLM_TEXT_SIZE - 1] = '\0';
}

void WriteWindowText(const MaskEditInfo* info, const char* text) {
    if (info->hWnd != nullptr) SetWindowTextA(info->hWnd, text);
}

}  // namespace

int ConvertDefaultDateToShown(char* out, int outSize, const char* text, const char* format) {
    DateValue value;
    ParseToCalendarDate(text, g_szDefDateFormat, &value);
    return FormatDateText(out, format, &value, outSize);
}

int ConvertShownDateToDefault(char* out, int outSize, const char* shown, const char* format) {
    DateValue value;
    ParseToCalendarDate(shown, format, &value);
    return FormatDateText(out, g_szDefDateFormat, &value, outSize);
}

void SetDateString(const char* text, MaskEditInfo* info) {
    if (info == nullptr) return;
    char shown[PLM_TEXT_SIZE];
    ConvertDefaultDateToShown(shown, PLM_TEXT_SIZE, text, info->szFormat);
    WriteWindowText(info, shown);
}

void GetDateString(char* out, MaskEditInfo* info, int outSize) {
    if (out == nullptr || outSize <= 0) return;
    out[0] = '\0';
    if (info == nullptr) return;
    char shown[PLM_TEXT_SIZE];
    ReadWindowText(info, shown);
    ConvertShownDateToDefault(out, outSize, shown, info->szFormat);
}

void SetDateValue(const DateValue* value, MaskEditInfo* info) {
    if (value == nullptr || info == nullptr) return;
    char shown[PLM_TEXT_SIZE];
    FormatDateText(shown, info->szFormat, value, PLM_TEXT_SIZE);
    WriteWindowText(info, shown);
}

void GetDateValue(DateValue* out, MaskEditInfo* info) {
    if (out == nullptr || info == nullptr) return;
    char shown[PLM_TEXT_SIZE];
    ReadWindowText(info, shown);
    ParseDateText(shown, info->szFormat, out, 0);
}
