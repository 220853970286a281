// Reading the shape of a number picture: its sections, its negative marker, its default.
#include <string.h>

#include "engines/numeric/numeric_detail.h"
#include "module/module.h"

namespace {

// String 1301: the picture of the "Whole Number (+-127)" type, "0".
constexpr UINT kPlainWholeFormatId = 1301;

// The first `target` or ";" of the picture's first section that is neither quoted nor behind a
// backslash; the terminator when there is neither.
LPCSTR ScanFirstSection(LPCSTR format, char target) {
    LPCSTR p = format;
    while (*p != '\0' && *p != ';' && *p != target) {
        if (*p == '"') {
            LPCSTR close = strchr(p + 1, '"');
            p = close != nullptr ? close + 1 : p + strlen(p);
        } else if (*p == '\\') {
            p += p[1] != '\0' ? 2 : 1;
        } else {
            ++p;
        }
    }
    return p;
}

void CopyBounded(LPSTR dst, LPCSTR src, int dstSize) {
    numeric_detail::TextWriter writer(dst, dstSize);
    for (; *src != '\0' && !writer.Full(); ++src) writer.Put(*src);
    writer.Finish();
}

}  // namespace

namespace numeric_detail {

BOOL FirstSectionHasDecimal(LPCSTR format, char cDecimal) {
    if (format == nullptr || cDecimal == '\0' || cDecimal == ';') return FALSE;
    return *ScanFirstSection(format, cDecimal) == cDecimal;
}

}  // namespace numeric_detail

LPCSTR FindSectionBreak(LPCSTR format) {
    if (format == nullptr) return nullptr;
    LPCSTR p = ScanFirstSection(format, ';');
    return *p == ';' ? p : nullptr;
}

char NegativeMarker(LPCSTR format) {
    LPCSTR firstEnd = FindSectionBreak(format);
    if (firstEnd == nullptr) return g_cNegativeSign;

    LPCSTR second = firstEnd + 1;
    while (*second == ' ') ++second;
    LPCSTR secondEnd = FindSectionBreak(second);
    if (secondEnd == nullptr) secondEnd = second + strlen(second);

    for (LPCSTR first = format; first != firstEnd && second != secondEnd; ++first, ++second) {
        if (*first != *second) return *second == g_cOpenParen ? g_cNegativeSign : *second;
    }
    return g_cNegativeSign;
}

void SelectFormatSection(LPSTR out, LPCSTR format, BOOL negative, int outSize) {
    numeric_detail::TextWriter writer(out, outSize);
    if (format == nullptr) {
        writer.Finish();
        return;
    }
    LPCSTR from = format;
    LPCSTR to = nullptr;  // end of the copy
    LPCSTR sectionBreak = FindSectionBreak(format);
    if (sectionBreak == nullptr) {
        if (negative) writer.Put(g_cNegativeSign);
        to = format + strlen(format);
    } else if (!negative) {
        to = sectionBreak;
    } else {
        // The negative section keeps its trailing spaces; only the first character's spacing goes.
        from = sectionBreak + 1;
        while (*from == ' ') ++from;
        if (*from != '\0') writer.Put(*from++);
        while (*from == ' ') ++from;
        to = from + strlen(from);
    }
    if (sectionBreak == nullptr || !negative) {
        while (*from == ' ') ++from;
        while (to > from && to[-1] == ' ') --to;
    }
    for (; from < to && !writer.Full(); ++from) writer.Put(*from);
    writer.Finish();
}

void DefaultNumberFormat(LPSTR dst, short nDataType, BOOL bCurrency, int dstSize) {
    if (dst == nullptr || dstSize <= 0) return;
    if (bCurrency) {
        CopyBounded(dst, g_szDefCurrencyFormat, dstSize);
    } else if (nDataType == DT_WHOLE16 || nDataType == DT_WHOLE32) {
        CopyBounded(dst, g_szDefWholeFormat, dstSize);
    } else if (nDataType == DT_SINGLE || nDataType == DT_DOUBLE) {
        CopyBounded(dst, g_szDefDecimalFormat, dstSize);
    } else {
        LoadModuleString(kPlainWholeFormatId, dst, dstSize);
    }
}
