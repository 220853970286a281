// The Win32 stand-in: the part of windows.h that PLMEDT60 and its clients use, for Linux.
// Names, values and behaviour follow Win32 (ANSI entry points only); nothing else is offered.
#ifndef PLW_WINDOWS_H
#define PLW_WINDOWS_H

#include <stddef.h>
#include <stdint.h>

#if defined(PLW_BUILDING)
#  define PLW_API __attribute__((visibility("default")))
#else
#  define PLW_API
#endif

#define WINAPI
#define CALLBACK
#define APIENTRY
#define CONST const
#define VOID void

// ---- basic types (LP64: LONG and DWORD stay 32-bit, as on Win64) ----------------------------
typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef int INT;
typedef unsigned int UINT;
typedef short SHORT;
typedef unsigned short USHORT;
typedef char CHAR;
typedef unsigned char UCHAR;
typedef float FLOAT;
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t ULONG_PTR;
typedef uintptr_t DWORD_PTR;
typedef size_t SIZE_T;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef WORD ATOM;
typedef DWORD COLORREF;
typedef BYTE* PBYTE;
typedef BYTE* LPBYTE;
typedef WORD* LPWORD;
typedef DWORD* LPDWORD;
typedef LONG* LPLONG;
typedef int* LPINT;
typedef BOOL* LPBOOL;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef char* PSTR;
typedef const char* PCSTR;

#define DECLARE_HANDLE(name) \
    struct name##__ {        \
        int unused;          \
    };                       \
    typedef struct name##__* name
typedef void* HANDLE;
DECLARE_HANDLE(HWND);
DECLARE_HANDLE(HINSTANCE);
DECLARE_HANDLE(HDC);
DECLARE_HANDLE(HMENU);
DECLARE_HANDLE(HICON);
DECLARE_HANDLE(HFONT);
DECLARE_HANDLE(HPEN);
DECLARE_HANDLE(HBRUSH);
DECLARE_HANDLE(HBITMAP);
DECLARE_HANDLE(HRGN);
typedef HICON HCURSOR;
typedef HINSTANCE HMODULE;
typedef HANDLE HGLOBAL;
typedef HANDLE HLOCAL;
typedef HANDLE HGDIOBJ;

#ifndef TRUE
#  define TRUE 1
#endif
#ifndef FALSE
#  define FALSE 0
#endif
#ifndef NULL
#  define NULL 0
#endif

#define MAKEWORD(a, b) ((WORD)(((BYTE)((DWORD_PTR)(a) & 0xff)) | ((WORD)((BYTE)((DWORD_PTR)(b) & 0xff))) << 8))
#define MAKELONG(a, b) ((LONG)(((WORD)((DWORD_PTR)(a) & 0xffff)) | ((DWORD)((WORD)((DWORD_PTR)(b) & 0xffff))) << 16))
#define LOWORD(l) ((WORD)((DWORD_PTR)(l) & 0xffff))
#define HIWORD(l) ((WORD)((DWORD_PTR)(l) >> 16))
#define LOBYTE(w) ((BYTE)((DWORD_PTR)(w) & 0xff))
#define HIBYTE(w) ((BYTE)((DWORD_PTR)(w) >> 8))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)MAKELONG(l, h))
#define MAKELPARAM(l, h) ((LPARAM)(DWORD)MAKELONG(l, h))
#define MAKELRESULT(l, h) ((LRESULT)(DWORD)MAKELONG(l, h))
#define MAKEINTRESOURCEA(i) ((LPSTR)((ULONG_PTR)((WORD)(i))))
#define RGB(r, g, b) ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb) (LOBYTE(rgb))
#define GetGValue(rgb) (LOBYTE(((WORD)(rgb)) >> 8))
#define GetBValue(rgb) (LOBYTE((rgb) >> 16))

// ---- records ----------------------------------------------------------------------------------
typedef struct tagPOINT {
    LONG x;
    LONG y;
} POINT, *LPPOINT;

typedef struct tagSIZE {
    LONG cx;
    LONG cy;
} SIZE, *LPSIZE;

typedef struct tagRECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
} RECT, *LPRECT;
typedef const RECT* LPCRECT;

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);

