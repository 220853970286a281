// Writing a number under a picture. The whole part and the fraction are turned into digits once
// per call, on first use, and every run of placeholders then takes from them.
#include <string.h>

#include "engines/numeric/numeric_detail.h"
#include "module/module.h"

namespace {

using numeric_detail::FixedDigits;
using numeric_detail::TextWriter;

// The fraction is shown from its digits rounded to fifteen places, then cut per placeholder.
constexpr int kFractionDecimals = 15;
// Quoted text in a picture is shown up to this many characters.
constexpr int kQuotedTextLimit = 255;

bool IsPlaceholder(char c) { return c == '0' || c == '#'; }

class NumberWriter {
public:
    NumberWriter(TextWriter* writer, const NumberFormatDesc* desc, const NumberParts* parts)
        : m_writer(*writer), m_desc(*desc), m_parts(*parts) {}

    void WriteSection(LPCSTR p) {
        bool afterDecimal = false;  // the previous element was the decimal separator
        while (*p != '\0' && *p != ';') {
            const char c = *p;
            bool decimal = false;
            if (c == '"') {
                p = WriteQuoted(p + 1);
            } else if (c == '\\') {
                p = WriteEscaped(p);
            } else if (c == '_') {
                p += p[1] != '\0' ? 2 : 1;  // "_x" reserves room in other pictures; here nothing
            } else if (m_desc.cDecimal != '\0' && c == m_desc.cDecimal) {
                m_writer.Put(c);
                decimal = true;
                ++p;
            } else if (IsPlaceholder(c)) {
                p = afterDecimal ? WriteFractionRun(p) : WriteWholeRun(p);
            } else if (m_desc.cSeparator != '\0' && c == m_desc.cSeparator) {
                ++p;  // grouping is a property of a run; a stray grouping character shows nothing
            } else {
                m_writer.Put(c);
                ++p;
            }
            afterDecimal = decimal;
        }
    }

private:
    LPCSTR WriteQuoted(LPCSTR p) {
        for (int shown = 0; *p != '\0' && *p != '"'; ++p, ++shown) {
            if (shown < kQuotedTextLimit) m_writer.Put(*p);
        }
        return *p == '"' ? p + 1 : p;
    }

    // A backslash shows the next character; a doubled backslash shows both.
    LPCSTR WriteEscaped(LPCSTR p) {
        if (p[1] == '\0') return p + 1;
        if (p[1] == '\\') m_writer.Put('\\');
        m_writer.Put(p[1]);
        return p + 2;
    }

    // "0", "#" and the grouping character before the decimal separator: the whole part, padded
    // to the run's "0" count and grouped by the placeholders after its last grouping character.
    LPCSTR WriteWholeRun(LPCSTR p) {
        const char separator = m_desc.cSeparator;
        int zeros = 0;
        int groupSize = 0;
        bool grouped = false;
        for (; IsPlaceholder(*p) || (separator != '\0' && *p == separator); ++p) {
            if (*p == separator) {
                grouped = true;
                groupSize = 0;
            } else {
                if (*p == '0') ++zeros;
                ++groupSize;
            }
        }
        if (!grouped) groupSize = 0;

        const FixedDigits& whole = WholeDigits();
        const int length = whole.nIntegerLength;
        const int pad = zeros > length ? zeros - length : 0;
        const int total = pad + length;
        if (whole.bNegative) m_writer.Put(g_cNegativeSign);
        for (int i = 0; i < total; ++i) {
            m_writer.Put(i < pad ? '0' : whole.szText[whole.nIntegerStart + i - pad]);
            const int remaining = total - 1 - i;
            if (groupSize >= 2 && remaining > 0 && remaining % groupSize == 0)
                m_writer.Put(separator);
        }
        return p;
    }

    // "0" and "#" right after the decimal separator: one fraction digit per placeholder, cut,
    // not rounded; zeros that "#" placeholders wrote at the end of the run are dropped.
    LPCSTR WriteFractionRun(LPCSTR p) {
        const FixedDigits& fraction = FractionDigits();
        LPCSTR digits = fraction.szText + fraction.nFractionStart;
        const int count = fraction.nFractionLength;
        int next = 0;
        bool cutPending = false;
        int cutAt = 0;
        for (; IsPlaceholder(*p); ++p) {
            const bool haveDigit = next < count;
            const char digit = haveDigit ? digits[next] : '0';
            if (*p == '#') {
                if (!cutPending && haveDigit && digit == '0') {
                    cutPending = true;
                    cutAt = m_writer.Length();
                } else if (cutPending && (!haveDigit || digit != '0')) {
                    cutPending = false;
                }
                if (haveDigit) m_writer.Put(digit);
            } else {
                m_writer.Put(digit);
            }
            if (haveDigit) ++next;
        }
        if (cutPending) m_writer.CutTo(cutAt);
        return p;
    }

    const FixedDigits& WholeDigits() {
        if (!m_haveWhole) numeric_detail::ToFixedDigits(m_parts.dWhole, 0, &m_whole);
        m_haveWhole = true;
        return m_whole;
    }

    const FixedDigits& FractionDigits() {
        if (!m_haveFraction)
            numeric_detail::ToFixedDigits(m_parts.dFraction, kFractionDecimals, &m_fraction);
        m_haveFraction = true;
        return m_fraction;
    }

    TextWriter& m_writer;
    const NumberFormatDesc& m_desc;
    const NumberParts& m_parts;
    FixedDigits m_whole;
    FixedDigits m_fraction;
    bool m_haveWhole = false;
    bool m_haveFraction = false;
};

}  // namespace

int FormatNumberText(LPSTR out, const NumberFormatDesc* desc, const NumberParts* parts,
                     int outSize) {
    TextWriter writer(out, outSize);
    if (desc != nullptr && desc->lpszFormat != nullptr && parts != nullptr) {
        LPCSTR start = desc->lpszFormat;
        LPCSTR sectionBreak = parts->bNegative ? FindSectionBreak(start) : nullptr;
        if (sectionBreak != nullptr) start = sectionBreak + 1;
        NumberWriter(&writer, desc, parts).WriteSection(start);
    }
    const int length = writer.Finish();
    // An empty value keeps the picture's shape with blanks where its zeros would stand.
    if (parts != nullptr && parts->bEmpty) {
        for (int i = 0; i < length; ++i) {
            if (out[i] == '0') out[i] = ' ';
        }
    }
    return 1;
}
