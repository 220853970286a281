// The typed value messages: the field's value as a string in the type's plain form
// (MEM_SETSTRING, MEM_GETSTRING) or in its value form (MEM_SETVALUE, MEM_GETVALUE), served by
// the typed routines of each engine. They write the window text directly: no Change, no
// notification.
#include <plmedt60.h>

#include <string.h>

#include "control/control_internal.h"
#include "engines/boolean/boolean.h"
#include "engines/date/date.h"
#include "engines/numeric/numeric.h"
#include "engines/text/text_mask.h"
#include "engines/time/time.h"
#include "module/module.h"

namespace {

constexpr UINT IDS_TRUE_FALSE = 1501;  // "True/False": the words of the plain form
constexpr int kPlainTextSize = PLM_TEXT_SIZE;  // what a caller's string buffer must hold

template <typename T>
T* Arg(LPARAM lParam) {
    return reinterpret_cast<T*>(lParam);
}

// A string whose first character is one of these sets the field true.
bool MeansTrue(LPCSTR text) { return text != nullptr && text[0] != '\0' && strchr("tT1Yy", text[0]) != nullptr; }

// The word for a value in the plain form, whatever the field's own words are.
void PlainBooleanWord(LPSTR out, int value) {
    char words[PLM_FORMAT_SIZE];
    LoadModuleString(IDS_TRUE_FALSE, words, sizeof words);
    char* slash = strchr(words, '/');
    LPCSTR word = words;
    if (slash != nullptr) {
        *slash = '\0';
        if (value == 0) word = slash + 1;
    }
    const size_t length = strnlen(word, kPlainTextSize - 1);  // no padding: write the word only
    memcpy(out, word, length);
    out[length] = '\0';
}

// A Text field has the string form only (HasTypedRoutine).
LRESULT TextMessage(UINT msg, LPARAM lParam, MaskEditInfo* info) {
    if (msg == MEM_SETSTRING)
        SetTextMaskRaw(Arg<const char>(lParam), info);
    else
        GetTextMaskRaw(Arg<char>(lParam), info, kPlainTextSize);
    return 1;
}

LRESULT NumberMessage(UINT msg, LPARAM lParam, MaskEditInfo* info) {
    const BOOL currency = info->nDataType == DT_CURRENCY;
    switch (msg) {
    case MEM_SETSTRING: return SetNumberString(Arg<const char>(lParam), info, currency);
    case MEM_GETSTRING: return GetNumberString(Arg<char>(lParam), info, currency, kPlainTextSize);
    case MEM_SETVALUE: return SetNumberValue(Arg<const double>(lParam), info);
    default: return GetNumberValue(Arg<double>(lParam), info);
    }
}

LRESULT DateMessage(UINT msg, LPARAM lParam, MaskEditInfo* info) {
    switch (msg) {
    case MEM_SETSTRING: SetDateString(Arg<const char>(lParam), info); break;
    case MEM_GETSTRING: GetDateString(Arg<char>(lParam), info, kPlainTextSize); break;
    case MEM_SETVALUE: SetDateValue(Arg<const DateValue>(lParam), info); break;
    default: GetDateValue(Arg<DateValue>(lParam), info); break;
    }
    return 1;
}

LRESULT TimeMessage(UINT msg, LPARAM lParam, MaskEditInfo* info) {
    switch (msg) {
    case MEM_SETSTRING: SetTimeString(Arg<const char>(lParam), info); break;
    case MEM_GETSTRING: GetTimeString(Arg<char>(lParam), info, kPlainTextSize); break;
    case MEM_SETVALUE: SetTimeValue(Arg<TimeValue>(lParam), info); break;
    default: GetTimeValue(Arg<TimeValue>(lParam), info); break;
    }
    return 1;
}

LRESULT BooleanMessage(UINT msg, LPARAM lParam, MaskEditInfo* info) {
    switch (msg) {
    case MEM_SETSTRING: return SetBooleanValue(MeansTrue(Arg<const char>(lParam)) ? 1 : 0, info);
    case MEM_GETSTRING: {
        int value = 0;
        const int result = GetBooleanValue(&value, info);
        PlainBooleanWord(Arg<char>(lParam), value);
        return result;
    }
    case MEM_SETVALUE: return SetBooleanValue(*Arg<const int>(lParam), info);
    default: return GetBooleanValue(Arg<int>(lParam), info);
    }
}

LRESULT TypedMessage(UINT msg, LPARAM lParam, MaskEditInfo* info) {
    if (IsNumericDataType(info->nDataType)) return NumberMessage(msg, lParam, info);
    switch (info->nDataType) {
    case DT_TEXT: return TextMessage(msg, lParam, info);
    case DT_DATE: return DateMessage(msg, lParam, info);
    case DT_TIME: return TimeMessage(msg, lParam, info);
    default: return BooleanMessage(msg, lParam, info);  // the last type HasTypedRoutine lets in
    }
}

bool HasTypedRoutine(UINT msg, short type) {
    const bool textValueForm = type == DT_TEXT && (msg == MEM_SETVALUE || msg == MEM_GETVALUE);
    return type >= DT_TEXT && type <= DT_DOUBLE && !textValueForm;
}

}  // namespace

// Without a buffer or value (lParam 0) a handled message does nothing and answers 0.
LRESULT plumeMaskEdit::MaskEditGetSet(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!HasTypedRoutine(msg, m_info.nDataType)) return CallDefProc(hWnd, msg, wParam, lParam);
    if (lParam == 0) return 0;
    return TypedMessage(msg, lParam, &m_info);
}
