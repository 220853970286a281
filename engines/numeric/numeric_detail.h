// Pieces the numeric engine's files share and nobody else needs.
#ifndef PLM_ENGINE_NUMERIC_DETAIL_H
#define PLM_ENGINE_NUMERIC_DETAIL_H

#include "engines/numeric/numeric.h"

namespace numeric_detail {

// The digits of |value| rounded to a number of decimals, split at the point the way _fcvt splits
// them: the integer part carries no leading zeros (so it is empty below 1).
struct FixedDigits {
    char szText[PLM_NUMBER_DIGITS_SIZE];  // the rounded magnitude as std::to_chars writes it
    int nIntegerStart;                    // offsets into szText
    int nIntegerLength;
    int nFractionStart;
    int nFractionLength;                  // the decimals asked for; 0 for a non-finite value
    BOOL bNegative;                       // value below 0
};

// The one place that turns a double into digits. decimals is clamped to
// 0..PLM_NUMBER_MAX_DECIMALS; a non-finite value gives its name ("inf", "nan") as integer part.
void ToFixedDigits(double value, int decimals, FixedDigits* out);

// A bounded writer into a caller's buffer: characters past the end are dropped, and the text is
// always terminated.
class TextWriter {
public:
    // A NULL buffer or a size below 1 has no room even for the terminator.
    TextWriter(LPSTR out, int size)
        : m_out(out), m_capacity(out != nullptr && size > 0 ? size - 1 : -1) {}
    void Put(char c) {
        if (m_length < m_capacity) m_out[m_length++] = c;
    }
    int Length() const { return m_length; }
    bool Full() const { return m_length >= m_capacity; }
    void CutTo(int length) { if (length < m_length) m_length = length; }
    LPSTR Text() const { return m_out; }
    // Terminates and returns the length.
    int Finish() {
        if (m_capacity >= 0) m_out[m_length] = '\0';
        return m_length;
    }

private:
    LPSTR m_out;
    int m_capacity;  // characters that fit before the terminator; -1: no buffer
    int m_length = 0;
};

// True when the first section of format holds cDecimal outside quotes and backslash literals.
BOOL FirstSectionHasDecimal(LPCSTR format, char cDecimal);

}  // namespace numeric_detail

#endif  // PLM_ENGINE_NUMERIC_DETAIL_H
