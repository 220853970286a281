// MaskEditVBXProc: the control procedure the container sends every window message and request of
// an instance to. The switch only dispatches; window messages the adapter does not handle reach
// the instance's object (MainMaskProc), or the host's default procedure while there is none.
#include <plmedt60.h>

#include <new>

#include "host/plvw60.h"
#include "module/win32_guards.h"
#include "vbx/vbx.h"

namespace {

// One message or request of the container, and the instance data it concerns.
struct Request {
    HCTL hCtl;
    HWND hWnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    MaskEditVBXData* data;  // null when the container does not know hCtl
};

// LocalAlloc + LocalLock of a zeroed moveable block, unlocked and freed together.
class LockedLocalBlock {
public:
    explicit LockedLocalBlock(SIZE_T bytes) noexcept
        : m_block(LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, bytes)),
          m_data(m_block != nullptr ? static_cast<char*>(LocalLock(m_block)) : nullptr) {}
    LockedLocalBlock(const LockedLocalBlock&) = delete;
    LockedLocalBlock& operator=(const LockedLocalBlock&) = delete;
    ~LockedLocalBlock() {
        if (m_data != nullptr) LocalUnlock(m_block);
        if (m_block != nullptr) LocalFree(m_block);
    }
    char* get() const noexcept { return m_data; }

private:
    HLOCAL m_block;
    char* m_data;
};

constexpr LPARAM kAlignFromStyle = -1;

bool IsDesignTime() { return LOWORD(HostGetMode()) == HOST_MODE_DESIGN; }

plumeMaskEditVBX* ObjectOf(const Request& r) { return r.data != nullptr ? r.data->pMaskEdit : nullptr; }

MaskEditVBXData* InstanceData(HCTL hCtl) { return static_cast<MaskEditVBXData*>(HostDerefControl(hCtl)); }

LRESULT PassToHost(const Request& r) { return HostDefControlProc(r.hCtl, r.hWnd, r.msg, r.wParam, r.lParam); }

// A missing object is made on first need; when memory runs out the instance goes on without one.
void CreateObject(const Request& r) {
    if (r.data != nullptr && r.data->pMaskEdit == nullptr) r.data->pMaskEdit = new (std::nothrow) plumeMaskEditVBX(r.hCtl);
}

LRESULT DefaultPath(const Request& r) {
    plumeMaskEditVBX* object = ObjectOf(r);
    if (r.hWnd != nullptr && object != nullptr) return object->MainMaskProc(r.hWnd, r.msg, r.wParam, r.lParam);
    return PassToHost(r);
}

bool IsStringProperty(UINT index) {
    return index == PROP_DATAFORMAT || index == PROP_RAWTEXT || index == PROP_TEXT;
}

// ---- window messages ------------------------------------------------------------------------------

// A window recreated for an Alignment gets that alignment and the object that survived.
LRESULT OnNcCreate(const Request& r) {
    CreateObject(r);
    plumeMaskEditVBX* object = ObjectOf(r);
    if (object != nullptr && r.data->lSavedAlign != 0) {
        object->SetAlign(static_cast<int>(r.data->lSavedAlign));
        object->AttachMaskEdit(r.hWnd, r.hCtl, nullptr);
    }
    return DefaultPath(r);
}

// The object lives as long as the instance's window, unless the window is only being replaced.
LRESULT OnDestroy(const Request& r) {
    plumeMaskEditVBX* object = ObjectOf(r);
    if (object != nullptr && !r.data->bRecreating) {
        delete object;
        r.data->pMaskEdit = nullptr;
    }
    return DefaultPath(r);
}

LRESULT OnPaint(const Request& r) {
    if (!IsDesignTime()) return DefaultPath(r);
    PaintDesignTime(r.hCtl, r.hWnd, r.wParam);
    return 0;
}

LRESULT OnEraseBackground(const Request& r) {
    PaintBackground(r.hCtl, r.hWnd, reinterpret_cast<HDC>(r.wParam));
    return 1;
}

// lParam may carry a device context to draw the border into (the design-time painting sends one).
LRESULT OnNcPaint(const Request& r) {
    plumeMaskEditVBX* object = ObjectOf(r);
    if (object == nullptr) return 0;
    LRESULT result = PassToHost(r);
    if (r.lParam != 0) {
        HDC dc = reinterpret_cast<HDC>(r.lParam);
        SavedDcGuard saved(dc);
        object->PaintBorder(r.hWnd, dc);
    } else {
        WindowDcGuard dc(r.hWnd, DcArea::WholeWindow);  // the border lies outside the client area
        if (dc.get() != nullptr) object->PaintBorder(r.hWnd, dc.get());
    }
    return result;
}

// ---- container requests ---------------------------------------------------------------------------

// The container names a new window by the instance's name; at run time the field starts empty.
LRESULT OnCreated(const Request& r) {
    plumeMaskEditVBX* object = ObjectOf(r);
    if (object != nullptr) {
        object->AttachMaskEdit(r.hWnd, r.hCtl, nullptr);
        if (!IsDesignTime() && GetWindowTextLengthA(r.hWnd) > 0) object->SetDefaultWindowText(nullptr, 0);
    }
    return PassToHost(r);
}

