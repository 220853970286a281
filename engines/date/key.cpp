// The Date keystroke engine: a pure core over an edit state, and the adapter over the window.
// Digits overwrite in place, a separator key moves to the next field, letters spell a month
// name; the text keeps the shape of the format throughout.
#include "engines/date/date.h"

#include <string.h>

#include "engines/date/date_internal.h"
#include "module/edit_text.h"
#include "module/module.h"

namespace {

using plm_date::IsDigitChar;
using plm_date::IsLetterChar;
using plm_date::UpperChar;

// The last position that can take a character and keep the terminator inside the text.
constexpr int kLastTextPos = PLM_TEXT_SIZE - 2;

// Everything one key works with besides the edit state.
struct DateKeyWork {
    MaskEditInfo* pInfo;
    const char* pszFormat;  // the record's format, terminated
    DateLayout layout;      // the fields of the format, located in the current text
    DateValue value;        // the current text read back (checkNames 0)
    int nCaret;             // p: the selection start when the key came
};

void Relocate(DateKeyWork* work, const char* text) {
    LocateDateFields(&work->layout, work->pInfo, text);
}

int Reformat(DateKeyWork* work, char* text, const DateValue* value) {
    return FormatDateText(text, work->pszFormat, value, PLM_TEXT_SIZE);
}

bool IsSeparatorKey(char ch, const MaskEditInfo* info) {
    return ch != '\0' && (ch == g_cDefDateSep || ch == info->cSeparator);
}

// The month shown as a name: three characters or more, without the separator behind it.
bool InMonthNameField(const DateLayout& l, int p) {
    return l.nMonthEnd - l.nMonthStart >= 3 && l.nMonthStart <= p && p < l.nMonthEnd;
}

// The separator key jumps behind the current field (from the end back to the start); a date
// that is whole is shown anew, so that single digits get their zero and names are written out.
void JumpBehindField(DateKeyWork* work, DateEditState* state) {
    const DateLayout& l = work->layout;
    const int p = work->nCaret;
    int caret = p;
    if (p >= l.nLastPos) {
        caret = 0;
    } else if (plm_date::InDayField(l, p)) {
        caret = l.nDayEnd + 1;
    } else if (plm_date::InMonthField(l, p)) {
        caret = l.nMonthEnd + 1;
    } else if (plm_date::InYearField(l, p)) {
        caret = l.nYearEnd + 1;
    }
    if (IsValidDate(&work->value)) {
        const int before = static_cast<int>(strlen(state->szText));
        caret += Reformat(work, state->szText, &work->value) - before;
    }
    plm_date::CommitDateEdit(state, caret < l.nLastPos ? caret : l.nLastPos);
}

// A letter in a month name field overwrites one character (the first, when the month is
// blank); it is taken only when the text then names a month. Returns 0 when refused.
int TypeMonthLetter(DateKeyWork* work, DateEditState* state, char ch) {
    char* text = state->szText;
    DateLayout& l = work->layout;
    const int pos = work->value.nMonth == -1 ? l.nMonthStart : work->nCaret;
    const char replaced = text[pos];
    text[pos] = ch;
    DateValue typed;
    ParseDateText(text, work->pszFormat, &typed, 0);
    if (typed.nMonth < 1 || typed.nMonth > 12) {
        text[pos] = replaced;
        return 0;
    }
    const int length = Reformat(work, text, &typed);
    Relocate(work, text);
    int caret = pos + 1;
    if (pos >= length || UpperChar(text[pos]) != UpperChar(ch)) {
        // The name written out differs here: the caret stays on the letter to type it again.
        caret = pos;
    } else if (MonthNameComplete(&typed, text + l.nMonthStart, caret - l.nMonthStart)) {
        caret = l.nMonthEnd + 1;
    } else if (typed.nMonth == 3 && UpperChar(text[caret]) == 'A') {
        // March and May share 'Ma': the 'a' is skipped to reach the letter that decides.
        ++caret;
    }
    plm_date::CommitDateEdit(state, caret < l.nLastPos ? caret : l.nLastPos);
    return 1;
}

// Makes room at pos and puts c there; a full text loses its last character.
void InsertChar(char* text, int pos, char c) {
    int length = static_cast<int>(strlen(text));
    if (length > kLastTextPos) length = kLastTextPos;
    memmove(text + pos + 1, text + pos, static_cast<size_t>(length - pos));
    text[pos] = c;
    text[length + 1] = '\0';
}

// A digit overwrites the character at the caret. On the separator behind a one-letter field it
// is inserted (the field grows to two digits); at the end of the text the text ends behind it.
// A field that is done moves the caret on to the next one.
void TypeDigit(DateKeyWork* work, DateEditState* state, char ch, char underCaret) {
    char* text = state->szText;
    DateLayout& l = work->layout;
    const int p = work->nCaret;
    if (underCaret != '\0' && underCaret == work->pInfo->cSeparator) {
        InsertChar(text, p, ch);
        Relocate(work, text);
    } else {
        text[p] = ch;
        if (underCaret == '\0') text[p + 1] = '\0';
    }
    int caret = p + 1;
    DateValue typed;
    ParseDateText(text, work->pszFormat, &typed, 0);
    if (DateFieldComplete(text, &l, caret, &typed)) {
        const int order = FieldOrderAt(&l, caret);
        Reformat(work, text, &typed);
        Relocate(work, text);
        caret = FieldStartAfter(&l, order);
    }
    plm_date::CommitDateEdit(state, caret < l.nLastPos ? caret : l.nLastPos);
}

bool AcceptsDigit(const DateKeyWork& work, char ch, char underCaret) {
    if (!IsDigitChar(ch) || work.nCaret > kLastTextPos) return false;
    // A digit may go into a name field only while the month is blank ('003' types March).
    if (IsLetterChar(underCaret) && work.value.nMonth >= 0) return false;
    return IsDateKeyPosition(&work.layout, work.nCaret) != 0;
}

int ClampToText(int pos, int length) { return pos < 0 ? 0 : pos > length ? length : pos; }

}  // namespace

