// The text engine's pure logic: character classes, position maps, and one keystroke applied
// to an edit state. Nothing here touches a window.
#include <string.h>

#include "engines/text/text_mask.h"
#include "engines/text/text_mask_internal.h"

namespace {

// The key engine's "?" takes the plain signs; the conversions take the locale's (format file).
constexpr char kKeyPlusSign = '+';
constexpr char kKeyMinusSign = '-';

int MaskLength(LPCSTR mask) { return static_cast<int>(strlen(mask)); }

bool IsQuoteOrEscape(char c) { return c == PLM_MASK_QUOTE || c == PLM_MASK_ESCAPE; }

// Everything but the control characters and DEL.
bool IsPrintableAnsi(char ch) {
    const unsigned char byte = static_cast<unsigned char>(ch);
    return (byte >= 0x20 && byte <= 0x7E) || byte >= 0x80;
}

// A digit in the locale's sense: alphanumeric but not a letter (superscript two counts too).
bool IsAnsiDigit(char ch) { return IsCharAlphaNumericA(ch) && !IsCharAlphaA(ch); }

// Through the string form: the single-character form smuggles the character in a pointer.
char ToLowerAnsi(char ch) {
    char one[2] = {ch, '\0'};
    CharLowerA(one);
    return one[0];
}

char ToUpperAnsi(char ch) {
    char one[2] = {ch, '\0'};
    CharUpperA(one);
    return one[0];
}

// Writes the placeholder over the editable positions of [from, to); true when it wrote any.
// Positions at or past the mask's length are never editable, which bounds the loop.
bool ClearEditablePositions(LPSTR text, LPCSTR mask, int from, int to) {
    const int end = to < MaskLength(mask) ? to : MaskLength(mask);
    bool cleared = false;
    for (int pos = from < 0 ? 0 : from; pos < end; ++pos) {
        if (NextEditablePos(mask, pos) == pos) {
            text[pos] = PLM_PLACEHOLDER;
            cleared = true;
        }
    }
    return cleared;
}

// Where the caret ends when a key found no editable position at or after it.
int JustAfterPrevEditable(LPCSTR mask, int caret) { return PrevEditablePos(mask, caret) + 1; }

// What a key clears before any character is placed, and where that leaves the caret.
struct KeyPlan {
    int caret;      // shown position; -1 before the first editable position
    bool autoSkip;  // move the caret on past literals at the end
    int clearFrom;  // [clearFrom, clearTo): positions whose editable ones get the placeholder
    int clearTo;
};

KeyPlan PlanClearing(LPCSTR mask, int len, int lo, int hi, char ch, bool fromKeyboard) {
    KeyPlan plan = {lo, fromKeyboard, 0, 0};
    if (lo != hi) {
        plan.clearFrom = lo;
        plan.clearTo = hi;
    } else if (ch == PLM_KEY_BACKSPACE && lo > 0) {
        plan.autoSkip = false;
        const int prev = PrevEditablePos(mask, lo);
        if (prev < 0) {
            plan.caret = -1;  // nothing to go back to: the skip lands on the first position
            plan.autoSkip = true;
        } else {
            // Over a literal the caret only jumps back, to just after the previous position.
            plan.clearFrom = lo - 1;
            plan.clearTo = lo;
            plan.caret = prev == lo - 1 ? prev : prev + 1;
        }
    } else if (ch == PLM_KEY_DELETE && lo < len) {
        const int next = NextEditablePos(mask, lo);
        if (next == lo) {
            plan.clearFrom = lo;
            plan.clearTo = lo + 1;
            plan.caret = lo + 1;
        } else {
            plan.caret = next < 0 ? JustAfterPrevEditable(mask, lo) : next;
        }
    }
    return plan;
}

// Moves the caret on to the next editable position, or back to just after the last one when
// none follows.
int SkipLiterals(LPCSTR mask, int caret) {
    const int next = NextEditablePos(mask, caret);
    if (caret < next) return next;
    return next < 0 ? JustAfterPrevEditable(mask, caret) : caret;
}

// The caret the window gets: clamped to the work length; -1 leaves the selection alone.
int CaretToPlace(int caret, int len) {
    if (caret >= len) return len;
    return caret >= 0 ? caret : -1;
}

}  // namespace

bool IsMaskChar(char c) { return c != '\0' && strchr("#&A?LU", c) != nullptr; }

char FilterMaskChar(char maskChar, char ch, char plusSign, char minusSign) {
    if (ch == '\0') {
        return 0;
    }
    switch (maskChar) {
    case '#':
        return IsAnsiDigit(ch) ? ch : 0;
    case '&':
        return IsPrintableAnsi(ch) ? ch : 0;
    case 'A':
        return IsCharAlphaA(ch) ? ch : 0;
    case '?':
        return (IsCharAlphaNumericA(ch) || ch == plusSign || ch == minusSign) ? ch : 0;
    case 'L':
        if (!IsCharAlphaA(ch)) return 0;
        return IsCharUpperA(ch) ? ToLowerAnsi(ch) : ch;
    case 'U':
        if (!IsCharAlphaA(ch)) return 0;
        return IsCharLowerA(ch) ? ToUpperAnsi(ch) : ch;
    default:
        return 0;
    }
}