typedef struct tagCREATESTRUCTA {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCSTR lpszName;
    LPCSTR lpszClass;
    DWORD dwExStyle;
} CREATESTRUCTA, *LPCREATESTRUCTA;
typedef CREATESTRUCTA CREATESTRUCT;
typedef LPCREATESTRUCTA LPCREATESTRUCT;

typedef struct tagWNDCLASSA {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
} WNDCLASSA, *LPWNDCLASSA;
typedef WNDCLASSA WNDCLASS;

typedef struct tagWINDOWPOS {
    HWND hwnd;
    HWND hwndInsertAfter;
    int x;
    int y;
    int cx;
    int cy;
    UINT flags;
} WINDOWPOS, *LPWINDOWPOS, *PWINDOWPOS;

typedef struct tagNCCALCSIZE_PARAMS {
    RECT rgrc[3];
    PWINDOWPOS lppos;
} NCCALCSIZE_PARAMS, *LPNCCALCSIZE_PARAMS;

typedef struct tagSTYLESTRUCT {
    DWORD styleOld;
    DWORD styleNew;
} STYLESTRUCT, *LPSTYLESTRUCT;

#define LF_FACESIZE 32
typedef struct tagLOGFONTA {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    CHAR lfFaceName[LF_FACESIZE];
} LOGFONTA, *LPLOGFONTA;
typedef LOGFONTA LOGFONT;

typedef struct tagPAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
} PAINTSTRUCT, *LPPAINTSTRUCT;

// ---- DLL entry reasons ---------------------------------------------------------------------
#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3

// ---- window messages ----------------------------------------------------------------------
#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_MOVE 0x0003
#define WM_SIZE 0x0005
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_ENABLE 0x000A
#define WM_SETREDRAW 0x000B
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_ERASEBKGND 0x0014
#define WM_SHOWWINDOW 0x0018
#define WM_SETCURSOR 0x0020
#define WM_GETMINMAXINFO 0x0024
#define WM_SETFONT 0x0030
#define WM_GETFONT 0x0031
#define WM_WINDOWPOSCHANGING 0x0046
#define WM_WINDOWPOSCHANGED 0x0047
#define WM_STYLECHANGING 0x007C
#define WM_STYLECHANGED 0x007D
#define WM_NCCREATE 0x0081
#define WM_NCDESTROY 0x0082
#define WM_NCCALCSIZE 0x0083
#define WM_NCPAINT 0x0085
#define WM_GETDLGCODE 0x0087
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSKEYUP 0x0105
#define WM_COMMAND 0x0111
#define WM_CTLCOLOREDIT 0x0133
#define WM_MOUSEMOVE 0x0200
#define WM_PARENTNOTIFY 0x0210
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_CUT 0x0300
#define WM_COPY 0x0301
#define WM_PASTE 0x0302
#define WM_CLEAR 0x0303
#define WM_UNDO 0x0304
#define WM_USER 0x0400

// ---- edit control ---------------------------------------------------------------------------
#define EM_GETSEL 0x00B0
#define EM_SETSEL 0x00B1
#define EM_GETRECT 0x00B2
#define EM_SETRECT 0x00B3
#define EM_SETRECTNP 0x00B4
#define EM_GETMODIFY 0x00B8
#define EM_SETMODIFY 0x00B9
#define EM_GETLINECOUNT 0x00BA
#define EM_LINELENGTH 0x00C1
#define EM_REPLACESEL 0x00C2
#define EM_LIMITTEXT 0x00C5
#define EM_CANUNDO 0x00C6
#define EM_SETREADONLY 0x00CF
#define EM_GETLIMITTEXT 0x00D5
#define EM_SETLIMITTEXT EM_LIMITTEXT

#define ES_LEFT 0x0000L
#define ES_CENTER 0x0001L
#define ES_RIGHT 0x0002L
#define ES_MULTILINE 0x0004L
#define ES_UPPERCASE 0x0008L
#define ES_LOWERCASE 0x0010L
#define ES_PASSWORD 0x0020L
#define ES_AUTOVSCROLL 0x0040L
#define ES_AUTOHSCROLL 0x0080L
#define ES_NOHIDESEL 0x0100L
#define ES_READONLY 0x0800L
#define ES_WANTRETURN 0x1000L

