// The text and selection of an edit window, read the way every keystroke engine loads its state.
#ifndef PLM_EDIT_TEXT_H
#define PLM_EDIT_TEXT_H

#include <windows.h>

// Reads the window text into `text` (size bytes, terminated; empty for size 1) and the selection
// as EM_GETSEL reports it in its result: start in the low word, end in the high word.
void ReadEditText(HWND window, char* text, int size, int* selStart, int* selEnd);

#endif  // PLM_EDIT_TEXT_H
