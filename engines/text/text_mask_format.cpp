// Shown and raw text of a Text field: stripping a mask off, applying it, and converting shown
// text between two masks. Pure functions over the caller's buffers.
//
// A backslash before a character that is neither a mask character nor a double quote makes
// that character a literal and shows nothing itself, as before a mask character: the position
// maps give no backslash a shown position, so showing it would put every later position one
// character off from where a keystroke lands.
#include <limits.h>
#include <string.h>

#include "engines/text/text_mask.h"
#include "engines/text/text_mask_internal.h"
#include "module/module.h"

namespace {

// Copies at most size - 1 characters of source and terminates (size >= 1); source and
// destination may overlap. Returns the length copied.
int CopyCut(LPSTR destination, LPCSTR source, int size) {
    const size_t length = strnlen(source, static_cast<size_t>(size - 1));
    memmove(destination, source, length);
    destination[length] = '\0';
    return static_cast<int>(length);
}

// The conversions' class test: "?" takes the locale's signs.
char FilterForConversion(char maskChar, char ch) {
    const char stored = FilterMaskChar(maskChar, ch, g_cPositiveSign, g_cNegativeSign);
    return stored != 0 ? stored : PLM_PLACEHOLDER;
}

// Walks shown under mask, writing at most limit raw characters into raw when raw is given.
// Returns the raw length once trailing placeholders are dropped; raw is terminated there.
int StripWalk(LPSTR raw, int limit, LPCSTR shown, LPCSTR mask) {
    int written = 0;
    int kept = 0;  // written up to the last character that is not a placeholder
    int at = 0;    // in shown
    bool escaped = false;
    for (int index = 0; mask[index] != '\0' && shown[at] != '\0' && written < limit;) {
        const char c = mask[index];
        if (escaped || (c != PLM_MASK_QUOTE && c != PLM_MASK_ESCAPE && !IsMaskChar(c))) {
            // A literal costs a shown character only when the shown text has it.
            if (shown[at] == c) ++at;
            ++index;
            escaped = false;
        } else if (c == PLM_MASK_QUOTE) {
            for (++index; mask[index] != '\0' && mask[index] != PLM_MASK_QUOTE; ++index) {
                if (shown[at] != '\0') ++at;
            }
            if (mask[index] == PLM_MASK_QUOTE) ++index;
        } else if (c == PLM_MASK_ESCAPE) {
            ++index;
            escaped = true;
        } else {
            const char stored = FilterForConversion(c, shown[at]);
            if (raw != nullptr) raw[written] = stored;
            ++written;
            if (stored != PLM_PLACEHOLDER) kept = written;
            ++index;
            ++at;
        }
    }
    if (raw != nullptr) raw[kept] = '\0';
    return kept;
}

// Room for the raw text between the two masks of a conversion: a format's editable positions
// fit many times over.
constexpr int kRawSize = PLM_TEXT_SIZE;

}  // namespace

int RawTextLength(LPCSTR shown, LPCSTR mask) {
    shown = TextOrEmpty(shown);
    mask = TextOrEmpty(mask);
    if (*mask == '\0') return static_cast<int>(strlen(shown));
    return StripWalk(nullptr, INT_MAX, shown, mask);
}

int StripTextMask(LPSTR raw, LPCSTR shown, LPCSTR mask, int size) {
    if (raw == nullptr || size < 1) return 0;
    shown = TextOrEmpty(shown);
    mask = TextOrEmpty(mask);
    if (*mask == '\0') return CopyCut(raw, shown, size);
    return StripWalk(raw, size - 1, shown, mask);
}

int ApplyTextMask(LPSTR shown, LPCSTR raw, LPCSTR mask, int size) {
    if (shown == nullptr || size < 1) return 0;
    raw = TextOrEmpty(raw);
    mask = TextOrEmpty(mask);
    if (*mask == '\0') return CopyCut(shown, raw, size);

    const int limit = size - 1;
    int written = 0;
    bool escaped = false;
    for (int index = 0; mask[index] != '\0' && written < limit; ++index) {
        const char c = mask[index];
        if (escaped) {
            shown[written++] = c;
            escaped = false;
        } else if (c == PLM_MASK_QUOTE) {
            for (++index; mask[index] != '\0' && mask[index] != PLM_MASK_QUOTE && written < limit; ++index) {
                shown[written++] = mask[index];
            }
            if (mask[index] == '\0') break;  // an unclosed quote runs to the end of the mask
        } else if (c == PLM_MASK_ESCAPE) {
            escaped = true;
        } else if (IsMaskChar(c)) {
            // Once the raw text runs out every further position shows the placeholder.
            shown[written++] = *raw != '\0' ? FilterForConversion(c, *raw) : PLM_PLACEHOLDER;
            if (*raw != '\0') ++raw;
        } else {
            shown[written++] = c;
        }
    }
    shown[written] = '\0';
    return written;
}

int ConvertTextMask(LPSTR out, LPCSTR in, const FormatConvertDesc* masks, int size) {
    if (out == nullptr || size < 1) return 0;
    LPCSTR fromMask = TextOrEmpty(masks != nullptr ? masks->lpszFromFormat : nullptr);
    LPCSTR toMask = TextOrEmpty(masks != nullptr ? masks->lpszToFormat : nullptr);

    if (*fromMask == '\0' && *toMask == '\0') {
        const int length = CopyCut(out, TextOrEmpty(in), size);
        out[size - 1] = '\0';
        return length;
    }
    if (in == nullptr || *in == '\0') return ApplyTextMask(out, "", toMask, size);

    // The raw text goes through a buffer of its own, so in and out may be the same buffer.
    char raw[kRawSize];
    if (*fromMask != '\0') {
        StripTextMask(raw, in, fromMask, kRawSize);
    } else {
        CopyCut(raw, in, kRawSize);
    }
    // When toMask refuses some raw characters, they show as placeholders: the plain applied
    // text is a proper shown text under toMask, which is all the callers need. Rebuilding it
    // from a copy of toMask instead would leave mask characters, backslashes and quotes in the
    // shown text; so the applied text always stands and needs no second strip to check it.
    const int length = *toMask != '\0' ? ApplyTextMask(out, raw, toMask, size) : CopyCut(out, raw, size);
    out[size - 1] = '\0';
    return length;
}