#define EN_SETFOCUS 0x0100
#define EN_KILLFOCUS 0x0200
#define EN_CHANGE 0x0300
#define EN_UPDATE 0x0400
#define EN_MAXTEXT 0x0501

// ---- list box -----------------------------------------------------------------------------
#define LB_ADDSTRING 0x0180
#define LB_INSERTSTRING 0x0181
#define LB_DELETESTRING 0x0182
#define LB_RESETCONTENT 0x0184
#define LB_GETTEXT 0x0189
#define LB_GETTEXTLEN 0x018A
#define LB_GETCOUNT 0x018B
#define LBS_NOTIFY 0x0001L
#define LBS_SORT 0x0002L
#define LBS_HASSTRINGS 0x0040L
#define LB_ERR (-1)
#define LB_ERRSPACE (-2)

// ---- window styles --------------------------------------------------------------------------
#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_MINIMIZE 0x20000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CLIPSIBLINGS 0x04000000L
#define WS_CLIPCHILDREN 0x02000000L
#define WS_MAXIMIZE 0x01000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_DLGFRAME 0x00400000L
#define WS_VSCROLL 0x00200000L
#define WS_HSCROLL 0x00100000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define WS_OVERLAPPEDWINDOW 0x00CF0000L

#define WS_EX_DLGMODALFRAME 0x00000001L
#define WS_EX_NOPARENTNOTIFY 0x00000004L
#define WS_EX_CLIENTEDGE 0x00000200L
#define WS_EX_STATICEDGE 0x00020000L

#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define CS_DBLCLKS 0x0008
#define CS_GLOBALCLASS 0x4000
#define CS_PARENTDC 0x0080

#define CW_USEDEFAULT ((int)0x80000000)

// As on 64-bit Windows, the pointer-sized indexes exist only in their GWLP_ form.
#define GWL_STYLE (-16)
#define GWL_EXSTYLE (-20)
#define GWL_ID (-12)
#define GWLP_WNDPROC (-4)
#define GWLP_HINSTANCE (-6)
#define GWLP_HWNDPARENT (-8)
#define GWLP_USERDATA (-21)
#define GWLP_ID (-12)

#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SWP_NOREDRAW 0x0008
#define SWP_NOACTIVATE 0x0010
#define SWP_FRAMECHANGED 0x0020
#define SWP_SHOWWINDOW 0x0040
#define SWP_HIDEWINDOW 0x0080
#define HWND_TOP ((HWND)0)
#define HWND_BOTTOM ((HWND)1)

#define SIZE_RESTORED 0

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_NORMAL 1
#define SW_SHOW 5

// ---- keys -----------------------------------------------------------------------------------
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_INSERT 0x2D
#define VK_DELETE 0x2E
#define VK_CAPITAL 0x14
#define VK_LSHIFT 0xA0
#define VK_RSHIFT 0xA1
#define VK_LCONTROL 0xA2
#define VK_RCONTROL 0xA3

// ---- error codes (GetLastError) ---------------------------------------------------------------
#define ERROR_SUCCESS 0L
#define NO_ERROR 0L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_MOD_NOT_FOUND 126L
#define ERROR_NOT_LOCKED 158L
#define ERROR_INVALID_WINDOW_HANDLE 1400L
#define ERROR_CANNOT_FIND_WND_CLASS 1407L
#define ERROR_CLASS_ALREADY_EXISTS 1410L
#define ERROR_CLASS_DOES_NOT_EXIST 1411L
#define ERROR_CLASS_HAS_WINDOWS 1412L
#define ERROR_INVALID_INDEX 1413L
#define ERROR_CLIPBOARD_NOT_OPEN 1418L
#define ERROR_RESOURCE_NAME_NOT_FOUND 1814L

#define MB_OK 0x00000000L
#define MB_ICONHAND 0x00000010L
#define MB_ICONEXCLAMATION 0x00000030L

// ---- clipboard ------------------------------------------------------------------------------
#define CF_TEXT 1
#define CF_OEMTEXT 7
#define CF_DSPTEXT 0x0081

