// Shared inside the text engine only: the mask characters' classes and the raw-text length.
#ifndef PLM_ENGINES_TEXT_MASK_INTERNAL_H
#define PLM_ENGINES_TEXT_MASK_INTERNAL_H

#include <windows.h>

#define PLM_MASK_ESCAPE '\\'  // makes the next mask character a literal
#define PLM_MASK_QUOTE '"'    // encloses literal text

// Whether c is one of the six mask characters "#&A?LU".
bool IsMaskChar(char c);

// What a position of mask character maskChar stores for ch: ch itself, ch case-converted at
// "L" and "U", or 0 when the class refuses ch (NUL is always refused). "?" takes a letter, a
// digit, plusSign or minusSign; any maskChar outside the six refuses everything.
char FilterMaskChar(char maskChar, char ch, char plusSign, char minusSign);

// The length of the raw text of shown under mask, as StripTextMask gives it with room for all
// of it, without writing anything.
int RawTextLength(LPCSTR shown, LPCSTR mask);

// A null mask or text reads as empty.
inline LPCSTR TextOrEmpty(LPCSTR text) { return text ? text : ""; }

#endif  // PLM_ENGINES_TEXT_MASK_INTERNAL_H
