// Keeping the shown text, the caret and the text limit in step with the format: the empty-field
// text while the control has the focus, the caret past the leading literals, the entry position.
#include <plmedt60.h>

#include <stdio.h>
#include <string.h>

#include "control/control_internal.h"
#include "module/module.h"

namespace {

// The focus and WM_SETTEXT handling compare against at most this much of the empty-field text.
constexpr int kEmptyFieldSize = PLM_FORMAT_SIZE;

// Characters of a format's leading literals that the caret skips: the count up to the first
// character the user may type over.
short CountLeadingLiterals(LPCSTR format) {
    short count = 0;
    for (const char* p = format; *p != '\0'; ++p) {
        if (*p == ' ') continue;
        if (*p == '"') {
            for (++p; *p != '\0' && *p != '"'; ++p) ++count;
            if (*p == '\0') break;
        } else if (strchr("$(-.", *p) != nullptr) {
            ++count;
        } else {
            break;
        }
    }
    return count;
}

}  // namespace

bool plumeMaskEdit::IsDesignMode() const { return GetMode() == kDesignMode; }

bool plumeMaskEdit::IsMaskOn() const { return !m_props.bDisableMask && m_info.szFormat[0] != '\0'; }

// An empty control shows the empty-field text while it has the focus; that replacement raises
// no Change.
LRESULT plumeMaskEdit::WmSetFocus(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    if (!IsDesignMode() && !m_props.bDisableMask) {
        if (GetWindowTextLengthA(hWnd) == 0) {
            m_bNotify = FALSE;
            SetDefaultWindowText(nullptr, 0);
            m_bNotify = TRUE;
        }
        MaybeChangeCurSel();
    }
    return CallDefProc(hWnd, WM_SETFOCUS, wParam, lParam);
}

// A control left showing nothing but the empty-field text becomes empty again.
LRESULT plumeMaskEdit::WmKillFocus(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    if (!IsDesignMode() && GetWindowTextLengthA(hWnd) != 0) {
        m_bNotify = FALSE;
        char emptyField[kEmptyFieldSize];
        SetDefaultWindowText(emptyField, sizeof emptyField);
        if (WindowTextEquals(emptyField)) SafeSetWindowText("");
        m_bNotify = TRUE;
    }
    return CallDefProc(hWnd, WM_KILLFOCUS, wParam, lParam);
}

// An empty text on a focused masked control shows the empty-field text instead. That text is
// never empty, so the WM_SETTEXT it sends goes straight to the edit control.
LRESULT plumeMaskEdit::WmSetText(HWND hWnd, WPARAM wParam, LPCSTR text) {
    if (m_props.bDisableMask) {
        if (text == nullptr) return 0;
    } else if ((text == nullptr || text[0] == '\0') && m_info.szFormat[0] != '\0') {
        char emptyField[kEmptyFieldSize];
        SetDefaultWindowText(emptyField, sizeof emptyField);
        if (emptyField[0] != '\0' && GetFocus() == hWnd) {
            SafeSetWindowText(emptyField);
            return 0;
        }
    }
    return CallDefProc(hWnd, WM_SETTEXT, wParam, reinterpret_cast<LPARAM>(text));
}

void plumeMaskEdit::BuildEmptyFieldText(LPSTR out, int size) {
    char windowText[PLM_TEXT_SIZE] = "";
    GetEditText(windowText, sizeof windowText);
    MaskDataDesc desc;
    BuildDataDesc(&desc, &m_info);
    GetDefaultFormatText(out, windowText, &desc, size);
}

void plumeMaskEdit::SetDefaultWindowText(LPSTR buffer, int cch) {
    if (m_hWnd != nullptr && !m_bReadOnly) {
        char emptyField[PLM_TEXT_SIZE];
        BuildEmptyFieldText(emptyField, sizeof emptyField);
        if (buffer == nullptr) {
            SetProperty(PROP_TEXT, reinterpret_cast<LONG_PTR>(emptyField));
        } else if (cch > 0) {
            snprintf(buffer, static_cast<size_t>(cch), "%s", emptyField);  // cut to cch, terminated
        }
    } else if (buffer != nullptr && cch > 0) {
        buffer[0] = '\0';
    }
}

BOOL plumeMaskEdit::SafeSetWindowText(LPCSTR text) {
    if (m_hWnd == nullptr || text == nullptr) return FALSE;
    SetWindowTextA(m_hWnd, text);
    MaybeChangeCurSel();
    return TRUE;
}

// Whether the window shows exactly `text` (compared in full, however long either is).
bool plumeMaskEdit::WindowTextEquals(LPCSTR text) {
    const int length = GetWindowTextLengthA(m_hWnd);
    if (length != static_cast<int>(strlen(text))) return false;
    TextBuffer windowText(length + 1);
    GetEditText(windowText.data(), windowText.size());
    return strcmp(windowText.data(), text) == 0;
}

// A caret inside the format's leading literals jumps to the first place the user can type.
void plumeMaskEdit::MaybeChangeCurSel() {
    if (m_hWnd == nullptr) return;
    const DWORD selection = static_cast<DWORD>(SendMessageA(m_hWnd, EM_GETSEL, 0, 0));
    const int start = LOWORD(selection);
    const int end = HIWORD(selection);
    const int entry = m_info.nEntryPos;
    if (start == 0 && end <= entry && entry != 0)
        SendMessageA(m_hWnd, EM_SETSEL, static_cast<WPARAM>(entry), static_cast<LPARAM>(entry));
}

void plumeMaskEdit::FindEntryPoint() {
    LPCSTR format = m_info.szFormat;
    const bool noFormat = format[0] == '\0' || strcmp(format, g_szDefaultKeyword) == 0;
    SetProperty(PROP_ENTRYPOS, noFormat ? 0 : CountLeadingLiterals(format));
}

// MaxTextLen limits only a plain text control; with a format the format governs the length.
void plumeMaskEdit::MaybeEnforceTextLimit() {
    if (m_hWnd == nullptr) return;
    const bool plainText = m_info.szFormat[0] == '\0' && !m_props.bDisableMask;
    const WPARAM limit = plainText ? static_cast<WPARAM>(m_info.nMaxTextLen) : PLM_EDIT_LIMIT;
    SendMessageA(m_hWnd, EM_LIMITTEXT, limit, 0);
}
