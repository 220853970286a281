// SetProperty and GetProperty: everything a host configures on the control, and its value as
// shown text or raw text. Setting a property applies its side effects at once.
#include <plmedt60.h>

#include <string.h>

#include "control/control_internal.h"
#include "formats/formats.h"
#include "module/module.h"

namespace {

constexpr UINT IDS_VALUE_ERROR = 3001;          // "<VALUE!>"
const char kBadFormatText[] = "<BAD FORMAT>";  // shown for a text that does not fit the format
constexpr int kValueErrorSize = 20;
constexpr int kMinRawTextSize = 20;  // GetProperty(RawText) never asks for less

LPCSTR AsText(LONG_PTR value) { return reinterpret_cast<LPCSTR>(value); }

// Loaded once and kept for the life of the process.
LPCSTR ValueErrorText() {
    static char text[kValueErrorSize] = "";
    if (text[0] == '\0') LoadModuleString(IDS_VALUE_ERROR, text, sizeof text);
    return text;
}

void WriteLong(LONG* out, LONG value) {
    if (out != nullptr) *out = value;
}

}  // namespace

// ---- SetProperty ----------------------------------------------------------------------------

LONG plumeMaskEdit::SetProperty(UINT id, LONG_PTR value) {
    switch (id) {
    case PROP_BORDERSTYLE:
        m_props.nBorderStyle = static_cast<short>(value);
        ApplyBorderStyle();
        break;
    case PROP_DISABLEMASK:
        m_props.bDisableMask = static_cast<BOOL>(value);
        MaybeEnforceTextLimit();
        break;
    case PROP_DATAFORMAT: SetDataFormatProperty(AsText(value)); break;
    case PROP_DATATYPE: SetDataTypeProperty(static_cast<short>(value)); break;
    case PROP_RAWTEXT: SetRawTextProperty(AsText(value)); break;
    case PROP_TEXT: return SetTextProperty(AsText(value));
    case PROP_MAXTEXTLEN:
        m_info.nMaxTextLen = static_cast<int>(value);
        MaybeEnforceTextLimit();
        break;
    case PROP_READONLY:
        // The window keeps the flag (EM_SETREADONLY mirrors it here); without one it is lost.
        if (m_hWnd != nullptr) SendMessageA(m_hWnd, EM_SETREADONLY, static_cast<WPARAM>(value), 0);
        break;
    case PROP_ENTRYPOS: m_info.nEntryPos = static_cast<short>(value); break;
    default: break;  // Alignment is the container adapter's; other numbers name nothing
    }
    return 1;
}

// A format given as "(Default)" or empty stands for the type's default format, except at design
// time, where the host shows what was typed.
void plumeMaskEdit::SetDataFormatProperty(LPCSTR format) {
    if (format != nullptr) {
        const bool keyword = format[0] == '\0' || strcmp(format, g_szDefaultKeyword) == 0;
        if (!keyword || IsDesignMode()) {
            strncpy(m_info.szFormat, format, sizeof m_info.szFormat - 1);
            if (!keyword && !IsDesignMode()) GetFormatSeparators(&m_info, FALSE);
        } else {
            GetDefaultFormat(m_info.szFormat, m_info.nDataType, sizeof m_info.szFormat);
            GetFormatSeparators(&m_info, TRUE);
        }
        m_info.szFormat[sizeof m_info.szFormat - 1] = '\0';
        m_info.nFormatLen = static_cast<int>(strlen(m_info.szFormat));
        FindEntryPoint();
        MaybeEnforceTextLimit();
    }
    if (m_hWnd != nullptr) InvalidateRect(m_hWnd, nullptr, TRUE);
}

void plumeMaskEdit::SetDataTypeProperty(short type) {
    m_info.nDataType = type;
    SetSeparator();
    if (IsDesignMode()) SetProperty(PROP_DATAFORMAT, reinterpret_cast<LONG_PTR>(""));
}

// With the mask on and m_bNotify set a non-empty raw text raises Change twice: once from the
// Text setter, once here. An empty one raises it once either way.
void plumeMaskEdit::SetRawTextProperty(LPCSTR raw) {
    if (raw == nullptr) return;
    if (raw[0] == '\0') {
        SetProperty(PROP_TEXT, reinterpret_cast<LONG_PTR>(""));
        if (!m_bNotify) FireEvent(EVENT_CHANGE, nullptr);
        return;
    }
    if (m_props.bDisableMask) {
        SafeSetWindowText(raw);
    } else {
        TextBuffer shown(static_cast<int>(strlen(raw)) + m_info.nFormatLen + 1);
        MaskDataDesc desc;
        BuildDataDesc(&desc, &m_info);
        RawDataToFormatedData(shown.data(), raw, &desc, shown.size());
        shown.data()[shown.size() - 1] = '\0';
        SetProperty(PROP_TEXT, reinterpret_cast<LONG_PTR>(shown.data()));
    }
    FireEvent(EVENT_CHANGE, nullptr);
}

