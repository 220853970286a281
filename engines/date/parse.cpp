// Reading a shown date: separators of a format, the tokens of a text, and the fields they give.
#include "engines/date/date.h"

#include "engines/date/date_internal.h"

namespace {

using plm_date::DateField;
using plm_date::FieldOfCode;
using plm_date::IsDigitChar;
using plm_date::IsLetterChar;
using plm_date::kCodeSize;
using plm_date::RunLength;

// A date has three fields, and a weekday and literals may stand between them; more tokens than
// this are not read.
constexpr int kMaxTokens = 15;
// A number of this many digits or more is no field value: it reads as 0.
constexpr int kMaxNumberDigits = 5;

// Marks a field that the text did not give; replaced by the field's default before returning.
constexpr int kNotGiven = -2;
constexpr int kBlank = -1;

constexpr int kDefaultDay = 1;
constexpr int kDefaultMonth = 1;
constexpr int kDefaultYear = 1900;

// Two-digit years from this one up belong to the 1900s, below it to the 2000s.
constexpr int kCenturyPivot = 79;
constexpr int kFourDigitYearLimit = 9999;

struct DateToken {
    const char* pszName;  // where a name starts in the text; null for a number or a blank
    int nValue;           // the number; 0 for a name or an unreadable number; -1 for a blank
};

struct DateTokens {
    DateToken aToken[kMaxTokens];
    int nCount;  // tokens found
    int nNext;   // next token to hand to a code run
};

bool EndsToken(char c, char sep1, char sep2) {
    return c == '\0' || c == sep1 || c == sep2;
}

// Moves behind the separator that ends the token at p. Stepping over the separator itself lets
// a letter or digit serve as a separator without starting a token of its own.
const char* SkipPastSeparator(const char* p, char sep1, char sep2) {
    while (!EndsToken(*p, sep1, sep2)) ++p;
    return *p != '\0' ? p + 1 : p;
}

// Value of the digit run [start, end): the number when it is short and stands alone up to a
// separator, else 0 (a partly typed '1_' or '12a' is no number yet).
int NumberValue(const char* start, const char* end, char sep1, char sep2) {
    int digits = static_cast<int>(end - start);
    if (digits >= kMaxNumberDigits || !EndsToken(*end, sep1, sep2)) return 0;
    char number[kMaxNumberDigits];
    for (int i = 0; i < digits; ++i) number[i] = start[i];
    number[digits] = '\0';
    return TextToInt(number);
}

void AddToken(DateTokens* tokens, const char* name, int value) {
    tokens->aToken[tokens->nCount].pszName = name;
    tokens->aToken[tokens->nCount].nValue = value;
    ++tokens->nCount;
}

void Tokenise(const char* text, char sep1, char sep2, DateTokens* tokens) {
    tokens->nCount = 0;
    tokens->nNext = 0;
    const char* p = text;
    while (*p != '\0' && tokens->nCount < kMaxTokens) {
        if (IsLetterChar(*p)) {
            AddToken(tokens, p, 0);
            p = SkipPastSeparator(p + 1, sep1, sep2);
        } else if (IsDigitChar(*p)) {
            const char* start = p;
            while (IsDigitChar(*p)) ++p;
            AddToken(tokens, nullptr, NumberValue(start, p, sep1, sep2));
            p = SkipPastSeparator(p, sep1, sep2);
        } else if (*p == '_') {
            while (*p == '_') ++p;
            // Placeholders in front of a name or number belong to it ('_5' is 5).
            if (!IsLetterChar(*p) && !IsDigitChar(*p)) AddToken(tokens, nullptr, kBlank);
        } else {
            ++p;
        }
    }
}

const DateToken* NextToken(DateTokens* tokens) {
    if (tokens->nNext >= tokens->nCount) return nullptr;
    return &tokens->aToken[tokens->nNext++];
}

void ReadDay(DateTokens* tokens, int runLength, DateValue* out) {
    const DateToken* token = NextToken(tokens);
    // A weekday name takes its token, but the date is decided by the other fields.
    if (runLength == 3 || runLength == 4) return;
    if (token != nullptr) {
        out->nDay = token->nValue;
    } else if (runLength != 1) {
        out->nDay = 0;
    }
}

void ReadMonth(DateTokens* tokens, int runLength, int checkNames, DateValue* out) {
    const DateToken* token = NextToken(tokens);
    if (token == nullptr) {
        out->nMonth = 0;
        return;
    }
    int month = MonthFromName(token->pszName, runLength == 3, checkNames);
    out->nMonth = month >= 1 ? month : token->nValue;
}

int ReduceLongYear(int year) {
    while (year > kFourDigitYearLimit) year -= kFourDigitYearLimit + 1;
    return year;
}

int ExpandShortYear(int year) {
    if (year < 0 || year > 99) return year;
    return year >= kCenturyPivot ? 1900 + year : 2000 + year;
}

void ReadYear(DateTokens* tokens, int runLength, DateValue* out) {
    const DateToken* token = NextToken(tokens);
    int year = token != nullptr ? token->nValue : 0;
    out->nYear = runLength == 4 ? ReduceLongYear(year) : ExpandShortYear(year);
}

void ApplyDefaults(DateValue* out) {
    if (out->nDay == kNotGiven) out->nDay = kDefaultDay;
    if (out->nMonth == kNotGiven) out->nMonth = kDefaultMonth;
    if (out->nYear == kNotGiven) out->nYear = kDefaultYear;
}

}  // namespace

