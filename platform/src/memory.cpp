// Global and local memory blocks. Win32 serves both families from one heap, so they share one
// implementation: a fixed block's handle is its address; a movable block's handle is a record
// apart from the data, so that the two never coincide and a lock is needed to reach the bytes.
#include <windows.h>

#include <stdlib.h>
#include <string.h>

#include <unordered_map>

#include <plw_testhooks.h>

#include "internal.h"

namespace {

constexpr UINT kFlagsMoveable = GMEM_MOVEABLE;
constexpr UINT kFlagsZeroInit = GMEM_ZEROINIT;
constexpr UINT kFlagsModify = 0x0080;        // GMEM_MODIFY: GlobalReAlloc changes flags only
constexpr UINT kFlagDiscarded = 0x4000;      // GMEM_DISCARDED
constexpr UINT kLockCountMask = 0x00FF;      // GMEM_LOCKCOUNT
constexpr DWORD kErrorNotLocked = 158;

struct Block {
    void* data = nullptr;  // the bytes; null for a movable block of size 0 (discarded)
    SIZE_T size = 0;       // bytes requested
    bool moveable = false;
    unsigned lockCount = 0;  // movable blocks only; Win32 keeps it in a byte
};

// Live blocks, by handle. Only this table decides whether a handle is valid, so a stale or
// foreign handle is refused instead of being dereferenced.
std::unordered_map<const void*, Block*>& Blocks() {
    static std::unordered_map<const void*, Block*> blocks;
    return blocks;
}

int g_failNextAllocations = 0;

// The block behind a handle the caller passed in; null, with ERROR_INVALID_HANDLE, for any other.
Block* FindBlock(HGLOBAL handle) {
    auto found = handle != nullptr ? Blocks().find(handle) : Blocks().end();
    if (found != Blocks().end()) return found->second;
    SetLastError(plw::kErrorInvalidHandle);
    return nullptr;
}

// Fixed blocks never have size 0 underneath: malloc(0) may answer null.
void* AllocateBytes(SIZE_T bytes, bool zero) {
    SIZE_T underlying = bytes != 0 ? bytes : 1;
    return zero ? calloc(1, underlying) : malloc(underlying);
}

bool ConsumeInjectedFailure() {
    if (g_failNextAllocations <= 0) return false;
    --g_failNextAllocations;
    return true;
}

HGLOBAL Allocate(UINT flags, SIZE_T bytes) {
    if (ConsumeInjectedFailure()) {
        SetLastError(plw::kErrorNotEnoughMemory);
        return nullptr;
    }
    Block* block = new Block;
    block->moveable = (flags & kFlagsMoveable) != 0;
    block->size = bytes;
    // A movable block of size 0 is created discarded: it has a handle but no bytes.
    if (!(block->moveable && bytes == 0)) {
        block->data = AllocateBytes(bytes, (flags & kFlagsZeroInit) != 0);
        if (block->data == nullptr) {
            delete block;
            SetLastError(plw::kErrorNotEnoughMemory);
            return nullptr;
        }
    }
    const void* handle = block->moveable ? static_cast<const void*>(block) : block->data;
    Blocks()[handle] = block;
    return const_cast<void*>(handle);
}

HGLOBAL Reallocate(HGLOBAL handle, SIZE_T bytes, UINT flags) {
    Block* block = FindBlock(handle);
    if (block == nullptr) return nullptr;
    if (flags & kFlagsModify) return handle;
    // A fixed block may only move when the caller allows it; shrinking happens in place.
    bool mayMove = block->moveable || (flags & kFlagsMoveable) != 0;
    if (!block->moveable && bytes > block->size && !mayMove) {
        SetLastError(plw::kErrorNotEnoughMemory);
        return nullptr;
    }
    if (!block->moveable && bytes <= block->size) {
        block->size = bytes;
        return handle;
    }
    void* data = realloc(block->data, bytes != 0 ? bytes : 1);
    if (data == nullptr) {
        SetLastError(plw::kErrorNotEnoughMemory);
        return nullptr;
    }
    if ((flags & kFlagsZeroInit) && bytes > block->size)
        memset(static_cast<char*>(data) + block->size, 0, bytes - block->size);
    block->size = bytes;
    if (block->moveable) {
        block->data = data;
        return handle;
    }
    Blocks().erase(handle);
    block->data = data;
    Blocks()[data] = block;
    return data;
}

LPVOID Lock(HGLOBAL handle) {
    Block* block = FindBlock(handle);
    if (block == nullptr) return nullptr;
    if (!block->moveable) return block->data;
    if (block->data == nullptr) return nullptr;  // discarded
    if (block->lockCount < kLockCountMask) ++block->lockCount;
    return block->data;
}

BOOL Unlock(HGLOBAL handle) {
    Block* block = FindBlock(handle);
    if (block == nullptr) return FALSE;
    // A fixed block is never locked; Win32 answers as for a locked one.
    if (!block->moveable) return TRUE;
    if (block->lockCount == 0) {
        SetLastError(kErrorNotLocked);
        return FALSE;
    }
    --block->lockCount;
    if (block->lockCount == 0) {
        SetLastError(0);
        return FALSE;
    }
    return TRUE;
}

HGLOBAL Free(HGLOBAL handle) {
    if (handle == nullptr) return nullptr;
    Block* block = FindBlock(handle);
    if (block == nullptr) return handle;
    Blocks().erase(handle);
    free(block->data);
    delete block;
    return nullptr;
}

SIZE_T Size(HGLOBAL handle) {
    Block* block = FindBlock(handle);
    if (block == nullptr) return 0;
    return block->data != nullptr ? block->size : 0;
}

UINT Flags(HGLOBAL handle) {
    Block* block = FindBlock(handle);
    if (block == nullptr) return GMEM_INVALID_HANDLE;
    if (!block->moveable) return 0;
    return (block->lockCount & kLockCountMask) | (block->data == nullptr ? kFlagDiscarded : 0);
}

}  // namespace

extern "C" {

PLW_API HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes) { return Allocate(uFlags, dwBytes); }
PLW_API HGLOBAL WINAPI GlobalReAlloc(HGLOBAL hMem, SIZE_T dwBytes, UINT uFlags) {
    return Reallocate(hMem, dwBytes, uFlags);
}
PLW_API LPVOID WINAPI GlobalLock(HGLOBAL hMem) { return Lock(hMem); }
PLW_API BOOL WINAPI GlobalUnlock(HGLOBAL hMem) { return Unlock(hMem); }
PLW_API HGLOBAL WINAPI GlobalFree(HGLOBAL hMem) { return Free(hMem); }
PLW_API SIZE_T WINAPI GlobalSize(HGLOBAL hMem) { return Size(hMem); }
PLW_API UINT WINAPI GlobalFlags(HGLOBAL hMem) { return Flags(hMem); }

PLW_API HLOCAL WINAPI LocalAlloc(UINT uFlags, SIZE_T uBytes) { return Allocate(uFlags, uBytes); }
PLW_API LPVOID WINAPI LocalLock(HLOCAL hMem) { return Lock(hMem); }
PLW_API BOOL WINAPI LocalUnlock(HLOCAL hMem) { return Unlock(hMem); }
PLW_API HLOCAL WINAPI LocalFree(HLOCAL hMem) { return Free(hMem); }
PLW_API SIZE_T WINAPI LocalSize(HLOCAL hMem) { return Size(hMem); }

PLW_API void PlwFailNextAllocations(int count) { g_failNextAllocations = count > 0 ? count : 0; }

}  // extern "C"
