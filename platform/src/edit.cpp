// The system "Edit" class: a single- or multi-line text field with a selection, a modified flag,
// a text limit, read-only mode, typing, caret keys and the clipboard. Its observable behaviour
// (selection rules, notifications, limits, geometry) follows the real control, checked message
// by message under Wine. Glyphs are not drawn: the stand-in has no font rasterizer.
#include <windows.h>

#include <string.h>

#include <string>

#include "internal.h"

namespace {

constexpr UINT kInitialLimit = 30000;         // the control's text limit until EM_LIMITTEXT
constexpr UINT kMaxSingleLineLimit = 0x7FFFFFFE;  // EM_LIMITTEXT 0 on a single-line control
constexpr UINT kMaxMultiLineLimit = 0xFFFFFFFF;   // ... and on a multi-line one
constexpr size_t kInitialCapacity = 256;      // typical field texts never reallocate
constexpr int kSystemLineHeight = 16;         // line height of the default system font
constexpr int kStateIndex = 0;                // extra-byte index of the state pointer
constexpr int kOwnBorderInset = 2;            // SM_CXBORDER + 1: the self-drawn border and a gap
constexpr int kOwnBorderWidth = 1;
constexpr LRESULT kDialogCodes = 0x0089;      // DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS
constexpr int kColorWindowFrame = 6;          // COLOR_WINDOWFRAME: the self-drawn border
constexpr DWORD kStyleChangeMask = ES_UPPERCASE | ES_LOWERCASE;  // what WM_STYLECHANGED may alter

struct EditState {
    HWND self;              // the control
    HWND parent;            // receives WM_COMMAND notifications (from CREATESTRUCT)
    DWORD style;            // the control's own copy: ES_ flags, and WS_BORDER when it draws one
    std::string text;       // the text, reserved so that typing does not allocate
    UINT selectionStart;    // anchor of the selection (may be past selectionEnd)
    UINT selectionEnd;      // the caret
    UINT limit;             // maximum length for typing, pasting and EM_REPLACESEL
    bool modified;          // EM_GETMODIFY
    HFONT font;             // WM_SETFONT; null for the system font
    int lineHeight;         // pixels per line of the current font
    RECT formatRect;        // EM_GETRECT: where text goes, in client coordinates
};

// ---- state -------------------------------------------------------------------------------

EditState* StateOf(HWND hwnd) {
    return reinterpret_cast<EditState*>(GetWindowLongPtrA(hwnd, kStateIndex));
}

bool IsMultiLine(const EditState* es) { return (es->style & ES_MULTILINE) != 0; }
bool IsReadOnly(const EditState* es) { return (es->style & ES_READONLY) != 0; }
bool DrawsOwnBorder(const EditState* es) { return (es->style & WS_BORDER) != 0; }

UINT TextLength(const EditState* es) { return static_cast<UINT>(es->text.size()); }
UINT SelectionLow(const EditState* es) {
    return es->selectionStart < es->selectionEnd ? es->selectionStart : es->selectionEnd;
}
UINT SelectionHigh(const EditState* es) {
    return es->selectionStart < es->selectionEnd ? es->selectionEnd : es->selectionStart;
}
bool HasSelection(const EditState* es) { return es->selectionStart != es->selectionEnd; }

// Sends a notification code to the parent; false when the control did not survive it.
bool NotifyParent(EditState* es, WORD code) {
    HWND self = es->self;
    if (es->parent != nullptr)
        SendMessageA(es->parent, WM_COMMAND, MAKEWPARAM(GetWindowLongPtrA(self, GWLP_ID), code),
                     reinterpret_cast<LPARAM>(self));
    return IsWindow(self) != FALSE;
}

int FontLineHeight(HFONT font) {
    LOGFONTA lf;
    if (font == nullptr || !plw::GetFontDescription(font, &lf) || lf.lfHeight == 0) return kSystemLineHeight;
    return lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
}

// The formatting rectangle for a client rectangle: inside the self-drawn border or the client
// edge's one-pixel gap, and as tall as the whole lines that fit (at least one).
void SetFormatRect(EditState* es, const RECT& rect) {
    RECT format = rect;
    int height = format.bottom - format.top;
    DWORD exStyle = static_cast<DWORD>(GetWindowLongA(es->self, GWL_EXSTYLE));
    if (exStyle & WS_EX_CLIENTEDGE) {
        ++format.left;
        --format.right;
        if (height >= es->lineHeight + 2) {
            ++format.top;
            --format.bottom;
        }
    } else if (DrawsOwnBorder(es)) {
        InflateRect(&format, -kOwnBorderInset, 0);
        if (height >= es->lineHeight + 2 * kOwnBorderInset) InflateRect(&format, 0, -kOwnBorderInset);
    }
    int lines = IsMultiLine(es) ? (format.bottom - format.top) / es->lineHeight : 1;
    if (lines < 1) lines = 1;
    format.bottom = format.top + lines * es->lineHeight;
    es->formatRect = format;
}

void ResetFormatRectFromClient(EditState* es) {
    RECT client;
    GetClientRect(es->self, &client);
    SetFormatRect(es, client);
}

// ---- selection ---------------------------------------------------------------------------

// EM_SETSEL: start -1 removes the selection and leaves the caret where it was; other values are
// clamped to the text; the order is kept (the caret is `end`).
void SetSelection(EditState* es, UINT start, UINT end) {
    UINT length = TextLength(es);
    if (start == static_cast<UINT>(-1)) {
        start = es->selectionEnd;
        end = es->selectionEnd;
    } else {
        if (start > length) start = length;
        if (end > length) end = length;
    }
    es->selectionStart = start;
    es->selectionEnd = end;
}

// The caret moves from its own position (not from the selection's edge); Shift keeps the anchor.
void MoveCaret(EditState* es, UINT caret, bool extend) {
    SetSelection(es, extend ? es->selectionStart : caret, caret);
}

bool IsWordCharacter(char c) { return c != ' ' && c != '\t' && c != '\r' && c != '\n'; }

UINT PreviousWordStart(const EditState* es, UINT from) {
    while (from > 0 && !IsWordCharacter(es->text[from - 1])) --from;
    while (from > 0 && IsWordCharacter(es->text[from - 1])) --from;
    return from;
}

UINT NextWordStart(const EditState* es, UINT from) {
    UINT length = TextLength(es);
    while (from < length && IsWordCharacter(es->text[from])) ++from;
    while (from < length && !IsWordCharacter(es->text[from])) ++from;
    return from;
}

// ---- text changes --------------------------------------------------------------------------

void ApplyCaseStyle(const EditState* es, char* text, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        LPSTR single = MAKEINTRESOURCEA(static_cast<unsigned char>(text[i]));
        if (es->style & ES_UPPERCASE)
            text[i] = static_cast<char>(reinterpret_cast<UINT_PTR>(CharUpperA(single)));
        else if (es->style & ES_LOWERCASE)
            text[i] = static_cast<char>(reinterpret_cast<UINT_PTR>(CharLowerA(single)));
    }
}

