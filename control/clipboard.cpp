// The clipboard: the selected shown text as CF_TEXT and, for a whole masked field, the type
// digit and the raw text as CF_DSPTEXT, so that a control of the same type takes the value over
// exactly whatever its format. Also WM_CUT, WM_COPY and WM_PASTE.
#include <plmedt60.h>

#include <string.h>

#include <new>

#include "control/control_internal.h"
#include "module/win32_guards.h"

namespace {

// The raw form of a value other than Text is written as a working text whatever size it is
// given, and a date or time can be longer raw than shown ("3/5/99" is "1999-03-05"), so the raw
// block holds at least the type digit and a working text.
constexpr SIZE_T kMinRawBlockSize = PLM_TEXT_SIZE + 1;

// A movable, zeroed global block owned until the clipboard takes it.
class GlobalBlock {
public:
    GlobalBlock() noexcept = default;
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    ~GlobalBlock() {
        if (m_block != nullptr) GlobalFree(m_block);
    }

    bool Allocate(SIZE_T size) noexcept {
        m_block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
        m_size = m_block != nullptr ? size : 0;
        return m_block != nullptr;
    }
    HGLOBAL get() const noexcept { return m_block; }
    SIZE_T size() const noexcept { return m_size; }

    // The clipboard owns a block it accepted; one it refused stays ours to free.
    void SetAsClipboardData(UINT format) noexcept {
        if (m_block != nullptr && SetClipboardData(format, m_block) != nullptr) m_block = nullptr;
    }

private:
    HGLOBAL m_block = nullptr;
    SIZE_T m_size = 0;
};

struct Selection {
    DWORD start;
    DWORD end;
};

Selection ReadSelection(HWND window) {
    Selection selection = {0, 0};
    SendMessageA(window, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start),
                 reinterpret_cast<LPARAM>(&selection.end));
    return selection;
}

// The selected characters, terminated (the block is zeroed and one byte longer).
bool WriteSelectedText(GlobalBlock* block, LPCSTR text, DWORD start, DWORD count) {
    GlobalLockGuard lock(block->get());
    if (!lock) return false;
    memcpy(lock.get<char>(), text + start, count);
    return true;
}

// "0" plus the data type, then the raw form of the whole shown text.
void WriteRawForm(GlobalBlock* block, LPCSTR text, const MaskEditInfo* info) {
    GlobalLockGuard lock(block->get());
    if (!lock) return;
    char* out = lock.get<char>();
    const int size = static_cast<int>(block->size());
    out[0] = static_cast<char>('0' + info->nDataType);
    MaskDataDesc desc;
    BuildDataDesc(&desc, info);
    FormatedDataToRawData(out + 1, text, &desc, size - 1);
    out[size - 1] = '\0';
}

// A copy of at most maxLength characters of text (a clipboard block need not be terminated).
ClipboardText CopyText(const char* text, SIZE_T maxLength) {
    const size_t length = strnlen(text, maxLength);
    ClipboardText copy(new (std::nothrow) char[length + 1]);
    if (copy != nullptr) {
        memcpy(copy.get(), text, length);
        copy[length] = '\0';
    }
    return copy;
}

}  // namespace

// `code` is the key that asked for the copy; the copy is the same for every key.
int CopySelectionToClipboard(HWND window, WPARAM /*code*/, MaskEditInfo* info, BOOL bDisableMask) {
    Selection selection = ReadSelection(window);
    if (selection.start >= selection.end) return -1;

    TextBuffer text(GetWindowTextLengthA(window) + 1);
    GetWindowTextA(window, text.data(), text.size());
    const DWORD length = static_cast<DWORD>(strlen(text.data()));
    if (selection.end > length) selection.end = length;
    if (selection.start >= selection.end) return -1;

    const DWORD count = selection.end - selection.start;
    GlobalBlock selected;
    if (!selected.Allocate(count + 1) || !WriteSelectedText(&selected, text.data(), selection.start, count))
        return -1;

    // Without the raw block only the shown text travels, as a partial selection does.
    GlobalBlock raw;
    const bool wholeField = selection.start == 0 && selection.end == length;
    if (wholeField && !bDisableMask && info != nullptr && info->szFormat[0] != '\0') {
        const SIZE_T size = length + 2 > kMinRawBlockSize ? length + 2 : kMinRawBlockSize;
        if (raw.Allocate(size)) WriteRawForm(&raw, text.data(), info);
    }

    ClipboardGuard clipboard(window);
    if (!clipboard) return -1;
    EmptyClipboard();
    selected.SetAsClipboardData(CF_TEXT);
    raw.SetAsClipboardData(CF_DSPTEXT);
    return 0;
}

ClipboardText GetRawClipboardData(HWND window, const MaskEditInfo* info) {
    if (info == nullptr || !IsClipboardFormatAvailable(CF_DSPTEXT)) return nullptr;
    ClipboardGuard clipboard(window);
    if (!clipboard) return nullptr;

    // Raw data replaces the whole value, so it is taken only when the whole value is selected.
    const Selection selection = ReadSelection(window);
    const DWORD length = static_cast<DWORD>(GetWindowTextLengthA(window));
    const bool wholeField = selection.start == 0 && selection.end >= length;
    const bool caretAtStart = selection.start == 0 && selection.end == 0;
    if (!wholeField && !caretAtStart) return nullptr;

    HANDLE data = GetClipboardData(CF_DSPTEXT);
    GlobalLockGuard lock(data);
    const SIZE_T size = lock ? GlobalSize(data) : 0;
    if (size < 1 || lock.get<const char>()[0] - '0' != info->nDataType) return nullptr;
    return CopyText(lock.get<const char>() + 1, size - 1);
}

ClipboardText GetClipboardText(HWND window) {
    if (!IsClipboardFormatAvailable(CF_TEXT)) return nullptr;
    ClipboardGuard clipboard(window);
    if (!clipboard) return nullptr;
    HANDLE data = GetClipboardData(CF_TEXT);
    GlobalLockGuard lock(data);
    if (!lock) return nullptr;
    return CopyText(lock.get<const char>(), GlobalSize(data));
}

// A read-only control still copies; with the mask on the cut selection goes through the engine,
// and no event is raised.
LRESULT plumeMaskEdit::WmCut(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    if (m_bReadOnly) {
        MessageBeep(0);
        return SendMessageA(hWnd, WM_COPY, 0, 0);
    }
    if (!IsMaskOn()) return CallDefProc(hWnd, WM_CUT, wParam, lParam);
    CopySelectionToClipboard(hWnd, wParam, &m_info, m_props.bDisableMask);
    const char deleteKey[2] = {kEngineDelete, '\0'};
    SendKeyToEngine(deleteKey, &m_info);
    return 1;
}

// Also with the mask off, where only the shown text is written.
LRESULT plumeMaskEdit::WmCopy(HWND hWnd, WPARAM wParam, LPARAM /*lParam*/) {
    CopySelectionToClipboard(hWnd, wParam, &m_info, m_props.bDisableMask);
    return 1;
}

// No notification and no Change here beyond what the RawText property raises itself.
LRESULT plumeMaskEdit::WmPaste(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    if (m_bReadOnly) {
        MessageBeep(0);
        return 0;
    }
    if (!IsMaskOn()) return CallDefProc(hWnd, WM_PASTE, wParam, lParam);
    PasteClipboard(hWnd);
    return 1;
}
