// plumeMaskEditVBX: the control object of one container instance. Events and default processing go
// to the container's host; the Alignment property becomes the edit style of the next window.
#include <plmedt60.h>

#include "host/plvw60.h"

namespace {

constexpr int kAlignFromStyle = -1;  // the next creation reads the alignment from its style
constexpr int kAlignLast = 2;        // 0 left, 1 centre, 2 right

// Edit style bits that alignment replaces: ES_CENTER, ES_RIGHT, ES_MULTILINE, ES_AUTOHSCROLL.
constexpr DWORD kAlignmentStyleBits = 0x87;

DWORD AlignmentStyle(int align) {
    switch (align) {
    case 0: return ES_AUTOHSCROLL;
    case 1: return ES_CENTER | ES_MULTILINE;  // a single-line edit control does not centre
    case 2: return ES_RIGHT | ES_MULTILINE;
    default: return 0;
    }
}

}  // namespace

plumeMaskEditVBX::plumeMaskEditVBX() : m_hCtl(nullptr), m_nAlign(kAlignFromStyle), m_bRecreate(FALSE) {}

plumeMaskEditVBX::plumeMaskEditVBX(HCTL hCtl) : m_hCtl(hCtl), m_nAlign(kAlignFromStyle), m_bRecreate(FALSE) {}

plumeMaskEditVBX::plumeMaskEditVBX(const plumeMaskEditVBX& other)
    : plumeMaskEdit(other), m_hCtl(other.m_hCtl), m_nAlign(other.m_nAlign), m_bRecreate(other.m_bRecreate) {}

plumeMaskEditVBX& plumeMaskEditVBX::operator=(const plumeMaskEditVBX& other) {
    plumeMaskEdit::operator=(other);
    m_hCtl = other.m_hCtl;
    m_nAlign = other.m_nAlign;
    m_bRecreate = other.m_bRecreate;
    return *this;
}

plumeMaskEditVBX::~plumeMaskEditVBX() = default;

void plumeMaskEditVBX::FireEvent(WORD code, void* param) {
    if (m_hCtl != nullptr) HostFireEvent(m_hCtl, code, param);
}

int plumeMaskEditVBX::GetMode() const { return LOWORD(HostGetMode()); }

// At WM_NCCREATE the Alignment becomes the edit style the window is created with.
LRESULT plumeMaskEditVBX::CallDefProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CREATESTRUCTA* create = msg == WM_NCCREATE ? reinterpret_cast<CREATESTRUCTA*>(lParam) : nullptr;
    if (create != nullptr) {
        DWORD style = static_cast<DWORD>(create->style);
        if (m_nAlign == kAlignFromStyle) m_nAlign = static_cast<int>(style & (ES_CENTER | ES_RIGHT));
        style = (style & ~kAlignmentStyleBits) | AlignmentStyle(m_nAlign);
        create->style = static_cast<LONG>(style);
        SetWindowLongA(hWnd, GWL_STYLE, static_cast<LONG>(style));
    }
    if (m_hCtl == nullptr) return 0;
    return HostDefControlProc(m_hCtl, hWnd, msg, wParam, lParam);
}

HWND plumeMaskEditVBX::AttachMaskEdit(HWND hWnd, HCTL hCtl, RECT* /*ignored*/) {
    if (m_hWnd != nullptr || hWnd == nullptr || hCtl == nullptr || !IsWindow(hWnd)) return nullptr;
    m_hWnd = hWnd;
    m_hCtl = hCtl;
    m_info.hWnd = hWnd;
    return hWnd;
}

// Values above the last alignment are ignored; negative ones are kept (-1: from the style).
void plumeMaskEditVBX::SetAlign(int nAlign) {
    if (nAlign <= kAlignLast) m_nAlign = nAlign;
}

int plumeMaskEditVBX::GetAlign() const { return m_nAlign; }

void plumeMaskEditVBX::SetRecreate(int bRecreate) { m_bRecreate = bRecreate; }

int plumeMaskEditVBX::GetRecreate() const { return m_bRecreate; }
