// The container's host library, as far as a custom control and its tests need it: models are
// registered as window classes over their parent class, instances get zeroed data and a window
// whose every message goes to the model's control procedure, and the default control procedure
// answers what the control passes on. Everything the control asks is recorded.
#include "host/plvw60.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

struct PlmHostString {
    char text[1];  // allocated to the length of the text plus its terminator
};

namespace {

constexpr int kMaxModels = 4;       // one control module per test program is the usual case
constexpr int kMaxControls = 32;    // live instances at once
constexpr int kMaxProperties = 64;  // entries of a property list before its terminator
constexpr int kNameSize = 32;       // "MaskEdit" and an instance number
constexpr UINT kLastRequest = 0x10FF;  // HOSTM_* requests lie in 0x1000..0x10FF

// Standard property codes this host gives a meaning to.
constexpr LONG_PTR kStdCtlName = -1;
constexpr LONG_PTR kStdBackColor = -4;
constexpr LONG_PTR kStdForeColor = -5;
constexpr LONG_PTR kStdFontName = -14;
constexpr LONG_PTR kStdTag = -26;
constexpr LONG_PTR kStdText = -28;
constexpr LONG kSystemColor = static_cast<LONG>(0x80000000u);  // low byte: a COLOR_ index

struct RegisteredModel {
    const MODEL* model;     // null: free slot
    HINSTANCE instance;     // owner of the window class
    WNDPROC parentProc;     // default processing of window messages
    int nProperties;        // entries before the list's terminator
    int nInstancesCreated;  // numbers the default names
};

}  // namespace

struct PlmHostControl {
    RegisteredModel* reg;
    HWND hWnd;     // the current window; null between windows
    HWND hParent;
    RECT placement;
    char szName[kNameSize];
    LONG alStandard[kMaxProperties];  // values of the standard, non-text properties
    BYTE* data;                       // the model's instance data, zeroed at creation
};

namespace {

RegisteredModel g_models[kMaxModels];
PlmHostControl* g_controls[kMaxControls];
PlmHostControl* g_creating;  // binds the window being created to its instance
UINT g_mode = HOST_MODE_RUN;
bool g_failNextRegistration;
int g_liveStrings;
PlvRecord g_record;

PlmHostControl* LiveControl(HCTL hCtl) {
    if (hCtl == nullptr) return nullptr;
    for (PlmHostControl* control : g_controls)
        if (control == hCtl) return control;
    return nullptr;
}

PlmHostControl* ControlOfWindow(HWND hWnd) {
    for (PlmHostControl* control : g_controls)
        if (control != nullptr && control->hWnd == hWnd) return control;
    return nullptr;
}

RegisteredModel* ModelOfClass(LPCSTR className) {
    if (className == nullptr) return nullptr;
    for (RegisteredModel& reg : g_models)
        if (reg.model != nullptr && strcmp(reg.model->lpszClassName, className) == 0) return &reg;
    return nullptr;
}

int CountEntries(const LONG_PTR* list) {
    int count = 0;
    while (list != nullptr && count < kMaxProperties && list[count] != 0) ++count;
    return count;
}

// Small negative entries name the container's standard properties; others address a PROPINFO.
bool IsStandardEntry(LONG_PTR entry) { return entry < 0 && entry > -256; }

LONG_PTR PropertyEntry(const PlmHostControl* control, UINT index) {
    if (static_cast<int>(index) >= control->reg->nProperties) return 0;
    return control->reg->model->lpPropertyList[index];
}

bool IsStringProperty(LONG_PTR entry) {
    if (IsStandardEntry(entry))
        return entry == kStdCtlName || entry == kStdFontName || entry == kStdTag || entry == kStdText;
    const PROPINFO* info = reinterpret_cast<const PROPINFO*>(entry);
    return info != nullptr && (info->dwFlags & HOST_PROP_TYPE_MASK) == HOST_PROP_TYPE_STRING;
}

LRESULT SendToControl(PlmHostControl* control, UINT msg, WPARAM wParam, LPARAM lParam) {
    return control->reg->model->lpfnControlProc(control, control->hWnd, msg, wParam, lParam);
}

LRESULT CALLBACK ControlWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    PlmHostControl* control = ControlOfWindow(hWnd);
    if (control == nullptr && g_creating != nullptr) {
        control = g_creating;
        control->hWnd = hWnd;
        g_creating = nullptr;
    }
    if (control == nullptr) return DefWindowProcA(hWnd, msg, wParam, lParam);
    LRESULT result = control->reg->model->lpfnControlProc(control, hWnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY && control->hWnd == hWnd) control->hWnd = nullptr;
    return result;
}