int DateKeyCore(DateEditState* state, MaskEditInfo* info, char ch) {
    if (state == nullptr || info == nullptr) return 0;
    DateKeyWork work;
    work.pInfo = info;
    work.pszFormat = plm_date::TerminatedFormat(info);
    const int fields = work.pszFormat != nullptr ? ParseDateLayout(&work.layout, info) : 0;
    if (fields == 0) return 0;

    char* text = state->szText;
    text[PLM_TEXT_SIZE - 1] = '\0';
    state->bModified = FALSE;
    const int length = static_cast<int>(strlen(text));
    work.nCaret = ClampToText(state->nSelStart, length);
    int selEnd = ClampToText(state->nSelEnd, length);
    if (work.nCaret > selEnd && selEnd == 0) selEnd = work.nCaret;
    // Read before anything is cleared or filled in: an empty text keeps its end here.
    const char underCaret = text[work.nCaret];
    if (length == 0) {
        // An empty field starts from the all-zero date: every digit field shows zeros.
        const DateValue zero = {0, 0, 0, 0};
        Reformat(&work, text, &zero);
    }
    Relocate(&work, text);

    if (ch == DATE_KEY_BACKSPACE || ch == DATE_KEY_DELETE)
        return DeleteDateChars(ch, work.nCaret, selEnd, &work.layout, info, state);
    if (work.nCaret != selEnd) {
        // A key typed over a selection clears it first; the cleared text goes back to the window
        // together with what the key does, or alone when the key is ignored or refused.
        DeleteDateChars(DATE_KEY_BACKSPACE, work.nCaret, selEnd, &work.layout, info, state);
        Relocate(&work, text);
    }
    ParseDateText(text, work.pszFormat, &work.value, 0);

    if (IsSeparatorKey(ch, info)) {
        JumpBehindField(&work, state);
    } else if (IsLetterChar(ch) && InMonthNameField(work.layout, work.nCaret)) {
        if (!TypeMonthLetter(&work, state, ch)) return 0;
    } else if (AcceptsDigit(work, ch, underCaret)) {
        TypeDigit(&work, state, ch, underCaret);
    }
    return fields;
}

int DateKey(MaskEditInfo* info, char ch) {
    if (info == nullptr || !IsWindow(info->hWnd)) return 0;
    HWND hWnd = info->hWnd;
    DateEditState state;
    ReadEditText(hWnd, state.szText, PLM_TEXT_SIZE, &state.nSelStart, &state.nSelEnd);
    state.bModified = FALSE;

    const int result = DateKeyCore(&state, info, ch);
    // Setting the text clears the edit control's modified flag, so the flag comes after it.
    if (state.bModified) {
        SetWindowTextA(hWnd, state.szText);
        SendMessageA(hWnd, EM_SETMODIFY, TRUE, 0);
        SendMessageA(hWnd, EM_SETSEL, static_cast<WPARAM>(state.nSelStart), state.nSelStart);
    }
    return result;
}
