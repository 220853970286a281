// GetFormatSeparators: the separator characters and currency symbol that a field's format
// implies, or the international defaults for its data type.
#include <ctype.h>
#include <string.h>

#include "engines/numeric/numeric.h"
#include "formats/formats.h"
#include "module/module.h"

namespace {

bool IsPlaceholder(char c) { return c == '0' || c == '#'; }

char Lower(char c) { return static_cast<char>(tolower(static_cast<unsigned char>(c))); }

// The index just past a double-quoted text that opens at `i` (or the end of the string).
int SkipQuoted(const char* f, int i) {
    ++i;
    while (f[i] != '\0' && f[i] != '"') ++i;
    return f[i] == '"' ? i + 1 : i;
}

void SetDefaultNumberSeparators(MaskEditInfo* rec) {
    rec->cSeparator = g_cDefThousandSep;
    rec->cDecimal = g_cDefDecimal;
}

void CopyDefaultCurrency(MaskEditInfo* rec) {
    memcpy(rec->szCurrency, g_szDefCurrency, sizeof rec->szCurrency);
    rec->szCurrency[sizeof rec->szCurrency - 1] = '\0';
}

BOOL ApplyDefaults(MaskEditInfo* rec) {
    switch (rec->nDataType) {
    case DT_DATE: rec->cSeparator = g_cDefDateSep; break;
    case DT_TIME: rec->cSeparator = g_cDefTimeSep; break;
    default:
        if (IsNumericDataType(rec->nDataType)) {
            SetDefaultNumberSeparators(rec);
            CopyDefaultCurrency(rec);
        }
        break;
    }
    return TRUE;
}

// ---- numbers --------------------------------------------------------------------------------

bool EndsCurrency(char c) { return c == '\0' || c == ';' || c == '#' || c == '0' || c == ' ' || c == '(' || c == ')'; }

// Copies the currency symbol that starts at f[i]; returns the index of the first character not
// copied.
int TakeCurrency(MaskEditInfo* rec, const char* f, int i) {
    const int capacity = static_cast<int>(sizeof rec->szCurrency) - 1;
    int length = 0;
    while (length < capacity && !EndsCurrency(f[i])) rec->szCurrency[length++] = f[i++];
    rec->szCurrency[length] = '\0';
    return i;
}

// A lone separator between two "#" that is not the grouping character: grouping by it. The
// decimal character must differ from it for the number routines to tell the two apart; the
// international one does unless it is that very character, and then the grouping character
// takes its place (as in "#.###": groups of '.' and a ',' decimal).
char DecimalBeside(char separator) { return g_cDefDecimal != separator ? g_cDefDecimal : g_cDefThousandSep; }

BOOL NumberSeparators(MaskEditInfo* rec) {
    const char* f = rec->szFormat;
    int i = 0;
    while (f[i] == ' ') ++i;

    char c1 = 0, c2 = 0;
    int pos1 = -1;
    bool currencyTaken = false, previousPlaceholder = false, placeholderSeen = false;
    while (f[i] != '\0' && f[i] != ';') {
        const char ch = f[i];
        if (IsPlaceholder(ch)) {
            previousPlaceholder = placeholderSeen = true;
            ++i;
            continue;
        }
        if (ch == ' ') {
            if (c1 == 0 && IsPlaceholder(f[i + 1]) && i >= 1) {
                if (!IsPlaceholder(f[i - 1])) return FALSE;
                c1 = ' ';
                pos1 = i;
            }
            ++i;
        } else if (ch == '"') {
            i = SkipQuoted(f, i);
        } else if (ch == '%') {
            ++i;
        } else if (ch == '\\') {
            if (f[i + 1] == '\0') break;
            i += 2;
        } else if (!currencyTaken && !(previousPlaceholder && IsPlaceholder(f[i + 1]))) {
            i = TakeCurrency(rec, f, i);
            currencyTaken = true;
        } else {
            if (c1 == 0) {
                c1 = ch;
                pos1 = i;
            } else if (c2 == 0) {
                c2 = ch;
            }
            ++i;
        }
        previousPlaceholder = false;
    }

    if (c1 == 0) {
        if (!placeholderSeen) return FALSE;
        SetDefaultNumberSeparators(rec);
    } else if (c2 != 0) {
        rec->cSeparator = c1;
        rec->cDecimal = c2;
    } else if (c1 == g_cDefThousandSep) {
        rec->cSeparator = c1;
        rec->cDecimal = g_cDefDecimal;
    } else if (pos1 > 0 && f[pos1 - 1] == '#' && f[pos1 + 1] == '#') {
        rec->cSeparator = c1;
        rec->cDecimal = DecimalBeside(c1);
    } else {
        rec->cSeparator = g_cDefThousandSep;
        rec->cDecimal = c1;
    }
    return TRUE;
}

// ---- dates ----------------------------------------------------------------------------------

bool IsDateLetter(char c) {
    const char l = Lower(c);
    return l == 'd' || l == 'm' || l == 'y';
}

BOOL DateSeparators(MaskEditInfo* rec) {
    const char* f = rec->szFormat;
    rec->cSeparator = 0;
    int i = 0;
    while (f[i] != '\0') {
        if (IsDateLetter(f[i])) {
            while (IsDateLetter(f[i])) ++i;
            const char next = f[i];
            if (next == '\0' || next == '\\' || next == '"') continue;
            if (!IsDateLetter(f[i + 1])) return FALSE;
            if (rec->cSeparator == 0)
                rec->cSeparator = next;
            else if (next != rec->cSeparator)
                return FALSE;
            ++i;
        } else if (f[i] == '"') {
            i = SkipQuoted(f, i);
        } else if (f[i] == '\\') {
            if (f[i + 1] == '\0') break;
            i += 2;
        } else {
            return FALSE;
        }
    }
    return TRUE;
}

// ---- times ----------------------------------------------------------------------------------

bool EndsTimeField(char c) { return c == '\0' || c == ' ' || c == '"' || c == '\\'; }

int SkipRun(const char* f, int i, char lower) {
    while (Lower(f[i]) == lower) ++i;
    return i;
}

// The five characters after a space must read "AM/PM", compared without regard to case.
bool DesignatorsFollow(const char* f, int i) {
    static const char kPair[] = "AM/PM";
    for (int k = 0; k < 5; ++k)
        if (toupper(static_cast<unsigned char>(f[i + k])) != kPair[k]) return false;
    return true;
}

BOOL TimeSeparators(MaskEditInfo* rec) {
    const char* f = rec->szFormat;
    int i = 0;
    while (f[i] != '\0') {
        const char ch = Lower(f[i]);
        if (ch == 'h') {
            i = SkipRun(f, i, 'h');
            if (f[i] == '\0') continue;
            const char consumed = f[i++];
            if (Lower(f[i]) == 'm')
                rec->cSeparator = consumed;
            else if (consumed != ' ' && consumed != '\\' && consumed != '"')
                return FALSE;
        } else if (ch == 'm') {
            i = SkipRun(f, i, 'm');
            if (f[i] != '\0' && Lower(f[i + 1]) == 's') {
                if (f[i] != rec->cSeparator) return FALSE;
                ++i;
            } else if (!EndsTimeField(f[i])) {
                return FALSE;
            }
        } else if (ch == 's') {
            i = SkipRun(f, i, 's');
            if (!EndsTimeField(f[i])) return FALSE;
        } else if (ch == ' ') {
            if (!DesignatorsFollow(f, i + 1)) return FALSE;
            i += 6;
        } else if (ch == '"') {
            i = SkipQuoted(f, i);
        } else if (ch == '\\') {
            if (f[i + 1] == '\0') break;
            i += 2;
        } else {
            return FALSE;
        }
    }
    return TRUE;
}

}  // namespace

BOOL GetFormatSeparators(MaskEditInfo* rec, BOOL bDefaults) {
    if (rec == nullptr) return FALSE;
    if (bDefaults) return ApplyDefaults(rec);
    rec->szFormat[sizeof rec->szFormat - 1] = '\0';
    if (IsNumericDataType(rec->nDataType)) return NumberSeparators(rec);
    if (rec->nDataType == DT_DATE) return DateSeparators(rec);
    if (rec->nDataType == DT_TIME) return TimeSeparators(rec);
    return FALSE;  // Text, True/False and unknown codes have no separators to derive
}
