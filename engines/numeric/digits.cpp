// Digits of doubles, and the significant-digit count of a shown number. Both platforms must give
// the same digits, so they come from std::to_chars, never from the runtime's _fcvt.
#include <charconv>
#include <math.h>
#include <string.h>

#include "engines/numeric/numeric_detail.h"
#include "module/module.h"

namespace numeric_detail {

void ToFixedDigits(double value, int decimals, FixedDigits* out) {
    if (decimals < 0) decimals = 0;
    if (decimals > PLM_NUMBER_MAX_DECIMALS) decimals = PLM_NUMBER_MAX_DECIMALS;
    out->bNegative = value < 0;
    const double magnitude = fabs(value);

    char* const first = out->szText;
    char* const last = out->szText + sizeof out->szText - 1;
    std::to_chars_result written =
        std::to_chars(first, last, magnitude, std::chars_format::fixed, decimals);
    // The buffer holds the longest fixed form of a double; this guards the bound, not a case.
    if (written.ec != std::errc()) written.ptr = first;
    *written.ptr = '\0';
    const int length = static_cast<int>(written.ptr - first);

    const char* point = static_cast<const char*>(memchr(first, '.', length));
    const int integerLength = point != nullptr ? static_cast<int>(point - first) : length;
    out->nIntegerStart = 0;
    out->nIntegerLength = integerLength;
    // A lone "0" before the point is no digit: _fcvt gives none for a magnitude below 1.
    if (integerLength == 1 && first[0] == '0') out->nIntegerLength = 0;
    out->nFractionStart = point != nullptr ? integerLength + 1 : length;
    out->nFractionLength = point != nullptr ? length - integerLength - 1 : 0;
}

}  // namespace numeric_detail

using numeric_detail::FixedDigits;
using numeric_detail::TextWriter;

int NumberDigits(LPSTR out, double value, int minDigits, int decimals, int outSize) {
    TextWriter writer(out, outSize);
    FixedDigits digits;
    numeric_detail::ToFixedDigits(value, decimals, &digits);

    if (digits.bNegative) writer.Put(g_cNegativeSign);
    for (int pad = minDigits - digits.nIntegerLength; pad > 0 && !writer.Full(); --pad)
        writer.Put('0');
    for (int i = 0; i < digits.nIntegerLength; ++i)
        writer.Put(digits.szText[digits.nIntegerStart + i]);
    if (digits.nFractionLength > 0) {
        writer.Put(g_cDefDecimal);
        for (int i = 0; i < digits.nFractionLength; ++i)
            writer.Put(digits.szText[digits.nFractionStart + i]);
    }
    return writer.Finish();
}

BOOL CountSignificantDigits(LPCSTR text, int limit, char decimalChar) {
    if (text == nullptr) return FALSE;
    int significant = 0;
    BOOL counting = FALSE;  // a nonzero digit or the decimal separator has been met
    for (const char* p = text + strlen(text); p != text;) {
        const char c = *--p;
        if (c == decimalChar && decimalChar != '\0') {
            counting = TRUE;
        } else if (c >= '0' && c <= '9') {
            if (c != '0') counting = TRUE;
            if (counting) ++significant;
        }
    }
    return significant > limit;
}
