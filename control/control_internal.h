// What the files of the control share: the event parameter records, the key tests, a working
// text sized from the texts it holds, and the whole-window device context guard.
#ifndef PLM_CONTROL_INTERNAL_H
#define PLM_CONTROL_INTERNAL_H

#include <plmedt60.h>

#include <memory>
#include <new>

constexpr int kDesignMode = 1;      // GetMode inside a container at design time
constexpr WPARAM kDeleteKey = 46;   // VK_DELETE, also met as the character '.'
constexpr WPARAM kBackspaceKey = 8;

// What KeyDown and KeyUp hand to FireEvent: the shift state (1 Shift, 2 Ctrl, 3 both) and the
// key code, each a 32-bit value the host reads through a pointer.
struct KeyEventParams {
    LONG* lpShift;
    LONG* lpKey;
};

// What KeyPress hands to FireEvent: the character code, read through a pointer.
struct KeyPressParams {
    LONG* lpKey;
};

// The shift state of the physical keys (1 Shift, 2 Ctrl), for the key events.
LONG AsyncShiftState();

// Key tests against the thread's key state; the same codes serve for characters and virtual keys.
BOOL IsPasteKey(WPARAM code);
BOOL IsCutKey(WPARAM code);
BOOL IsCopyKey(WPARAM code);

// Engine codes that are not characters.
constexpr char kEngineDelete = 1;  // delete the selection or the character at the caret

// One key (a one-character string, or kEngineDelete / Backspace) to the engine of the record's
// data type, as typed at the keyboard; nonzero when the engine applied it.
int SendKeyToEngine(LPCSTR chars, MaskEditInfo* info);

// A text taken from the clipboard; the holder frees it.
using ClipboardText = std::unique_ptr<char[]>;

// The selected shown text as CF_TEXT and, when the whole masked text is selected, the type digit
// and the raw text as CF_DSPTEXT. 0 when done, -1 when nothing was selected or put there.
int CopySelectionToClipboard(HWND window, WPARAM code, MaskEditInfo* info, BOOL bDisableMask);
// The raw text of a CF_DSPTEXT of the record's type, when the whole field (or nothing, caret at
// the start) is selected; null otherwise.
ClipboardText GetRawClipboardData(HWND window, const MaskEditInfo* info);
// A copy of the CF_TEXT on the clipboard; null when there is none or the clipboard is held.
ClipboardText GetClipboardText(HWND window);

// A zero-filled working text of at least `size` bytes. Texts up to PLM_TEXT_SIZE stay in place;
// a longer one takes the heap, and should that fail the text is cut to the bytes in place.
class TextBuffer {
public:
    explicit TextBuffer(int size) {
        if (size > PLM_TEXT_SIZE) m_heap.reset(new (std::nothrow) char[static_cast<size_t>(size)]());
        if (m_heap != nullptr) {
            m_data = m_heap.get();
            m_size = size;
        }
    }
    TextBuffer(const TextBuffer&) = delete;
    TextBuffer& operator=(const TextBuffer&) = delete;

    char* data() { return m_data; }
    int size() const { return m_size; }

private:
    char m_inline[PLM_TEXT_SIZE] = {};
    std::unique_ptr<char[]> m_heap;
    char* m_data = m_inline;
    int m_size = PLM_TEXT_SIZE;
};

#endif  // PLM_CONTROL_INTERNAL_H
