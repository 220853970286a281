// Numeric keystroke editing without a window. A key is never typed into the shown text: it is
// applied to a copy (the module's edit buffer), the copy is read back as a number, checked
// against the type's limits and written again under the section of its sign, so the field always
// shows a well-formed number. The caret then goes where the user expects it.
#include <stdlib.h>
#include <string.h>

#include "engines/numeric/numeric_detail.h"
#include "module/module.h"

namespace {

using numeric_detail::TextWriter;

constexpr char kDelete = 1;
constexpr char kBackspace = 8;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsParenthesis(char c) { return c == g_cOpenParen || c == g_cCloseParen; }
int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }
int Length(LPCSTR text) { return static_cast<int>(strlen(text)); }

// One keystroke's work.
struct KeyContext {
    const NumberFormatDesc* desc;
    LPCSTR key;         // never NULL
    int keyLength;
    char keyChar;       // the key when it is one character, else 0
    int start;          // selection after AdjustNumericSelection; start may pass end
    int end;
    int caret;          // in the edit text, set by the edit routines
    int decimalPos;     // first cDecimal at or after entryPos in the shown text, -1: none
    int decimals;       // placeholders after the picture's first cDecimal at or after entryPos;
                        // -1 when the shown text has no decimal separator
    int entryPos;       // the text before it is kept by the inserting routines
    BOOL negative;      // the number's sign while the edit is built
    BOOL keyNegative;   // the key carried a sign before its first digit
};

bool IsDecimal(const KeyContext& ctx, char c) {
    return c != '\0' && c == ctx.desc->cDecimal;
}

bool IsNegativeKey(const KeyContext& ctx, char c) {
    return c != '\0' && (c == ctx.desc->cNegMarker || c == g_cNegativeSign || c == g_cOpenParen);
}

// Characters that a digit or the decimal key does not step over, and those the Delete key does
// not: separators and signs are where the user aimed.
bool StopsDigitKey(const NumberFormatDesc& desc, char c) {
    return c != '\0' && (c == desc.cDecimal || c == desc.cSeparator || c == '%');
}

bool StopsDeleteKey(const NumberFormatDesc& desc, char c) {
    return StopsDigitKey(desc, c) || (c != '\0' && (c == desc.cNegMarker || c == g_cNegativeSign ||
                                                    IsParenthesis(c)));
}

bool StopsBackspace(const NumberFormatDesc& desc, char c) {
    return IsDigit(c) || (c != '\0' && (c == desc.cDecimal || c == desc.cNegMarker ||
                                        c == g_cNegativeSign || IsParenthesis(c)));
}

// Moves the caret over literal characters so that the key works on a digit.
void AdjustNumericSelection(const KeyContext& ctx, LPCSTR text, int* start, int* end) {
    const NumberFormatDesc& desc = *ctx.desc;
    if (*end - *start == Length(text)) return;
    const char key = ctx.keyChar;
    const bool noSelection = *start == *end;
    if (key == kBackspace) {
        while (noSelection && *start > 1 && !StopsBackspace(desc, text[*start - 1])) {
            --*start;
            --*end;
        }
        return;
    }
    const bool digitOrDecimal = IsDigit(key) || IsDecimal(ctx, key);
    if (!digitOrDecimal && key != kDelete) return;
    if (desc.cDecimal != '\0' && memchr(text, desc.cDecimal, *start) != nullptr) return;
    bool (*const stops)(const NumberFormatDesc&, char) =
        digitOrDecimal ? StopsDigitKey : StopsDeleteKey;
    if (stops(desc, text[*start])) return;
    while (text[*start] != '\0' && !IsDigit(text[*start]) && !stops(desc, text[*start + 1])) {
        ++*start;
        if (noSelection) ++*end;
    }
}

int FindDecimalPos(LPCSTR text, int entryPos, char cDecimal) {
    if (cDecimal == '\0' || entryPos > Length(text)) return -1;
    LPCSTR point = strchr(text + entryPos, cDecimal);
    return point != nullptr ? static_cast<int>(point - text) : -1;
}

int CountPictureDecimals(LPCSTR format, int entryPos, char cDecimal) {
    if (cDecimal == '\0' || entryPos > Length(format)) return 0;
    LPCSTR p = strchr(format + entryPos, cDecimal);
    int count = 0;
    if (p != nullptr) {
        while (p[1 + count] == '0' || p[1 + count] == '#') ++count;
    }
    return count;
}

bool HasDigit(LPCSTR text) { return strpbrk(text, "0123456789") != nullptr; }