bool CreateControlWindow(PlmHostControl* control, LPCSTR text) {
    const MODEL* model = control->reg->model;
    const RECT& r = control->placement;
    g_creating = control;
    HWND window = CreateWindowExA(0, model->lpszClassName, text, model->dwWindowStyle, r.left, r.top,
                                  r.right - r.left, r.bottom - r.top, control->hParent, nullptr,
                                  control->reg->instance, nullptr);
    g_creating = nullptr;
    control->hWnd = window;
    return window != nullptr;
}

void ReleaseControl(PlmHostControl* control) {
    for (PlmHostControl*& slot : g_controls)
        if (slot == control) slot = nullptr;
    free(control->data);
    free(control);
}

void SetStandardDefaults(PlmHostControl* control) {
    for (int k = 0; k < control->reg->nProperties; ++k) {
        LONG_PTR entry = control->reg->model->lpPropertyList[k];
        if (entry == kStdBackColor) control->alStandard[k] = kSystemColor | COLOR_WINDOW;
        if (entry == kStdForeColor) control->alStandard[k] = kSystemColor | COLOR_WINDOWTEXT;
    }
}

// Default processing of a property request: the host keeps the standard properties itself; the
// control's own properties are the control's business and are left alone.
void DefaultGetProperty(PlmHostControl* control, UINT index, LPARAM lParam) {
    LONG_PTR entry = PropertyEntry(control, index);
    if (!IsStandardEntry(entry) || lParam == 0) return;
    if (!IsStringProperty(entry)) {
        *reinterpret_cast<LONG*>(lParam) = control->alStandard[index];
        return;
    }
    char text[PLM_TEXT_SIZE] = "";
    if (entry == kStdText && control->hWnd != nullptr) GetWindowTextA(control->hWnd, text, sizeof text);
    if (entry == kStdCtlName) snprintf(text, sizeof text, "%s", control->szName);
    *reinterpret_cast<HHOSTSTR*>(lParam) = HostCreateString(0, text);
}

void DefaultSetProperty(PlmHostControl* control, UINT index, LPARAM lParam) {
    LONG_PTR entry = PropertyEntry(control, index);
    if (!IsStandardEntry(entry)) return;
    if (entry == kStdText && control->hWnd != nullptr) SetWindowTextA(control->hWnd, reinterpret_cast<LPCSTR>(lParam));
    if (!IsStringProperty(entry)) control->alStandard[index] = static_cast<LONG>(lParam);
}

LRESULT DefaultRequest(PlmHostControl* control, UINT msg, WPARAM wParam, LPARAM lParam) {
    ++g_record.nDefRequests;
    g_record.uLastDefRequest = msg;
    g_record.wLastDefParam = wParam;
    if (control == nullptr) return 0;
    if (msg == HOSTM_GETPROPERTY) DefaultGetProperty(control, static_cast<UINT>(wParam), lParam);
    if (msg == HOSTM_SETPROPERTY) DefaultSetProperty(control, static_cast<UINT>(wParam), lParam);
    return 0;
}

}  // namespace

// ---- services the control imports ------------------------------------------------------------

