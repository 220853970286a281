// Shared state of the Win32 stand-in: the records behind window, class and GDI handles. Only
// the stand-in's own sources include this; clients see windows.h alone.
#ifndef PLW_INTERNAL_H
#define PLW_INTERNAL_H

#include <windows.h>

#include <string>
#include <vector>

struct dl_phdr_info;

namespace plw {

// Win32 error codes that the stand-in reports through SetLastError.
constexpr DWORD kErrorInvalidHandle = 6;
constexpr DWORD kErrorNotEnoughMemory = 8;
constexpr DWORD kErrorInvalidParameter = 87;
constexpr DWORD kErrorModNotFound = 126;
constexpr DWORD kErrorInvalidWindowHandle = 1400;
constexpr DWORD kErrorClassAlreadyExists = 1410;
constexpr DWORD kErrorClassDoesNotExist = 1411;
constexpr DWORD kErrorClassHasWindows = 1412;
constexpr DWORD kErrorInvalidIndex = 1413;
constexpr DWORD kErrorClipboardNotOpen = 1418;
constexpr DWORD kErrorResourceNameNotFound = 1814;

// ---- modules -------------------------------------------------------------------------------
// Base address of the main program's image.
HINSTANCE MainProgramBase();
// Base address of one loaded image, as dladdr reports it (dli_fbase).
uintptr_t ImageBase(const dl_phdr_info* info);

// ---- text ----------------------------------------------------------------------------------
// Copies at most size - 1 of the `length` bytes of text into buffer and terminates it, as every
// Win32 routine that fills a caller's buffer does. size must be at least 1. Returns the count copied.
size_t CopyTruncated(LPSTR buffer, size_t size, const char* text, size_t length);

// ---- classes -------------------------------------------------------------------------------
struct WindowClass {
    std::string name;         // as registered; compared without regard to case
    UINT style = 0;           // CS_ flags
    WNDPROC proc = nullptr;   // window procedure of new windows
    int cbClsExtra = 0;       // bytes of class memory
    int cbWndExtra = 0;       // bytes of window memory of each window
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    LPCSTR menuName = nullptr;  // kept as given, as Win32 does for the ANSI menu name pointer
    ATOM atom = 0;
    bool system = false;     // built-in: found whatever the instance
    int windowCount = 0;     // live windows of the class: unregistering waits for zero
};

// The class `name` as window creation sees it for `instance`: a class of that instance, else a
// global one, else a system class.
WindowClass* FindClassForCreation(LPCSTR name, HINSTANCE instance);

// ---- GDI surfaces -------------------------------------------------------------------------
struct Surface {
    int width = 0;   // pixels, the window's whole width
    int height = 0;  // pixels, the window's whole height
    std::vector<COLORREF> pixels;  // row-major, width * height
};
void ResizeSurface(Surface& surface, int width, int height);
// The LOGFONT a font handle was made from; false for anything else. Stock fonts describe the
// system font (lfHeight 0).
bool GetFontDescription(HFONT font, LOGFONTA* out);
// Releases the DCs a destroyed window still holds.
void ReleaseWindowDCs(HWND hwnd);

// ---- windows -------------------------------------------------------------------------------
struct Window {
    HWND handle = nullptr;
    WindowClass* cls = nullptr;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;   // child windows: the parent; top-level windows: the owner (none here)
    LONG_PTR id = 0;         // child id (the hMenu argument of a child)
    LONG_PTR userData = 0;   // GWLP_USERDATA
    HINSTANCE instance = nullptr;
    std::string text;        // DefWindowProc's window text
    RECT windowRect = {};    // in the parent's client coordinates (screen for top-level)
    RECT clientRect = {};    // client area relative to the window's top-left corner
    std::vector<BYTE> extra; // cbWndExtra bytes of window memory
    bool destroying = false; // DestroyWindow has begun: no second destruction
    bool needsPaint = false; // InvalidateRect since the last BeginPaint
    bool needsErase = false; // ... with erasing asked for
    Surface surface;
};

// The window record behind `hwnd`, or null for an invalid or destroyed handle.
Window* FindWindowRecord(HWND hwnd);
// The same for a handle the caller passed in: null also sets ERROR_INVALID_WINDOW_HANDLE.
Window* FindWindowOrFail(HWND hwnd);

// Calls the window's procedure (the stand-in's equivalent of SendMessage without checks).
LRESULT Deliver(Window* window, UINT msg, WPARAM wParam, LPARAM lParam);

// The focus moves away from a window that is being destroyed or hidden.
void DropFocusFrom(HWND hwnd);

// What DefWindowProc's WM_NCCALCSIZE takes off each side of the window rectangle.
RECT DefaultNonClientInsets(DWORD style, DWORD exStyle);

// Removes the posted messages of a window that goes away.
void DropPostedMessages(HWND hwnd);

// ---- built-in controls ------------------------------------------------------------------
LRESULT CALLBACK EditWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ListBoxWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Window extra bytes of the system classes, as the real ones report on 64-bit Windows: one
// pointer to the control's state.
constexpr int kEditWndExtra = 8;
constexpr int kListBoxWndExtra = 8;

}  // namespace plw

#endif  // PLW_INTERNAL_H
