// Process attach and detach, shared by the entry glue of both platforms.
#include "module/module.h"

namespace {
// The settings are loaded at most once per load of the library.
int g_bIntlLoaded = 0;
}  // namespace

void ModuleAttach(HINSTANCE module) {
    g_hInstance = module;
    if (g_bIntlLoaded == 0) {
        LoadIntlDefaults();
        g_bIntlLoaded = 1;
    }
    RegisterMaskEditClass();
}

void ModuleDetach() {
    UnregisterClassA("MaskedEdit", g_hInstance);
}

BOOL ModuleEntry(HINSTANCE module, DWORD reason) {
    switch (reason) {
    case DLL_PROCESS_ATTACH: ModuleAttach(module); break;
    case DLL_PROCESS_DETACH: ModuleDetach(); break;
    default: break;  // thread attach and detach change nothing
    }
    return TRUE;  // whatever registration gave: a failed one shows later as failed creation
}
