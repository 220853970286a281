// IsValidMask: the check a host runs before it accepts a new DataFormat. Only Text masks are
// examined, and only for balanced double quotes: what the mask characters mean is the text
// engine's business.
#include <string.h>

#include "formats/formats.h"

namespace {

void CopyFormat(LPSTR out, LPCSTR format) {
    if (out == nullptr) return;
    // The caller provides room for the whole format: there is no length argument to honour.
    strcpy(out, format != nullptr ? format : "");
}

// True when the format ends inside double-quoted literal text.
bool EndsInsideQuotes(LPCSTR format) {
    bool inside = false;
    for (const char* p = format; p != nullptr && *p != '\0'; ++p) {
        if (*p == '\\') {
            if (p[1] == '\0') break;
            ++p;
        } else if (*p == '"') {
            inside = !inside;
        }
    }
    return inside;
}

}  // namespace

extern "C" BOOL WINAPI IsValidMask(LPCSTR lpszFormat, LPSTR lpszOut, int nDataType, int cbInfo,
                                   FormatInfo* lpInfo) {
    if (nDataType != DT_TEXT) {  // other types' formats are accepted as they stand
        CopyFormat(lpszOut, lpszFormat);
        return TRUE;
    }
    if (lpszOut != nullptr) lpszOut[0] = '\0';
    if (lpInfo != nullptr && cbInfo != PLM_FORMAT_INFO_SIZE) return FALSE;
    if (EndsInsideQuotes(lpszFormat)) return FALSE;

    CopyFormat(lpszOut, lpszFormat);
    if (lpInfo != nullptr) {
        lpInfo->wTextMask1 = 1;
        lpInfo->wTextMask2 = 1;
    }
    return TRUE;
}
