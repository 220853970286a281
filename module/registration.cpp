// Registration of "MaskedEdit": the system "Edit" class with our window procedure in front and
// eight more bytes of window memory for the link to the control object.
#include <plmedt60.h>

#include "module/module.h"

namespace {

const char kClassName[] = "MaskedEdit";
constexpr int kLinkBytes = 8;  // the LinkBlock handle, padded to a pointer on 64-bit builds

// A previous registration of this instance whose windows still exist cannot be unregistered:
// destroy its top-level windows until none is left or one refuses, then try again.
void ReleaseEarlierRegistration() {
    if (UnregisterClassA(kClassName, g_hInstance)) return;
    for (;;) {
        HWND leftover = FindWindowA(kClassName, nullptr);
        if (leftover == nullptr || !DestroyWindow(leftover)) break;
    }
    UnregisterClassA(kClassName, g_hInstance);
}

}  // namespace

ATOM RegisterMaskEditClass() {
    ReleaseEarlierRegistration();
    LoadModuleString(IDS_DEFAULT_KEYWORD, g_szDefaultKeyword, sizeof g_szDefaultKeyword);

    WNDCLASSA wc = {};
    if (!GetClassInfoA(nullptr, "Edit", &wc)) return 0;
    g_nLinkIndex = wc.cbWndExtra;
    wc.cbWndExtra += kLinkBytes;
    wc.lpfnWndProc = MaskEditThunk;
    wc.lpszClassName = kClassName;
    wc.hInstance = g_hInstance;
    return RegisterClassA(&wc);
}
