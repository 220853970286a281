// plumeMaskEdit: construction, copying, window creation and the small public operations.
#include <plmedt60.h>

#include <new>
#include <string.h>

#include "control/link_block.h"
#include "engines/numeric/numeric.h"
#include "module/module.h"
#include "module/win32_guards.h"

namespace {

const char kMaskedEditClass[] = "MaskedEdit";
constexpr int kRunMode = 2;  // GetMode of a control outside any container: always running

// A new link block naming `object`; null when memory runs out.
HGLOBAL NewLinkBlock(plumeMaskEdit* object) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(LinkBlock));
    if (block == nullptr) return nullptr;
    GlobalLockGuard lock(block);
    if (!lock) {
        GlobalFree(block);
        return nullptr;
    }
    lock.get<LinkBlock>()->object = object;
    lock.get<LinkBlock>()->creationParam = nullptr;
    return block;
}

}  // namespace

void BuildDataDesc(MaskDataDesc* out, const MaskEditInfo* info) {
    if (out == nullptr || info == nullptr) return;
    out->nDataType = info->nDataType;
    out->cSeparator = info->cSeparator;
    out->cDecimal = info->cDecimal;
    out->wReserved1 = 0;
    out->lpszFormat = info->szFormat;
    out->lpszCurrency = info->szCurrency;
    out->dwReserved2 = 0;
    out->nEntryPos = info->nEntryPos;
}

// ---- construction ---------------------------------------------------------------------------

plumeMaskEdit::plumeMaskEdit() : m_hWnd(nullptr), m_info(), m_props(), m_bReadOnly(FALSE), m_bNotify(TRUE) {
    m_info.cSeparator = g_cDefThousandSep;
    m_info.cDecimal = g_cDefDecimal;
}

plumeMaskEdit::plumeMaskEdit(LPCSTR text, DWORD style, DWORD exStyle, HWND parent, HINSTANCE instance,
                             UINT id, RECT* rect)
    : plumeMaskEdit() {
    CreateMaskEdit(text, style, exStyle, parent, instance, id, rect);
}

// Both objects name the same window afterwards; its link block still leads to the original.
plumeMaskEdit::plumeMaskEdit(const plumeMaskEdit& other)
    : m_hWnd(other.m_hWnd),
      m_info(other.m_info),
      m_props(other.m_props),
      m_bReadOnly(other.m_bReadOnly),
      m_bNotify(other.m_bNotify) {}

plumeMaskEdit& plumeMaskEdit::operator=(const plumeMaskEdit& other) {
    m_hWnd = other.m_hWnd;
    m_info = other.m_info;
    m_props = other.m_props;
    m_bReadOnly = other.m_bReadOnly;
    m_bNotify = other.m_bNotify;
    return *this;
}

// The owner destroys the window first; the object releases nothing of it.
plumeMaskEdit::~plumeMaskEdit() = default;

plumeMaskEdit* plumeMaskEdit::NewplumeMaskEdit() { return new (std::nothrow) plumeMaskEdit(); }

void plumeMaskEdit::KillplumeMaskEdit(plumeMaskEdit* object) { delete object; }

// ---- window creation ------------------------------------------------------------------------

HWND plumeMaskEdit::CreateMaskEdit(LPCSTR text, DWORD style, DWORD exStyle, HWND parent,
                                   HINSTANCE /*instance: windows always belong to the library*/,
                                   UINT id, RECT* rect) {
    HGLOBAL link = NewLinkBlock(this);
    if (link == nullptr) return nullptr;

    if (m_hWnd != nullptr && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);

    RECT area = {};
    if (rect != nullptr) area = *rect;
    // The creation parameter is the address of `link`: MaskEditThunk takes the block over at
    // WM_NCCREATE and clears the variable, so whatever remains here is still ours to free.
    HWND window = CreateWindowExA(exStyle, kMaskedEditClass, text, style | WS_CHILD, area.left, area.top,
                                  area.right - area.left, area.bottom - area.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), g_hInstance, &link);
    if (window == nullptr) {
        if (link != nullptr) GlobalFree(link);
        m_hWnd = nullptr;
        m_info.hWnd = nullptr;
        return nullptr;
    }
    m_hWnd = window;
    m_info.hWnd = window;
    SetDefaultWindowText(nullptr, 0);
    return m_hWnd;
}

HWND plumeMaskEdit::CreateMaskEdit(LPCSTR text, DWORD style, DWORD exStyle, HWND parent, HINSTANCE instance,
                                   UINT id, int x, int y, int cx, int cy) {
    RECT rect = {x, y, x + cx, y + cy};
    return CreateMaskEdit(text, style, exStyle, parent, instance, id, &rect);
}

