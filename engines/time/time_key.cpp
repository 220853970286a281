// Time keystrokes: a window-free core over an edit state, and the adapter over the edit window.
// Digits overwrite, deleted characters become '_', separators stay; the fields of the shown text
// are found as runs of digits and '_', and a single letter switches the designator.
#include "engines/time/time.h"

#include <string.h>

#include "engines/time/time_lexis.h"
#include "module/edit_text.h"
#include "module/module.h"

namespace {

constexpr char kDeleteKey = 1;
constexpr char kBackspaceKey = 8;
constexpr int kTypedDigits = 2;    // a field takes keys at its first two places only
constexpr int kFieldLimit = 100;   // a digit that makes any field this large is refused
constexpr int kDesignatorOrder = 4;  // the designator counts as the field behind the third

// One key's work: the shown text, the record it is shown under, and where its fields lie.
struct TimeKeyWork {
    char* text;
    MaskEditInfo* info;
    TimeLayout layout;
};

int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

bool IsLetterOrDigit(char c) { return IsTimeDigit(c) || IsTimeLetter(c); }

bool InField(int start, int end, int p) { return start < end && start <= p && p <= end; }
bool InHour(const TimeLayout& l, int p) { return InField(l.nHourStart, l.nHourEnd, p); }
bool InMinute(const TimeLayout& l, int p) { return InField(l.nMinuteStart, l.nMinuteEnd, p); }
bool InSecond(const TimeLayout& l, int p) { return InField(l.nSecondStart, l.nSecondEnd, p); }
bool InDesignator(const TimeLayout& l, int p) {
    return l.bAmPmPair && l.nAmPmStart <= p && p <= l.nAmPmEnd;
}

// Positions found in an earlier text must not survive: a run that vanished has no place now.
int RelocateTimeFields(TimeKeyWork* work) {
    TimeLayout& l = work->layout;
    l.nHourStart = l.nHourEnd = l.nMinuteStart = l.nMinuteEnd = 0;
    l.nSecondStart = l.nSecondEnd = l.nAmPmStart = l.nAmPmEnd = 0;
    return LocateTimeFields(&l, work->info, work->text);
}

// Writes value anew under the record's format; returns how many characters the text lost. The
// cut at a working text leaves room for the one digit a later key may insert.
int RewriteTimeText(TimeKeyWork* work, TimeValue* value) {
    int before = static_cast<int>(strlen(work->text));
    return before - FormatTimeText(work->text, work->info->szFormat, value, PLM_TEXT_SIZE);
}

bool IsTimeKeyPosition(const TimeLayout& l, int p) {
    if (InDesignator(l, p)) return false;
    if (InHour(l, p)) return p < l.nHourStart + kTypedDigits;
    if (InMinute(l, p)) return p < l.nMinuteStart + kTypedDigits;
    if (InSecond(l, p)) return p < l.nSecondStart + kTypedDigits;
    return false;
}

int TimeFieldOrderAt(const TimeLayout& l, int p) {
    if (InHour(l, p)) return l.nHourOrder;
    if (InMinute(l, p)) return l.nMinuteOrder;
    if (InSecond(l, p)) return l.nSecondOrder;
    if (l.bAmPmPair && p >= l.nAmPmStart) return kDesignatorOrder;
    return p;
}

int TimeFieldStartAfter(const TimeLayout& l, int k) {
    if (l.nHourOrder == k + 1) return l.nHourStart;
    if (l.nMinuteOrder == k + 1) return l.nMinuteStart;
    if (l.nSecondOrder == k + 1) return l.nSecondStart;
    return l.bAmPmPair ? l.nAmPmStart : l.nLastPos;
}

// At its end a field is done by its own rule; inside it, only a value that no digit in front of
// a blank could still follow ends it.
bool FieldDone(int end, int p, const char* text, bool big, bool doneAtEnd) {
    return p >= end ? doneAtEnd : big && !IsTimeDigit(text[p]);
}

bool TimeFieldComplete(const TimeLayout& l, const TimeValue& v, const char* text, int p) {
    if (InHour(l, p) && v.nHour < 25) {
        // The reading has already added 12 to an hour under the second designator.
        bool big = l.bAmPmPair && v.nAmPm == 2 ? v.nHour > 14 : v.nHour > 2;
        bool wide = l.nHourEnd - l.nHourStart > 1;
        return FieldDone(l.nHourEnd, p, text, big, big || (wide && v.nHour >= 0));
    }
    if (InMinute(l, p) && v.nMinute < 60) {
        bool leadingZero = text[l.nMinuteStart] == '0' && v.nMinute >= 1;
        return FieldDone(l.nMinuteEnd, p, text, v.nMinute > 5,
                         l.bMinuteTwoDigits || v.nMinute > 5 || leadingZero);
    }
    if (InSecond(l, p) && v.nSecond < 60)
        return FieldDone(l.nSecondEnd, p, text, v.nSecond > 5, l.bSecondTwoDigits || v.nSecond > 5);
    return l.bAmPmPair && p >= l.nAmPmStart;
}

// A one-letter code writes its field without padding, so blanking it changes the text's shape.
bool OneLetterFieldIn(int order, int twoDigits, int from, int to) {
    return order != 0 && !twoDigits && order >= from && order <= to;
}

bool TouchesOneLetterField(const TimeLayout& l, int lo, int hi) {
    int from = TimeFieldOrderAt(l, lo + 1);
    int to = TimeFieldOrderAt(l, hi);
    return OneLetterFieldIn(l.nHourOrder, l.bHourTwoDigits, from, to) ||
           OneLetterFieldIn(l.nMinuteOrder, l.bMinuteTwoDigits, from, to) ||
           OneLetterFieldIn(l.nSecondOrder, l.bSecondTwoDigits, from, to);
}

// Blanks what Backspace or Delete takes from p..q; returns where the caret goes.
int DeleteTimeChars(char ch, int p, int q, TimeKeyWork* work) {
    const TimeLayout& l = work->layout;
    char* text = work->text;
    int length = l.nLastPos;
    int s = p;
    int e = q;
    if (p == q && ch == kBackspaceKey) --s;
    if (p == q && ch == kDeleteKey) ++e;
    if (s < 0) s = 0;  // Backspace at the start has nothing before it to take
    if (InDesignator(l, s) || InDesignator(l, e - 1)) {  // a designator goes as a whole
        if (l.nAmPmStart < s) s = l.nAmPmStart;
        e = l.nAmPmEnd;
    }
    if (ch == kDeleteKey) {
        for (; s < length && !IsLetterOrDigit(text[s]); ++s) ++e;
    }
    int blanked = 0;
    for (int i = s; i < e && i < length; ++i) {
        if (!IsLetterOrDigit(text[i])) continue;
        text[i] = '_';
        ++blanked;
    }
    int end = e - blanked;
    if (TouchesOneLetterField(l, s < end ? s : end, s < end ? end : s)) {
        TimeValue value;
        ReadTimeFields(text, &l, &value);
        end -= RewriteTimeText(work, &value);
    }
    return ch == kBackspaceKey ? s : end;
}

// The time separator key: the caret goes behind the field it stands in, and a valid time is
// written anew so that a short field gets its padding.
int JumpBehindField(TimeKeyWork* work, int p) {
    const TimeLayout& l = work->layout;
    int caret = p;
    if (p >= l.nLastPos) caret = 0;
    else if (InHour(l, p)) caret = l.nHourEnd + 1;
    else if (InMinute(l, p)) caret = l.nMinuteEnd + 1;
    else if (InSecond(l, p)) caret = l.nSecondEnd + 1;
    else if (InDesignator(l, p)) caret = l.nAmPmEnd + 1;
    if (caret > l.nLastPos) caret = l.nLastPos;
    TimeValue value;
    ReadTimeFields(work->text, &l, &value);
    if (IsValidTime(&value)) RewriteTimeText(work, &value);
    return caret;
}

bool FieldsBelowLimit(const TimeValue& v) {
    return v.nHour < kFieldLimit && v.nMinute < kFieldLimit && v.nSecond < kFieldLimit;
}

// A digit at p: overwrite, or insert in front of a separator or at the end of the text. Returns 0,
// leaving the text as it was, when a field would reach kFieldLimit.
int TypeTimeDigit(TimeKeyWork* work, char digit, int p, int* caret) {
    char* text = work->text;
    char c0 = text[p];
    bool insert = c0 == work->info->cSeparator || c0 == '\0';
    if (insert) memmove(text + p + 1, text + p, strlen(text + p) + 1);
    text[p] = digit;
    RelocateTimeFields(work);
    TimeValue value;
    ReadTimeFields(text, &work->layout, &value);
    if (!FieldsBelowLimit(value)) {
        if (insert) memmove(text + p, text + p + 1, strlen(text + p + 1) + 1);
        else text[p] = c0;
        return 0;
    }
    *caret = p + 1;
    if (TimeFieldComplete(work->layout, value, text, *caret)) {
        int k = TimeFieldOrderAt(work->layout, *caret);
        RewriteTimeText(work, &value);
        RelocateTimeFields(work);
        *caret = TimeFieldStartAfter(work->layout, k);
    }
    return 1;
}

// A letter picks the designator whose first letter it is; returns 1 when it picked one.
int TimeAmPmKey(char ch, TimeKeyWork* work, int* caret) {
    const TimeLayout& l = work->layout;
    char key = TimeUpper(ch);
    int amPm = key == TimeUpper(l.szAm[0]) ? 1 : key == TimeUpper(l.szPm[0]) ? 2 : 0;
    if (amPm == 0) return 0;
    TimeValue value;
    ReadTimeFields(work->text, &l, &value);
    value.nAmPm = amPm;
    if (amPm == 1 && value.nHour > 12) value.nHour -= 12;
    if (amPm == 2 && value.nHour >= 0 && value.nHour <= 11) value.nHour += 12;
    RewriteTimeText(work, &value);
    if (InDesignator(l, *caret)) *caret = l.nAmPmEnd;
    return 1;
}

// Any key but Backspace and Delete, typed at p.
int ApplyTimeKey(TimeKeyWork* work, char key, int p, int* caret, bool* changed) {
    *caret = p;
    *changed = false;
    if (key == g_cDefTimeSep) {
        *caret = JumpBehindField(work, p);
        *changed = true;
        return 1;
    }
    if (IsTimeLetter(key) && work->layout.bAmPmPair) {
        *changed = TimeAmPmKey(key, work, caret) != 0;
        return 1;
    }
    if (!IsTimeDigit(key) || !IsTimeKeyPosition(work->layout, p)) return 1;
    int result = TypeTimeDigit(work, key, p, caret);
    *changed = result != 0;
    return result;
}

}  // namespace

