// CheckProperty: may a DataFormat or a Text be set? A text is acceptable exactly when the type's
// parser and formatter reproduce it character for character and, for numbers, when its
// magnitude is within the type's limits.
#include <plmedt60.h>

#include <string.h>

#include "control/control_internal.h"
#include "engines/boolean/boolean.h"
#include "engines/date/date.h"
#include "engines/numeric/numeric.h"
#include "engines/text/text_mask.h"
#include "engines/time/time.h"
#include "formats/formats.h"

namespace {

// What a text is checked against: the format and separators of the control.
struct TextCheck {
    LPCSTR text;
    LPCSTR format;
    const MaskEditInfo& info;
};

// Every rewrite gets room for the text and the format's literals; nothing below a working text.
int RewriteSize(const TextCheck& check) {
    return static_cast<int>(strlen(check.text) + strlen(check.format)) + 1;
}

LONG Reproduced(LPCSTR rewritten, LPCSTR text) { return strcmp(rewritten, text) == 0 ? 0 : ERR_BAD_FORMAT; }

LONG CheckMaskedText(const TextCheck& check) {
    TextBuffer raw(RewriteSize(check));
    TextBuffer shown(RewriteSize(check));
    StripTextMask(raw.data(), check.text, check.format, raw.size());
    ApplyTextMask(shown.data(), raw.data(), check.format, shown.size());
    return Reproduced(shown.data(), check.text);
}

LONG CheckNumberText(const TextCheck& check) {
    const MaskEditInfo& info = check.info;
    const NumberFormatDesc desc = {check.format, info.szCurrency, info.cDecimal, info.cSeparator, 0};
    NumberParts parts = {};
    ParseNumberText(check.text, &desc, &parts);
    if (ExceedsNumericLimit(info.nDataType, &parts, check.text, info.cDecimal, LIMIT_TEXT)) return ERR_BAD_VALUE;

    const FormatConvertDesc same = {check.format, check.format, info.cDecimal, info.cDecimal, info.cSeparator,
                                    info.cSeparator};
    char rewritten[PLM_TEXT_SIZE];
    ConvertNumberText(rewritten, check.text, &same, sizeof rewritten);
    return Reproduced(rewritten, check.text);
}

LONG CheckDateText(const TextCheck& check) {
    DateValue value = {};
    ParseDateText(check.text, check.format, &value, 1);
    char rewritten[PLM_TEXT_SIZE];
    FormatDateText(rewritten, check.format, &value, sizeof rewritten);
    return Reproduced(rewritten, check.text);
}

LONG CheckTimeText(const TextCheck& check) {
    TimeValue value = {};
    ParseTimeText(check.text, check.format, &value, nullptr);
    char rewritten[PLM_TEXT_SIZE];
    FormatTimeText(rewritten, check.format, &value, sizeof rewritten);
    return Reproduced(rewritten, check.text);
}

LONG CheckBooleanText(const TextCheck& check) {
    const int value = ParseBooleanText(check.text, check.format);
    char rewritten[PLM_TEXT_SIZE];
    FormatBooleanText(rewritten, check.format, value, sizeof rewritten);
    return Reproduced(rewritten, check.text);
}

}  // namespace

LONG plumeMaskEdit::CheckProperty(UINT id, LONG_PTR value) {
    LPCSTR text = reinterpret_cast<LPCSTR>(value);
    if (id == PROP_DATAFORMAT) {
        if (!(m_info.dwFlags & MEF_CREATED)) return 0;  // before creation every format passes
        if (text == nullptr) return 1;
        FormatInfo info = {};
        return IsValidMask(text, nullptr, m_info.nDataType, sizeof info, &info) ? 0 : ERR_BAD_FORMAT;
    }
    if (id == PROP_TEXT) return text != nullptr ? CheckTextProperty(text) : 1;
    return 0;
}

LONG plumeMaskEdit::CheckTextProperty(LPCSTR text) {
    char format[PLM_FORMAT_SIZE] = "";
    if (IsDefaultFormatKeyword(m_info.szFormat))
        GetDefaultFormat(format, m_info.nDataType, sizeof format);
    else
        strcpy(format, m_info.szFormat);  // same size, always terminated
    const TextCheck check = {text, format, m_info};

    if (IsNumericDataType(m_info.nDataType)) return CheckNumberText(check);
    switch (m_info.nDataType) {
    case DT_TEXT: return CheckMaskedText(check);
    case DT_DATE: return CheckDateText(check);
    case DT_TIME: return CheckTimeText(check);
    case DT_BOOLEAN: return CheckBooleanText(check);
    default: return 0;
    }
}