// Replaces the selection by `length` bytes of `insert`. With `honorLimit`, text past the limit
// is cut after EN_MAXTEXT; the control then counts as changed even when nothing fitted, as the
// real one does. `notify` sends EN_UPDATE and EN_CHANGE.
void ReplaceSelection(EditState* es, const char* insert, UINT length, bool notify, bool honorLimit) {
    UINT low = SelectionLow(es);
    UINT high = SelectionHigh(es);
    if (low == high && length == 0) return;
    UINT kept = TextLength(es) - (high - low);
    if (honorLimit && static_cast<unsigned long long>(kept) + length > es->limit) {
        if (!NotifyParent(es, EN_MAXTEXT)) return;
        length = es->limit < kept ? 0 : (length < es->limit - kept ? length : es->limit - kept);
    }
    es->text.erase(low, high - low);
    es->text.insert(low, insert != nullptr ? insert : "", length);
    if (es->style & (ES_UPPERCASE | ES_LOWERCASE)) ApplyCaseStyle(es, &es->text[low], length);
    es->selectionStart = es->selectionEnd = low + length;
    es->modified = true;
    InvalidateRect(es->self, nullptr, TRUE);
    if (notify && NotifyParent(es, EN_UPDATE)) NotifyParent(es, EN_CHANGE);
}

