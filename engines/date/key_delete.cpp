// Backspace and Delete in a shown date: cleared characters become '_', separators stay.
#include "engines/date/date.h"

#include <string.h>

#include "engines/date/date_internal.h"
#include "module/module.h"

namespace {

using plm_date::IsDigitChar;
using plm_date::IsLetterChar;

bool IsFieldChar(char c) { return IsLetterChar(c) || IsDigitChar(c); }

int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

bool Overlaps(int start, int end, int from, int to) { return end > from && start < to; }

// Blanks the letters and digits in [from, to) that lie in the text; returns how many.
int BlankFieldChars(char* text, int from, int to, char separator) {
    int count = 0;
    for (int i = from; i < to && text[i] != '\0'; ++i) {
        if (IsFieldChar(text[i]) && text[i] != separator) {
            text[i] = '_';
            ++count;
        }
    }
    return count;
}

// A one-letter field changes width as digits go: shown anew it is '_' or what remains.
bool TouchesOneLetterField(const DateLayout& l, int from, int to) {
    return (!l.bDayTwoDigits && Overlaps(l.nDayStart, l.nDayEnd, from, to)) ||
           (l.nMonthCodeLen == 1 && Overlaps(l.nMonthStart, l.nMonthEnd, from, to));
}

struct DeleteSpan {
    int nFrom;       // s: first position cleared (the caret left behind by Backspace)
    int nClearedTo;  // e': the end of the span less the characters blanked
};

// A letter of a month name went: the month is shown blank and the letters before the deleted
// one come back from its abbreviation ('March' less its end is 'Ma_'). Returns the Delete caret.
int KeepMonthPrefix(DateLayout* layout, MaskEditInfo* info, char* text, const char* format,
                    DateValue* value, DeleteSpan* span) {
    const int order = FieldOrderAt(layout, span->nClearedTo);
    const bool endInMonth = plm_date::InMonthField(*layout, span->nClearedTo);
    const char* abbreviation = g_aszMonthAbbr[value->nMonth];
    value->nMonth = -1;
    FormatDateText(text, format, value, PLM_TEXT_SIZE);
    LocateDateFields(layout, info, text);
    if (span->nFrom > layout->nMonthStart + 2) span->nFrom = layout->nMonthStart + 2;
    const int kept = span->nFrom - layout->nMonthStart;
    if (kept < 1) return FieldStartAfter(layout, endInMonth ? order : order - 1);
    for (int i = 0; i < kept && abbreviation[i] != '\0' && text[layout->nMonthStart + i] != '\0'; ++i)
        text[layout->nMonthStart + i] = abbreviation[i];
    return endInMonth ? span->nFrom : FieldStartAfter(layout, order);
}

}  // namespace

int DeleteDateChars(char ch, int selStart, int selEnd, DateLayout* layout, MaskEditInfo* info,
                    DateEditState* state) {
    if (layout == nullptr || info == nullptr || state == nullptr) return 0;
    const char* format = plm_date::TerminatedFormat(info);
    if (format == nullptr) return 0;
    char* text = state->szText;
    text[PLM_TEXT_SIZE - 1] = '\0';
    const int length = static_cast<int>(strlen(text));
    const bool isDelete = ch == DATE_KEY_DELETE;
    int s = Clamp(selStart, 0, length);
    int e = Clamp(selEnd, 0, length);
    if (s == e) {
        // Backspace at the very start has nothing before it to clear.
        if (!isDelete && s == 0) return 1;
        if (isDelete) {
            ++e;
        } else {
            --s;
        }
    }

    const char first = text[s];
    // Delete jumps over a separator to the next field's character.
    if (isDelete) {
        for (; text[s] != '\0' && !IsFieldChar(text[s]); ++s) ++e;
    }
    DeleteSpan span = {s, e - BlankFieldChars(text, s, e, info->cSeparator)};
    DateValue value;
    ParseDateText(text, format, &value, 0);

    int deleteCaret = span.nClearedTo;
    if (TouchesOneLetterField(*layout, span.nFrom, span.nClearedTo)) {
        const int before = static_cast<int>(strlen(text));
        const int lost = before - FormatDateText(text, format, &value, PLM_TEXT_SIZE);
        deleteCaret = span.nClearedTo - lost;
    } else if (IsLetterChar(first) && plm_date::InMonthField(*layout, span.nFrom) &&
               value.nMonth >= 1 && value.nMonth <= 12) {
        deleteCaret = KeepMonthPrefix(layout, info, text, format, &value, &span);
    }
    plm_date::CommitDateEdit(state, isDelete ? deleteCaret : span.nFrom);
    return 1;
}
