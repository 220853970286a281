// MaskEditValidate: is a text acceptable as a date or a time under a format? Only those two
// types are judged; every other text is accepted.
#include <ctype.h>
#include <stdio.h>
#include <string.h>

#include "engines/date/date.h"
#include "engines/time/time.h"
#include "formats/formats.h"

namespace {

// Field-type code -> data type.
const short kFieldTypeMap[] = {DT_TEXT,   DT_CURRENCY, DT_DATE,    DT_TIME,    DT_TEXT,   DT_WHOLE8,
                               DT_WHOLE16, DT_WHOLE32, DT_BOOLEAN, DT_WHOLE32, DT_SINGLE, DT_DOUBLE};
constexpr int kFieldTypeCount = static_cast<int>(sizeof kFieldTypeMap / sizeof kFieldTypeMap[0]);

bool IsHourLetter(char c) { return c == 'h' || c == 'H'; }
bool IsMinuteOrSecondLetter(char c) { return c == 'm' || c == 'M' || c == 's' || c == 'S'; }

BOOL ValidateDate(LPCSTR text, LPCSTR format) {
    DateValue value = {};
    ParseDateText(text, format, &value, 1);
    const int valid = IsValidDate(&value);
    const int yearDigits = CheckYearDigits(text, format);
    return valid && yearDigits;
}

BOOL ValidateTime(LPCSTR text, LPCSTR format) {
    MaskEditInfo rec = {};
    rec.nDataType = DT_TIME;
    snprintf(rec.szFormat, sizeof rec.szFormat, "%s", format);
    rec.nFormatLen = static_cast<int>(strlen(rec.szFormat));

    TimeLayout layout = {};
    TimeValue value = {};
    ParseTimeLayout(&layout, &rec);
    LocateTimeFields(&layout, &rec, text);
    ReadTimeFields(text, &layout, &value);
    const bool timeHolds = IsValidTime(&value) && (layout.bAmPmPair || IsAmPmConsistent(&value));
    return timeHolds && CheckTimeDigits(text, rec.szFormat);
}

}  // namespace

short FieldTypeToDataType(int nFieldType) {
    return nFieldType >= 0 && nFieldType < kFieldTypeCount ? kFieldTypeMap[nFieldType] : short(-1);
}

int CheckTimeDigits(LPCSTR text, LPCSTR format) {
    if (text == nullptr || format == nullptr) return 1;
    const char* t = text;
    const char* f = format;
    while (*t != '\0' && *f != '\0') {
        if (IsHourLetter(*f)) {
            // The hour itself is not examined.
            while (IsHourLetter(*f)) ++f;
            while (*t != '\0' && (IsCharAlphaNumericA(*t) || *t == '_')) ++t;
        } else if (IsMinuteOrSecondLetter(*f)) {
            int width = 0;
            while (IsMinuteOrSecondLetter(*f)) ++f, ++width;
            int digits = 0;
            for (int k = 0; k < width && *t != '\0'; ++k, ++t)
                if (isdigit(static_cast<unsigned char>(*t))) ++digits;
            if (digits > 0 && digits < width) return 0;
        } else {
            // Every other format character, literal or letter, stands for one text character.
            ++f;
            ++t;
        }
    }
    return 1;
}

extern "C" BOOL WINAPI MaskEditValidate(LPCSTR lpszText, LPCSTR lpszFormat, int nFieldType) {
    if (lpszText == nullptr || lpszText[0] == '\0') return TRUE;
    const short type = FieldTypeToDataType(nFieldType);
    // A field-type code outside the table names no type: nothing can be acceptable for it.
    if (type < 0) return FALSE;

    char format[PLM_FORMAT_SIZE];
    if (IsDefaultFormatKeyword(lpszFormat)) {
        GetDefaultFormat(format, type, sizeof format);
    } else {
        snprintf(format, sizeof format, "%s", lpszFormat);  // a field keeps 63 characters of it
    }
    if (type == DT_DATE) return ValidateDate(lpszText, format);
    if (type == DT_TIME) return ValidateTime(lpszText, format);
    return TRUE;
}
