// What the control shows inside a container beyond the edit control's own drawing: at design time
// its DataFormat instead of a value, the BackColor background, and the DataFormat choices of the
// property browser's drop-down list.
#include <string.h>

#include "engines/numeric/numeric.h"
#include "host/plvw60.h"
#include "module/module.h"
#include "module/win32_guards.h"
#include "vbx/vbx.h"

namespace {

constexpr LONG kSystemColorBit = static_cast<LONG>(0x80000000u);  // low byte: a COLOR_ index
constexpr int kListTextSize = 256;  // a format choice: 255 characters and a terminator
constexpr UINT kSystemSettingKeyword = 2200;  // "(System Setting)"

// A container colour: an RGB value, or a system colour index when bit 31 is set.
COLORREF ContainerColor(LONG value) {
    if ((value & kSystemColorBit) != 0) return GetSysColor(value & 0xFF);
    return static_cast<COLORREF>(value);
}

LONG ContainerValue(HCTL hCtl, UINT index, LONG initial) {
    LONG value = initial;
    HostGetControlProperty(hCtl, index, &value);
    return value;
}

// The border drawn around the text: 1 pixel for Fixed Single, 2 for the 3D styles.
int BorderWidth(LONG borderStyle) {
    switch (borderStyle) {
    case 1: return 1;
    case 2:
    case 3: return 2;
    default: return 0;
    }
}

plumeMaskEditVBX* InstanceObject(HCTL hCtl) {
    MaskEditVBXData* data = static_cast<MaskEditVBXData*>(HostDerefControl(hCtl));
    return data != nullptr ? data->pMaskEdit : nullptr;
}

// The alignment chosen for the instance wins; without one, numbers are right-aligned as the
// control aligns them at run time. A right-aligned text keeps clear of the border on the right.
UINT DesignTextFlags(HCTL hCtl, LONG border, RECT* rect) {
    UINT flags = DT_NOPREFIX;
    const LONG dataType = ContainerValue(hCtl, PROP_DATATYPE, 0);
    const plumeMaskEditVBX* object = InstanceObject(hCtl);
    if (object == nullptr || object->GetAlign() == -1) {
        if (IsNumericDataType(static_cast<short>(dataType))) flags |= DT_RIGHT;
        return flags;
    }
    if (object->GetAlign() == 1) flags |= DT_CENTER;
    if (object->GetAlign() == 2) {
        flags |= DT_RIGHT;
        rect->right -= border + 1;
    }
    return flags;
}

// Draws the format text into dc, in the window's font and the ForeColor, over the background.
void DrawDesignText(HCTL hCtl, HWND hWnd, HDC dc, LPCSTR text, LONG border) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(hWnd, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = font != nullptr ? SelectObject(dc, font) : nullptr;
    RECT rect = {};
    SendMessageA(hWnd, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
    OffsetRect(&rect, 1, 1);
    const UINT flags = DesignTextFlags(hCtl, border, &rect);
    SetTextColor(dc, ContainerColor(ContainerValue(hCtl, VBX_PROP_FORECOLOR, 0)));
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, text, -1, &rect, flags);
    if (oldFont != nullptr) SelectObject(dc, oldFont);
}

// A context handed in by the container gets the border and the background first, and the text
// moves inside the border.
void PaintIntoGivenDc(HCTL hCtl, HWND hWnd, HDC dc, LPCSTR text) {
    SavedDcGuard saved(dc);
    SendMessageA(hWnd, WM_NCPAINT, 0, reinterpret_cast<LPARAM>(dc));
    const int border = BorderWidth(ContainerValue(hCtl, PROP_BORDERSTYLE, 1));
    SetViewportOrgEx(dc, border, border, nullptr);
    SendMessageA(hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    DrawDesignText(hCtl, hWnd, dc, text, border);
}

}  // namespace

void PaintDesignTime(HCTL hCtl, HWND hWnd, WPARAM wParam) {
    HHOSTSTR format = nullptr;
    HostGetControlProperty(hCtl, PROP_DATAFORMAT, &format);
    LPCSTR text = HostDerefString(format);
    if (wParam != 0) {
        PaintIntoGivenDc(hCtl, hWnd, reinterpret_cast<HDC>(wParam), text);
    } else {
        const LONG border = ContainerValue(hCtl, PROP_BORDERSTYLE, 1);
        PAINTSTRUCT paint = {};
        HDC dc = BeginPaint(hWnd, &paint);
        if (dc != nullptr) DrawDesignText(hCtl, hWnd, dc, text, border);
        EndPaint(hWnd, &paint);
    }
    HostFreeString(format);
}

void PaintBackground(HCTL hCtl, HWND hWnd, HDC dc) {
    if (dc == nullptr) return;
    HBRUSH brush = CreateSolidBrush(ContainerColor(ContainerValue(hCtl, VBX_PROP_BACKCOLOR, 0)));
    if (brush == nullptr) return;
    RECT client = {};
    GetClientRect(hWnd, &client);
    {
        SavedDcGuard saved(dc);
        FillRect(dc, &client, brush);
    }
    DeleteObject(brush);
}

// ---- the DataFormat drop-down list ---------------------------------------------------------------

namespace {

struct ListRange {
    UINT firstId;
    UINT lastId;  // below firstId: nothing to offer
};

// The design-time choices per data type; the numeric lists start with "(Default)".
ListRange DesignListOf(int dataType) {
    switch (dataType) {
    case DT_CURRENCY: return {1420, 1423};
    case DT_DATE: return {1220, 1226};
    case DT_TIME: return {1121, 1123};
    case DT_WHOLE8: return {1300, 1302};
    case DT_WHOLE16:
    case DT_WHOLE32: return {1300, 1304};
    case DT_BOOLEAN: return {1501, 1505};
    case DT_SINGLE:
    case DT_DOUBLE: return {1350, 1354};
    case DT_TEXT: return {1600, 1599};
    default: return {1, 0};
    }
}

}  // namespace

void plumeMaskEditVBX::FillPropListbox(HWND hList, int nDataType) {
    if (hList == nullptr || !IsWindow(hList)) return;
    const ListRange range = DesignListOf(nDataType);
    char keyword[PLM_KEYWORD_SIZE] = "";
    LoadModuleString(kSystemSettingKeyword, keyword, sizeof keyword);
    for (UINT id = range.firstId; id <= range.lastId; ++id) {
        char choice[kListTextSize] = "";
        if (LoadModuleString(id, choice, sizeof choice) == 0) continue;
        if (strcmp(choice, keyword) == 0)
            SendMessageA(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice));
        else
            SendMessageA(hList, LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(choice));
    }
}

LONG plumeMaskEditVBX::MaskEditInitPopup(HWND /*hWnd*/, UINT /*msg*/, UINT wParam, LPARAM lParam) {
    if (LOWORD(HostGetMode()) != HOST_MODE_DESIGN || wParam != PROP_DATAFORMAT) return 0;
    HWND list = reinterpret_cast<HWND>(lParam);
    FillPropListbox(list, m_info.nDataType);
    if (SendMessageA(list, LB_GETCOUNT, 0, 0) <= 0) return 0;
    return LOWORD(lParam);
}
