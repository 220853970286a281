// The clipboard: one per process here. Data handles pass to the clipboard on SetClipboardData;
// it frees them when the format is replaced or the clipboard emptied.
#include <windows.h>

#include "internal.h"

namespace {

constexpr DWORD kErrorAccessDenied = 5;

// Formats a program puts on the clipboard at once: text, display text and a few more.
constexpr int kMaxFormats = 16;

struct ClipboardEntry {
    UINT format;  // 0: slot unused
    HANDLE data;
};

struct Clipboard {
    bool open = false;
    HWND openedBy = nullptr;  // the window that opened it (may be null)
    HWND owner = nullptr;     // the window that last emptied it
    ClipboardEntry entries[kMaxFormats] = {};
};

Clipboard g_clipboard;

ClipboardEntry* FindEntry(UINT format) {
    for (ClipboardEntry& entry : g_clipboard.entries)
        if (entry.format == format && format != 0) return &entry;
    return nullptr;
}

ClipboardEntry* FreeEntry() {
    for (ClipboardEntry& entry : g_clipboard.entries)
        if (entry.format == 0) return &entry;
    return nullptr;
}

void Release(ClipboardEntry& entry) {
    if (entry.data != nullptr) GlobalFree(entry.data);
    entry = ClipboardEntry{0, nullptr};
}

bool RequireOpen() {
    if (g_clipboard.open) return true;
    SetLastError(plw::kErrorClipboardNotOpen);
    return false;
}

}  // namespace

extern "C" {

PLW_API BOOL WINAPI OpenClipboard(HWND hWndNewOwner) {
    if (g_clipboard.open) {
        // Opening again from the same window is allowed; anyone else must wait.
        if (g_clipboard.openedBy == hWndNewOwner && hWndNewOwner != nullptr) return TRUE;
        SetLastError(kErrorAccessDenied);
        return FALSE;
    }
    g_clipboard.open = true;
    g_clipboard.openedBy = hWndNewOwner;
    return TRUE;
}

PLW_API BOOL WINAPI CloseClipboard(void) {
    if (!RequireOpen()) return FALSE;
    g_clipboard.open = false;
    g_clipboard.openedBy = nullptr;
    return TRUE;
}

PLW_API BOOL WINAPI EmptyClipboard(void) {
    if (!RequireOpen()) return FALSE;
    for (ClipboardEntry& entry : g_clipboard.entries) Release(entry);
    g_clipboard.owner = g_clipboard.openedBy;
    return TRUE;
}

PLW_API HANDLE WINAPI SetClipboardData(UINT uFormat, HANDLE hMem) {
    if (!RequireOpen()) return nullptr;
    if (uFormat == 0) {
        SetLastError(plw::kErrorInvalidParameter);
        return nullptr;
    }
    ClipboardEntry* entry = FindEntry(uFormat);
    if (entry != nullptr) {
        if (entry->data != hMem) Release(*entry);
    } else {
        entry = FreeEntry();
    }
    if (entry == nullptr) {
        SetLastError(plw::kErrorNotEnoughMemory);
        return nullptr;
    }
    entry->format = uFormat;
    entry->data = hMem;
    return hMem;
}

PLW_API HANDLE WINAPI GetClipboardData(UINT uFormat) {
    if (!RequireOpen()) return nullptr;
    ClipboardEntry* entry = FindEntry(uFormat);
    return entry != nullptr ? entry->data : nullptr;
}

PLW_API BOOL WINAPI IsClipboardFormatAvailable(UINT format) { return FindEntry(format) != nullptr; }

}  // extern "C"
