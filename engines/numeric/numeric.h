// The numeric engine, data types 1, 4, 5, 6, 8 and 9: number pictures such as
// "$#,##0.00;($#,##0.00)". It reads a shown number into NumberParts, writes NumberParts under a
// picture, picks the section for a sign, converts a shown number between two pictures, and holds
// the value limits of the six types that the keystroke engine and the Text property check share.
// The keystroke engine applies one key to the shown number; the typed get/set routines read and
// write a control's value in its plain form or as a double.
// Nothing here allocates: every text lives in a fixed buffer whose size the caller gives.
#ifndef PLM_ENGINE_NUMERIC_H
#define PLM_ENGINE_NUMERIC_H

#include <windows.h>

#include <plmedt60.h>

// What the parser and the formatter are given.
struct NumberFormatDesc {
    LPCSTR lpszFormat;    // the picture, or one section of it; NULL reads as ""
    LPCSTR lpszCurrency;  // currency symbol the parser skips; NULL reads as ""
    char cDecimal;        // decimal separator; 0: the picture has none
    char cSeparator;      // grouping character; 0: no grouping
    char cNegMarker;      // NegativeMarker of the picture, for the keystroke engine: the parser
                          // and the formatter do not read it
};

// The digits of a double: sign, up to 309 integer digits, point, decimals, terminator.
#define PLM_NUMBER_DIGITS_SIZE 416
#define PLM_NUMBER_MAX_DECIMALS 100  // NumberDigits rounds to at most this many decimals

// The work buffer the keystroke engine builds its edit text in. One per module: the engine runs
// only on the thread that owns the windows, and a keystroke leaves nothing in it for the next.
#define PLM_NUMERIC_EDIT_SIZE 256
extern char g_szNumericEdit[PLM_NUMERIC_EDIT_SIZE];

// --- pictures ---

// The ";" that ends the first section, or NULL. Quoted text and backslash literals are skipped.
LPCSTR FindSectionBreak(LPCSTR format);

// The character that marks a negative number in the picture's negative section: the negative
// sign for a one-section picture, else the second section's first character that differs from
// the first section's (an opening parenthesis and a section that runs out give the negative sign).
char NegativeMarker(LPCSTR format);

// Writes the section that shows a number of the given sign (out of outSize bytes, terminated).
// A one-section picture stands for both signs, preceded by the negative sign for a negative one.
void SelectFormatSection(LPSTR out, LPCSTR format, BOOL negative, int outSize = PLM_FORMAT_SIZE);

// Copies the default picture of a numeric type (the plain form of its typed values): the
// currency picture when bCurrency is set, else by type; "0" for type 4 and any other code.
void DefaultNumberFormat(LPSTR dst, short nDataType, BOOL bCurrency, int dstSize = PLM_FORMAT_SIZE);

// --- reading and writing numbers ---

// Reads a shown number. Characters with no meaning are skipped; the text may be of any length.
void ParseNumberText(LPCSTR text, const NumberFormatDesc* desc, NumberParts* parts);

// The whole-number value of a run of digits and grouping characters: a leading negative sign
// negates it, other non-digits are ignored, and only the first fifteen digits count.
double DigitRunValue(LPCSTR run, int length);

// Writes parts under desc's picture (out of outSize bytes, terminated). Returns 1.
int FormatNumberText(LPSTR out, const NumberFormatDesc* desc, const NumberParts* parts,
                     int outSize = PLM_TEXT_SIZE);

// The digits of value rounded to `decimals` places (0..PLM_NUMBER_MAX_DECIMALS): a negative
// sign, zeros up to minDigits integer digits, the integer digits without leading zeros, then
// g_cDefDecimal and the decimals when there are any. Returns the length written (cut to outSize).
int NumberDigits(LPSTR out, double value, int minDigits, int decimals,
                 int outSize = PLM_NUMBER_DIGITS_SIZE);

// Reads `in` under lpszFromFormat and writes it under the section of lpszToFormat for its sign.
// A NULL `in` or source picture writes the empty template of the target's positive section
// (every "0" shown as a space). Returns 1.
int ConvertNumberText(LPSTR out, LPCSTR in, const FormatConvertDesc* conv,
                      int outSize = PLM_TEXT_SIZE);

// --- limits ---

