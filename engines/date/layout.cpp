// Where the fields of a date lie: in the format (order, code length) and in a shown text.
#include "engines/date/date.h"

#include <string.h>

#include "engines/date/date_internal.h"

namespace {

void SetFieldOrder(DateLayout* out, plm_date::DateField field, int order, int runLength) {
    if (field == plm_date::FIELD_DAY) {
        out->nDayOrder = order;
        out->nDayCodeLen += runLength;
    } else if (field == plm_date::FIELD_MONTH) {
        out->nMonthOrder = order;
        out->nMonthCodeLen += runLength;
    } else if (field == plm_date::FIELD_YEAR) {
        out->nYearOrder = order;
        out->nYearCodeLen += runLength;
    }
}

void SetFieldPosition(DateLayout* layout, int order, int start, int end) {
    if (layout->nDayOrder == order) {
        layout->nDayStart = start;
        layout->nDayEnd = end;
    } else if (layout->nMonthOrder == order) {
        layout->nMonthStart = start;
        layout->nMonthEnd = end;
    } else if (layout->nYearOrder == order) {
        layout->nYearStart = start;
        layout->nYearEnd = end;
    }
}

bool BelongsToField(char c) {
    return IsCharAlphaNumericA(c) || c == '?' || c == '_';
}

}  // namespace

int ParseDateLayout(DateLayout* out, MaskEditInfo* info) {
    if (out == nullptr || info == nullptr) return 0;
    memset(out, 0, sizeof *out);
    info->cSeparator = '\0';
    char codes[plm_date::kCodeSize];
    plm_date::LoadDateCodes(codes);

    int order = 0;
    // szFormat is read within its fixed size even when a caller left it unterminated.
    const char* format = info->szFormat;
    const char* end = format + PLM_FORMAT_SIZE - 1;
    for (const char* p = format; p < end && *p != '\0';) {
        if (!IsCharAlphaA(*p)) {
            ++p;
            continue;
        }
        plm_date::DateField field = plm_date::FieldOfCode(codes, *p);
        if (field == plm_date::FIELD_NONE) {
            ++p;
        } else {
            int runLength = 1;
            while (p + runLength < end && p[runLength] == *p) ++runLength;
            p += runLength;
            SetFieldOrder(out, field, ++order, runLength);
        }
        // The character behind the first field separates the fields of a shown text.
        if (order == 1) info->cSeparator = p < end ? *p : '\0';
    }
    out->bDayTwoDigits = out->nDayCodeLen > 1;
    out->bYearLong = out->nYearCodeLen > 1;
    return order;
}

int LocateDateFields(DateLayout* layout, const MaskEditInfo* info, const char* text) {
    if (layout == nullptr || info == nullptr || text == nullptr) return 0;
    int field = 1;
    int start = 0;
    int i = 0;
    while (field <= 3 && text[i] != '\0') {
        bool isLast = text[i + 1] == '\0';
        if (text[i] == info->cSeparator || isLast) {
            // The last field ends behind the text's last character.
            int end = isLast ? i + 1 : i;
            SetFieldPosition(layout, field, start, end);
            start = end + 1;
            ++field;
        } else if (!BelongsToField(text[i])) {
            ++start;
        }
        ++i;
    }
    layout->nLastPos = i;
    return start;
}
