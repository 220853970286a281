// The DLL entry point. Thread notifications change nothing; the result is always TRUE, whatever
// class registration gave (a failed registration shows later as failed window creation).
#include <windows.h>

#include "module/module.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID /*reserved*/) {
    switch (reason) {
    case DLL_PROCESS_ATTACH: ModuleAttach(module); break;
    case DLL_PROCESS_DETACH: ModuleDetach(); break;
    default: break;
    }
    return TRUE;
}
