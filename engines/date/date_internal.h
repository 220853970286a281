// Helpers shared by the date engine's sources; not part of what the engine offers.
#ifndef PLM_ENGINES_DATE_INTERNAL_H
#define PLM_ENGINES_DATE_INTERNAL_H

#include <ctype.h>
#include <string.h>
#include <windows.h>

#include "engines/date/date.h"

namespace plm_date {

enum DateStringId : UINT {
    IDS_DATE_CODES = 2043,       // "dDmMyY": day, month and year letters, both cases
    IDS_MONTH_NAME_BASE = 2299,  // + month 1..12: "January".."December"
    IDS_DAY_NAME_FIRST = 2400,   // + weekday 0..6: "Sunday".."Saturday"
    IDS_DAY_ABBR_BASE = 2700,    // + weekday 0..6: "Sun".."Sat"
    IDS_MONTH_ABBR_NAME_BASE = 2799,  // + month 1..12: "Jan".."Dec"
};

// Six code letters and a terminator.
constexpr int kCodeSize = 7;
// A month or weekday name as loaded for writing or for a whole-name check.
constexpr int kNameSize = 256;

enum DateField { FIELD_NONE = 0, FIELD_DAY = 1, FIELD_MONTH = 2, FIELD_YEAR = 3 };

// Loads the code letters from the string table; empty when the string is missing.
void LoadDateCodes(char (&codes)[kCodeSize]);

// Which field the character c is a code letter of, FIELD_NONE for a literal.
DateField FieldOfCode(const char* codes, char c);

// Length of the run of one and the same character that starts at p (0 at the end).
int RunLength(const char* p);

// Digits are the runtime's '0'..'9'; letters are the system's, so accented letters count.
inline bool IsDigitChar(char c) { return isdigit(static_cast<unsigned char>(c)) != 0; }
inline bool IsLetterChar(char c) { return c != '\0' && IsCharAlphaA(c) != 0; }
inline char UpperChar(char c) { return static_cast<char>(toupper(static_cast<unsigned char>(c))); }

// The text starts with the abbreviation, compared case-insensitively; an empty abbreviation
// (a string missing from the table) names nothing.
bool StartsWithAbbreviation(const char* text, const char* abbreviation);

// A position is in a field from its first character up to the separator behind it, inclusive.
inline bool InSpan(int start, int end, int p) { return start < end && start <= p && p <= end; }
inline bool InDayField(const DateLayout& l, int p) { return InSpan(l.nDayStart, l.nDayEnd, p); }
inline bool InMonthField(const DateLayout& l, int p) { return InSpan(l.nMonthStart, l.nMonthEnd, p); }
inline bool InYearField(const DateLayout& l, int p) { return InSpan(l.nYearStart, l.nYearEnd, p); }

// Appends to a caller's buffer of a fixed size, always terminated; what does not fit is cut.
class TextWriter {
public:
    TextWriter(char* out, int size) : m_out(out), m_size(size), m_length(0) {
        if (m_out != nullptr && m_size > 0) m_out[0] = '\0';
    }
    void Put(char c) {
        if (m_out == nullptr || m_length >= m_size - 1) return;
        m_out[m_length++] = c;
        m_out[m_length] = '\0';
    }
    void Put(const char* s) {
        for (; s != nullptr && *s != '\0'; ++s) Put(*s);
    }
    void PutRepeated(char c, int count) {
        for (; count > 0; --count) Put(c);
    }
    int Length() const { return m_length; }

private:
    char* m_out;   // the caller's buffer, or null: nothing is written
    int m_size;    // its size in bytes, terminator included
    int m_length;  // characters written so far
};

// The format of a record, or null when its buffer holds no terminator: no format to read.
inline const char* TerminatedFormat(const MaskEditInfo* info) {
    return memchr(info->szFormat, '\0', sizeof info->szFormat) != nullptr ? info->szFormat : nullptr;
}

// Ends a keystroke that changed the text: the caret, within the text, goes back with it.
inline void CommitDateEdit(DateEditState* state, int caret) {
    const int length = static_cast<int>(strlen(state->szText));
    caret = caret < 0 ? 0 : caret > length ? length : caret;
    state->nSelStart = caret;
    state->nSelEnd = caret;
    state->bModified = TRUE;
}

}  // namespace plm_date

#endif  // PLM_ENGINES_DATE_INTERNAL_H
