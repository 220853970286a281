// Module handles: natively an HINSTANCE is the base address of a loaded ELF image (its lowest
// PT_LOAD address, which is what dladdr reports as dli_fbase), as on Windows it is the base of
// the mapped PE image.
#include <windows.h>

#include <dlfcn.h>
#include <link.h>
#include <string.h>
#include <strings.h>
#include <unistd.h>

#include "internal.h"

namespace {

// The file name part of a path.
const char* BaseName(const char* path) {
    const char* slash = strrchr(path, '/');
    return slash != nullptr ? slash + 1 : path;
}

// Length of a module name without a ".dll" suffix (Win32 accepts the name either way).
size_t StemLength(const char* name) {
    size_t length = strlen(name);
    const size_t kSuffix = 4;
    if (length > kSuffix && strcasecmp(name + length - kSuffix, ".dll") == 0) return length - kSuffix;
    return length;
}

// True when the image file `path` is the library `name`: lib<name>.so, lib<name>.so.N..., or
// <name>.so, compared without regard to case as Windows compares module names.
bool ImageMatchesName(const char* path, const char* name, size_t nameLength) {
    const char* file = BaseName(path);
    if (strncmp(file, "lib", 3) == 0 && strncasecmp(file + 3, name, nameLength) == 0 &&
        strncmp(file + 3 + nameLength, ".so", 3) == 0)
        return true;
    return strncasecmp(file, name, nameLength) == 0 && strncmp(file + nameLength, ".so", 3) == 0;
}

struct NameSearch {
    const char* name;
    size_t nameLength;
    uintptr_t found;
};

int FindImageByName(dl_phdr_info* info, size_t, void* data) {
    auto* search = static_cast<NameSearch*>(data);
    if (info->dlpi_name == nullptr || info->dlpi_name[0] == '\0') return 0;
    if (!ImageMatchesName(info->dlpi_name, search->name, search->nameLength)) return 0;
    search->found = plw::ImageBase(info);
    return 1;
}

int FindMainImage(dl_phdr_info* info, size_t, void* data) {
    // The loader lists the main program first.
    *static_cast<uintptr_t*>(data) = plw::ImageBase(info);
    return 1;
}

// True when `name` names the main program by its file name, as GetModuleHandleA("x.exe") does.
bool NamesMainProgram(const char* name, size_t nameLength) {
    char path[4096];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return false;
    path[length] = '\0';
    const char* file = BaseName(path);
    size_t fileLength = StemLength(file);
    const size_t kExe = 4;
    if (fileLength > kExe && strcasecmp(file + fileLength - kExe, ".exe") == 0) fileLength -= kExe;
    size_t wantLength = nameLength;
    if (wantLength > kExe && strncasecmp(name + wantLength - kExe, ".exe", kExe) == 0) wantLength -= kExe;
    return fileLength == wantLength && strncasecmp(file, name, wantLength) == 0;
}

}  // namespace

namespace plw {

// Load bias plus the lowest segment, rounded down to its page as the loader maps it.
uintptr_t ImageBase(const dl_phdr_info* info) {
    uintptr_t lowest = UINTPTR_MAX;
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& segment = info->dlpi_phdr[i];
        if (segment.p_type == PT_LOAD && segment.p_vaddr < lowest) lowest = segment.p_vaddr;
    }
    if (lowest == UINTPTR_MAX) return 0;
    const uintptr_t kPageMask = 0xFFF;
    return info->dlpi_addr + (lowest & ~kPageMask);
}

HINSTANCE MainProgramBase() {
    uintptr_t base = 0;
    dl_iterate_phdr(FindMainImage, &base);
    return reinterpret_cast<HINSTANCE>(base);
}

}  // namespace plw

extern "C" {

PLW_API HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
    if (lpModuleName == nullptr) return plw::MainProgramBase();
    NameSearch search = {lpModuleName, StemLength(lpModuleName), 0};
    dl_iterate_phdr(FindImageByName, &search);
    if (search.found != 0) return reinterpret_cast<HMODULE>(search.found);
    if (NamesMainProgram(lpModuleName, search.nameLength)) return plw::MainProgramBase();
    SetLastError(plw::kErrorModNotFound);
    return nullptr;
}

}  // extern "C"