// The digits and decimal separators of a key go into the edit text; a sign before its first
// digit makes the number negative. True when a decimal separator went in.
bool AppendKey(TextWriter* edit, KeyContext* ctx) {
    const char last = ctx->keyLength > 0 ? ctx->key[ctx->keyLength - 1] : '\0';
    bool typedDigit = false;
    bool appendedDecimal = false;
    for (LPCSTR k = ctx->key; *k != '\0'; ++k) {
        if (IsDigit(*k) || IsDecimal(*ctx, *k)) {
            edit->Put(*k);
            typedDigit = typedDigit || IsDigit(*k);
            appendedDecimal = appendedDecimal || IsDecimal(*ctx, *k);
        } else if (!typedDigit && (*k == ctx->desc->cNegMarker ||
                                   (*k == g_cOpenParen && last == g_cCloseParen))) {
            ctx->keyNegative = TRUE;
        }
    }
    return appendedDecimal;
}

void PutRange(TextWriter* edit, LPCSTR from, int count) {
    for (int i = 0; i < count && from[i] != '\0'; ++i) edit->Put(from[i]);
}

void PutText(TextWriter* edit, LPCSTR text) { PutRange(edit, text, Length(text)); }

enum KeyHandling { KEY_REFUSED, KEY_NOT_HANDLED, KEY_HANDLED };

// Sign keys and the decimal key change no character: they set the sign or move the caret.
KeyHandling SignAndPointKey(KeyContext* ctx) {
    ctx->caret = ctx->start;
    if (ctx->keyLength == 0) return KEY_HANDLED;
    if (ctx->keyLength > 1) {
        for (LPCSTR k = ctx->key; *k != '\0'; ++k) {
            if (IsDigit(*k) || IsDecimal(*ctx, *k) || *k == ctx->desc->cNegMarker ||
                *k == g_cPositiveSign || *k == g_cNegativeSign)
                return KEY_NOT_HANDLED;
        }
        return KEY_REFUSED;
    }
    const char k = ctx->keyChar;
    if (IsNegativeKey(*ctx, k) && !ctx->negative) {
        ctx->negative = TRUE;
        return KEY_HANDLED;
    }
    if (k == g_cPositiveSign && ctx->negative) {
        ctx->negative = FALSE;
        return KEY_HANDLED;
    }
    // A second decimal separator is never inserted, but over a wider selection the decimal key
    // replaces it.
    if (IsDecimal(*ctx, k) && abs(ctx->end - ctx->start) < 2) {
        ctx->caret = ctx->decimalPos >= 0 ? ctx->decimalPos + 1 : ctx->start + 1;
        return KEY_HANDLED;
    }
    if (IsDigit(k) || IsDecimal(*ctx, k) || k == kDelete || k == kBackspace)
        return KEY_NOT_HANDLED;
    // At the very start a sign the number already has is let through and changes nothing.
    const bool sign = k == g_cPositiveSign || k == ctx->desc->cNegMarker || k == g_cOpenParen;
    return ctx->start == 0 && sign ? KEY_NOT_HANDLED : KEY_REFUSED;
}

bool IsSignCharacter(const KeyContext& ctx, char c) {
    return (c != '\0' && c == ctx.desc->cNegMarker) || IsParenthesis(c);
}

// Backspace, Delete: the selection, or the character before or at the caret. Decimal separators
// stay, and deleting one sign character removes the sign wherever it stands.
void DeleteNumericRange(TextWriter* edit, LPCSTR old, KeyContext* ctx) {
    const int length = Length(old);
    int start = ctx->start;
    int end = ctx->end;
    if (end < start && end == 0) end = start;
    if (end - start == length) {
        ctx->caret = start;
        return;
    }
    int from = start;
    int to = end > start ? end : start;
    if (start == end) {
        from = ctx->keyChar == kBackspace ? start - 1 : start;
        to = from + 1;
    }
    from = Clamp(from, 0, length);
    to = Clamp(to, from, length);

    bool rangeHasSign = false;
    for (int i = from; i < to; ++i) rangeHasSign = rangeHasSign || IsSignCharacter(*ctx, old[i]);
    bool lastDroppedParen = false;
    for (int i = 0; i < length; ++i) {
        const char c = old[i];
        if (i >= from && i < to) {
            if (IsDecimal(*ctx, c)) edit->Put(c);
        } else if (rangeHasSign && IsSignCharacter(*ctx, c)) {
            lastDroppedParen = IsParenthesis(c);
        } else {
            edit->Put(c);
        }
    }
    ctx->caret = from + (lastDroppedParen ? 1 : 0);
}

void ReplaceNumericSelection(TextWriter* edit, LPCSTR old, KeyContext* ctx) {
    const int length = Length(old);
    const int k = Clamp(ctx->start > ctx->entryPos ? ctx->start : ctx->entryPos, 0, length);
    PutRange(edit, old, k);
    // A decimal separator typed over a selection ends the number there.
    if (!AppendKey(edit, ctx)) PutText(edit, old + Clamp(ctx->end, 0, length));
    ctx->caret = k + ctx->keyLength;
}