LONG plumeMaskEdit::SetTextProperty(LPCSTR text) {
    if (m_props.bDisableMask) {
        SafeSetWindowText(text);
        return 1;
    }
    if (text == nullptr) return 0;
    if (text[0] != '\0') {
        const LONG check = CheckProperty(PROP_TEXT, reinterpret_cast<LONG_PTR>(text));
        if (check != 0) return ShowRejectedText(check);
        if (!WindowTextEquals(text)) SafeSetWindowText(text);
    } else if (m_hWnd != nullptr && GetFocus() == m_hWnd) {
        char emptyField[PLM_TEXT_SIZE];
        BuildEmptyFieldText(emptyField, sizeof emptyField);
        SafeSetWindowText(emptyField);
    } else {
        SafeSetWindowText("");
    }
    if (m_bNotify) FireEvent(EVENT_CHANGE, nullptr);
    return 0;
}

// A rejected text leaves a marker in the field and raises InvalidData, not Change.
LONG plumeMaskEdit::ShowRejectedText(LONG error) {
    FireEvent(EVENT_INVALIDDATA, nullptr);
    SafeSetWindowText(error == ERR_BAD_VALUE ? ValueErrorText() : kBadFormatText);
    return error;
}

// ---- GetProperty ----------------------------------------------------------------------------

LONG plumeMaskEdit::GetProperty(UINT id, LONG* out, LONG cch) {
    switch (id) {
    case PROP_BORDERSTYLE: WriteLong(out, m_props.nBorderStyle); break;
    case PROP_DISABLEMASK: WriteLong(out, m_props.bDisableMask); break;
    case PROP_DATAFORMAT: return GetDataFormatProperty(reinterpret_cast<LPSTR>(out), cch);
    case PROP_DATATYPE: WriteLong(out, m_info.nDataType); break;
    case PROP_RAWTEXT: return GetRawTextProperty(reinterpret_cast<LPSTR>(out), cch);
    case PROP_TEXT: return GetTextProperty(reinterpret_cast<LPSTR>(out), cch);
    case PROP_MAXTEXTLEN: WriteLong(out, m_info.nMaxTextLen); break;
    case PROP_READONLY: WriteLong(out, m_bReadOnly); break;
    case PROP_ENTRYPOS:
        // A 16-bit property: only the low half of *out is written.
        if (out != nullptr) {
            const short entry = m_info.nEntryPos > 0 ? m_info.nEntryPos : 0;
            memcpy(out, &entry, sizeof entry);
        }
        break;
    default: break;
    }
    return 1;
}

// strncpy on purpose: a format that fills the buffer is handed over without a terminator.
LONG plumeMaskEdit::GetDataFormatProperty(LPSTR out, LONG cch) {
    if (cch == 0) return static_cast<LONG>(strlen(m_info.szFormat));
    if (out != nullptr && cch > 0) strncpy(out, m_info.szFormat, static_cast<size_t>(cch));
    return 1;
}

// out holds cch + 1 bytes: up to cch characters and the terminator behind them.
LONG plumeMaskEdit::GetRawTextProperty(LPSTR out, LONG cch) {
    const int length = m_hWnd != nullptr ? GetWindowTextLengthA(m_hWnd) : 0;
    const int size = length + 1 > kMinRawTextSize ? length + 1 : kMinRawTextSize;
    if (cch == 0) return size + 1;
    if (out == nullptr || cch < 0) return 0;

    TextBuffer shown(size);
    GetEditText(shown.data(), shown.size());
    TextBuffer raw(size + 1);
    LPCSTR result = shown.data();
    if (!m_props.bDisableMask && m_info.nFormatLen != 0) {
        MaskDataDesc desc;
        BuildDataDesc(&desc, &m_info);
        FormatedDataToRawData(raw.data(), shown.data(), &desc, raw.size());
        raw.data()[raw.size() - 1] = '\0';
        result = raw.data();
    }
    const size_t copied = strnlen(result, static_cast<size_t>(cch));
    memcpy(out, result, copied);
    out[copied] = '\0';
    return 0;
}

LONG plumeMaskEdit::GetTextProperty(LPSTR out, LONG cch) {
    if (cch == 0) return (m_hWnd != nullptr ? GetWindowTextLengthA(m_hWnd) : 0) + 1;
    if (out == nullptr || cch < 0) return 1;
    out[0] = '\0';
    if (m_hWnd != nullptr) GetWindowTextA(m_hWnd, out, cch);
    return 1;
}