void ClearSelection(EditState* es) {
    if (!IsReadOnly(es)) ReplaceSelection(es, "", 0, true, true);
}

// ---- message handlers ----------------------------------------------------------------------

LRESULT Edit_NcCreate(HWND hwnd, CREATESTRUCTA* cs) {
    auto* es = new EditState{};
    es->self = hwnd;
    es->parent = cs->hwndParent;
    es->style = static_cast<DWORD>(cs->style);
    es->text.reserve(kInitialCapacity);
    es->limit = kInitialLimit;
    es->lineHeight = kSystemLineHeight;
    SetWindowLongPtrA(hwnd, kStateIndex, reinterpret_cast<LONG_PTR>(es));
    // A sunken client edge replaces the plain border; a plain border is drawn by the control
    // inside its client area, so the window itself loses WS_BORDER.
    if (cs->dwExStyle & WS_EX_CLIENTEDGE)
        es->style &= ~static_cast<DWORD>(WS_BORDER);
    else if (es->style & WS_BORDER)
        SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(es->style & ~static_cast<DWORD>(WS_BORDER)));
    return DefWindowProcA(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(cs));
}

LRESULT Edit_Create(EditState* es, const CREATESTRUCTA* cs) {
    ResetFormatRectFromClient(es);
    // The creation text counts as a change (the real control reports it modified) but sends
    // no notification; the caret starts at the beginning.
    if (cs->lpszName != nullptr && cs->lpszName[0] != '\0') {
        ReplaceSelection(es, cs->lpszName, static_cast<UINT>(strlen(cs->lpszName)), false, false);
        es->selectionStart = es->selectionEnd = 0;
    }
    return 0;
}

LRESULT Edit_NcDestroy(HWND hwnd, EditState* es) {
    SetWindowLongPtrA(hwnd, kStateIndex, 0);
    delete es;
    return DefWindowProcA(hwnd, WM_NCDESTROY, 0, 0);
}

LRESULT Edit_SetText(EditState* es, LPCSTR text) {
    SetSelection(es, 0, static_cast<UINT>(-1));
    ReplaceSelection(es, text, text != nullptr ? static_cast<UINT>(strlen(text)) : 0, false, false);
    es->modified = false;
    es->selectionStart = es->selectionEnd = 0;
    // A multi-line control does not report text set from outside.
    if (!IsMultiLine(es) && NotifyParent(es, EN_UPDATE)) NotifyParent(es, EN_CHANGE);
    return TRUE;
}

LRESULT Edit_GetText(const EditState* es, WPARAM size, LPSTR buffer) {
    if (buffer == nullptr || size == 0) return 0;
    return static_cast<LRESULT>(plw::CopyTruncated(buffer, size, es->text.data(), es->text.size()));
}

LRESULT Edit_GetSel(const EditState* es, DWORD* start, DWORD* end) {
    UINT low = SelectionLow(es);
    UINT high = SelectionHigh(es);
    if (start != nullptr) *start = low;
    if (end != nullptr) *end = high;
    return MAKELONG(low, high);
}

LRESULT Edit_SetSel(EditState* es, WPARAM start, LPARAM end) {
    SetSelection(es, static_cast<UINT>(start), static_cast<UINT>(end));
    return 1;
}

LRESULT Edit_ReplaceSel(EditState* es, LPCSTR text) {
    ReplaceSelection(es, text, text != nullptr ? static_cast<UINT>(strlen(text)) : 0, true, true);
    return 0;
}

