// Reading a shown time: by format (conversions, typed values) and by field positions (editing,
// get as text).
#include "engines/time/time.h"

#include <string.h>

#include "engines/date/date.h"
#include "engines/time/time_lexis.h"

namespace {

constexpr int kMaxNumberTokens = 15;
constexpr int kMaxWordTokens = 7;
// Eight significant digits are far beyond every field's range and keep the arithmetic in int;
// a longer number reads as this cap, which every range check rejects.
constexpr int kMaxFieldDigits = 8;
constexpr int kFieldValueCap = 99999999;
// Reading by positions looks at no more of a field than a working text holds.
constexpr int kMaxFieldScan = PLM_TEXT_SIZE;

struct TimeTokens {
    int anNumber[kMaxNumberTokens];         // the runs of digits, in order
    int nNumbers;
    const char* apszWord[kMaxWordTokens];  // the first letter of each run of letters
    int nWords;
};

int ValueOfDigitRun(const char* run, int length) {
    while (length > 1 && run[0] == '0') {  // leading zeros add nothing
        ++run;
        --length;
    }
    if (length > kMaxFieldDigits) return kFieldValueCap;
    char digits[kMaxFieldDigits + 1];
    memcpy(digits, run, static_cast<size_t>(length));
    digits[length] = '\0';
    return TextToInt(digits);
}

// Runs of digits are numbers and runs of letters words; '_' and everything else separate them.
void TokeniseTimeText(const char* text, TimeTokens* tokens) {
    tokens->nNumbers = 0;
    tokens->nWords = 0;
    const char* p = text;
    while (*p != '\0' && tokens->nNumbers < kMaxNumberTokens && tokens->nWords < kMaxWordTokens) {
        const char* start = p;
        if (IsTimeDigit(*p)) {
            while (IsTimeDigit(*p)) ++p;
            tokens->anNumber[tokens->nNumbers++] = ValueOfDigitRun(start, static_cast<int>(p - start));
        } else if (IsTimeLetter(*p)) {
            while (IsTimeLetter(*p)) ++p;
            tokens->apszWord[tokens->nWords++] = start;
        } else {
            ++p;
        }
    }
}

// 1 or 2 when the word's first letter names the first or the second designator of the run at
// designator ("AM/PM"); 0 when it names neither. The second wins when both share the letter.
int MatchDesignatorWord(const char* word, const char* designator) {
    char first = TimeUpper(word[0]);
    int match = first == TimeUpper(designator[0]) ? 1 : 0;
    const char* slash = strchr(designator, '/');
    if (slash != nullptr && slash[1] != '\0' && first == TimeUpper(slash[1])) match = 2;
    return match;
}

int* FieldOfCode(TimeValue* value, char code) {
    switch (code) {
    case 'h': return &value->nHour;
    case 'm': return &value->nMinute;
    default: return &value->nSecond;
    }
}

// Walks the format, taking number tokens for its codes; returns the designator recognised.
int ReadByFormat(const char* format, const TimeTokens& tokens, TimeValue* out) {
    int nextNumber = 0;
    bool designatorMayFollow = false;
    const char* f = format;
    while (*f != '\0') {
        char code = TimeCodeOf(*f);
        if (code != 0) {
            while (TimeCodeOf(*f) == code) ++f;
            if (nextNumber < tokens.nNumbers) *FieldOfCode(out, code) = tokens.anNumber[nextNumber++];
        } else if (*f == ' ' || *f == '_') {
            designatorMayFollow = true;
            ++f;
        } else if (*f == '"') {
            f = SkipQuotedText(f);
        } else if (!designatorMayFollow) {
            ++f;
        } else {
            // Only the first word is ever taken: the walk ends here.
            return tokens.nWords > 0 ? MatchDesignatorWord(tokens.apszWord[0], f) : 0;
        }
    }
    return 0;
}

int AmPmOfHour(int hour) {
    if (hour >= 12 && hour <= 23) return 2;
    if (hour >= 25) return -1;
    return 1;
}

// A field's number as read by positions: -1 when it shows no letter or digit.
int ReadFieldAt(const char* text, int length, int order, int start, int end, int* empty) {
    if (order == 0) return 0;
    if (start < 0) start = 0;
    if (end > length) end = length;
    if (end > start + kMaxFieldScan) end = start + kMaxFieldScan;
    bool shown = false;
    for (int i = start; i < end && !shown; ++i) shown = IsTimeDigit(text[i]) || IsTimeLetter(text[i]);
    if (!shown) return -1;
    *empty = 0;
    int i = start;
    while (i < end && !IsTimeDigit(text[i])) ++i;
    int value = 0;
    for (; i < end && IsTimeDigit(text[i]); ++i)
        value = value >= kFieldValueCap / 10 ? kFieldValueCap : value * 10 + (text[i] - '0');
    return value;
}

// The designator as shown, at most one designator long.
void ReadDesignatorAt(const char* text, int length, const TimeLayout* layout,
                      char (&designator)[PLM_DESIGNATOR_SIZE]) {
    int start = layout->nAmPmStart < 0 ? 0 : layout->nAmPmStart;
    int end = layout->nAmPmEnd < length ? layout->nAmPmEnd : length;
    int count = end - start;
    if (count < 0) count = 0;
    if (count > PLM_DESIGNATOR_SIZE - 1) count = PLM_DESIGNATOR_SIZE - 1;
    if (count > 0) memcpy(designator, text + start, static_cast<size_t>(count));
    designator[count] = '\0';
}

void ApplyShownDesignator(const char* text, int length, const TimeLayout* layout, TimeValue* out) {
    char designator[PLM_DESIGNATOR_SIZE];
    ReadDesignatorAt(text, length, layout, designator);
    int& hour = out->nHour;
    if (strcmp(designator, layout->szAm) == 0) {
        out->nAmPm = 1;
        out->bEmpty = 0;
        // 12:00:00 AM stays 12; any later minute of the 12 o'clock hour is past midnight.
        if (hour == 12 && (out->nMinute > 0 || out->nSecond >= 1)) hour = 24;
    } else if (strcmp(designator, layout->szPm) == 0) {
        out->nAmPm = 2;
        out->bEmpty = 0;
        if (hour >= 1 && hour <= 11) hour += 12;
    } else if ((hour >= 3 && hour <= 11) || hour == 24) {
        out->nAmPm = 1;
    } else if (hour >= 12 && hour <= 23) {
        out->nAmPm = 2;
    }  // hours 0 to 2 under a blank designator stay undecided
}

}  // namespace

