// Month and weekday names typed into a date.
#include "engines/date/date.h"

#include "engines/date/date_internal.h"
#include "module/module.h"

namespace {

using plm_date::kNameSize;
using plm_date::StartsWithAbbreviation;

// The text starts with the whole name of string id (a text that ends early does not).
bool StartsWithName(const char* text, UINT id) {
    char name[kNameSize];
    LoadModuleString(id, name, kNameSize);
    return StartsWithAbbreviation(text, name);
}

// Index of the first abbreviation in [first, last] that starts text, or -1; with check, the
// whole name (abbreviated: the abbreviation's string, else the long name's) is required.
int FindName(const char* text, const char (*abbreviations)[PLM_ABBR_SIZE], int first, int last,
             UINT abbreviatedBase, UINT nameBase, int abbreviated, int check) {
    for (int i = first; i <= last; ++i) {
        if (!StartsWithAbbreviation(text, abbreviations[i])) continue;
        if (check && !StartsWithName(text, (abbreviated ? abbreviatedBase : nameBase) + i)) return -1;
        return i;
    }
    return -1;
}

}  // namespace

bool plm_date::StartsWithAbbreviation(const char* text, const char* abbreviation) {
    if (abbreviation[0] == '\0') return false;
    for (int i = 0; abbreviation[i] != '\0'; ++i) {
        if (text[i] == '\0' || UpperChar(text[i]) != UpperChar(abbreviation[i])) return false;
    }
    return true;
}

int MonthFromName(const char* text, int abbreviated, int check) {
    if (text == nullptr) return 0;
    return FindName(text, g_aszMonthAbbr, 1, 12, plm_date::IDS_MONTH_ABBR_NAME_BASE,
                    plm_date::IDS_MONTH_NAME_BASE, abbreviated, check);
}

int WeekdayFromName(const char* text, int abbreviated, int check) {
    if (text == nullptr) return 0;
    return FindName(text, g_aszDayAbbr, 0, 6, plm_date::IDS_DAY_ABBR_BASE,
                    plm_date::IDS_DAY_NAME_FIRST, abbreviated, check);
}