// The caret in the whole part of a text with a decimal separator.
void InsertWholeDigit(TextWriter* edit, LPCSTR old, KeyContext* ctx) {
    const int length = Length(old);
    const int k = Clamp(ctx->start > ctx->entryPos ? ctx->start : ctx->entryPos, 0, length);
    PutRange(edit, old, k);
    int place = k;
    bool onlyZeros = true;
    for (int i = 0; i < k; ++i) onlyZeros = onlyZeros && !(IsDigit(old[i]) && old[i] != '0');
    // A leading zero is replaced, not pushed right.
    if (onlyZeros && old[k] == '0') ++place;
    if (!AppendKey(edit, ctx)) PutText(edit, old + place);
    ctx->caret = k + ctx->keyLength;
}

// The caret behind the decimal separator, or a text without one: the digit is inserted, and
// reformatting cuts the last decimal off, so typing in the fraction overwrites digit by digit.
void InsertFractionDigit(TextWriter* edit, LPCSTR old, KeyContext* ctx) {
    const int length = Length(old);
    int p = ctx->start + (ctx->start == ctx->decimalPos ? 1 : 0);
    p = Clamp(p > ctx->entryPos ? p : ctx->entryPos, 0, length);
    PutRange(edit, old, p);
    int inserted = 0;
    for (LPCSTR k = ctx->key; *k != '\0' && !IsDecimal(*ctx, *k); ++k) {
        if (IsDigit(*k) || IsWhiteSpace(*k)) {
            edit->Put(*k);
            ++inserted;
        }
    }
    PutText(edit, old + p);
    ctx->caret = p + inserted;
}

// Reduces the edit text to its digits and decimal separators and returns the sign it showed.
// One parenthesis alone is a sign half deleted: Backspace and Delete leave the number positive.
BOOL ReduceToNumber(TextWriter* edit, const KeyContext& ctx) {
    LPSTR text = edit->Text();
    const int length = edit->Finish();
    bool sign = false;
    int opens = 0;
    int closes = 0;
    int kept = 0;
    for (int i = 0; i < length; ++i) {
        const char c = text[i];
        if (IsDigit(c) || IsDecimal(ctx, c)) text[kept++] = c;
        sign = sign || c == ctx.desc->cNegMarker || c == g_cNegativeSign;
        opens += c == g_cOpenParen ? 1 : 0;
        closes += c == g_cCloseParen ? 1 : 0;
    }
    edit->CutTo(kept);
    if (sign || (opens > 0 && closes > 0) || ctx.keyNegative) return TRUE;
    return opens + closes == 1 && ctx.keyChar != kBackspace && ctx.keyChar != kDelete;
}

// The zero of the picture for an empty field: "0.00", "$0.00".
void WriteZero(LPSTR old, int oldSize, const KeyContext& ctx) {
    char section[PLM_TEXT_SIZE];
    SelectFormatSection(section, ctx.desc->lpszFormat, ctx.negative, sizeof section);
    NumberFormatDesc desc = *ctx.desc;
    desc.lpszFormat = section;
    const NumberParts zero{0, 0, ctx.negative, FALSE};
    FormatNumberText(old, &desc, &zero, oldSize);
}

// Builds the edit text in g_szNumericEdit; old may be replaced by the picture's zero. False when
// the key is refused.
bool BuildNumericEdit(LPSTR old, int oldSize, KeyContext* ctx) {
    const NumberFormatDesc& desc = *ctx->desc;
    const int entry = Clamp(ctx->entryPos, 0, Length(old));
    ctx->decimalPos = FindDecimalPos(old, ctx->entryPos, desc.cDecimal);
    ctx->decimals = ctx->decimalPos < 0
                        ? -1
                        : CountPictureDecimals(desc.lpszFormat, ctx->entryPos, desc.cDecimal);
    NumberParts parts;
    ParseNumberText(old + entry, &desc, &parts);
    ctx->negative = parts.bNegative;
    if (!HasDigit(old + entry)) WriteZero(old, oldSize, *ctx);

    TextWriter edit(g_szNumericEdit, PLM_NUMERIC_EDIT_SIZE);
    const KeyHandling handling = SignAndPointKey(ctx);
    if (handling == KEY_REFUSED) return false;
    if (handling == KEY_HANDLED) {
        PutText(&edit, old);
    } else if (ctx->keyChar == kBackspace || ctx->keyChar == kDelete) {
        DeleteNumericRange(&edit, old, ctx);
    } else if (ctx->start != ctx->end) {
        ReplaceNumericSelection(&edit, old, ctx);
    } else if (ctx->decimalPos >= 0 && ctx->start > ctx->decimalPos) {
        if (ctx->decimals != 0 && ctx->start > ctx->decimalPos + ctx->decimals) return false;
        InsertFractionDigit(&edit, old, ctx);
    } else if (ctx->decimalPos < ctx->entryPos) {
        InsertFractionDigit(&edit, old, ctx);
    } else {
        InsertWholeDigit(&edit, old, ctx);
    }

    if (ctx->keyChar == g_cPositiveSign) {
        ctx->negative = FALSE;
    } else if (IsNegativeKey(*ctx, ctx->keyChar)) {
        ctx->negative = TRUE;
    } else {
        ctx->negative = ReduceToNumber(&edit, *ctx);
    }
    edit.Finish();
    return true;
}