extern "C" BOOL WINAPI HostRegisterModel(HINSTANCE hInstance, const MODEL* lpModel) {
    ++g_record.nRegistrations;
    g_record.hLastInstance = hInstance;
    g_record.lpLastModel = lpModel;
    if (g_failNextRegistration) {
        g_failNextRegistration = false;
        return FALSE;
    }
    if (lpModel == nullptr || lpModel->lpszClassName == nullptr || lpModel->lpfnControlProc == nullptr) return FALSE;
    WNDCLASSA wc = {};
    if (!GetClassInfoA(nullptr, lpModel->lpszParentClass != nullptr ? lpModel->lpszParentClass : "edit", &wc))
        return FALSE;

    RegisteredModel* reg = ModelOfClass(lpModel->lpszClassName);
    if (reg == nullptr) {  // a class registered once serves every later registration of the model
        for (RegisteredModel& slot : g_models)
            if (slot.model == nullptr && reg == nullptr) reg = &slot;
        if (reg == nullptr) return FALSE;
        WNDPROC parentProc = wc.lpfnWndProc;
        wc.lpfnWndProc = ControlWindowProc;
        wc.hInstance = hInstance;
        wc.lpszClassName = lpModel->lpszClassName;
        wc.style = lpModel->wClassStyle;
        if (RegisterClassA(&wc) == 0) return FALSE;
        *reg = RegisteredModel{lpModel, hInstance, parentProc, 0, 0};
    }
    reg->model = lpModel;
    reg->nProperties = CountEntries(lpModel->lpPropertyList);
    return TRUE;
}

extern "C" LPVOID WINAPI HostDerefControl(HCTL hCtl) {
    PlmHostControl* control = LiveControl(hCtl);
    return control != nullptr ? control->data : nullptr;
}

extern "C" LRESULT WINAPI HostDefControlProc(HCTL hCtl, HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    PlmHostControl* control = LiveControl(hCtl);
    if (msg >= HOSTM_CREATED && msg <= kLastRequest) return DefaultRequest(control, msg, wParam, lParam);
    if (control == nullptr || hWnd == nullptr || !IsWindow(hWnd)) return 0;
    return CallWindowProcA(control->reg->parentProc, hWnd, msg, wParam, lParam);
}

extern "C" UINT WINAPI HostGetMode(void) { return g_mode; }

extern "C" LONG WINAPI HostGetControlProperty(HCTL hCtl, UINT index, LPVOID lpValue) {
    PlmHostControl* control = LiveControl(hCtl);
    if (control == nullptr || lpValue == nullptr) return 1;
    LONG_PTR entry = PropertyEntry(control, index);
    if (entry == 0) return 1;
    const bool text = IsStringProperty(entry);
    if (text)
        *static_cast<HHOSTSTR*>(lpValue) = nullptr;
    else
        *static_cast<LONG*>(lpValue) = 0;
    SendToControl(control, HOSTM_GETPROPERTY, index, reinterpret_cast<LPARAM>(lpValue));
    // The caller always receives a string to free, even when nobody answered.
    if (text && *static_cast<HHOSTSTR*>(lpValue) == nullptr) *static_cast<HHOSTSTR*>(lpValue) = HostCreateString(0, "");
    return 0;
}

extern "C" LPSTR WINAPI HostDerefString(HHOSTSTR hStr) {
    static char empty[1] = "";
    return hStr != nullptr ? hStr->text : empty;
}

extern "C" void WINAPI HostFreeString(HHOSTSTR hStr) {
    if (hStr == nullptr) return;
    --g_liveStrings;
    free(hStr);
}

extern "C" HHOSTSTR WINAPI HostCreateString(UINT /*uReserved*/, LPCSTR lpszText) {
    if (lpszText == nullptr) lpszText = "";
    size_t length = strlen(lpszText);
    HHOSTSTR str = static_cast<HHOSTSTR>(malloc(length + 1));
    if (str == nullptr) return nullptr;
    memcpy(str->text, lpszText, length + 1);
    ++g_liveStrings;
    return str;
}

// The new window keeps the text of the old one: the value survives the recreation.
extern "C" LONG WINAPI HostRecreateControlWindow(HCTL hCtl) {
    PlmHostControl* control = LiveControl(hCtl);
    if (control == nullptr) return 1;
    ++g_record.nRecreations;
    char text[PLM_TEXT_SIZE] = "";
    if (control->hWnd != nullptr) {
        GetWindowTextA(control->hWnd, text, sizeof text);
        DestroyWindow(control->hWnd);
    }
    return CreateControlWindow(control, text) ? 0 : 1;
}

