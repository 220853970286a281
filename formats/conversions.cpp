// Shown text <-> raw text, and the text of an empty field. The engines parse and write; this
// file chooses the formats, the separator characters and the order of the calls.
#include <stdio.h>
#include <string.h>

#include "engines/boolean/boolean.h"
#include "engines/date/date.h"
#include "engines/numeric/numeric.h"
#include "engines/text/text_mask.h"
#include "engines/time/time.h"
#include "formats/formats.h"
#include "module/module.h"

namespace {

enum RawFormatId : UINT {
    IDS_RAW_DATE = 1214,      // "yyyy-mm-dd"
    IDS_RAW_WHOLE = 1301,     // "0"
    IDS_RAW_BOOLEAN = 1505,   // "1/0"
    IDS_RAW_TIME = 1700,      // "hh:mm:ss"
    IDS_RAW_CURRENCY = 2202,  // "0.###############"
    IDS_RAW_DECIMAL = 2203,   // "0.###############"
};

// Conversions other than Text write at most a working text: callers supply PLM_TEXT_SIZE bytes.
constexpr int kConvertedSize = PLM_TEXT_SIZE;

struct RawFormat {
    char text[PLM_FORMAT_SIZE];
    explicit RawFormat(UINT id) { LoadModuleString(id, text, sizeof text); }
};

// A scratch record for one conversion: the chosen format with the separators and currency
// symbol it implies. Before the format is read the record holds the international defaults, so
// that a format that names none of them still gets sound ones.
struct WorkingRecord {
    MaskEditInfo info = {};

    WorkingRecord(short type, LPCSTR callerFormat) {
        info.nDataType = type;
        info.cSeparator = g_cDefThousandSep;
        info.cDecimal = g_cDefDecimal;
        memcpy(info.szCurrency, g_szDefCurrency, sizeof info.szCurrency);
        info.szCurrency[sizeof info.szCurrency - 1] = '\0';
        const bool substituted = IsDefaultFormatKeyword(callerFormat);
        if (substituted)
            GetDefaultFormat(info.szFormat, type, sizeof info.szFormat);
        else
            CopyFormat(callerFormat);
        info.nFormatLen = static_cast<int>(strlen(info.szFormat));
        GetFormatSeparators(&info, substituted ? TRUE : FALSE);
    }