// Characters in text[from, to) that are neither digits nor the decimal separator.
int CountLiterals(LPCSTR text, int from, int to, char decimalChar) {
    int count = 0;
    for (int i = from < 0 ? 0 : from; i < to && text[i] != '\0'; ++i) {
        if (!IsDigit(text[i]) && text[i] != decimalChar) ++count;
    }
    return count;
}

int PlaceNumericCaret(LPCSTR old, LPCSTR shown, LPCSTR key, int start, int caret,
                      char decimalChar, int entryPos) {
    const int length = Length(shown);
    const char k = key[0] != '\0' && key[1] == '\0' ? key[0] : '\0';
    const bool decimalKey = k != '\0' && k == decimalChar;
    LPCSTR point = decimalKey ? strchr(shown, decimalChar) : nullptr;
    int placed;
    if (point != nullptr) {
        placed = static_cast<int>(point - shown) + 1;
    } else if (!decimalKey && strcmp(shown, old) == 0) {
        placed = k == kDelete ? caret + 1 : (k == '0' && start == 0) ? 0 : caret;
    } else if (!decimalKey && caret > 0 && IsDigit(k) && caret <= length &&
               shown[caret - 1] == decimalChar) {
        placed = caret - 1;
    } else {
        // Literals that the new text gained or lost before the caret move it along.
        placed = caret + CountLiterals(shown, entryPos, caret, decimalChar) -
                 CountLiterals(old, entryPos, start, decimalChar);
    }
    if (length > 0 && shown[length - 1] == g_cCloseParen && placed >= length) placed = length - 1;
    if (shown[0] != '\0' && (shown[0] == g_cDefDecimal || shown[0] == g_szDefCurrency[0]) &&
        placed < 1)
        placed = 1;
    return Clamp(placed, 0, length);
}

}  // namespace

int NumericKeyCore(NumericEditState* state, const MaskEditInfo* info, LPCSTR key) {
    if (state == nullptr || info == nullptr || key == nullptr) return 0;
    state->szText[sizeof state->szText - 1] = '\0';
    // The key works on a copy: a refused key leaves the state as it was.
    char old[PLM_TEXT_SIZE];
    memcpy(old, state->szText, sizeof old);
    const int length = Length(old);

    const NumberFormatDesc desc{info->szFormat, info->szCurrency, info->cDecimal,
                                info->cSeparator, NegativeMarker(info->szFormat)};
    KeyContext ctx{};
    ctx.desc = &desc;
    ctx.key = key;
    ctx.keyLength = Length(key);
    ctx.keyChar = ctx.keyLength == 1 ? key[0] : '\0';
    ctx.entryPos = info->nEntryPos > 0 ? info->nEntryPos : 0;
    ctx.start = Clamp(state->nSelStart, 0, length);
    ctx.end = Clamp(state->nSelEnd, 0, length);
    AdjustNumericSelection(ctx, old, &ctx.start, &ctx.end);
    if (!BuildNumericEdit(old, sizeof old, &ctx)) return 0;

    NumberParts parts;
    ParseNumberText(g_szNumericEdit, &desc, &parts);
    parts.bNegative = ctx.negative;
    if (ExceedsNumericLimit(info->nDataType, &parts, g_szNumericEdit, info->cDecimal,
                            LIMIT_KEYSTROKE))
        return 0;

    char section[PLM_TEXT_SIZE];
    SelectFormatSection(section, info->szFormat, ctx.negative, sizeof section);
    NumberFormatDesc shownDesc = desc;
    shownDesc.lpszFormat = section;
    FormatNumberText(state->szText, &shownDesc, &parts, sizeof state->szText);
    const int caret = PlaceNumericCaret(old, state->szText, key, ctx.start, ctx.caret,
                                        info->cDecimal, ctx.entryPos);
    state->nSelStart = caret;
    state->nSelEnd = caret;
    state->bModified = TRUE;
    return 1;
}
