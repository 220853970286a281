// MaskEditInput: the way of a key message into the control. With the mask off the edit control
// does the work and the control only reports changes; with the mask on every character, Delete,
// Backspace, cut and paste become calls of the type's keystroke engine, which rewrites the shown
// text itself, and the edit control never sees them.
#include <plmedt60.h>

#include "control/control_internal.h"
#include "engines/boolean/boolean.h"
#include "engines/date/date.h"
#include "engines/numeric/numeric.h"
#include "engines/text/text_mask.h"
#include "engines/time/time.h"

namespace {

constexpr WPARAM kTabKey = 9;

bool IsDeleteOrBackspace(WPARAM key) { return key == kDeleteKey || key == kBackspaceKey; }

int SelectionStart(HWND window) {
    DWORD start = 0;
    SendMessageA(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int>(start);
}

bool HasSelection(HWND window) {
    DWORD start = 0, end = 0;
    SendMessageA(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start < end;
}

// Where a pasted text goes on past its next separator (or its end when it has none).
const char* SkipPastSeparator(const char* text, char separator) {
    while (*text != '\0') {
        if (*text++ == separator) break;
    }
    return text;
}

int SendEngineCode(char code, MaskEditInfo* info) {
    const char key[2] = {code, '\0'};
    return SendKeyToEngine(key, info);
}

}  // namespace

int SendKeyToEngine(LPCSTR chars, MaskEditInfo* info) {
    if (chars == nullptr || info == nullptr) return 0;
    if (IsNumericDataType(info->nDataType)) return NumericKey(info, chars);
    switch (info->nDataType) {
    case DT_TEXT: return TextMaskKey(info, chars[0], TRUE);
    case DT_DATE: return DateKey(info, chars[0]);
    case DT_TIME: return TimeKey(info, chars[0]);
    case DT_BOOLEAN: return BooleanKey(info, chars);
    default: return 0;
    }
}

LRESULT plumeMaskEdit::MaskEditInput(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!IsMaskOn()) return UnmaskedInput(hWnd, msg, wParam, lParam);
    switch (msg) {
    case WM_KEYDOWN: return MaskedKeyDown(hWnd, wParam, lParam);
    case WM_KEYUP: return MaskedKeyUp(hWnd, wParam, lParam);
    case WM_CHAR: return MaskedChar(hWnd, wParam);
    default: return CallDefProc(hWnd, msg, wParam, lParam);
    }
}

// The edit control edits; a change is judged by the text length, so a character it refuses
// (at its limit, say) still counts, and only a Backspace that removed nothing does not.
LRESULT plumeMaskEdit::UnmaskedInput(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const int before = GetWindowTextLengthA(hWnd);
    const LRESULT result = CallDefProc(hWnd, msg, wParam, lParam);
    const bool lengthChanged = GetWindowTextLengthA(hWnd) != before;
    const bool changed = msg == WM_KEYDOWN ? wParam == kDeleteKey && lengthChanged
                         : msg == WM_CHAR  ? wParam != kBackspaceKey || lengthChanged
                                           : false;
    if (changed) FireEvent(EVENT_CHANGE, nullptr);
    return result;
}

// Delete goes to the engine here (it makes no character); Backspace waits for its WM_CHAR. The
// caret keys stay the edit control's.
LRESULT plumeMaskEdit::MaskedKeyDown(HWND /*hWnd*/, WPARAM wParam, LPARAM lParam) {
    if (!IsDeleteOrBackspace(wParam)) return CallDefProc(m_hWnd, WM_KEYDOWN, wParam, lParam);
    LONG shift = AsyncShiftState();
    LONG key = static_cast<LONG>(wParam);
    KeyEventParams params = {&shift, &key};
    if (wParam == kDeleteKey && SendEngineCode(kEngineDelete, &m_info)) NotifyChange();
    FireEvent(EVENT_KEYDOWN, &params);
    return 0;
}

LRESULT plumeMaskEdit::MaskedKeyUp(HWND /*hWnd*/, WPARAM wParam, LPARAM lParam) {
    if (!IsDeleteOrBackspace(wParam)) return CallDefProc(m_hWnd, WM_KEYUP, wParam, lParam);
    LONG shift = AsyncShiftState();
    LONG key = static_cast<LONG>(wParam);
    KeyEventParams params = {&shift, &key};
    FireEvent(EVENT_KEYUP, &params);
    return 0;
}

// Every character ends here, KeyPress last; the edit control never sees it. Tab belongs to the
// dialog (focus movement): the field takes nothing from it.
LRESULT plumeMaskEdit::MaskedChar(HWND hWnd, WPARAM wParam) {
    if (wParam != kTabKey) {
        if (IsCopyKey(wParam)) {
            CopySelectionToClipboard(hWnd, wParam, &m_info, m_props.bDisableMask);
        } else if (TypeCharacter(hWnd, wParam)) {
            NotifyChange();
        } else {
            FireEvent(EVENT_INVALIDDATA, nullptr);
        }
    }
    LONG key = static_cast<LONG>(wParam);
    KeyPressParams params = {&key};
    FireEvent(EVENT_KEYPRESS, &params);
    return 0;
}

// What one character does to the field; nonzero when accepted. A paste counts as accepted
// whatever the clipboard held. The cut key with a selection copies and deletes it; without one
// its code is typed like any other character, for the engine to judge.
int plumeMaskEdit::TypeCharacter(HWND hWnd, WPARAM wParam) {
    if (IsPasteKey(wParam)) {
        PasteClipboard(hWnd);
        return 1;
    }
    char code = static_cast<char>(wParam);
    if (IsCutKey(wParam) && HasSelection(hWnd)) {
        CopySelectionToClipboard(hWnd, wParam, &m_info, m_props.bDisableMask);
        code = kEngineDelete;
    }
    return SendEngineCode(code, &m_info);
}

// The parent learns of the edit first (low word: the window, high word MEN_CHANGE), then the host.
void plumeMaskEdit::NotifyChange() {
    HWND parent = m_hWnd != nullptr ? GetParent(m_hWnd) : nullptr;
    if (parent != nullptr) {
        const LPARAM notice = MAKELPARAM(LOWORD(reinterpret_cast<UINT_PTR>(m_hWnd)), MEN_CHANGE);
        SendMessageA(parent, WM_COMMAND, static_cast<WPARAM>(GetDlgCtrlID(m_hWnd)), notice);
    }
    FireEvent(EVENT_CHANGE, nullptr);
}

// Raw data of this type replaces the whole value; otherwise the plain text is typed in.
void plumeMaskEdit::PasteClipboard(HWND hWnd) {
    if (ClipboardText raw = GetRawClipboardData(hWnd, &m_info)) {
        SetProperty(PROP_RAWTEXT, reinterpret_cast<LONG_PTR>(raw.get()));
        SendMessageA(hWnd, EM_SETMODIFY, TRUE, 0);
    } else if (ClipboardText text = GetClipboardText(hWnd)) {
        DoPaste(text.get());
    }
}

// A pasted text is typed character by character (the text engine knowing that it is a paste;
// True/False takes the text whole); no event is raised here.
void plumeMaskEdit::DoPaste(LPCSTR text) {
    if (text == nullptr) return;
    if (IsNumericDataType(m_info.nDataType)) {
        for (const char* c = text; *c != '\0'; ++c) SendEngineCode(*c, &m_info);
        return;
    }
    switch (m_info.nDataType) {
    case DT_TEXT:
        for (const char* c = text; *c != '\0'; ++c) TextMaskKey(&m_info, *c, FALSE);
        break;
    case DT_BOOLEAN: BooleanKey(&m_info, text); break;
    case DT_DATE:
    case DT_TIME: PasteFieldByField(text); break;
    default: break;
    }
}

// Date and time engines step over a separator by themselves once a field is full; when the caret
// went further than one place, the pasted text's own separator is skipped instead of typed.
void plumeMaskEdit::PasteFieldByField(LPCSTR text) {
    int current = SelectionStart(m_info.hWnd);
    int previous = current;
    for (const char* c = text; *c != '\0';) {
        if (current > previous) {
            c = SkipPastSeparator(c, m_info.cSeparator);
            if (*c == '\0') break;
        }
        if (m_info.nDataType == DT_DATE) {
            DateKey(&m_info, *c++);
        } else {
            TimeKey(&m_info, *c++);
        }
        previous = current + 1;
        current = SelectionStart(m_info.hWnd);
    }
}