LRESULT Edit_LimitText(EditState* es, WPARAM limit) {
    UINT value = static_cast<UINT>(limit);
    if (value == 0) value = kMaxMultiLineLimit;
    if (!IsMultiLine(es) && value > kMaxSingleLineLimit) value = kMaxSingleLineLimit;
    es->limit = value;
    return 0;
}

LRESULT Edit_SetReadOnly(EditState* es, WPARAM readOnly) {
    DWORD style = static_cast<DWORD>(GetWindowLongA(es->self, GWL_STYLE));
    if (readOnly) {
        es->style |= ES_READONLY;
        style |= ES_READONLY;
    } else {
        es->style &= ~static_cast<DWORD>(ES_READONLY);
        style &= ~static_cast<DWORD>(ES_READONLY);
    }
    SetWindowLongA(es->self, GWL_STYLE, static_cast<LONG>(style));
    return 1;
}

LRESULT Edit_GetRect(const EditState* es, RECT* rect) {
    if (rect != nullptr) *rect = es->formatRect;
    return 0;
}

LRESULT Edit_SetRect(EditState* es, const RECT* rect) {
    // Only a multi-line control takes a formatting rectangle from outside.
    if (IsMultiLine(es) && rect != nullptr) SetFormatRect(es, *rect);
    return 0;
}

LRESULT Edit_Copy(EditState* es) {
    if (!HasSelection(es) || (es->style & ES_PASSWORD)) return 0;
    UINT low = SelectionLow(es);
    UINT length = SelectionHigh(es) - low;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, length + 1);
    if (block == nullptr) return 0;
    char* bytes = static_cast<char*>(GlobalLock(block));
    if (bytes == nullptr) {
        GlobalFree(block);
        return 0;
    }
    memcpy(bytes, es->text.data() + low, length);
    bytes[length] = '\0';
    GlobalUnlock(block);
    if (!OpenClipboard(es->self)) {
        GlobalFree(block);
        return 0;
    }
    EmptyClipboard();
    if (SetClipboardData(CF_TEXT, block) == nullptr) GlobalFree(block);
    CloseClipboard();
    return 0;
}

LRESULT Edit_Cut(EditState* es) {
    if (es->style & ES_PASSWORD) return 0;
    Edit_Copy(es);
    ClearSelection(es);
    return 0;
}

// A single-line control takes the clipboard text up to the first line break.
UINT PastableLength(const EditState* es, const char* text) {
    UINT length = static_cast<UINT>(strlen(text));
    if (IsMultiLine(es)) return length;
    const char* newline = strchr(text, '\n');
    if (newline == nullptr) return length;
    length = static_cast<UINT>(newline - text);
    if (length > 0 && text[length - 1] == '\r') --length;
    return length;
}

LRESULT Edit_Paste(EditState* es) {
    if (IsReadOnly(es) || !OpenClipboard(es->self)) return 0;
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* text = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (text != nullptr) {
        ReplaceSelection(es, text, PastableLength(es, text), true, true);
        GlobalUnlock(data);
    }
    CloseClipboard();
    return 0;
}

bool IsKeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

LRESULT Edit_Char(EditState* es, WPARAM code) {
    unsigned char c = static_cast<unsigned char>(code);
    HWND self = es->self;
    switch (c) {
    case VK_BACK:
        if (IsReadOnly(es) || IsKeyDown(VK_CONTROL)) break;
        if (!HasSelection(es)) {
            SetSelection(es, static_cast<UINT>(-1), 0);
            MoveCaret(es, es->selectionEnd > 0 ? es->selectionEnd - 1 : 0, true);
        }
        ClearSelection(es);
        break;
    case 0x03: SendMessageA(self, WM_COPY, 0, 0); break;  // Ctrl+C
    case 0x16:                                             // Ctrl+V
        if (!IsReadOnly(es)) SendMessageA(self, WM_PASTE, 0, 0);
        break;
    case 0x18:  // Ctrl+X
        if (!IsReadOnly(es)) SendMessageA(self, WM_CUT, 0, 0);
        break;
    case '\r':
        if (IsMultiLine(es) && !IsReadOnly(es)) ReplaceSelection(es, "\r\n", 2, true, true);
        break;
    case '\t':
        if (IsMultiLine(es) && !IsReadOnly(es)) ReplaceSelection(es, "\t", 1, true, true);
        break;
    default: {
        const unsigned char kDelete = 0x7F;
        if (IsReadOnly(es) || c < ' ' || c == kDelete) break;
        char typed = static_cast<char>(c);
        ReplaceSelection(es, &typed, 1, true, true);
        break;
    }
    }
    return 0;
}

