// The code letters of date formats.
#include "engines/date/date_internal.h"

#include "module/module.h"

namespace plm_date {

void LoadDateCodes(char (&codes)[kCodeSize]) {
    LoadModuleString(IDS_DATE_CODES, codes, kCodeSize);
}

DateField FieldOfCode(const char* codes, char c) {
    if (c == '\0') return FIELD_NONE;
    // Letters come in pairs, lower and upper case of one field: day, month, year.
    for (int i = 0; codes[i] != '\0'; ++i) {
        if (codes[i] == c) return static_cast<DateField>(i / 2 + 1);
    }
    return FIELD_NONE;
}

int RunLength(const char* p) {
    int length = 0;
    while (p[length] != '\0' && p[length] == p[0]) ++length;
    return length;
}

}  // namespace plm_date
