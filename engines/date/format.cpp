// Writing a date under a format.
#include "engines/date/date.h"

#include "engines/date/date_internal.h"
#include "module/module.h"

namespace {

using plm_date::kCodeSize;
using plm_date::kNameSize;
using plm_date::TextWriter;

// Month and weekday names are read from the string table as they are written, so that a
// replaced table shows at once.
void PutName(TextWriter* writer, UINT id) {
    char name[kNameSize];
    LoadModuleString(id, name, kNameSize);
    writer->Put(name);
}

void PutNumber(TextWriter* writer, int value, int width) {
    char digits[PLM_INT_TEXT_SIZE];
    IntToPaddedText(digits, value, width, PLM_INT_TEXT_SIZE);
    writer->Put(digits);
}

// Two places for the numeric runs that are neither one letter nor a name (2, and 5 or more).
int DigitWidth(int runLength) {
    return runLength == 1 ? 0 : 2;
}

void PutDay(TextWriter* writer, int runLength, const DateValue* in) {
    if (in->bEmpty || in->nDay < 0) {
        writer->PutRepeated('_', runLength == 1 || runLength == 3 || runLength == 4 ? runLength : 2);
    } else if (runLength == 3) {
        PutName(writer, plm_date::IDS_DAY_ABBR_BASE + DayOfWeek(in));
    } else if (runLength == 4) {
        PutName(writer, plm_date::IDS_DAY_NAME_FIRST + DayOfWeek(in));
    } else {
        PutNumber(writer, in->nDay, DigitWidth(runLength));
    }
}

void PutMonth(TextWriter* writer, int runLength, const DateValue* in) {
    bool isName = runLength == 3 || runLength == 4;
    bool isBlank = in->bEmpty || in->nMonth < 0 || (isName && (in->nMonth < 1 || in->nMonth > 12));
    if (isBlank) {
        // Both name runs show three places: the name's width is not known until it is typed.
        writer->PutRepeated('_', runLength == 1 ? 1 : isName ? 3 : 2);
    } else if (runLength == 3) {
        PutName(writer, plm_date::IDS_MONTH_ABBR_NAME_BASE + in->nMonth);
    } else if (runLength == 4) {
        PutName(writer, plm_date::IDS_MONTH_NAME_BASE + in->nMonth);
    } else {
        PutNumber(writer, in->nMonth, DigitWidth(runLength));
    }
}

void PutYear(TextWriter* writer, int runLength, const DateValue* in) {
    bool isLong = runLength == 4;
    if (in->bEmpty || in->nYear < 0) {
        writer->PutRepeated('_', isLong ? 4 : 2);
    } else {
        PutNumber(writer, isLong ? in->nYear : in->nYear % 100, isLong ? 4 : 2);
    }
}

}  // namespace

int FormatDateText(char* out, const char* format, const DateValue* in, int outSize) {
    TextWriter writer(out, outSize);
    if (format == nullptr || in == nullptr) return 0;
    char codes[kCodeSize];
    plm_date::LoadDateCodes(codes);
    for (const char* p = format; *p != '\0';) {
        plm_date::DateField field = plm_date::FieldOfCode(codes, *p);
        if (field == plm_date::FIELD_NONE) {
            writer.Put(*p++);
            continue;
        }
        int runLength = plm_date::RunLength(p);
        p += runLength;
        if (field == plm_date::FIELD_DAY) PutDay(&writer, runLength, in);
        if (field == plm_date::FIELD_MONTH) PutMonth(&writer, runLength, in);
        if (field == plm_date::FIELD_YEAR) PutYear(&writer, runLength, in);
    }
    return writer.Length();
}

void GetDefaultDateFormat(char* dst, int dstSize) {
    TextWriter writer(dst, dstSize);
    writer.Put(g_szDefDateFormat);
}