void ParseTimeText(const char* text, const char* format, TimeValue* out, int* hadAmPm) {
    if (out == nullptr) return;
    *out = TimeValue{};
    TimeTokens tokens;
    TokeniseTimeText(text != nullptr ? text : "", &tokens);
    if (tokens.nNumbers == 0 && tokens.nWords == 0) {
        out->bEmpty = 1;
        return;
    }
    int designator = ReadByFormat(format != nullptr ? format : "", tokens, out);
    if (designator == 1 && out->nHour == 12) out->nHour = 0;
    if (designator == 2 && out->nHour <= 11) out->nHour += 12;
    if (designator != 0 && hadAmPm != nullptr) *hadAmPm = 1;
    out->nAmPm = AmPmOfHour(out->nHour);
}

void ReadTimeFields(const char* text, const TimeLayout* layout, TimeValue* out) {
    if (out == nullptr) return;
    *out = TimeValue{};
    out->bEmpty = 1;
    if (layout == nullptr) return;
    if (text == nullptr) text = "";
    int length = static_cast<int>(strlen(text));
    out->nHour = ReadFieldAt(text, length, layout->nHourOrder, layout->nHourStart,
                             layout->nHourEnd, &out->bEmpty);
    out->nMinute = ReadFieldAt(text, length, layout->nMinuteOrder, layout->nMinuteStart,
                               layout->nMinuteEnd, &out->bEmpty);
    out->nSecond = ReadFieldAt(text, length, layout->nSecondOrder, layout->nSecondStart,
                               layout->nSecondEnd, &out->bEmpty);
    if (layout->bAmPmPair) {
        ApplyShownDesignator(text, length, layout, out);
    } else if ((out->nHour >= 0 && out->nHour <= 11) || out->nHour == 24) {
        out->nAmPm = 1;
    } else if (out->nHour >= 12 && out->nHour <= 23) {
        out->nAmPm = 2;
    }
    if (out->nHour == 24) out->nHour = 0;
}
