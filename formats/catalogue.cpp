// Default formats and the catalogue of formats offered for each data type.
#include <string.h>

#include "engines/date/date.h"
#include "engines/numeric/numeric.h"
#include "engines/time/time.h"
#include "formats/formats.h"
#include "module/module.h"
#include "module/win32_guards.h"

namespace {

enum : UINT {
    IDS_WHOLE_ZERO = 1301,  // "0"
    IDS_TRUE_FALSE = 1501,  // "True/False"
};

// GMEM_SHARE | GMEM_ZEROINIT, fixed: the caller owns the block and frees it with GlobalFree.
constexpr UINT kFormatListFlags = 0x2040;

struct CatalogueRange {
    UINT firstId;
    int count;
};

// The string ids of the formats offered for a type, in catalogue order.
CatalogueRange CatalogueOf(short dataType) {
    switch (dataType) {
    case DT_CURRENCY: return {1420, 4};
    case DT_DATE: return {1220, 7};
    case DT_TIME: return {1121, 3};
    case DT_WHOLE8: return {1301, 2};
    case DT_WHOLE16:
    case DT_WHOLE32: return {1301, 4};
    case DT_BOOLEAN: return {1501, 5};
    case DT_SINGLE:
    case DT_DOUBLE: return {1351, 4};
    case DT_DATETIME: return {1250, 12};
    default: return {0, 0};  // Text, code 10 and unknown codes offer no list
    }
}

}  // namespace

// The caller supplies at least PLM_FORMAT_SIZE bytes; cchMax limits only the True/False words.
extern "C" void WINAPI GetDefaultFormat(LPSTR lpszOut, short nDataType, int cchMax) {
    if (lpszOut == nullptr) return;
    switch (nDataType) {
    case DT_TEXT: lpszOut[0] = '\0'; break;
    case DT_CURRENCY: DefaultNumberFormat(lpszOut, nDataType, TRUE); break;
    case DT_DATE: GetDefaultDateFormat(lpszOut); break;
    case DT_TIME: GetDefaultTimeFormat(lpszOut); break;
    case DT_WHOLE8:
    case DT_WHOLE_PLAIN: LoadModuleString(IDS_WHOLE_ZERO, lpszOut, PLM_FORMAT_SIZE); break;
    case DT_WHOLE16:
    case DT_WHOLE32:
    case DT_SINGLE:
    case DT_DOUBLE: DefaultNumberFormat(lpszOut, nDataType, FALSE); break;
    case DT_BOOLEAN:
        if (cchMax > 0) LoadModuleString(IDS_TRUE_FALSE, lpszOut, cchMax);
        break;
    default: break;  // unknown codes: nothing is written
    }
}

extern "C" BOOL WINAPI GetDataFormat(short nDataType, HGLOBAL* phFormats) {
    HGLOBAL block = GlobalAlloc(kFormatListFlags, sizeof(DataFormatList));
    if (phFormats == nullptr) {  // nobody would own the block
        if (block != nullptr) GlobalFree(block);
        return FALSE;
    }
    *phFormats = block;
    GlobalLockGuard lock(block);
    DataFormatList* list = lock.get<DataFormatList>();
    if (list == nullptr) return FALSE;

    for (int k = 0; k < PLM_FORMAT_LIST_COUNT; ++k) list->apszFormat[k] = list->aszFormat[k];
    const CatalogueRange range = CatalogueOf(nDataType);
    for (int k = 0; k < range.count && k < PLM_FORMAT_LIST_COUNT; ++k)
        LoadModuleString(range.firstId + static_cast<UINT>(k), list->aszFormat[k], PLM_FORMAT_LIST_ENTRY);
    return TRUE;
}

bool IsDefaultFormatKeyword(LPCSTR format) {
    return format == nullptr || format[0] == '\0' || strcmp(format, g_szDefaultKeyword) == 0;
}
