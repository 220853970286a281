// True/False engine: a field holds one of two values shown as the two words of its format
// ("Yes/No": true word before the '/', false word after it), or the third state 2. Reading a
// shown text back into a value, writing a value as its word, converting between two word pairs,
// the keystroke engine (a key picks the value, it does not edit the word) and the typed get/set.
#ifndef PLM_ENGINE_BOOLEAN_H
#define PLM_ENGINE_BOOLEAN_H

#include <windows.h>

#include <plmedt60.h>

// Value codes; any other code is shown like false.
enum PlmBooleanValue : int {
    BOOLEAN_FALSE = 0,
    BOOLEAN_TRUE = 1,
    BOOLEAN_THIRD = 2,  // shown as "2"
};

// The value code of a shown text: a leading digit 1, 0 or 2 decides under any format; otherwise
// the upper-cased text is matched against the words as written. Undecided: false.
int ParseBooleanText(const char* text, const char* format);

// Writes the word of value into dst (dstSize bytes, always terminated); a format without '/' is
// written whole. Returns nonzero when the format has a '/'.
int FormatBooleanText(char* dst, const char* format, int value, int dstSize = PLM_TEXT_SIZE);

// The word under formats->lpszToFormat of the value src has under formats->lpszFromFormat (false
// when either is absent or src is empty). Returns 1.
int ConvertBooleanText(char* dst, const char* src, const FormatConvertDesc* formats,
                       int dstSize = PLM_TEXT_SIZE);

// The keystroke engine over info->hWnd: chars is one typed character or a whole pasted text.
// Returns 0 when the window is gone or no character was taken, else 1.
int BooleanKey(MaskEditInfo* info, const char* chars);

// Typed get/set over info->hWnd. Both return 1 (0 for a null pointer).
int GetBooleanValue(int* out, MaskEditInfo* info);
int SetBooleanValue(int value, MaskEditInfo* info);

// --- the window-free keystroke core ---

// What the window has to do after the keys.
enum BooleanKeyAction {
    BOOLEAN_KEY_REFUSED,   // no character taken: nothing changes
    BOOLEAN_KEY_DESELECT,  // Backspace or Delete: only the selection goes, the text stays
    BOOLEAN_KEY_REWRITE,   // show szText with the caret at nCaret, and mark the text modified
};

struct BooleanEdit {
    // The shown text as read (at most PLM_TEXT_SIZE - 1 characters), and after a rewrite the word
    // to show. The spare byte lets a key land behind the longest text read.
    char szText[PLM_TEXT_SIZE + 1];
    int nCaret;  // selection start: every accepted key goes to this one place
};

BooleanKeyAction ApplyBooleanKeys(BooleanEdit* edit, const char* chars, const char* format);

#endif  // PLM_ENGINE_BOOLEAN_H
