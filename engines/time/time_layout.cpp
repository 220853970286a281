// Reading a time format into a TimeLayout, and finding the fields of a shown time.
#include "engines/time/time.h"

#include <string.h>

#include "engines/time/time_lexis.h"
#include "module/module.h"

namespace {

void CopyDesignator(char (&dst)[PLM_DESIGNATOR_SIZE], const char* src, int length) {
    if (length > PLM_DESIGNATOR_SIZE - 1) length = PLM_DESIGNATOR_SIZE - 1;
    memcpy(dst, src, static_cast<size_t>(length));
    dst[length] = '\0';
}

void SetCodeField(TimeLayout* layout, char code, int order, int twoDigits) {
    switch (code) {
    case 'h': layout->nHourOrder = order; layout->bHourTwoDigits = twoDigits; break;
    case 'm': layout->nMinuteOrder = order; layout->bMinuteTwoDigits = twoDigits; break;
    default: layout->nSecondOrder = order; layout->bSecondTwoDigits = twoDigits; break;
    }
}

bool IsFieldChar(char c) { return IsTimeDigit(c) || c == '_'; }

// A run of digits and '_' is the field of its order, or the designator when no field has it.
void AssignRun(TimeLayout* layout, int order, int start, int end) {
    if (layout->nHourOrder == order) {
        layout->nHourStart = start;
        layout->nHourEnd = end;
    } else if (layout->nMinuteOrder == order) {
        layout->nMinuteStart = start;
        layout->nMinuteEnd = end;
    } else if (layout->nSecondOrder == order) {
        layout->nSecondStart = start;
        layout->nSecondEnd = end;
    } else {
        layout->nAmPmStart = start;
        layout->nAmPmEnd = end;
    }
}

// An empty designator would be "found" at every position; it cannot mark a place in a text.
bool FindWord(const char* text, const char* word, int* start, int* end) {
    if (word[0] == '\0') return false;
    const char* found = strstr(text, word);
    if (found == nullptr) return false;
    *start = static_cast<int>(found - text);
    *end = *start + static_cast<int>(strlen(word));
    return true;
}

}  // namespace

const char* FindQuoteEnd(const char* quote) {
    const char* p = quote + 1;
    while (*p != '\0' && *p != '"') ++p;
    return p;
}

int ReadDesignatorRun(const char* run, DesignatorPair* pair) {
    *pair = DesignatorPair{};
    int partStart = 0;
    int i = 0;
    for (; run[i] == '/' || IsTimeLetter(run[i]); ++i) {
        if (run[i] != '/') continue;
        CopyDesignator(pair->szFirst, run + partStart, i - partStart);
        pair->bPair = 1;
        partStart = i + 1;
    }
    CopyDesignator(pair->szSecond, run + partStart, i - partStart);
    return i;
}

int ParseTimeLayout(TimeLayout* out, MaskEditInfo* info) {
    if (out == nullptr) return 0;
    *out = TimeLayout{};
    if (info == nullptr) return 0;
    info->cSeparator = '\0';
    int count = 0;
    const char* p = info->szFormat;
    while (*p != '\0') {
        char code = TimeCodeOf(*p);
        if (code != 0) {
            int twoDigits = p[1] == p[0];
            SetCodeField(out, code, ++count, twoDigits);
            p += twoDigits ? 2 : 1;
        } else if (IsTimeLetter(*p)) {
            DesignatorPair pair;
            p += ReadDesignatorRun(p, &pair);
            // A later run without '/' replaces only the second designator, as the walk reads it.
            if (pair.bPair) {
                memcpy(out->szAm, pair.szFirst, sizeof out->szAm);
                out->bAmPmPair = 1;
            }
            memcpy(out->szPm, pair.szSecond, sizeof out->szPm);
        } else {
            if (*p == '\\') p += p[1] != '\0' ? 2 : 1;
            else if (*p == '"') p = SkipQuotedText(p);
            else ++p;
            continue;
        }
        if (count == 1) info->cSeparator = *p;
    }
    return count;
}

int LocateTimeFields(TimeLayout* layout, MaskEditInfo* info, const char* text) {
    if (layout == nullptr) return 0;
    if (info != nullptr && info->cSeparator == '\0') info->cSeparator = g_cDefTimeSep;
    if (text == nullptr) text = "";
    if (layout->bAmPmPair &&
        !FindWord(text, layout->szAm, &layout->nAmPmStart, &layout->nAmPmEnd))
        FindWord(text, layout->szPm, &layout->nAmPmStart, &layout->nAmPmEnd);

    int order = 1;
    int pos = 0;
    while (text[pos] != '\0') {
        if (!IsFieldChar(text[pos])) {
            ++pos;
            continue;
        }
        int start = pos;
        while (IsFieldChar(text[pos])) ++pos;
        AssignRun(layout, order++, start, pos);
    }
    layout->nLastPos = pos;
    return pos;
}

int FormatHasAmPm(const char* formatTail) {
    if (formatTail == nullptr) return 0;
    MaskEditInfo scratch{};
    strncpy(scratch.szFormat, formatTail, PLM_FORMAT_SIZE - 1);
    scratch.szFormat[PLM_FORMAT_SIZE - 1] = '\0';
    TimeLayout layout;
    ParseTimeLayout(&layout, &scratch);
    return layout.bAmPmPair;
}