int ShownPosToMaskIndex(LPCSTR mask, int pos) {
    mask = TextOrEmpty(mask);
    const int length = MaskLength(mask);
    if (pos < 0) return 0;
    if (pos >= length) return length;
    int target = pos;
    for (int index = 0; index <= target && index < length; ++index) {
        if (IsQuoteOrEscape(mask[index])) ++target;
    }
    return target;
}

int MaskIndexToShownPos(LPCSTR mask, int index) {
    mask = TextOrEmpty(mask);
    const int length = MaskLength(mask);
    if (index < 1) return 0;
    if (index >= length) return length;
    int pos = index;
    for (int i = 0; i <= index; ++i) {
        if (mask[i] == PLM_MASK_QUOTE) --pos;
        if (i < index && mask[i] == PLM_MASK_ESCAPE) --pos;
    }
    return pos;
}

int NextEditablePos(LPCSTR mask, int pos) {
    mask = TextOrEmpty(mask);
    const int first = ShownPosToMaskIndex(mask, pos);
    bool quoted = false;
    for (int index = 0; mask[index] != '\0'; ++index) {
        const char c = mask[index];
        if (c == PLM_MASK_ESCAPE) {
            if (mask[index + 1] == '\0') break;
            ++index;  // the escaped character is a literal
        } else if (c == PLM_MASK_QUOTE) {
            quoted = !quoted;
        } else if (!quoted && index >= first && IsMaskChar(c)) {
            return MaskIndexToShownPos(mask, index);
        }
    }
    return -1;
}

int PrevEditablePos(LPCSTR mask, int pos) {
    mask = TextOrEmpty(mask);
    const int limit = ShownPosToMaskIndex(mask, pos);
    bool quoted = false;
    for (int index = MaskLength(mask) - 1; index >= 0; --index) {
        const char c = mask[index];
        if (index > 0 && mask[index - 1] == PLM_MASK_ESCAPE) {
            --index;  // an escaped character is a literal; step over its backslash too
        } else if (c == PLM_MASK_QUOTE) {
            quoted = !quoted;
        } else if (!quoted && index < limit && IsMaskChar(c)) {
            return MaskIndexToShownPos(mask, index);
        }
    }
    return -1;
}

int PutMaskChar(LPSTR text, LPCSTR mask, char ch, int pos, int maxLen) {
    if (text == nullptr || pos < 0) return 0;
    mask = TextOrEmpty(mask);
    // Only the character at the mapped index counts, quoted or escaped or not.
    const char maskChar = mask[ShownPosToMaskIndex(mask, pos)];
    if (!IsMaskChar(maskChar)) return 0;
    const bool clears = ch == ' ' || ch == PLM_PLACEHOLDER;
    const char stored = clears ? PLM_PLACEHOLDER : FilterMaskChar(maskChar, ch, kKeyPlusSign, kKeyMinusSign);
    if (stored == 0) return 0;
    text[pos] = stored;
    // The character stays in text on refusal: the caller then drops the whole text.
    return (maxLen > 0 && RawTextLength(text, mask) > maxLen) ? 0 : 1;
}

int TextMaskKeyCore(TextEditState* state, LPCSTR mask, int maxTextLen, char ch, BOOL fromKeyboard) {
    if (state == nullptr) return 0;
    mask = TextOrEmpty(mask);
    const int len = state->nLen;
    // Every position the key may write lies below the mask's length, and the text's terminator
    // must stay inside the buffer.
    if (len < 0 || len > PLM_TEXT_EDIT_SIZE - 2 || MaskLength(mask) > PLM_TEXT_EDIT_SIZE - 1) return 0;
    state->szText[PLM_TEXT_EDIT_SIZE - 1] = '\0';

    const int lo = state->nSelStart < state->nSelEnd ? state->nSelStart : state->nSelEnd;
    const int hi = state->nSelStart < state->nSelEnd ? state->nSelEnd : state->nSelStart;
    KeyPlan plan = PlanClearing(mask, len, lo, hi, ch, fromKeyboard != FALSE);
    bool changed = ClearEditablePositions(state->szText, mask, plan.clearFrom, plan.clearTo);

    if (ch != PLM_KEY_BACKSPACE && ch != PLM_KEY_DELETE) {
        // A pasted character takes the next shown position, literal or not, so that a pasted
        // shown text lines up with the field.
        const int pos = fromKeyboard ? NextEditablePos(mask, plan.caret) : lo;
        if (pos >= 0) {
            // A refused character over a selection also drops the clearing.
            changed = PutMaskChar(state->szText, mask, ch, pos, maxTextLen) != 0;
            if (changed || !fromKeyboard) plan.caret = pos + 1;
        }
    }
    if (plan.autoSkip) plan.caret = SkipLiterals(mask, plan.caret);

    state->bModified = changed ? TRUE : FALSE;
    state->nCaret = CaretToPlace(plan.caret, len);
    return 1;
}
