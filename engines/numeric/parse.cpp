// Reading a shown number back into its parts. The parser never fails: it takes what it
// recognises and skips the rest, so a text of any length and content gives some number.
#include <charconv>
#include <math.h>
#include <string.h>

#include "engines/numeric/numeric_detail.h"
#include "module/module.h"

namespace {

// Digits of a run that count towards its value: more than a double holds exactly are noise.
constexpr int kRunDigits = 15;
// Fraction digits read: 340 reach below the smallest double (4.9e-324); later ones are noise.
constexpr int kFractionDigits = 340;
// Exponents grow no further: 10 to this power is already beyond every double.
constexpr int kExponentLimit = 9999;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the digits behind a decimal separator as the value of "0." followed by them; returns
// where they end.
LPCSTR ReadFraction(LPCSTR p, NumberParts* parts) {
    char text[2 + kFractionDigits + 1] = "0.";
    int kept = 2;
    for (; IsDigit(*p); ++p) {
        parts->bEmpty = FALSE;
        if (kept < 2 + kFractionDigits) text[kept++] = *p;
    }
    double fraction = 0;
    if (kept > 2) std::from_chars(text, text + kept, fraction);
    parts->dFraction = fraction;
    return p;
}

// Powers of ten that a double holds exactly. Scaling by them is one correctly rounded operation,
// so both platforms give the same bits (the runtimes' pow do not agree on 10^-3).
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kLargestExactPower = 22;

// value x 10^exponent (up) or value / 10^exponent. 0 stays 0 where a power would overflow.
double ScaledByTen(double value, int exponent, bool up) {
    const double largest = kExactPowersOfTen[kLargestExactPower];
    for (; exponent > kLargestExactPower; exponent -= kLargestExactPower) {
        if (value == 0 || isinf(value)) return value;
        value = up ? value * largest : value / largest;
    }
    return up ? value * kExactPowersOfTen[exponent] : value / kExactPowersOfTen[exponent];
}

// The exponent behind "E": it counts only with an explicit sign, and moves the number into the
// whole part (positive) or into the fraction (negative).
void ApplyExponent(LPCSTR p, NumberParts* parts) {
    const char sign = *p;
    if (sign == '\0' || (sign != g_cPositiveSign && sign != g_cNegativeSign)) return;
    int exponent = 0;
    for (++p; IsDigit(*p); ++p) {
        if (exponent <= kExponentLimit) exponent = exponent * 10 + (*p - '0');
    }
    if (sign == g_cPositiveSign) {
        parts->dWhole = ScaledByTen(parts->dWhole, exponent, true) +
                        ScaledByTen(parts->dFraction, exponent, true);
        parts->dFraction = 0;
    } else {
        parts->dFraction = ScaledByTen(parts->dFraction, exponent, false) +
                           ScaledByTen(parts->dWhole, exponent, false);
        parts->dWhole = 0;
    }
}

LPCSTR SkipCurrency(LPCSTR p, size_t currencyLength) {
    for (size_t skipped = 0; skipped < currencyLength && *p != '\0'; ++skipped) ++p;
    return p;
}

}  // namespace

double DigitRunValue(LPCSTR run, int length) {
    if (run == nullptr || length <= 0) return 0;
    double value = 0;
    int counted = 0;
    for (int i = 0; i < length && run[i] != '\0' && counted < kRunDigits; ++i) {
        if (!IsDigit(run[i])) continue;
        value = value * 10 + (run[i] - '0');
        ++counted;
    }
    return run[0] == g_cNegativeSign ? -value : value;
}

void ParseNumberText(LPCSTR text, const NumberFormatDesc* desc, NumberParts* parts) {
    if (parts == nullptr) return;
    *parts = NumberParts{0, 0, FALSE, TRUE};
    if (text == nullptr || *text == '\0' || desc == nullptr) return;

    LPCSTR format = desc->lpszFormat != nullptr ? desc->lpszFormat : "";
    LPCSTR currency = desc->lpszCurrency != nullptr ? desc->lpszCurrency : "";
    const size_t currencyLength = strlen(currency);
    const char separator = desc->cSeparator;
    const char marker = NegativeMarker(format);
    int depth = 0;  // parentheses opened and not closed: a second one ends the parse

    LPCSTR p = text;
    while (*p != '\0') {
        const char c = *p;
        if (IsDigit(c)) {
            parts->bEmpty = FALSE;
            LPCSTR run = p;
            while (IsDigit(*p) || (separator != '\0' && *p == separator)) ++p;
            parts->dWhole = DigitRunValue(run, static_cast<int>(p - run));
        } else if (desc->cDecimal != '\0' && c == desc->cDecimal) {
            p = ReadFraction(p + 1, parts);
        } else if (c == marker || c == g_cNegativeSign || c == g_cOpenParen) {
            parts->bNegative = TRUE;
            if (c == g_cOpenParen && ++depth > 1) return;
            ++p;
        } else if (c == g_cCloseParen && parts->bNegative) {
            --depth;
            ++p;
        } else if (c == 'E' || c == 'e') {
            ApplyExponent(p + 1, parts);
            break;
        } else if (currencyLength != 0 && c == currency[0]) {
            p = SkipCurrency(p, currencyLength);
        } else {
            ++p;
        }
    }

    // A picture without decimals cannot show a fraction: the whole part is raised instead.
    if (!numeric_detail::FirstSectionHasDecimal(format, desc->cDecimal) && parts->dFraction > 0)
        parts->dWhole += 1;
}
