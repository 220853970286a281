// The typed get/set routines of a numeric control: its value as a string in the type's plain
// form or as a double. Pure cores over texts, and thin adapters over the window text.
#include <math.h>

#include "engines/numeric/numeric_detail.h"

namespace {

// The window text is read up to 255 characters, as every working text.
constexpr int kWindowTextSize = PLM_TEXT_SIZE;

NumberFormatDesc DescFor(const MaskEditInfo* info, LPCSTR format) {
    return NumberFormatDesc{format, info->szCurrency, info->cDecimal, info->cSeparator, '\0'};
}

void ReadWindowText(HWND hWnd, LPSTR text, int size) {
    text[0] = '\0';
    if (hWnd != nullptr && IsWindow(hWnd)) GetWindowTextA(hWnd, text, size);
    text[size - 1] = '\0';
}

void WriteWindowText(HWND hWnd, LPCSTR text) {
    if (hWnd != nullptr && IsWindow(hWnd)) SetWindowTextA(hWnd, text);
}

// Writes parts under the section of `format` for their sign.
void FormatUnder(LPSTR out, int outSize, LPCSTR format, const MaskEditInfo* info,
                 const NumberParts& parts) {
    char section[PLM_TEXT_SIZE];
    SelectFormatSection(section, format, parts.bNegative, sizeof section);
    const NumberFormatDesc desc = DescFor(info, section);
    FormatNumberText(out, &desc, &parts, outSize);
}

}  // namespace

void ShownToPlainNumber(LPSTR out, LPCSTR shown, const MaskEditInfo* info, BOOL bCurrency,
                        int outSize) {
    char plain[PLM_FORMAT_SIZE];
    DefaultNumberFormat(plain, info->nDataType, bCurrency, sizeof plain);
    const NumberFormatDesc desc = DescFor(info, info->szFormat);
    NumberParts parts;
    ParseNumberText(shown, &desc, &parts);
    FormatUnder(out, outSize, plain, info, parts);
}

void PlainToShownNumber(LPSTR shown, LPCSTR plain, const MaskEditInfo* info, BOOL bCurrency,
                        int shownSize) {
    char plainFormat[PLM_FORMAT_SIZE];
    DefaultNumberFormat(plainFormat, info->nDataType, bCurrency, sizeof plainFormat);
    const NumberFormatDesc desc = DescFor(info, plainFormat);
    NumberParts parts;
    ParseNumberText(plain, &desc, &parts);
    FormatUnder(shown, shownSize, info->szFormat, info, parts);
}

double ShownNumberValue(LPCSTR shown, const MaskEditInfo* info) {
    const NumberFormatDesc desc = DescFor(info, info->szFormat);
    NumberParts parts;
    ParseNumberText(shown, &desc, &parts);
    const double magnitude = parts.dWhole + parts.dFraction;
    return parts.bNegative ? -magnitude : magnitude;
}

void NumberValueToShown(LPSTR shown, double value, const MaskEditInfo* info, int shownSize) {
    const double magnitude = fabs(value);
    NumberParts parts;
    parts.bNegative = value < 0;
    parts.dWhole = trunc(magnitude);
    parts.dFraction = magnitude - parts.dWhole;
    parts.bEmpty = FALSE;
    FormatUnder(shown, shownSize, info->szFormat, info, parts);
}

int GetNumberString(LPSTR out, const MaskEditInfo* info, BOOL bCurrency, int outSize) {
    if (out == nullptr || outSize <= 0 || info == nullptr) return 1;
    char shown[kWindowTextSize];
    ReadWindowText(info->hWnd, shown, sizeof shown);
    ShownToPlainNumber(out, shown, info, bCurrency, outSize);
    return 1;
}

int SetNumberString(LPCSTR text, const MaskEditInfo* info, BOOL bCurrency) {
    if (info == nullptr) return 1;
    char shown[PLM_TEXT_SIZE];
    PlainToShownNumber(shown, text, info, bCurrency, sizeof shown);
    WriteWindowText(info->hWnd, shown);
    return 1;
}

int GetNumberValue(double* out, const MaskEditInfo* info) {
    if (out == nullptr || info == nullptr) return 1;
    char shown[kWindowTextSize];
    ReadWindowText(info->hWnd, shown, sizeof shown);
    *out = ShownNumberValue(shown, info);
    return 1;
}

int SetNumberValue(const double* value, const MaskEditInfo* info) {
    if (value == nullptr || info == nullptr) return 1;
    char shown[PLM_TEXT_SIZE];
    NumberValueToShown(shown, *value, info, sizeof shown);
    WriteWindowText(info->hWnd, shown);
    return 1;
}
