// The shared library's load and unload hooks: the native counterpart of DllMain. The module
// handle is the base address of this library's image, as an HINSTANCE is on Windows.
#include <dlfcn.h>

#include "module/module.h"

namespace {

HINSTANCE OwnModuleHandle() {
    Dl_info info = {};
    if (dladdr(reinterpret_cast<void*>(&ModuleAttach), &info) == 0) return nullptr;
    return static_cast<HINSTANCE>(info.dli_fbase);
}

__attribute__((constructor)) void OnLibraryLoad() { ModuleEntry(OwnModuleHandle(), DLL_PROCESS_ATTACH); }
__attribute__((destructor)) void OnLibraryUnload() { ModuleEntry(OwnModuleHandle(), DLL_PROCESS_DETACH); }

}  // namespace