int GetDateSeparators(const char* format, char* sep1, char* sep2) {
    char first = '\0';
    char second = '\0';
    if (format != nullptr) {
        char codes[kCodeSize];
        plm_date::LoadDateCodes(codes);
        const char* p = format;
        while (*p != '\0') {
            if (FieldOfCode(codes, *p) == plm_date::FIELD_NONE) {
                ++p;
                continue;
            }
            p += RunLength(p);
            if (first == '\0') {
                first = *p;
            } else if (second == '\0') {
                second = *p;
            }
            if (*p != '\0') ++p;
        }
    }
    if (sep1 != nullptr) *sep1 = first;
    if (sep2 != nullptr) *sep2 = second;
    return first != '\0' && second != '\0';
}

void ParseDateText(const char* text, const char* format, DateValue* out, int checkNames) {
    if (out == nullptr) return;
    out->nDay = kNotGiven;
    out->nMonth = kNotGiven;
    out->nYear = kNotGiven;
    out->bEmpty = 1;
    if (text == nullptr || *text == '\0') return;
    if (format == nullptr) format = "";

    char sep1;
    char sep2;
    GetDateSeparators(format, &sep1, &sep2);
    DateTokens tokens;
    Tokenise(text, sep1, sep2, &tokens);
    if (tokens.nCount == 0) return;

    char codes[kCodeSize];
    plm_date::LoadDateCodes(codes);
    for (const char* p = format; *p != '\0';) {
        DateField field = FieldOfCode(codes, *p);
        if (field == plm_date::FIELD_NONE) {
            ++p;
            continue;
        }
        int runLength = RunLength(p);
        p += runLength;
        if (field == plm_date::FIELD_DAY) ReadDay(&tokens, runLength, out);
        if (field == plm_date::FIELD_MONTH) ReadMonth(&tokens, runLength, checkNames, out);
        if (field == plm_date::FIELD_YEAR) ReadYear(&tokens, runLength, out);
    }
    out->bEmpty = out->nDay < 0 && out->nMonth < 0 && out->nYear < 0;
    ApplyDefaults(out);
}

int CheckYearDigits(const char* text, const char* format) {
    if (text == nullptr || format == nullptr) return 1;
    char codes[kCodeSize];
    plm_date::LoadDateCodes(codes);
    const char* t = text;
    const char* f = format;
    while (*t != '\0' && *f != '\0') {
        DateField field = FieldOfCode(codes, *f);
        if (field == plm_date::FIELD_NONE) {
            ++t;
            ++f;
        } else if (field != plm_date::FIELD_YEAR) {
            f += RunLength(f);
            while (IsLetterChar(*t) || IsDigitChar(*t) || *t == '_') ++t;
        } else {
            int width = RunLength(f);
            f += width;
            int digits = 0;
            for (int i = 0; i < width && *t != '\0'; ++i, ++t) digits += IsDigitChar(*t);
            // A year typed in part: some digits, but fewer than the field holds.
            if (digits > 0 && digits < width) return 0;
        }
    }
    return 1;
}