UINT_PTR plumeMaskEdit::CreateMaskEdit(LPCSTR text, DWORD style, DWORD exStyle, UINT_PTR parent,
                                       UINT_PTR instance, UINT id, RECT* rect) {
    return reinterpret_cast<UINT_PTR>(CreateMaskEdit(text, style, exStyle, reinterpret_cast<HWND>(parent),
                                                     reinterpret_cast<HINSTANCE>(instance), id, rect));
}

UINT_PTR plumeMaskEdit::CreateMaskEdit(LPCSTR text, DWORD style, DWORD exStyle, UINT_PTR parent,
                                       UINT_PTR instance, UINT id, int x, int y, int cx, int cy) {
    RECT rect = {x, y, x + cx, y + cy};
    return CreateMaskEdit(text, style, exStyle, parent, instance, id, &rect);
}

// ---- small public operations ----------------------------------------------------------------

HWND plumeMaskEdit::getHwnd() { return m_hWnd; }

BOOL plumeMaskEdit::Show(int nCmdShow) {
    if (m_hWnd == nullptr) return FALSE;
    SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    return ShowWindow(m_hWnd, nCmdShow);
}

// Selects the font into a passing device context only: the control's own font stays as it was.
HFONT plumeMaskEdit::SetFont(LOGFONTA* font) {
    if (font == nullptr) return nullptr;
    HFONT created = CreateFontIndirectA(font);
    if (created == nullptr) return nullptr;
    HGDIOBJ replaced = nullptr;
    {
        WindowDcGuard dc(m_hWnd);
        if (dc) replaced = SelectObject(dc.get(), created);
    }
    DeleteObject(created);
    return static_cast<HFONT>(replaced);
}

// ---- virtual operations of the plain control -----------------------------------------------

void plumeMaskEdit::FireEvent(WORD /*code*/, void* /*param*/) {}

int plumeMaskEdit::GetMode() const { return kRunMode; }

// The system edit class is looked up at every call, so a control always reaches the edit
// procedure that is registered now.
LRESULT plumeMaskEdit::CallDefProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    WNDCLASSA edit = {};
    if (!GetClassInfoA(nullptr, "edit", &edit) || edit.lpfnWndProc == nullptr) return 0;
    if (hWnd == nullptr || !IsWindow(hWnd)) return 0;
    return CallWindowProcA(edit.lpfnWndProc, hWnd, msg, wParam, lParam);
}

// ---- private helpers --------------------------------------------------------------------------

int plumeMaskEdit::GetEditText(LPSTR buffer, int cchMax) {
    return static_cast<int>(CallDefProc(m_hWnd, WM_GETTEXT, static_cast<WPARAM>(cchMax),
                                        reinterpret_cast<LPARAM>(buffer)));
}

void plumeMaskEdit::InitProperties() {
    LoadModuleString(IDS_CURRENCY, m_info.szCurrency, sizeof m_info.szCurrency);
    m_info.szCurrency[sizeof m_info.szCurrency - 1] = '\0';
    m_info.cDecimal = LoadModuleChar(IDS_DECIMAL);
}

void plumeMaskEdit::SetSeparator() {
    switch (m_info.nDataType) {
    case DT_DATE: m_info.cSeparator = LoadModuleChar(IDS_DATE_SEP); break;
    case DT_TIME: m_info.cSeparator = LoadModuleChar(IDS_TIME_SEP); break;
    default:
        if (IsNumericDataType(m_info.nDataType)) m_info.cSeparator = LoadModuleChar(IDS_THOUSAND_SEP);
        break;  // Text and True/False have no separator
    }
}

// The style the edit control is created with: always a tab stop, numbers right-aligned, and no
// WS_BORDER because the control draws its own border.
void plumeMaskEdit::MaskEditInit(CREATESTRUCTA* create) {
    if (create == nullptr) return;
    DWORD style = static_cast<DWORD>(create->style) | WS_TABSTOP;
    if (IsNumericDataType(m_info.nDataType)) style |= ES_RIGHT | ES_MULTILINE;
    style &= ~static_cast<DWORD>(WS_BORDER);
    SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(style));
    create->style = static_cast<LONG>(style);
}

void plumeMaskEdit::MaskEditTerm(HWND hWnd) {
    HGLOBAL link = reinterpret_cast<HGLOBAL>(GetWindowLongPtrA(hWnd, g_nLinkIndex));
    SetWindowLongPtrA(hWnd, g_nLinkIndex, 0);
    if (link != nullptr) GlobalFree(link);
}
