// Window classes: the built-in system classes and those that modules register. Names compare
// without regard to case; a class belongs to its instance, except system classes and global
// ones, which creation finds whatever the instance.
#include <windows.h>

#include <string.h>
#include <strings.h>

#include <memory>
#include <vector>

#include "internal.h"

namespace {

// Class atoms start where Win32's string atoms do.
constexpr ATOM kFirstAtom = 0xC000;
ATOM g_nextAtom = kFirstAtom;

// The system classes answer GetClassInfoA as the real ones do under Win64.
constexpr UINT kEditClassStyle = CS_DBLCLKS | CS_PARENTDC;
constexpr UINT kListBoxClassStyle = CS_DBLCLKS;
// A non-null cursor, as the real system classes carry one (the I-beam for edits).
HCURSOR const kIBeamCursor = reinterpret_cast<HCURSOR>(0x1004e);
HCURSOR const kArrowCursor = reinterpret_cast<HCURSOR>(0x10003);

std::vector<std::unique_ptr<plw::WindowClass>>& Classes() {
    static std::vector<std::unique_ptr<plw::WindowClass>> classes;
    return classes;
}

plw::WindowClass* AddClass(const WNDCLASSA& wc, bool system) {
    auto cls = std::make_unique<plw::WindowClass>();
    cls->name = wc.lpszClassName;
    cls->style = wc.style;
    cls->proc = wc.lpfnWndProc;
    cls->cbClsExtra = wc.cbClsExtra;
    cls->cbWndExtra = wc.cbWndExtra;
    cls->instance = wc.hInstance;
    cls->icon = wc.hIcon;
    cls->cursor = wc.hCursor;
    cls->background = wc.hbrBackground;
    cls->menuName = wc.lpszMenuName;
    cls->atom = g_nextAtom++;
    cls->system = system;
    Classes().push_back(std::move(cls));
    return Classes().back().get();
}

void RegisterSystemClass(const char* name, WNDPROC proc, UINT style, int cbWndExtra, HCURSOR cursor) {
    WNDCLASSA wc = {};
    wc.lpszClassName = name;
    wc.lpfnWndProc = proc;
    wc.style = style;
    wc.cbWndExtra = cbWndExtra;
    wc.hCursor = cursor;
    AddClass(wc, true);
}

// The system classes exist before any client code runs.
void EnsureSystemClasses() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    RegisterSystemClass("Edit", plw::EditWindowProc, kEditClassStyle, plw::kEditWndExtra, kIBeamCursor);
    RegisterSystemClass("ListBox", plw::ListBoxWindowProc, kListBoxClassStyle, plw::kListBoxWndExtra, kArrowCursor);
}

bool NameIs(const plw::WindowClass& cls, LPCSTR name) {
    // An atom passed as MAKEINTRESOURCE names the class by its atom.
    if ((reinterpret_cast<UINT_PTR>(name) >> 16) == 0) return cls.atom == LOWORD(name);
    return strcasecmp(cls.name.c_str(), name) == 0;
}

enum class Scope { kLocal, kGlobal, kSystem };

plw::WindowClass* FindInScope(LPCSTR name, HINSTANCE instance, Scope scope) {
    for (auto& cls : Classes()) {
        if (!NameIs(*cls, name)) continue;
        switch (scope) {
        case Scope::kLocal:
            if (!cls->system && !(cls->style & CS_GLOBALCLASS) && cls->instance == instance) return cls.get();
            break;
        case Scope::kGlobal:
            if (!cls->system && (cls->style & CS_GLOBALCLASS)) return cls.get();
            break;
        case Scope::kSystem:
            if (cls->system) return cls.get();
            break;
        }
    }
    return nullptr;
}

// A class this instance may not register twice: its own local class or any global class.
plw::WindowClass* FindRegistered(LPCSTR name, HINSTANCE instance) {
    if (plw::WindowClass* local = FindInScope(name, instance, Scope::kLocal)) return local;
    return FindInScope(name, instance, Scope::kGlobal);
}

