// The date engine: date formats ("mm/dd/yyyy", "mmm/dd", "dddd, mmmm d, yyyy", ...), parsing a
// shown date into a DateValue and writing it back, calendar checks, where the fields of a shown
// text lie, and the typed get/set routines over a control's window text.
// IntToPaddedText and TextToInt are the number helpers the time engine shares.
// DateStrToDateStr and ArrangeDateFields are exported (include/plmedt60.h).
#ifndef PLM_ENGINES_DATE_H
#define PLM_ENGINES_DATE_H

#include <windows.h>

#include "plmedt60.h"

// Sign, ten digits of a 32-bit value, terminator: what IntToPaddedText writes by default.
#define PLM_INT_TEXT_SIZE 12

// Where the three fields lie: first in the format (order, code length), then in one shown text
// (character positions, filled by LocateDateFields).
struct DateLayout {
    int nDayStart;    // first character of the day field in the shown text
    int nDayEnd;      // just behind its last character: the closing separator or the text length
    int nMonthStart;
    int nMonthEnd;
    int nYearStart;
    int nYearEnd;
    int nLastPos;     // the text length as counted by LocateDateFields
    int nDayOrder;    // 1..3: place of the field's code among the format's codes; 0: absent
    int nMonthOrder;
    int nYearOrder;
    int nDayCodeLen;  // code letters of the field in the format (repeated runs add up)
    int nMonthCodeLen;
    int nYearCodeLen;
    int bDayTwoDigits;  // nDayCodeLen > 1
    int bYearLong;      // nYearCodeLen > 1
};

// --- numbers (shared with the time engine) ---

// Writes value in decimal, zero-padded to width digits (a sign is not counted), and a
// terminator: at most dstSize bytes in all, cut at the end when that is too small.
// PLM_INT_TEXT_SIZE holds any 32-bit value at the widths dates and times use.
void IntToPaddedText(char* dst, int value, int width, int dstSize = PLM_INT_TEXT_SIZE);

// Reads an optional leading negative sign and then every character as one decimal place; only
// digits add to the value. NULL reads as 0.
int TextToInt(const char* s);

// --- calendar ---

int IsLeapYear(int year);
int DaysInMonth(int month, int year);         // 0 for a month outside 1..12
int DayOfWeek(const DateValue* value);        // 0 = Sunday .. 6 = Saturday
int IsValidDate(const DateValue* value);      // 1 or 0; an empty date is valid
void ClampDate(DateValue* value);             // into a calendar date, no longer empty

// --- parse ---

// The two characters that follow the first two code runs of format; 1 when both were found.
int GetDateSeparators(const char* format, char* sep1, char* sep2);

// 1..12, -1 when no month matches (or the whole name is required and absent), 0 for NULL.
int MonthFromName(const char* text, int abbreviated, int check);
// 0..6 (Sunday first), -1 when no weekday matches, 0 for NULL.
int WeekdayFromName(const char* text, int abbreviated, int check);

// Turns a shown text into a value: -1 for a blank field, defaults for a field not given.
// checkNames nonzero: a month or weekday name counts only when the text holds the whole name.
void ParseDateText(const char* text, const char* format, DateValue* out, int checkNames);

// 1 unless a year field of the format holds some but not all digits in text.
int CheckYearDigits(const char* text, const char* format);

// --- format ---

// Writes value under format into out (outSize bytes, always terminated); returns the length.
int FormatDateText(char* out, const char* format, const DateValue* in, int outSize = PLM_TEXT_SIZE);

// Copies the module's default date format ("mm/dd/yy") into dst.
void GetDefaultDateFormat(char* dst, int dstSize = PLM_FORMAT_SIZE);

// --- layout ---

// Reads order and code length of each field of info->szFormat and sets info->cSeparator to the
// character behind the first field. Returns the number of code runs.
int ParseDateLayout(DateLayout* out, MaskEditInfo* info);

// Finds the character positions of the fields in text; returns where the field after the last
// one found starts.
int LocateDateFields(DateLayout* layout, const MaskEditInfo* info, const char* text);

// --- typed get/set ---

// A date in the default short-date format (g_szDefDateFormat) shown under format, and back. An
// impossible date is clamped into the calendar first; an empty one gives the blank form.
int ConvertDefaultDateToShown(char* out, int outSize, const char* text, const char* format);
int ConvertShownDateToDefault(char* out, int outSize, const char* shown, const char* format);

// The same over the window text of info->hWnd, shown under info->szFormat.
void SetDateString(const char* text, MaskEditInfo* info);
// The plain form is short ("mm/dd/yy": 8 characters); outSize bounds it all the same.
void GetDateString(char* out, MaskEditInfo* info, int outSize = PLM_TEXT_SIZE);
// The value's fields as they are, unchecked, shown under info->szFormat.
void SetDateValue(const DateValue* value, MaskEditInfo* info);
void GetDateValue(DateValue* out, MaskEditInfo* info);

// --- keystrokes ---

// The keys besides printable characters.
enum DateEditKey : char { DATE_KEY_DELETE = 1, DATE_KEY_BACKSPACE = 8 };

// What one keystroke works on: read from the window before, and what goes back to it after.
struct DateEditState {
    char szText[PLM_TEXT_SIZE];  // the shown text: 255 characters at most, terminated
    int nSelStart;               // the selection: start (the caret) and end; after a change,
    int nSelEnd;                 //   both hold the new caret
    BOOL bModified;              // out: text and caret changed and go back to the window; when
                                 //   clear, the window keeps its text and szText is dropped
};

// Applies one key (a character, DATE_KEY_BACKSPACE or DATE_KEY_DELETE) to state under
// info->szFormat, and sets info->cSeparator. Returns 0 when the format has no date field or a
// letter makes no month; else nonzero, also for a key that is ignored.
int DateKeyCore(DateEditState* state, MaskEditInfo* info, char ch);

// The same on info->hWnd: reads its text and selection; after a change writes the text
// (SetWindowTextA), marks it modified (EM_SETMODIFY) and places the caret (EM_SETSEL), in that
// order. 0 also when the window is gone.
int DateKey(MaskEditInfo* info, char ch);

// Backspace or Delete (ch) over the caret or the selection selStart..selEnd of state, whose
// fields layout has located: the cleared characters become '_' and the caret is placed (Backspace
// at the start clears nothing and leaves the state alone). Returns 1; 0 for a missing argument.
int DeleteDateChars(char ch, int selStart, int selEnd, DateLayout* layout, MaskEditInfo* info,
                    DateEditState* state);

// Whether a digit may be typed at p: a numeric field grows to two digits, the year never grows.
int IsDateKeyPosition(const DateLayout* layout, int p);
// Whether the field holding p (the caret behind a digit just typed in text) is done, so that
// the caret may go on to the next field.
int DateFieldComplete(const char* text, const DateLayout* layout, int p, const DateValue* value);
// Order of the field holding p: month, day, year tested in that order; p itself in none.
int FieldOrderAt(const DateLayout* layout, int p);
// Start of the field of order order + 1, or nLastPos when there is none.
int FieldStartAfter(const DateLayout* layout, int order);
// Whether a month name typed so far (text at the month field, count characters up to the
// caret) needs no more letters.
int MonthNameComplete(const DateValue* value, const char* text, int count);

// Calendar checks of a date being typed: a blank field (-1) passes the length tests.
int DayFitsMonth(const DateValue* value);
int MonthFitsDay(const DateValue* value);
int YearFitsDate(const DateValue* value);

#endif  // PLM_ENGINES_DATE_H