LRESULT OnInitialize(const Request& r) {
    CreateObject(r);
    return PassToHost(r);
}

// Texts go back as new host strings; a block that cannot be had gives an empty one.
LRESULT GetStringProperty(const Request& r, plumeMaskEditVBX* object) {
    const UINT index = static_cast<UINT>(r.wParam);
    LONG length = object->GetProperty(index, reinterpret_cast<LONG*>(r.lParam), 0);
    if (length < 0) length = 0;
    LockedLocalBlock block(static_cast<SIZE_T>(length) + 1);
    HHOSTSTR text = nullptr;
    if (block.get() != nullptr) {
        object->GetProperty(index, reinterpret_cast<LONG*>(block.get()), length);
        block.get()[length] = '\0';
        text = HostCreateString(0, block.get());
    } else {
        text = HostCreateString(0, "");
    }
    *reinterpret_cast<HHOSTSTR*>(r.lParam) = text;
    return 0;
}

LRESULT OnGetProperty(const Request& r) {
    plumeMaskEditVBX* object = ObjectOf(r);
    if (object == nullptr || r.lParam == 0) return PassToHost(r);
    const UINT index = static_cast<UINT>(r.wParam);
    if (IsStringProperty(index)) return GetStringProperty(r, object);
    if (index == PROP_ALIGNMENT) {
        *reinterpret_cast<LONG*>(r.lParam) = object->GetAlign();
        return PassToHost(r);
    }
    if (object->GetProperty(index, reinterpret_cast<LONG*>(r.lParam), 0) != 0) return PassToHost(r);
    return 0;
}

LRESULT OnCheckProperty(const Request& r) {
    plumeMaskEditVBX* object = ObjectOf(r);
    if (object == nullptr) return PassToHost(r);
    return object->CheckProperty(static_cast<UINT>(r.wParam), r.lParam);
}

// A new Alignment needs a new window: the edit control reads its alignment style only at creation.
// The object survives the recreation and is bound to the new window.
void RecreateForAlignment(const Request& r, plumeMaskEditVBX* object) {
    r.data->lSavedAlign = static_cast<LONG>(r.lParam);
    object->SetAlign(static_cast<int>(r.lParam));
    r.data->bRecreating = TRUE;
    object->SetRecreate(TRUE);
    HostRecreateControlWindow(r.hCtl);

    Request after = r;
    after.data = InstanceData(r.hCtl);  // the container may have moved the data meanwhile
    CreateObject(after);
    plumeMaskEditVBX* survivor = ObjectOf(after);
    if (survivor == nullptr) return;
    survivor->AttachMaskEdit(HostGetControlWindow(r.hCtl), r.hCtl, nullptr);
    after.data->bRecreating = FALSE;
    survivor->SetRecreate(FALSE);
}

// Refusals are not reported here: the container asked with a check request before.
LRESULT OnSetProperty(const Request& r) {
    plumeMaskEditVBX* object = ObjectOf(r);
    const UINT index = static_cast<UINT>(r.wParam);
    if (object != nullptr && !r.data->bRecreating && index == PROP_ALIGNMENT) {
        RecreateForAlignment(r, object);
    } else if (object != nullptr) {
        object->SetProperty(index, r.lParam);
        // A new data type takes its alignment from the creation style again.
        if (index == PROP_DATATYPE && !r.data->bRecreating)
            MaskEditVBXProc(r.hCtl, r.hWnd, HOSTM_SETPROPERTY, PROP_ALIGNMENT, kAlignFromStyle);
    }
    return PassToHost(r);
}

LRESULT OnInitPropPopup(const Request& r) {
    plumeMaskEditVBX* object = ObjectOf(r);
    if (object == nullptr || r.wParam != PROP_DATAFORMAT) return PassToHost(r);
    return object->MaskEditInitPopup(r.hWnd, r.msg, PROP_DATAFORMAT, r.lParam);
}

}  // namespace

extern "C" LRESULT WINAPI MaskEditVBXProc(HCTL hCtl, HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const Request r = {hCtl, hWnd, msg, wParam, lParam, InstanceData(hCtl)};
    switch (msg) {
    case WM_NCCREATE: return OnNcCreate(r);
    case WM_DESTROY: return OnDestroy(r);
    case WM_PAINT: return OnPaint(r);
    case WM_ERASEBKGND: return OnEraseBackground(r);
    case WM_NCPAINT: return OnNcPaint(r);
    case HOSTM_CREATED: return OnCreated(r);
    case HOSTM_INITIALIZE: return OnInitialize(r);
    case HOSTM_GETPROPERTY: return OnGetProperty(r);
    case HOSTM_CHECKPROPERTY: return OnCheckProperty(r);
    case HOSTM_SETPROPERTY: return OnSetProperty(r);
    case HOSTM_INITPROPPOPUP: return OnInitPropPopup(r);
    default: return DefaultPath(r);
    }
}
