// Time engine: reading a time format ("h:mm:ss AM/PM", "hh:mm"), reading a shown time by format
// or by field positions, writing a time under a format, the range rules, the exported
// TimeStrToTimeStr, the keystroke engine and the typed get/set routines of a Time control.
// TimeValue is public (plmedt60.h); TimeLayout is this engine's own.
#ifndef PLM_ENGINE_TIME_H
#define PLM_ENGINE_TIME_H

#include <windows.h>

#include <plmedt60.h>

#define PLM_DESIGNATOR_SIZE 12  // a designator ("AM"): 11 characters and a terminator

// Where the fields of a time lie: orders and widths from the format, positions from one text.
struct TimeLayout {
    int nHourStart;    // first character of the hour in the shown text
    int nHourEnd;      // behind its last character
    int nMinuteStart;
    int nMinuteEnd;
    int nSecondStart;
    int nSecondEnd;
    int nAmPmStart;    // the designator, located by its word or as a run of '_'
    int nAmPmEnd;
    int nLastPos;      // length of the shown text
    int nHourOrder;    // 1..3 among the hour, minute and second codes; 0 when absent
    int nMinuteOrder;
    int nSecondOrder;
    int bAmPmPair;     // the format holds a designator run with a '/'
    int bHourTwoDigits;  // the code letter is doubled ("hh")
    int bMinuteTwoDigits;
    int bSecondTwoDigits;
    char szAm[PLM_DESIGNATOR_SIZE];  // first designator: hours before noon
    char szPm[PLM_DESIGNATOR_SIZE];  // second designator: hours from noon
};

// Reads the format of info; returns the number of hour, minute and second codes. Sets
// info->cSeparator to the character behind the first of them (NUL when there is none).
int ParseTimeLayout(TimeLayout* out, MaskEditInfo* info);

// Finds the fields of text; returns its length. A NUL info->cSeparator becomes g_cDefTimeSep.
int LocateTimeFields(TimeLayout* layout, MaskEditInfo* info, const char* text);

// Nonzero when the format from formatTail on holds a designator pair.
int FormatHasAmPm(const char* formatTail);

// Reads text by format; *hadAmPm (may be NULL) becomes 1 when a designator was recognised.
void ParseTimeText(const char* text, const char* format, TimeValue* out, int* hadAmPm);

// Reads text by the field positions of layout: blank fields give -1.
void ReadTimeFields(const char* text, const TimeLayout* layout, TimeValue* out);

// Writes `in` under format into out (outSize bytes, always terminated); returns the length.
// Writing a 12-hour hour sets in->nAmPm to the designator it needs. A NULL `in` writes the
// empty time. A format of 63 characters writes at most 126.
int FormatTimeText(char* out, const char* format, TimeValue* in, int outSize = PLM_TEXT_SIZE);

int IsValidTime(const TimeValue* value);
int IsAmPmConsistent(const TimeValue* value);
void NormalizeTime(TimeValue* value);

// Copies g_szDefTimeFormat ("h:mm:ss AM/PM") into dst (dstSize bytes, always terminated).
void GetDefaultTimeFormat(char* dst, int dstSize = PLM_FORMAT_SIZE);

// Typed get/set of a Time control over info->hWnd. The strings are in the default time format,
// the window text in info->szFormat. The text routines normalise an out-of-range time; the
// value routines pass it through. GetTimeString fills out of outSize bytes; the default time
// format needs 12.
void SetTimeString(const char* text, MaskEditInfo* info);
void GetTimeString(char* out, MaskEditInfo* info, int outSize = PLM_TEXT_SIZE);
void SetTimeValue(TimeValue* value, MaskEditInfo* info);
void GetTimeValue(TimeValue* out, MaskEditInfo* info);

// The window-free cores of the two text routines.
// A time string in the default time format -> the shown text under format.
void TimeStringToShownText(char* shown, const char* text, const char* format, int shownSize);
// A shown text under info->szFormat (read by field positions) -> the default time format.
void ShownTextToTimeString(char* out, const char* shown, MaskEditInfo* info, int outSize);

// --- keystrokes: a character, 8 for Backspace or 1 for the Delete key ---

// A text read at full length (PLM_TEXT_SIZE - 1 characters), one digit a key may insert, and
// the terminator.
#define PLM_TIME_EDIT_SIZE (PLM_TEXT_SIZE + 1)

// What one keystroke works on, and what it leaves for the window.
struct TimeEditState {
    char szText[PLM_TIME_EDIT_SIZE];  // in: the shown text, cut to PLM_TEXT_SIZE - 1 characters
    int nSelStart;   // in: the selection as the edit control reports it
    int nSelEnd;
    int nCaret;      // out: where the caret goes (an empty selection), within szText
    BOOL bModified;  // out: szText and nCaret go back to the window, which is marked modified
};

// Applies key to state under info->szFormat and sets info->cSeparator from the format. Returns
// 0 when a digit would make a field 100 or more (a selection it cleared stays cleared), else 1.
int TimeKeyCore(TimeEditState* state, MaskEditInfo* info, char key);

// The same on info->hWnd: reads its text and selection; when the text changed, writes it back
// (SetWindowTextA), places the caret (EM_SETSEL) and marks it modified (EM_SETMODIFY 1).
// Returns 0 when the window is gone, else as TimeKeyCore.
int TimeKey(MaskEditInfo* info, char ch);

#endif  // PLM_ENGINE_TIME_H
