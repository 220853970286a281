// RAII guards for Win32 calls that come in pairs. Each is move-only, armed only when the opening
// call succeeded, and never closes what it did not open.
#ifndef PLM_WIN32_GUARDS_H
#define PLM_WIN32_GUARDS_H

#include <windows.h>

#include <utility>

// GlobalLock / GlobalUnlock.
class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL block) noexcept
        : m_block(block), m_data(block != nullptr ? GlobalLock(block) : nullptr) {}
    GlobalLockGuard(GlobalLockGuard&& other) noexcept
        : m_block(std::exchange(other.m_block, nullptr)), m_data(std::exchange(other.m_data, nullptr)) {}
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(GlobalLockGuard&&) = delete;
    ~GlobalLockGuard() {
        if (m_data != nullptr) GlobalUnlock(m_block);
    }

    template <typename T>
    T* get() const noexcept {
        return static_cast<T*>(m_data);
    }
    explicit operator bool() const noexcept { return m_data != nullptr; }

    // The block was freed while locked (a freed block must not be unlocked).
    void Abandon() noexcept { m_data = nullptr; }

private:
    HGLOBAL m_block;
    void* m_data;
};

// Which part of a window a device context covers.
enum class DcArea {
    Client,       // GetDC: the client area
    WholeWindow,  // GetWindowDC: the whole window, its frame included
};

// GetDC or GetWindowDC / ReleaseDC.
class WindowDcGuard {
public:
    explicit WindowDcGuard(HWND window, DcArea area = DcArea::Client) noexcept
        : m_window(window), m_dc(area == DcArea::WholeWindow ? GetWindowDC(window) : GetDC(window)) {}
    WindowDcGuard(const WindowDcGuard&) = delete;
    WindowDcGuard& operator=(const WindowDcGuard&) = delete;
    ~WindowDcGuard() {
        if (m_dc != nullptr) ReleaseDC(m_window, m_dc);
    }
    HDC get() const noexcept { return m_dc; }
    explicit operator bool() const noexcept { return m_dc != nullptr; }

private:
    HWND m_window;
    HDC m_dc;
};

// OpenClipboard / CloseClipboard.
class ClipboardGuard {
public:
    explicit ClipboardGuard(HWND owner) noexcept : m_open(OpenClipboard(owner) != FALSE) {}
    ClipboardGuard(const ClipboardGuard&) = delete;
    ClipboardGuard& operator=(const ClipboardGuard&) = delete;
    ~ClipboardGuard() {
        if (m_open) CloseClipboard();
    }
    explicit operator bool() const noexcept { return m_open; }

private:
    bool m_open;
};

// SaveDC / RestoreDC.
class SavedDcGuard {
public:
    explicit SavedDcGuard(HDC dc) noexcept : m_dc(dc), m_saved(dc != nullptr ? SaveDC(dc) : 0) {}
    SavedDcGuard(const SavedDcGuard&) = delete;
    SavedDcGuard& operator=(const SavedDcGuard&) = delete;
    ~SavedDcGuard() {
        if (m_saved != 0) RestoreDC(m_dc, m_saved);
    }

private:
    HDC m_dc;
    int m_saved;
};

#endif  // PLM_WIN32_GUARDS_H