// ---- memory ---------------------------------------------------------------------------------
#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GMEM_MODIFY 0x0080
#define GMEM_DISCARDED 0x4000
#define GMEM_LOCKCOUNT 0x00FF
#define GMEM_INVALID_HANDLE 0x8000
#define GMEM_SHARE 0x2000
#define GMEM_DDESHARE 0x2000
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)
#define LMEM_FIXED 0x0000
#define LMEM_MOVEABLE 0x0002
#define LMEM_ZEROINIT 0x0040
#define LHND (LMEM_MOVEABLE | LMEM_ZEROINIT)
#define LPTR (LMEM_FIXED | LMEM_ZEROINIT)

// ---- GDI ------------------------------------------------------------------------------------
#define PS_SOLID 0
#define PS_NULL 5
#define TRANSPARENT 1
#define OPAQUE 2
#define ETO_OPAQUE 0x0002
#define ETO_CLIPPED 0x0004
#define DT_LEFT 0x0000
#define DT_CENTER 0x0001
#define DT_RIGHT 0x0002
#define DT_VCENTER 0x0004
#define DT_SINGLELINE 0x0020
#define DT_NOPREFIX 0x0800
#define COLOR_WINDOW 5
#define COLOR_WINDOWFRAME 6
#define COLOR_WINDOWTEXT 8
#define COLOR_BTNFACE 15
#define COLOR_BTNSHADOW 16
#define COLOR_BTNHIGHLIGHT 20
#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define ANSI_VAR_FONT 12
#define SYSTEM_FONT 13
#define DEFAULT_GUI_FONT 17
#define CLR_INVALID 0xFFFFFFFF
#define FW_NORMAL 400
#define FW_BOLD 700
#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1

#ifdef __cplusplus
extern "C" {
#endif

// ---- modules and strings ------------------------------------------------------------------
PLW_API HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName);
PLW_API int WINAPI LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax);
PLW_API void WINAPI OutputDebugStringA(LPCSTR lpOutputString);
PLW_API DWORD WINAPI GetLastError(void);
PLW_API void WINAPI SetLastError(DWORD dwErrCode);

// ---- window classes -----------------------------------------------------------------------
PLW_API ATOM WINAPI RegisterClassA(const WNDCLASSA* lpWndClass);
PLW_API BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE hInstance);
PLW_API BOOL WINAPI GetClassInfoA(HINSTANCE hInstance, LPCSTR lpClassName, LPWNDCLASSA lpWndClass);
PLW_API int WINAPI GetClassNameA(HWND hWnd, LPSTR lpClassName, int nMaxCount);

// ---- windows --------------------------------------------------------------------------------
PLW_API HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName,
                                    DWORD dwStyle, int X, int Y, int nWidth, int nHeight,
                                    HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam);
#define CreateWindowA(cls, name, style, x, y, w, h, parent, menu, inst, param) \
    CreateWindowExA(0, cls, name, style, x, y, w, h, parent, menu, inst, param)
PLW_API BOOL WINAPI DestroyWindow(HWND hWnd);
PLW_API BOOL WINAPI IsWindow(HWND hWnd);
PLW_API HWND WINAPI FindWindowA(LPCSTR lpClassName, LPCSTR lpWindowName);
PLW_API HWND WINAPI GetParent(HWND hWnd);
PLW_API HWND WINAPI GetWindow(HWND hWnd, UINT uCmd);
#define GW_HWNDFIRST 0
#define GW_HWNDLAST 1
#define GW_HWNDNEXT 2
#define GW_HWNDPREV 3
#define GW_OWNER 4
#define GW_CHILD 5
PLW_API int WINAPI GetDlgCtrlID(HWND hWnd);
PLW_API HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem);
PLW_API LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
PLW_API BOOL WINAPI PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
PLW_API LRESULT WINAPI CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam,
                                       LPARAM lParam);