int TimeKeyCore(TimeEditState* state, MaskEditInfo* info, char key) {
    if (state == nullptr || info == nullptr) return 0;
    state->szText[PLM_TEXT_SIZE - 1] = '\0';
    TimeKeyWork work = {state->szText, info, {}};
    ParseTimeLayout(&work.layout, info);
    int length = LocateTimeFields(&work.layout, info, work.text);
    int p = Clamp(state->nSelStart, 0, length);
    int q = Clamp(state->nSelEnd, p, length);
    state->bModified = FALSE;
    state->nCaret = p;

    int result = 1;
    if (key == kBackspaceKey || key == kDeleteKey) {
        state->nCaret = DeleteTimeChars(key, p, q, &work);
        state->bModified = TRUE;
    } else {
        if (p < q && (IsLetterOrDigit(key) || key == info->cSeparator)) {
            // The selection goes first, and that already counts as a change of the text.
            p = DeleteTimeChars(kBackspaceKey, p, q, &work);
            p = Clamp(p, 0, RelocateTimeFields(&work));
            state->nCaret = p;
            state->bModified = TRUE;
        }
        int caret = p;
        bool changed = false;
        result = ApplyTimeKey(&work, key, p, &caret, &changed);
        if (changed) {
            state->nCaret = caret;
            state->bModified = TRUE;
        }
    }
    // The edit control keeps the caret inside its text; so does the state.
    state->nCaret = Clamp(state->nCaret, 0, static_cast<int>(strlen(state->szText)));
    return result;
}

int TimeKey(MaskEditInfo* info, char ch) {
    if (info == nullptr || !IsWindow(info->hWnd)) return 0;
    HWND hWnd = info->hWnd;
    TimeEditState state;
    ReadEditText(hWnd, state.szText, PLM_TEXT_SIZE, &state.nSelStart, &state.nSelEnd);

    // One write carries both a cleared selection and the key's own change: the window ends as if
    // each had been written when it happened.
    int result = TimeKeyCore(&state, info, ch);
    if (state.bModified) {
        // Setting the text clears the modified flag, so the flag comes last.
        SetWindowTextA(hWnd, state.szText);
        SendMessageA(hWnd, EM_SETSEL, static_cast<WPARAM>(state.nCaret), state.nCaret);
        SendMessageA(hWnd, EM_SETMODIFY, TRUE, 0);
    }
    return result;
}
