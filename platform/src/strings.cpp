// String resources: each module publishes its table as the data symbol plw_string_resources
// (plw_resource.h); LoadStringA finds the image by its base address and that symbol inside it.
#include <windows.h>

#include <dlfcn.h>
#include <link.h>
#include <string.h>

#include <plw_testhooks.h>

#include "internal.h"

namespace {

const char kTableSymbol[] = "plw_string_resources";

// Tables that tests put in place of a module's own, and tables already found: small, because a
// process has a handful of modules. Looking a table up again costs one dladdr, no allocation.
constexpr int kMaxModules = 16;
struct ModuleTable {
    HINSTANCE module;
    const PlwStringResource* table;
};
ModuleTable g_replaced[kMaxModules] = {};
ModuleTable g_found[kMaxModules] = {};

ModuleTable* Slot(ModuleTable (&slots)[kMaxModules], HINSTANCE module, bool create) {
    ModuleTable* freeSlot = nullptr;
    for (ModuleTable& slot : slots) {
        if (slot.module == module && slot.table != nullptr) return &slot;
        if (slot.table == nullptr && freeSlot == nullptr) freeSlot = &slot;
    }
    if (!create || freeSlot == nullptr) return nullptr;
    freeSlot->module = module;
    return freeSlot;
}

// True when `address` is the table symbol inside the image whose base is `module`.
bool IsTableOfModule(const void* address, HINSTANCE module) {
    Dl_info info = {};
    if (dladdr(address, &info) == 0) return false;
    return info.dli_fbase == static_cast<void*>(module) && info.dli_sname != nullptr &&
           strcmp(info.dli_sname, kTableSymbol) == 0;
}

struct PathSearch {
    uintptr_t base;
    const char* path;  // "" for the main program
    bool found;
};

int FindImageByBase(dl_phdr_info* info, size_t, void* data) {
    auto* search = static_cast<PathSearch*>(data);
    if (plw::ImageBase(info) != search->base) return 0;
    search->path = info->dlpi_name != nullptr ? info->dlpi_name : "";
    search->found = true;
    return 1;
}

// The table that the image at `module` exports, or null. The symbol is looked up inside that
// image only: a dlsym on a library handle would also search its dependencies.
const PlwStringResource* LookUpModuleTable(HINSTANCE module) {
    PathSearch search = {reinterpret_cast<uintptr_t>(module), nullptr, false};
    dl_iterate_phdr(FindImageByBase, &search);
    if (!search.found) return nullptr;
    void* image = search.path[0] == '\0' ? dlopen(nullptr, RTLD_LAZY)
                                         : dlopen(search.path, RTLD_LAZY | RTLD_NOLOAD);
    if (image == nullptr) return nullptr;
    void* symbol = dlsym(image, kTableSymbol);
    dlclose(image);
    if (symbol == nullptr || !IsTableOfModule(symbol, module)) return nullptr;
    return static_cast<const PlwStringResource*>(symbol);
}

const PlwStringResource* ModuleStrings(HINSTANCE module) {
    if (ModuleTable* replaced = Slot(g_replaced, module, false)) return replaced->table;
    if (ModuleTable* known = Slot(g_found, module, false)) {
        // A library may have been unloaded and something else mapped at its address.
        if (IsTableOfModule(known->table, module)) return known->table;
        known->table = nullptr;
    }
    const PlwStringResource* table = LookUpModuleTable(module);
    if (table == nullptr) return nullptr;
    if (ModuleTable* slot = Slot(g_found, module, true)) slot->table = table;
    return table;
}

const char* FindString(const PlwStringResource* table, UINT id) {
    if (table == nullptr) return nullptr;
    for (const PlwStringResource* entry = table; entry->text != nullptr; ++entry)
        if (entry->id == id) return entry->text;
    return nullptr;
}

// The only text an ANSI buffer of size 0 can get: Win32's LoadStringA answers -1 without
// touching the buffer (the "pointer to the resource" form exists for LoadStringW only).
constexpr int kNoBufferResult = -1;

}  // namespace

namespace plw {

size_t CopyTruncated(LPSTR buffer, size_t size, const char* text, size_t length) {
    size_t copied = length < size - 1 ? length : size - 1;
    memcpy(buffer, text, copied);
    buffer[copied] = '\0';
    return copied;
}

}  // namespace plw

extern "C" {

PLW_API int WINAPI LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax) {
    if (cchBufferMax == 0) return kNoBufferResult;
    // A negative size would let Win32 copy the whole string unbounded: refused here.
    if (lpBuffer == nullptr || cchBufferMax < 0) return 0;
    HINSTANCE module = hInstance != nullptr ? hInstance : plw::MainProgramBase();
    // String ids are 16-bit: the resource lookup uses the low word only.
    const char* text = FindString(ModuleStrings(module), LOWORD(uID));
    if (text == nullptr) {
        SetLastError(plw::kErrorResourceNameNotFound);
        text = "";
    }
    return static_cast<int>(plw::CopyTruncated(lpBuffer, static_cast<size_t>(cchBufferMax), text, strlen(text)));
}

PLW_API void PlwReplaceModuleStrings(HINSTANCE module, const PlwStringResource* table) {
    if (table == nullptr) {
        if (ModuleTable* slot = Slot(g_replaced, module, false)) *slot = ModuleTable{nullptr, nullptr};
        return;
    }
    if (ModuleTable* slot = Slot(g_replaced, module, true)) slot->table = table;
}

}  // extern "C"