PLW_API LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
PLW_API LONG WINAPI GetWindowLongA(HWND hWnd, int nIndex);
PLW_API LONG WINAPI SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong);
PLW_API LONG_PTR WINAPI GetWindowLongPtrA(HWND hWnd, int nIndex);
PLW_API LONG_PTR WINAPI SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong);
PLW_API int WINAPI GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount);
PLW_API int WINAPI GetWindowTextLengthA(HWND hWnd);
PLW_API BOOL WINAPI SetWindowTextA(HWND hWnd, LPCSTR lpString);
PLW_API HWND WINAPI SetFocus(HWND hWnd);
PLW_API HWND WINAPI GetFocus(void);
PLW_API BOOL WINAPI SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy,
                                 UINT uFlags);
PLW_API BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint);
PLW_API BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow);
PLW_API BOOL WINAPI IsWindowVisible(HWND hWnd);
PLW_API BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable);
PLW_API BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect);
PLW_API BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect);
PLW_API BOOL WINAPI InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase);
PLW_API BOOL WINAPI UpdateWindow(HWND hWnd);
PLW_API BOOL WINAPI ShowCaret(HWND hWnd);
PLW_API BOOL WINAPI HideCaret(HWND hWnd);

// ---- message loop (a queue-less stand-in: posted messages are delivered by the loop) -------
typedef struct tagMSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
} MSG, *LPMSG;
PLW_API BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax,
                                 UINT wRemoveMsg);
PLW_API LRESULT WINAPI DispatchMessageA(const MSG* lpMsg);
PLW_API BOOL WINAPI TranslateMessage(const MSG* lpMsg);
#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001

// ---- rectangles ---------------------------------------------------------------------------
PLW_API BOOL WINAPI SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom);
PLW_API BOOL WINAPI InflateRect(LPRECT lprc, int dx, int dy);
PLW_API BOOL WINAPI OffsetRect(LPRECT lprc, int dx, int dy);

// ---- keyboard -------------------------------------------------------------------------------
PLW_API SHORT WINAPI GetKeyState(int nVirtKey);
PLW_API SHORT WINAPI GetAsyncKeyState(int vKey);
PLW_API BOOL WINAPI GetKeyboardState(PBYTE lpKeyState);
PLW_API BOOL WINAPI SetKeyboardState(LPBYTE lpKeyState);
PLW_API void WINAPI keybd_event(BYTE bVk, BYTE bScan, DWORD dwFlags, ULONG_PTR dwExtraInfo);
#define KEYEVENTF_EXTENDEDKEY 0x0001
#define KEYEVENTF_KEYUP 0x0002
PLW_API BOOL WINAPI MessageBeep(UINT uType);

// ---- character classes and case (code page 1252) -------------------------------------------
PLW_API BOOL WINAPI IsCharAlphaA(CHAR ch);
PLW_API BOOL WINAPI IsCharAlphaNumericA(CHAR ch);
PLW_API BOOL WINAPI IsCharUpperA(CHAR ch);
PLW_API BOOL WINAPI IsCharLowerA(CHAR ch);
PLW_API LPSTR WINAPI CharUpperA(LPSTR lpsz);
PLW_API LPSTR WINAPI CharLowerA(LPSTR lpsz);
PLW_API LPSTR WINAPI CharNextA(LPCSTR lpsz);

// ---- clipboard ------------------------------------------------------------------------------
PLW_API BOOL WINAPI OpenClipboard(HWND hWndNewOwner);
PLW_API BOOL WINAPI CloseClipboard(void);
PLW_API BOOL WINAPI EmptyClipboard(void);
PLW_API HANDLE WINAPI SetClipboardData(UINT uFormat, HANDLE hMem);
PLW_API HANDLE WINAPI GetClipboardData(UINT uFormat);
PLW_API BOOL WINAPI IsClipboardFormatAvailable(UINT format);

// ---- memory ---------------------------------------------------------------------------------
PLW_API HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes);
PLW_API HGLOBAL WINAPI GlobalReAlloc(HGLOBAL hMem, SIZE_T dwBytes, UINT uFlags);
PLW_API LPVOID WINAPI GlobalLock(HGLOBAL hMem);
PLW_API BOOL WINAPI GlobalUnlock(HGLOBAL hMem);
PLW_API HGLOBAL WINAPI GlobalFree(HGLOBAL hMem);
PLW_API SIZE_T WINAPI GlobalSize(HGLOBAL hMem);
PLW_API UINT WINAPI GlobalFlags(HGLOBAL hMem);
PLW_API HLOCAL WINAPI LocalAlloc(UINT uFlags, SIZE_T uBytes);
PLW_API LPVOID WINAPI LocalLock(HLOCAL hMem);
PLW_API BOOL WINAPI LocalUnlock(HLOCAL hMem);
PLW_API HLOCAL WINAPI LocalFree(HLOCAL hMem);
PLW_API SIZE_T WINAPI LocalSize(HLOCAL hMem);