extern "C" HWND WINAPI HostGetControlWindow(HCTL hCtl) {
    PlmHostControl* control = LiveControl(hCtl);
    return control != nullptr ? control->hWnd : nullptr;
}

extern "C" LONG WINAPI HostFireEvent(HCTL hCtl, WORD wEvent, LPVOID lpParams) {
    if (g_record.nEvents < PLV_EVENT_CAPACITY) g_record.aEvents[g_record.nEvents] = {hCtl, wEvent, lpParams};
    ++g_record.nEvents;
    return 0;
}

// ---- the container's side ----------------------------------------------------------------------

extern "C" HCTL WINAPI PlvCreateControl(LPCSTR lpszClassName, HWND hParent, int x, int y, int cx, int cy) {
    RegisteredModel* reg = ModelOfClass(lpszClassName);
    if (reg == nullptr) return nullptr;
    PlmHostControl** slot = nullptr;
    for (PlmHostControl*& candidate : g_controls)
        if (candidate == nullptr && slot == nullptr) slot = &candidate;
    if (slot == nullptr) return nullptr;

    PlmHostControl* control = static_cast<PlmHostControl*>(calloc(1, sizeof(PlmHostControl)));
    BYTE* data = static_cast<BYTE*>(calloc(1, reg->model->cbInstanceData + 1u));
    if (control == nullptr || data == nullptr) {
        free(control);
        free(data);
        return nullptr;
    }
    *slot = control;
    control->reg = reg;
    control->data = data;
    control->hParent = hParent;
    control->placement = RECT{x, y, x + cx, y + cy};
    snprintf(control->szName, sizeof control->szName, "%s%d", reg->model->lpszDefaultName,
             ++reg->nInstancesCreated);
    SetStandardDefaults(control);

    SendToControl(control, HOSTM_INITIALIZE, 0, 0);
    if (!CreateControlWindow(control, control->szName)) {
        ReleaseControl(control);
        return nullptr;
    }
    SendToControl(control, HOSTM_CREATED, 0, 0);
    return control;
}

extern "C" void WINAPI PlvDestroyControl(HCTL hCtl) {
    PlmHostControl* control = LiveControl(hCtl);
    if (control == nullptr) return;
    if (control->hWnd != nullptr && IsWindow(control->hWnd)) DestroyWindow(control->hWnd);
    ReleaseControl(control);
}

extern "C" LRESULT WINAPI PlvSendRequest(HCTL hCtl, UINT msg, WPARAM wParam, LPARAM lParam) {
    PlmHostControl* control = LiveControl(hCtl);
    return control != nullptr ? SendToControl(control, msg, wParam, lParam) : 0;
}

extern "C" LONG WINAPI PlvSetControlProperty(HCTL hCtl, UINT index, LPARAM value) {
    PlmHostControl* control = LiveControl(hCtl);
    if (control == nullptr) return 1;
    LONG_PTR entry = PropertyEntry(control, index);
    if (entry == 0) return 1;
    if (!IsStandardEntry(entry) && (reinterpret_cast<const PROPINFO*>(entry)->dwFlags & HOST_PROP_CHECK) != 0) {
        LONG refusal = static_cast<LONG>(SendToControl(control, HOSTM_CHECKPROPERTY, index, value));
        if (refusal != 0) return refusal;
    }
    SendToControl(control, HOSTM_SETPROPERTY, index, value);
    return 0;
}

extern "C" void WINAPI PlvSetMode(UINT mode) { g_mode = mode; }

extern "C" void WINAPI PlvFailNextRegistration(void) { g_failNextRegistration = true; }

extern "C" int WINAPI PlvLiveStrings(void) { return g_liveStrings; }

extern "C" const PlvRecord* WINAPI PlvRecorded(void) { return &g_record; }

extern "C" void WINAPI PlvResetRecord(void) { g_record = PlvRecord{}; }
