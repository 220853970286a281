// Inside the time engine: the character classes and the designator run, shared by the layout
// reader and the writer so that both split a format the same way.
#ifndef PLM_ENGINE_TIME_LEXIS_H
#define PLM_ENGINE_TIME_LEXIS_H

#include "engines/time/time.h"

inline bool IsTimeDigit(char c) { return c >= '0' && c <= '9'; }

// The system's letter test, so accented letters count.
inline bool IsTimeLetter(char c) { return c != '\0' && IsCharAlphaA(c) != FALSE; }

// The lower-case code letter of an hour, minute or second code, else 0.
inline char TimeCodeOf(char c) {
    switch (c) {
    case 'h': case 'H': return 'h';
    case 'm': case 'M': return 'm';
    case 's': case 'S': return 's';
    default: return 0;
    }
}

// The two designators of a run such as "AM/PM".
struct DesignatorPair {
    char szFirst[PLM_DESIGNATOR_SIZE];   // before the (last) '/'; empty in a run without '/'
    char szSecond[PLM_DESIGNATOR_SIZE];  // after the last '/', or the whole run
    int bPair;                           // the run holds a '/'
};

// Reads the run of letters and '/' that starts at run; returns its length.
int ReadDesignatorRun(const char* run, DesignatorPair* pair);

// The closing '"' of a quoted text that opens at quote, or the terminator when it is not closed.
const char* FindQuoteEnd(const char* quote);

// Where the walk goes on behind a quoted text that opens at quote.
inline const char* SkipQuotedText(const char* quote) {
    const char* end = FindQuoteEnd(quote);
    return *end != '\0' ? end + 1 : end;
}

// Upper case of one character by the system's case mapping.
inline char TimeUpper(char c) {
    return static_cast<char>(reinterpret_cast<UINT_PTR>(
        CharUpperA(reinterpret_cast<LPSTR>(static_cast<UINT_PTR>(static_cast<BYTE>(c))))));
}

#endif  // PLM_ENGINE_TIME_LEXIS_H