// ---- GDI ------------------------------------------------------------------------------------
PLW_API HDC WINAPI GetDC(HWND hWnd);
PLW_API HDC WINAPI GetWindowDC(HWND hWnd);
PLW_API int WINAPI ReleaseDC(HWND hWnd, HDC hDC);
PLW_API HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint);
PLW_API BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint);
PLW_API int WINAPI SaveDC(HDC hdc);
PLW_API BOOL WINAPI RestoreDC(HDC hdc, int nSavedDC);
PLW_API BOOL WINAPI SetViewportOrgEx(HDC hdc, int X, int Y, LPPOINT lpPoint);
PLW_API BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT lpPoint);
PLW_API HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color);
PLW_API HBRUSH WINAPI CreateSolidBrush(COLORREF color);
PLW_API HFONT WINAPI CreateFontIndirectA(const LOGFONTA* lplf);
PLW_API HGDIOBJ WINAPI GetStockObject(int i);
PLW_API HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h);
PLW_API BOOL WINAPI DeleteObject(HGDIOBJ ho);
PLW_API BOOL WINAPI MoveToEx(HDC hdc, int X, int Y, LPPOINT lpPoint);
PLW_API BOOL WINAPI LineTo(HDC hdc, int X, int Y);
PLW_API COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color);
PLW_API COLORREF WINAPI GetBkColor(HDC hdc);
PLW_API int WINAPI SetBkMode(HDC hdc, int mode);
PLW_API int WINAPI GetBkMode(HDC hdc);
PLW_API COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color);
PLW_API BOOL WINAPI ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCSTR lpString,
                                UINT c, const INT* lpDx);
PLW_API int WINAPI FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr);
PLW_API COLORREF WINAPI GetPixel(HDC hdc, int x, int y);
PLW_API COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color);
PLW_API int WINAPI DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format);
PLW_API DWORD WINAPI GetSysColor(int nIndex);
PLW_API HBRUSH WINAPI GetSysColorBrush(int nIndex);

#ifdef __cplusplus
}  // extern "C"
#endif

// ANSI names without the suffix, as windows.h maps them in a non-Unicode build.
#define GetModuleHandle GetModuleHandleA
#define LoadString LoadStringA
#define OutputDebugString OutputDebugStringA
#define RegisterClass RegisterClassA
#define UnregisterClass UnregisterClassA
#define GetClassInfo GetClassInfoA
#define GetClassName GetClassNameA
#define CreateWindowEx CreateWindowExA
#define CreateWindow CreateWindowA
#define FindWindow FindWindowA
#define SendMessage SendMessageA
#define PostMessage PostMessageA
#define CallWindowProc CallWindowProcA
#define DefWindowProc DefWindowProcA
#define GetWindowLong GetWindowLongA
#define SetWindowLong SetWindowLongA
#define GetWindowLongPtr GetWindowLongPtrA
#define SetWindowLongPtr SetWindowLongPtrA
#define GetWindowText GetWindowTextA
#define GetWindowTextLength GetWindowTextLengthA
#define SetWindowText SetWindowTextA
#define IsCharAlpha IsCharAlphaA
#define IsCharAlphaNumeric IsCharAlphaNumericA
#define IsCharUpper IsCharUpperA
#define IsCharLower IsCharLowerA
#define CharUpper CharUpperA
#define CharLower CharLowerA
#define CharNext CharNextA
#define CreateFontIndirect CreateFontIndirectA
#define ExtTextOut ExtTextOutA
#define DrawText DrawTextA
#define PeekMessage PeekMessageA
#define DispatchMessage DispatchMessageA
#define MAKEINTRESOURCE MAKEINTRESOURCEA

#endif  // PLW_WINDOWS_H
