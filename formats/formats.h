// The format machinery shared by every data type: default formats, the catalogue, the check of a
// new DataFormat, the separators a format implies, and the conversions between shown and raw text.
// The exported functions are declared in include/plmedt60.h; this header adds the internal ones.
#ifndef PLM_FORMATS_H
#define PLM_FORMATS_H

#include <plmedt60.h>

#define PLM_FORMAT_INFO_SIZE 76  // the only cbInfo that IsValidMask accepts with a FormatInfo

// Sets rec's cSeparator, cDecimal and szCurrency: from the international defaults for its data
// type when bDefaults is nonzero, else from its szFormat. Returns 1 when the format was
// well-formed (or the defaults were applied), 0 otherwise; callers may ignore it.
BOOL GetFormatSeparators(MaskEditInfo* rec, BOOL bDefaults);

// A format taken from a caller stands for the type's default format when it is NULL, empty or
// "(Default)".
bool IsDefaultFormatKeyword(LPCSTR format);

// The data type that MaskEditValidate's field-type code stands for; -1 outside 0..11.
short FieldTypeToDataType(int nFieldType);

// 1 unless a minute or second field of text holds some but not all of its digits.
int CheckTimeDigits(LPCSTR text, LPCSTR format);

#endif  // PLM_FORMATS_H
