// Reading and writing the word of a True/False value.
#include "engines/boolean/boolean.h"

#include <string.h>

namespace {

// The runtime's upper-casing in the "C" locale: only 'a' to 'z' change.
char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Copies [begin, end) into dst of dstSize bytes, cutting what does not fit.
void CopyWord(char* dst, const char* begin, const char* end, int dstSize) {
    int length = static_cast<int>(end - begin);
    if (length > dstSize - 1) length = dstSize - 1;
    memcpy(dst, begin, static_cast<size_t>(length));
    dst[length] = '\0';
}

const char* EndOfText(const char* text) { return text + strlen(text); }

}  // namespace

int ParseBooleanText(const char* text, const char* format) {
    if (text == nullptr) return BOOLEAN_FALSE;
    if (text[0] == '1') return BOOLEAN_TRUE;
    if (text[0] == '0') return BOOLEAN_FALSE;
    if (text[0] == '2') return BOOLEAN_THIRD;
    const char* slash = format != nullptr ? strchr(format, '/') : nullptr;
    if (slash == nullptr) return BOOLEAN_FALSE;

    // Two cursors, one step per text character, each stopping at the end of its word; the false
    // word runs to the end of the format. A word's end ('\0' here) matches no text character.
    const char* trueWord = format;
    const char* falseWord = slash + 1;
    for (const char* p = text; *p != '\0'; ++p) {
        char c = AsciiUpper(*p);
        char t = trueWord < slash ? *trueWord : '\0';
        char f = *falseWord;
        if (c == t && c != f) return BOOLEAN_TRUE;
        if (c == f && c != t) return BOOLEAN_FALSE;
        if (trueWord < slash) ++trueWord;
        if (*falseWord != '\0') ++falseWord;
    }
    return BOOLEAN_FALSE;
}

int FormatBooleanText(char* dst, const char* format, int value, int dstSize) {
    if (dst == nullptr || dstSize <= 0) return 0;
    if (format == nullptr) format = "";
    const char* slash = strchr(format, '/');
    if (slash == nullptr) {
        CopyWord(dst, format, EndOfText(format), dstSize);
        return 0;
    }
    if (value == BOOLEAN_TRUE) {
        CopyWord(dst, format, slash, dstSize);
    } else if (value == BOOLEAN_THIRD) {
        static const char kThird[] = "2";
        CopyWord(dst, kThird, kThird + 1, dstSize);
    } else {
        const char* falseWord = slash + 1;
        const char* secondSlash = strchr(falseWord, '/');
        CopyWord(dst, falseWord, secondSlash != nullptr ? secondSlash : EndOfText(falseWord), dstSize);
    }
    return 1;
}

int ConvertBooleanText(char* dst, const char* src, const FormatConvertDesc* formats, int dstSize) {
    const char* fromFormat = formats != nullptr ? formats->lpszFromFormat : nullptr;
    const char* toFormat = formats != nullptr ? formats->lpszToFormat : nullptr;
    int value = BOOLEAN_FALSE;
    if (src != nullptr && src[0] != '\0' && fromFormat != nullptr)
        value = ParseBooleanText(src, fromFormat);
    FormatBooleanText(dst, toFormat, value, dstSize);
    return 1;
}