void DeleteKey(EditState* es, bool shift, bool control) {
    if (IsReadOnly(es) || (shift && control)) return;
    if (HasSelection(es)) {
        if (shift)
            Edit_Cut(es);
        else
            ClearSelection(es);
        return;
    }
    SetSelection(es, static_cast<UINT>(-1), 0);
    UINT caret = es->selectionEnd;
    if (shift)
        MoveCaret(es, caret > 0 ? caret - 1 : 0, true);  // the character before the caret
    else if (control)
        MoveCaret(es, TextLength(es), true);  // to the end of the line
    else
        MoveCaret(es, caret < TextLength(es) ? caret + 1 : caret, true);
    ClearSelection(es);
}

LRESULT Edit_KeyDown(EditState* es, WPARAM key) {
    if (IsKeyDown(VK_MENU)) return 0;
    bool shift = IsKeyDown(VK_SHIFT);
    bool control = IsKeyDown(VK_CONTROL);
    UINT caret = es->selectionEnd;
    switch (key) {
    case VK_LEFT:
        MoveCaret(es, control ? PreviousWordStart(es, caret) : (caret > 0 ? caret - 1 : 0), shift);
        break;
    case VK_RIGHT:
        MoveCaret(es, control ? NextWordStart(es, caret) : (caret < TextLength(es) ? caret + 1 : caret), shift);
        break;
    case VK_HOME: MoveCaret(es, 0, shift); break;
    case VK_END: MoveCaret(es, TextLength(es), shift); break;
    case VK_DELETE: DeleteKey(es, shift, control); break;
    case VK_INSERT:
        if (shift && !IsReadOnly(es))
            Edit_Paste(es);
        else if (control)
            Edit_Copy(es);
        break;
    default: break;
    }
    return 0;
}

LRESULT Edit_SetFont(EditState* es, HFONT font, BOOL redraw) {
    es->font = font;
    es->lineHeight = FontLineHeight(font);
    ResetFormatRectFromClient(es);
    if (redraw) InvalidateRect(es->self, nullptr, TRUE);
    return 0;
}

LRESULT Edit_Size(EditState* es, WPARAM type, LPARAM size) {
    if (type != SIZE_RESTORED) return 0;
    RECT client = {0, 0, LOWORD(size), HIWORD(size)};
    SetFormatRect(es, client);
    return 0;
}

LRESULT Edit_StyleChanged(EditState* es, WPARAM which, const STYLESTRUCT* change) {
    if (static_cast<int>(which) == GWL_STYLE && change != nullptr)
        es->style = (es->style & ~kStyleChangeMask) | (change->styleNew & kStyleChangeMask);
    return 0;
}

LRESULT Edit_Paint(EditState* es) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(es->self, &ps);
    if (dc == nullptr) return 0;
    RECT client;
    GetClientRect(es->self, &client);
    HBRUSH background = es->parent != nullptr
                            ? reinterpret_cast<HBRUSH>(SendMessageA(es->parent, WM_CTLCOLOREDIT,
                                                                     reinterpret_cast<WPARAM>(dc),
                                                                     reinterpret_cast<LPARAM>(es->self)))
                            : nullptr;
    FillRect(dc, &client, background != nullptr ? background : GetSysColorBrush(COLOR_WINDOW));
    if (DrawsOwnBorder(es)) {
        HBRUSH frame = GetSysColorBrush(kColorWindowFrame);
        RECT edges[4] = {{client.left, client.top, client.right, client.top + kOwnBorderWidth},
                         {client.left, client.bottom - kOwnBorderWidth, client.right, client.bottom},
                         {client.left, client.top, client.left + kOwnBorderWidth, client.bottom},
                         {client.right - kOwnBorderWidth, client.top, client.right, client.bottom}};
        for (const RECT& edge : edges) FillRect(dc, &edge, frame);
    }
    EndPaint(es->self, &ps);
    return 0;
}

