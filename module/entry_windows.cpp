// The DLL entry point.
#include <windows.h>

#include "module/module.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID /*reserved*/) {
    return ModuleEntry(module, reason);
}
