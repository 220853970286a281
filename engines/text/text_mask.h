// The text engine: a Text field shown through a character mask. The six mask characters
// "#&A?LU" are editable positions ("_" while empty); every other character is a literal, a
// backslash making the next one literal and double quotes enclosing literal text.
// It offers the maps between shown positions and mask indexes, one keystroke applied to an edit
// state (TextMaskKeyCore, no window) or to a control's window (TextMaskKey), the conversions
// between shown and raw text, and the typed get/set of a Text field.
#ifndef PLM_ENGINES_TEXT_MASK_H
#define PLM_ENGINES_TEXT_MASK_H

#include <windows.h>

#include "plmedt60.h"

// Engine codes that are not characters.
#define PLM_KEY_DELETE 1     // the Delete key: delete the selection or the character at the caret
#define PLM_KEY_BACKSPACE 8  // Backspace

#define PLM_PLACEHOLDER '_'  // an editable position that holds nothing

// One keystroke's work: a copy of the field's shown text, far larger than any mask (a format
// holds 63 characters) so that every shown position of the mask lies inside it.
#define PLM_TEXT_EDIT_SIZE PLM_TEXT_SIZE

// What one keystroke works on, and what it leaves for the window.
struct TextEditState {
    char szText[PLM_TEXT_EDIT_SIZE];  // the shown text, zero from its end to the end of the buffer
    int nLen;        // work length: the mask's length, or MaxTextLen without one; 0..size-2
    int nSelStart;   // selection as the edit control reports it, in either order
    int nSelEnd;
    BOOL bModified;  // out: szText was edited and goes back to the window; else drop szText
    int nCaret;      // out: the caret to set (an empty selection there), -1 to leave the selection
};

// --- positions (mask may be null: no mask) ---

// The mask index of shown position pos: pos moved past the backslashes and quotes before it.
int ShownPosToMaskIndex(LPCSTR mask, int pos);
// The shown position of mask index index.
int MaskIndexToShownPos(LPCSTR mask, int index);
// The first editable shown position at or after pos, -1 when there is none.
int NextEditablePos(LPCSTR mask, int pos);
// The last editable shown position before pos, -1 when there is none.
int PrevEditablePos(LPCSTR mask, int pos);

// Stores ch at shown position pos of text when the mask character there accepts it (a space or
// "_" clears the position); with maxLen > 0 the raw text may then be at most maxLen long.
// Returns 1 when accepted. text must hold every shown position of the mask.
int PutMaskChar(LPSTR text, LPCSTR mask, char ch, int pos, int maxLen);

// --- keystrokes ---

// Applies one key (a character, PLM_KEY_BACKSPACE or PLM_KEY_DELETE) to state under mask;
// fromKeyboard is 0 for one character of a paste. Returns 0, touching nothing, when the state
// cannot hold the mask or its work length is out of range; else 1.
int TextMaskKeyCore(TextEditState* state, LPCSTR mask, int maxTextLen, char ch, BOOL fromKeyboard);

// The same on the control's window: reads its text and selection, writes back the text
// (SetWindowTextA, then EM_SETMODIFY TRUE) when it changed, then sets the caret (EM_SETSEL).
// Returns 0 when the window is gone or the text cannot be held; else 1, also for a refused key.
int TextMaskKey(MaskEditInfo* info, char ch, BOOL fromKeyboard);

// --- shown and raw text (size: the output buffer's size; at most size - 1 characters and a
// terminator are written; nothing at all for size < 1; return: the length written) ---

// The raw text of shown under mask: the editable positions' characters, trailing "_" dropped.
int StripTextMask(LPSTR raw, LPCSTR shown, LPCSTR mask, int size);
// The shown text of raw under mask: literals in place, "_" where raw runs out or is refused.
int ApplyTextMask(LPSTR shown, LPCSTR raw, LPCSTR mask, int size);
// Shown text under masks->lpszFromFormat to shown text under masks->lpszToFormat; an empty
// source mask means that in is raw already. Only the two formats of masks are read.
int ConvertTextMask(LPSTR out, LPCSTR in, const FormatConvertDesc* masks, int size);

// --- typed get/set of a Text field ---

// The raw text of the control's window text under its format.
int GetTextMaskRaw(LPSTR out, const MaskEditInfo* info, int size);
// Shows raw under the control's format in its window; returns what SetWindowTextA returns.
BOOL SetTextMaskRaw(LPCSTR raw, const MaskEditInfo* info);

#endif  // PLM_ENGINES_TEXT_MASK_H