LRESULT Edit_SetFocus(EditState* es) {
    ShowCaret(es->self);
    NotifyParent(es, EN_SETFOCUS);
    return 0;
}

LRESULT Edit_KillFocus(EditState* es) {
    HideCaret(es->self);
    NotifyParent(es, EN_KILLFOCUS);
    return 0;
}

UINT LineCount(const EditState* es) {
    if (!IsMultiLine(es)) return 1;
    UINT lines = 1;
    for (char c : es->text)
        if (c == '\n') ++lines;
    return lines;
}

}  // namespace

namespace plw {

LRESULT CALLBACK EditWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) return Edit_NcCreate(hwnd, reinterpret_cast<CREATESTRUCTA*>(lParam));
    EditState* es = StateOf(hwnd);
    if (es == nullptr) return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_CREATE: return Edit_Create(es, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_NCDESTROY: return Edit_NcDestroy(hwnd, es);
    case WM_SETTEXT: return Edit_SetText(es, reinterpret_cast<LPCSTR>(lParam));
    case WM_GETTEXT: return Edit_GetText(es, wParam, reinterpret_cast<LPSTR>(lParam));
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(TextLength(es));
    case EM_GETSEL: return Edit_GetSel(es, reinterpret_cast<DWORD*>(wParam), reinterpret_cast<DWORD*>(lParam));
    case EM_SETSEL: return Edit_SetSel(es, wParam, lParam);
    case EM_REPLACESEL: return Edit_ReplaceSel(es, reinterpret_cast<LPCSTR>(lParam));
    case EM_GETMODIFY: return es->modified ? 1 : 0;
    case EM_SETMODIFY: es->modified = wParam != 0; return 0;
    case EM_LIMITTEXT: return Edit_LimitText(es, wParam);
    case EM_GETLIMITTEXT: return static_cast<LRESULT>(es->limit);
    case EM_SETREADONLY: return Edit_SetReadOnly(es, wParam);
    case EM_GETRECT: return Edit_GetRect(es, reinterpret_cast<RECT*>(lParam));
    case EM_SETRECT:
    case EM_SETRECTNP: return Edit_SetRect(es, reinterpret_cast<const RECT*>(lParam));
    case EM_GETLINECOUNT: return static_cast<LRESULT>(LineCount(es));
    case EM_LINELENGTH: return IsMultiLine(es) ? 0 : static_cast<LRESULT>(TextLength(es));
    case EM_CANUNDO: return 0;
    case WM_CHAR: return Edit_Char(es, wParam);
    case WM_KEYDOWN: return Edit_KeyDown(es, wParam);
    case WM_COPY: return Edit_Copy(es);
    case WM_CUT: return Edit_Cut(es);
    case WM_PASTE: return Edit_Paste(es);
    case WM_CLEAR: ClearSelection(es); return 0;
    case WM_SETFONT: return Edit_SetFont(es, reinterpret_cast<HFONT>(wParam), static_cast<BOOL>(LOWORD(lParam)));
    case WM_GETFONT: return reinterpret_cast<LRESULT>(es->font);
    case WM_SIZE: return Edit_Size(es, wParam, lParam);
    case WM_STYLECHANGED: return Edit_StyleChanged(es, wParam, reinterpret_cast<const STYLESTRUCT*>(lParam));
    case WM_PAINT: return Edit_Paint(es);
    case WM_ERASEBKGND: return 1;  // painted with the text in WM_PAINT
    case WM_SETFOCUS: return Edit_SetFocus(es);
    case WM_KILLFOCUS: return Edit_KillFocus(es);
    case WM_GETDLGCODE: return kDialogCodes;
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

}  // namespace plw
