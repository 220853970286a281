// Decimal text of the date and time fields.
#include "engines/date/date.h"

#include <ctype.h>

#include "module/module.h"

namespace {

// A 32-bit magnitude has at most ten digits.
constexpr int kMaxDigits = 10;

int CountDigits(unsigned int magnitude) {
    int count = 0;
    for (; magnitude != 0; magnitude /= 10) ++count;
    return count;
}

}  // namespace

void IntToPaddedText(char* dst, int value, int width, int dstSize) {
    if (dst == nullptr || dstSize <= 0) return;
    int last = dstSize - 1;  // room for characters before the terminator
    int pos = 0;
    // The magnitude in unsigned arithmetic, so that INT_MIN has one too.
    unsigned int magnitude = static_cast<unsigned int>(value);
    if (value < 0) {
        if (pos < last) dst[pos++] = g_cNegativeSign;
        magnitude = 0u - magnitude;
    }
    int digits = CountDigits(magnitude);
    // Zero itself is written as one digit, so it takes one place of the padding.
    int zeros = width - (digits == 0 ? 1 : digits);
    for (; zeros > 0 && pos < last; --zeros) dst[pos++] = '0';

    char reversed[kMaxDigits];
    int count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    while (count > 0 && pos < last) dst[pos++] = reversed[--count];
    dst[pos] = '\0';
}

int TextToInt(const char* s) {
    if (s == nullptr) return 0;
    bool negative = false;
    if (*s != '\0' && *s == g_cNegativeSign) {
        negative = true;
        ++s;
    }
    // Unsigned, so that an over-long text wraps as 32-bit arithmetic does instead of overflowing.
    unsigned int total = 0;
    unsigned int place = 1;
    const char* end = s;
    while (*end != '\0') ++end;
    for (const char* p = end; p != s; place *= 10u) {
        unsigned char c = static_cast<unsigned char>(*--p);
        if (isdigit(c)) total += static_cast<unsigned int>(c - '0') * place;
    }
    if (negative) total = 0u - total;
    return static_cast<int>(total);
}