// A system class reports the instance it was asked for.
void FillClassInfo(const plw::WindowClass& cls, HINSTANCE asked, LPWNDCLASSA out) {
    out->style = cls.style;
    out->lpfnWndProc = cls.proc;
    out->cbClsExtra = cls.cbClsExtra;
    out->cbWndExtra = cls.cbWndExtra;
    out->hInstance = cls.system ? asked : cls.instance;
    out->hIcon = cls.icon;
    out->hCursor = cls.cursor;
    out->hbrBackground = cls.background;
    out->lpszMenuName = cls.menuName;
    out->lpszClassName = cls.name.c_str();
}

bool IsValidClassName(LPCSTR name) {
    if (name == nullptr) return false;
    if ((reinterpret_cast<UINT_PTR>(name) >> 16) == 0) return true;  // an atom
    return name[0] != '\0';
}

// A null instance stands for the main program, as for every other module call.
HINSTANCE Normalise(HINSTANCE instance) { return instance != nullptr ? instance : plw::MainProgramBase(); }

}  // namespace

namespace plw {

WindowClass* FindClassForCreation(LPCSTR name, HINSTANCE instance) {
    EnsureSystemClasses();
    instance = Normalise(instance);
    if (!IsValidClassName(name)) return nullptr;
    if (WindowClass* local = FindInScope(name, instance, Scope::kLocal)) return local;
    if (WindowClass* global = FindInScope(name, instance, Scope::kGlobal)) return global;
    return FindInScope(name, instance, Scope::kSystem);
}

}  // namespace plw

extern "C" {

PLW_API ATOM WINAPI RegisterClassA(const WNDCLASSA* lpWndClass) {
    EnsureSystemClasses();
    if (lpWndClass == nullptr || !IsValidClassName(lpWndClass->lpszClassName) ||
        (reinterpret_cast<UINT_PTR>(lpWndClass->lpszClassName) >> 16) == 0 ||
        lpWndClass->cbWndExtra < 0 || lpWndClass->cbClsExtra < 0) {
        SetLastError(plw::kErrorInvalidParameter);
        return 0;
    }
    WNDCLASSA wc = *lpWndClass;
    wc.hInstance = Normalise(wc.hInstance);
    if (FindRegistered(wc.lpszClassName, wc.hInstance) != nullptr) {
        SetLastError(plw::kErrorClassAlreadyExists);
        return 0;
    }
    return AddClass(wc, false)->atom;
}

PLW_API BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE hInstance) {
    EnsureSystemClasses();
    plw::WindowClass* cls = IsValidClassName(lpClassName) ? FindRegistered(lpClassName, Normalise(hInstance)) : nullptr;
    if (cls == nullptr) {
        SetLastError(plw::kErrorClassDoesNotExist);
        return FALSE;
    }
    if (cls->windowCount > 0) {
        SetLastError(plw::kErrorClassHasWindows);
        return FALSE;
    }
    auto& classes = Classes();
    for (auto it = classes.begin(); it != classes.end(); ++it) {
        if (it->get() == cls) {
            classes.erase(it);
            break;
        }
    }
    return TRUE;
}

PLW_API BOOL WINAPI GetClassInfoA(HINSTANCE hInstance, LPCSTR lpClassName, LPWNDCLASSA lpWndClass) {
    plw::WindowClass* cls = plw::FindClassForCreation(lpClassName, hInstance);
    if (cls == nullptr || lpWndClass == nullptr) {
        SetLastError(plw::kErrorClassDoesNotExist);
        return FALSE;
    }
    FillClassInfo(*cls, hInstance, lpWndClass);
    // Win32 answers with the class atom, which is nonzero.
    return cls->atom;
}

PLW_API int WINAPI GetClassNameA(HWND hWnd, LPSTR lpClassName, int nMaxCount) {
    plw::Window* window = plw::FindWindowOrFail(hWnd);
    if (window == nullptr || lpClassName == nullptr || nMaxCount <= 0) return 0;
    const std::string& name = window->cls->name;
    return static_cast<int>(plw::CopyTruncated(lpClassName, static_cast<size_t>(nMaxCount), name.data(), name.size()));
}

}  // extern "C"
