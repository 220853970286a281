// Keyboard state. As on Win32 there are two tables: the thread's key state (GetKeyState), which
// SetKeyboardState replaces, and the asynchronous state of the physical keys
// (GetAsyncKeyState), which only input changes: keybd_event here, as under Windows.
#include <windows.h>

#include <string.h>

namespace {

constexpr int kKeyCount = 256;
constexpr BYTE kKeyDown = 0x80;
constexpr BYTE kKeyToggled = 0x01;
BYTE g_keyState[kKeyCount] = {};       // bit 0x80 down, bit 0x01 toggled
bool g_asyncDown[kKeyCount] = {};      // physical keys held

bool IsValidKey(int key) { return key >= 0 && key < kKeyCount; }

// The generic modifier keys follow their left and right keys.
int GenericKey(int key) {
    switch (key) {
    case 0xA0: case 0xA1: return VK_SHIFT;
    case 0xA2: case 0xA3: return VK_CONTROL;
    case 0xA4: case 0xA5: return VK_MENU;
    default: return key;
    }
}

void PressKey(int key, bool down) {
    if (down && !(g_keyState[key] & kKeyDown)) g_keyState[key] ^= kKeyToggled;
    g_keyState[key] = static_cast<BYTE>(down ? (g_keyState[key] | kKeyDown) : (g_keyState[key] & ~kKeyDown));
    g_asyncDown[key] = down;
}

}  // namespace

extern "C" {

PLW_API SHORT WINAPI GetKeyState(int nVirtKey) {
    if (!IsValidKey(nVirtKey)) return 0;
    // Win32 widens the state byte's down and toggle bits as a signed char: down reads 0xFF80.
    return static_cast<SHORT>(static_cast<signed char>(g_keyState[nVirtKey] & (kKeyDown | kKeyToggled)));
}

PLW_API SHORT WINAPI GetAsyncKeyState(int vKey) {
    if (!IsValidKey(vKey)) return 0;
    return static_cast<SHORT>(g_asyncDown[vKey] ? 0x8000 : 0);
}

PLW_API BOOL WINAPI GetKeyboardState(PBYTE lpKeyState) {
    if (lpKeyState == nullptr) return FALSE;
    memcpy(lpKeyState, g_keyState, kKeyCount);
    return TRUE;
}

PLW_API BOOL WINAPI SetKeyboardState(LPBYTE lpKeyState) {
    if (lpKeyState == nullptr) return FALSE;
    memcpy(g_keyState, lpKeyState, kKeyCount);
    return TRUE;
}

PLW_API void WINAPI keybd_event(BYTE bVk, BYTE, DWORD dwFlags, ULONG_PTR) {
    // Key messages are not queued: the stand-in has no input queue, tests send them directly.
    bool down = (dwFlags & KEYEVENTF_KEYUP) == 0;
    PressKey(bVk, down);
    int generic = GenericKey(bVk);
    if (generic != bVk) PressKey(generic, down);
}

}  // extern "C"