    void CopyFormat(LPCSTR format) { snprintf(info.szFormat, sizeof info.szFormat, "%s", format); }
};

bool IsWholeType(short type) { return type == DT_WHOLE8 || type == DT_WHOLE16 || type == DT_WHOLE32; }
bool IsFractionType(short type) { return type == DT_CURRENCY || type == DT_SINGLE || type == DT_DOUBLE; }

// ---- shown -> raw -------------------------------------------------------------------------

void NumberToRaw(LPSTR raw, LPCSTR text, const MaskEditInfo& rec) {
    NumberFormatDesc shown = {rec.szFormat, rec.szCurrency, rec.cDecimal, rec.cSeparator, 0};
    if (rec.nDataType == DT_WHOLE8) shown.cDecimal = shown.cSeparator = 0;
    NumberParts parts = {};
    ParseNumberText(text, &shown, &parts);
    if (parts.bEmpty) return;

    const RawFormat rawFormat(IsWholeType(rec.nDataType) ? IDS_RAW_WHOLE
                              : rec.nDataType == DT_CURRENCY ? IDS_RAW_CURRENCY
                                                             : IDS_RAW_DECIMAL);
    char section[PLM_FORMAT_SIZE];
    SelectFormatSection(section, rawFormat.text, parts.bNegative, sizeof section);
    const NumberFormatDesc target = {section, "", IsWholeType(rec.nDataType) ? '\0' : g_cDefDecimal, '\0', 0};
    FormatNumberText(raw, &target, &parts, kConvertedSize);
}

void DateToRaw(LPSTR raw, LPCSTR text, const MaskEditInfo& rec) {
    DateValue value = {};
    ParseDateText(text, rec.szFormat, &value, 1);
    if (value.bEmpty) return;
    const RawFormat rawFormat(IDS_RAW_DATE);
    FormatDateText(raw, rawFormat.text, &value, kConvertedSize);  // as parsed: no calendar check
}

void TimeToRaw(LPSTR raw, LPCSTR text, const MaskEditInfo& rec) {
    TimeValue value = {};
    int hadAmPm = 0;
    ParseTimeText(text, rec.szFormat, &value, &hadAmPm);
    if (value.bEmpty) return;
    const RawFormat rawFormat(IDS_RAW_TIME);
    FormatTimeText(raw, rawFormat.text, &value, kConvertedSize);  // as parsed: no range check
}

void BooleanToRaw(LPSTR raw, LPCSTR text, const MaskEditInfo& rec) {
    if (text[0] == ' ') return;  // a blank True/False field
    const RawFormat rawFormat(IDS_RAW_BOOLEAN);
    const FormatConvertDesc conv = {rec.szFormat, rawFormat.text, 0, 0, 0, 0};
    ConvertBooleanText(raw, text, &conv, kConvertedSize);
}

// ---- raw -> shown -------------------------------------------------------------------------

// Digits directly after the first `decimal` of text; *exponent tells whether an "e" follows them.
int FractionDigitsAfter(LPCSTR text, char decimal, bool* exponent, char** cutAt) {
    const char* point = decimal != '\0' ? strchr(text, decimal) : nullptr;
    if (point == nullptr) return 0;
    int count = 0;
    while (point[1 + count] >= '0' && point[1 + count] <= '9') ++count;
    if (exponent != nullptr) *exponent = point[1 + count] == 'e' || point[1 + count] == 'E';
    if (cutAt != nullptr) *cutAt = const_cast<char*>(point + 1);
    return count;
}

// The raw fraction takes the target's count of always-shown fraction digits: padded with zeros
// when shorter, cut (not rounded) when longer. A raw number with an exponent is left whole.
void FitFraction(char (&raw)[PLM_TEXT_SIZE], LPCSTR targetFormat, char decimal) {
    bool exponent = false;
    char* fraction = nullptr;
    const int have = FractionDigitsAfter(raw, decimal, &exponent, &fraction);
    const char* point = decimal != '\0' ? strchr(targetFormat, decimal) : nullptr;
    int want = 0;
    while (point != nullptr && point[1 + want] == '0') ++want;

    if (have != 0 && have < want) {
        size_t length = strlen(raw);
        for (int k = have; k < want && length + 1 < sizeof raw; ++k) raw[length++] = '0';
        raw[length] = '\0';
    } else if (want != 0 && have > want && !exponent) {
        fraction[want] = '\0';
    }
}

void NumberToShown(LPSTR text, LPCSTR raw, const MaskEditInfo& rec) {
    const short type = rec.nDataType;
    const RawFormat rawFormat(IsWholeType(type) ? IDS_RAW_WHOLE : type == DT_CURRENCY ? IDS_RAW_CURRENCY : IDS_RAW_DECIMAL);
    FormatConvertDesc conv = {rawFormat.text, rec.szFormat, g_cDefDecimal, rec.cDecimal, g_cDefThousandSep, rec.cSeparator};
    if (type == DT_WHOLE8) conv.cFromDecimal = conv.cToDecimal = conv.cFromSeparator = conv.cToSeparator = 0;

    char copy[PLM_TEXT_SIZE];
    snprintf(copy, sizeof copy, "%s", raw);  // at most 255 characters of raw text are supported
    if (IsFractionType(type)) FitFraction(copy, rec.szFormat, conv.cFromDecimal);
    ConvertNumberText(text, copy, &conv, kConvertedSize);
}

// ---- the empty field ------------------------------------------------------------------------

// The engine call that yields the empty shown form of desc's format; `in` and `fromFormat` are
// both null (the window shows nothing of a value) or "" and the format.
void EmptyForm(char (&out)[PLM_TEXT_SIZE], LPCSTR in, LPCSTR fromFormat, const MaskDataDesc& desc) {
    LPCSTR format = desc.lpszFormat != nullptr ? desc.lpszFormat : "";
    FormatConvertDesc conv = {fromFormat, format, 0, 0, 0, 0};
    switch (desc.nDataType) {
    case DT_TEXT: ConvertTextMask(out, in, &conv, sizeof out); break;
    case DT_CURRENCY:
    case DT_SINGLE:
    case DT_DOUBLE:
        conv.cToDecimal = desc.cDecimal;
        conv.cToSeparator = desc.cSeparator;
        if (fromFormat != nullptr) {
            conv.cFromDecimal = desc.cDecimal;
            conv.cFromSeparator = desc.cSeparator;
        }
        ConvertNumberText(out, in, &conv, sizeof out);
        break;
    case DT_WHOLE8: ConvertNumberText(out, in, &conv, sizeof out); break;
    case DT_WHOLE16:
    case DT_WHOLE32:
        conv.cToSeparator = desc.cSeparator;
        if (fromFormat != nullptr) conv.cFromSeparator = desc.cSeparator;
        ConvertNumberText(out, in, &conv, sizeof out);
        break;
    case DT_DATE: DateStrToDateStr(out, in, &conv); break;
    case DT_TIME: TimeStrToTimeStr(out, in, &conv); break;
    case DT_BOOLEAN: ConvertBooleanText(out, in, &conv, sizeof out); break;
    default: break;
    }
    out[sizeof out - 1] = '\0';
}

}  // namespace