// Counts significant digits from the end of text: trailing zeros do not count until a nonzero
// digit or the decimal separator has been met. True when there are more than limit.
BOOL CountSignificantDigits(LPCSTR text, int limit, char decimalChar);

// The value limits of one numeric type. The whole part is compared as a magnitude, so every
// range is symmetric.
struct NumericLimit {
    short nDataType;
    double dMaxWhole;       // a keystroke may not make the whole part larger; 0: no bound
    double dMaxWholeText;   // the Text property's bound (one higher than the keystroke's for 6)
    double dMaxFraction;    // a keystroke may not make the fraction larger; 1: no bound
    int nMaxSignificant;    // significant digits of the text; 0: not counted
};

#define PLM_NUMERIC_TYPE_COUNT 6
extern const NumericLimit g_aNumericLimits[PLM_NUMERIC_TYPE_COUNT];

// The limits of a numeric type; NULL for the other codes.
const NumericLimit* FindNumericLimit(short nDataType);
BOOL IsNumericDataType(short nDataType);

enum NumericLimitUse {
    LIMIT_KEYSTROKE,  // the number a keystroke would produce (text: the edit text)
    LIMIT_TEXT,       // a Text property value; the fraction is not bounded here, as no parsed
                      // fraction (always below 1) reaches the property check's own bound
};

// True when the parsed number (text: what it was read from) breaks the limits of nDataType.
// Non-numeric types have no limits.
BOOL ExceedsNumericLimit(short nDataType, const NumberParts* parts, LPCSTR text, char cDecimal,
                         NumericLimitUse use);

// --- keystrokes ---

// Key codes that are not characters.
#define PLM_NUMERIC_KEY_DELETE "\x01"     // the Delete key
#define PLM_NUMERIC_KEY_BACKSPACE "\x08"  // Backspace

// What one keystroke works on, and what it leaves for the window.
struct NumericEditState {
    char szText[PLM_TEXT_SIZE];  // the shown text; after an applied key, the text to show
    int nSelStart;               // the selection; after an applied key, the caret (both equal)
    int nSelEnd;
    BOOL bModified;              // the modified flag: set by an applied key
};

// Applies one key (a one-character string: a character, PLM_NUMERIC_KEY_DELETE or
// PLM_NUMERIC_KEY_BACKSPACE) to state under info's picture, type and entry position. The number
// it makes is checked against the type's limits and shown under the section of its sign.
// Returns 1 when applied; 0 when refused, leaving state untouched. Builds in g_szNumericEdit.
int NumericKeyCore(NumericEditState* state, const MaskEditInfo* info, LPCSTR key);

// The same on info->hWnd: reads its text and selection; an applied key writes the text
// (SetWindowTextA), the caret (EM_SETSEL) and the modified flag (EM_SETMODIFY). Returns 0 when
// refused or when the window does not exist.
int NumericKey(MaskEditInfo* info, LPCSTR key);

// --- typed get/set ---

// The window-free cores: a shown text under info's picture <-> the plain form of the type
// (DefaultNumberFormat with bCurrency), or a double. info must not be NULL; each output is
// terminated within its size.
void ShownToPlainNumber(LPSTR out, LPCSTR shown, const MaskEditInfo* info, BOOL bCurrency,
                        int outSize = PLM_TEXT_SIZE);
void PlainToShownNumber(LPSTR shown, LPCSTR plain, const MaskEditInfo* info, BOOL bCurrency,
                        int shownSize = PLM_TEXT_SIZE);
double ShownNumberValue(LPCSTR shown, const MaskEditInfo* info);
void NumberValueToShown(LPSTR shown, double value, const MaskEditInfo* info,
                        int shownSize = PLM_TEXT_SIZE);

// The same over info->hWnd's text (a missing window reads as ""). The set routines write the
// window text only; no limit of the type is applied. All return 1; NULL arguments do nothing.
int GetNumberString(LPSTR out, const MaskEditInfo* info, BOOL bCurrency,
                    int outSize = PLM_TEXT_SIZE);
int SetNumberString(LPCSTR text, const MaskEditInfo* info, BOOL bCurrency);
int GetNumberValue(double* out, const MaskEditInfo* info);
int SetNumberValue(const double* value, const MaskEditInfo* info);

#endif  // PLM_ENGINE_NUMERIC_H