extern "C" int WINAPI FormatedDataToRawData(LPSTR lpszRaw, LPCSTR lpszText, const MaskDataDesc* lpDesc, int cchRaw) {
    if (lpszRaw == nullptr) return 1;
    if (cchRaw > 0 || lpDesc == nullptr || lpDesc->nDataType != DT_TEXT) lpszRaw[0] = '\0';
    if (lpszText == nullptr || lpszText[0] == '\0' || lpDesc == nullptr) return 1;

    const WorkingRecord work(lpDesc->nDataType, lpDesc->lpszFormat);
    const MaskEditInfo& rec = work.info;
    switch (rec.nDataType) {
    case DT_TEXT: StripTextMask(lpszRaw, lpszText, rec.szFormat, cchRaw); break;
    case DT_CURRENCY:
    case DT_WHOLE8:
    case DT_WHOLE16:
    case DT_WHOLE32:
    case DT_SINGLE:
    case DT_DOUBLE: NumberToRaw(lpszRaw, lpszText, rec); break;
    case DT_DATE: DateToRaw(lpszRaw, lpszText, rec); break;
    case DT_TIME: TimeToRaw(lpszRaw, lpszText, rec); break;
    case DT_BOOLEAN: BooleanToRaw(lpszRaw, lpszText, rec); break;
    default: break;
    }
    return 1;
}

extern "C" int WINAPI RawDataToFormatedData(LPSTR lpszText, LPCSTR lpszRaw, const MaskDataDesc* lpDesc, int cchText) {
    if (lpszText == nullptr || lpszRaw == nullptr || lpDesc == nullptr) return 1;

    const WorkingRecord work(lpDesc->nDataType, lpDesc->lpszFormat);
    const MaskEditInfo& rec = work.info;
    switch (rec.nDataType) {
    case DT_TEXT: {
        const FormatConvertDesc conv = {"", rec.szFormat, 0, 0, 0, 0};  // the input is raw already
        ConvertTextMask(lpszText, lpszRaw, &conv, cchText);
        break;
    }
    case DT_CURRENCY:
    case DT_WHOLE8:
    case DT_WHOLE16:
    case DT_WHOLE32:
    case DT_SINGLE:
    case DT_DOUBLE: NumberToShown(lpszText, lpszRaw, rec); break;
    case DT_DATE: {
        const RawFormat rawFormat(IDS_RAW_DATE);
        const FormatConvertDesc conv = {rawFormat.text, rec.szFormat, 0, 0, 0, 0};
        DateStrToDateStr(lpszText, lpszRaw, &conv);
        break;
    }
    case DT_TIME: {
        const RawFormat rawFormat(IDS_RAW_TIME);
        const FormatConvertDesc conv = {rawFormat.text, rec.szFormat, 0, 0, 0, 0};
        TimeStrToTimeStr(lpszText, lpszRaw, &conv);  // an out-of-range time gives the empty one
        break;
    }
    case DT_BOOLEAN: {
        const RawFormat rawFormat(IDS_RAW_BOOLEAN);
        const FormatConvertDesc conv = {rawFormat.text, rec.szFormat, 0, 0, 0, 0};
        ConvertBooleanText(lpszText, lpszRaw, &conv, kConvertedSize);
        break;
    }
    default: break;
    }
    return 1;
}

extern "C" LPSTR WINAPI GetDefaultFormatText(LPSTR lpszOut, LPCSTR lpszWindowText, const MaskDataDesc* lpDesc,
                                             int cchOut) {
    if (lpszOut == nullptr || cchOut <= 0) return lpszOut;
    char empty[PLM_TEXT_SIZE] = "";
    if (lpDesc != nullptr) {
        LPCSTR format = lpDesc->lpszFormat != nullptr ? lpDesc->lpszFormat : "";
        const bool showsNothing =
            lpszWindowText == nullptr || lpszWindowText[0] == '\0' || strcmp(lpszWindowText, format) == 0;
        if (showsNothing)
            EmptyForm(empty, nullptr, nullptr, *lpDesc);
        else
            EmptyForm(empty, "", format, *lpDesc);
    }
    strncpy(lpszOut, empty, static_cast<size_t>(cchOut));
    lpszOut[cchOut - 1] = '\0';
    return lpszOut;
}
