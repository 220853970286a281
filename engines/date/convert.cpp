// The exported conversions of a shown date from one format to another.
#include "engines/date/date.h"

#include <string.h>

#include "engines/date/date_internal.h"
#include "module/module.h"

namespace {

using plm_date::TextWriter;

// The exported conversions take no output size: their output is a working text.
constexpr int kOutputSize = PLM_TEXT_SIZE;

void FormatBlankDate(char* out, const char* format) {
    DateValue blank = {0, 0, 0, 1};
    FormatDateText(out, format != nullptr ? format : "", &blank, kOutputSize);
}

// The separator written between the fields: the first of the grouping character, '/' and '-'
// that the format holds. A format with none of them keeps the character that stands behind its
// first field, so that the output shows the format's own literal there.
char PickSeparator(const char* format, char behindFirstField) {
    const char candidates[] = {g_cDefThousandSep, '/', '-'};
    for (char candidate : candidates) {
        if (candidate != '\0' && strchr(format, candidate) != nullptr) return candidate;
    }
    return behindFirstField;
}

// One field of a shown text: where it starts and how many characters it has, or absent.
struct FieldSpan {
    int nStart;
    int nWidth;
    bool bPresent;  // the format has a code for the field
};

FieldSpan DaySpan(const DateLayout& layout) {
    return {layout.nDayStart, layout.nDayEnd - layout.nDayStart, layout.nDayOrder != 0};
}
FieldSpan MonthSpan(const DateLayout& layout) {
    return {layout.nMonthStart, layout.nMonthEnd - layout.nMonthStart, layout.nMonthOrder != 0};
}
FieldSpan YearSpan(const DateLayout& layout) {
    return {layout.nYearStart, layout.nYearEnd - layout.nYearStart, layout.nYearOrder != 0};
}

// Writes at fixed positions of the output, never past its last character.
class FieldWriter {
public:
    FieldWriter(char* out, int length) : m_out(out), m_length(length) {}
    void PutAt(int pos, char c) {
        if (pos >= 0 && pos < m_length) m_out[pos] = c;
    }
    // Writes count characters of source at pos; returns the position behind them.
    int Copy(int pos, const char* source, int count) {
        for (int i = 0; i < count; ++i) PutAt(pos + i, source[i]);
        return pos + count;
    }
    int Length() const { return m_length; }

private:
    char* m_out;   // the output text
    int m_length;  // its final length: positions 0 .. m_length - 1 may be written
};

// A field ending inside the output is closed by the target's separator.
void CloseField(FieldWriter* writer, const FieldSpan& target, char separator) {
    int end = target.nStart + target.nWidth;
    if (end < writer->Length() && separator != '\0') writer->PutAt(end, separator);
}

void ArrangeDay(FieldWriter* writer, const char* in, const FieldSpan& from, const FieldSpan& to,
                char separator) {
    if (!to.bPresent) return;
    if (!from.bPresent) {
        writer->Copy(to.nStart, "01", 2);
    } else {
        int pos = to.nStart;
        const char* source = in + from.nStart;
        int count = from.nWidth;
        if (from.nWidth == 1 && to.nWidth == 2) writer->PutAt(pos++, '0');
        if (from.nWidth == 2 && to.nWidth == 1) {
            ++source;
            --count;
        }
        writer->Copy(pos, source, count);
    }
    CloseField(writer, to, separator);
}

void ArrangeMonth(FieldWriter* writer, const char* in, const FieldSpan& from, const FieldSpan& to,
                  int fromCodeLen, char separator) {
    if (!to.bPresent) return;
    const char* source = in + from.nStart;
    if (!from.bPresent) {
        writer->Copy(to.nStart, "01", 2);
    } else if (from.nWidth == to.nWidth) {
        writer->Copy(to.nStart, source, from.nWidth);
    } else if (from.nWidth < 3 || to.nWidth >= 3) {
        int pos = to.nStart;
        for (int zeros = to.nWidth - from.nWidth; zeros > 0; --zeros) writer->PutAt(pos++, '0');
        writer->Copy(pos, source, from.nWidth < to.nWidth ? from.nWidth : to.nWidth);
    } else {
        char number[PLM_INT_TEXT_SIZE];
        IntToPaddedText(number, MonthFromName(source, fromCodeLen == 3, 0), to.nWidth);
        writer->Copy(to.nStart, number, static_cast<int>(strlen(number)));
    }
    CloseField(writer, to, separator);
}

char BlankWildcard(char c) {
    return c == '*' || c == '%' ? '_' : c;
}

void ArrangeYear(FieldWriter* writer, const char* in, const FieldSpan& from, const FieldSpan& to,
                 char separator) {
    if (!to.bPresent) return;
    for (int i = 0; i < to.nWidth; ++i) writer->PutAt(to.nStart + i, '_');
    if (!from.bPresent) {
        writer->Copy(to.nStart, "1900", 4);
    } else {
        int skip = from.nWidth == 4 && to.nWidth == 2 ? 2 : 0;
        for (int i = skip; i < from.nWidth; ++i)
            writer->PutAt(to.nStart + i - skip, BlankWildcard(in[from.nStart + i]));
    }
    CloseField(writer, to, separator);
}

// The target format with its code letters as placeholders: what shows where no field is written.
int PrefillFromFormat(char* out, int outSize, const char* format) {
    char codes[plm_date::kCodeSize];
    plm_date::LoadDateCodes(codes);
    TextWriter writer(out, outSize);
    for (const char* p = format; *p != '\0'; ++p)
        writer.Put(plm_date::FieldOfCode(codes, *p) == plm_date::FIELD_NONE ? *p : '_');
    return writer.Length();
}

struct LocatedDate {
    MaskEditInfo info;  // scratch record: the format and the separator behind its first field
    DateLayout layout;
};

void LocateDate(LocatedDate* located, const char* format, const char* text) {
    memset(&located->info, 0, sizeof located->info);
    TextWriter copy(located->info.szFormat, PLM_FORMAT_SIZE);
    copy.Put(format);
    located->info.nFormatLen = copy.Length();
    located->info.nDataType = DT_DATE;
    ParseDateLayout(&located->layout, &located->info);
    LocateDateFields(&located->layout, &located->info, text);
}

void ArrangeDateText(char* out, int outSize, const char* in, FormatConvertDesc* desc) {
    const char* fromFormat = desc->lpszFromFormat;
    if (fromFormat == nullptr || *fromFormat == '\0') fromFormat = g_szDefDateFormat;
    const char* toFormat = desc->lpszToFormat != nullptr ? desc->lpszToFormat : "";

    LocatedDate from;
    LocateDate(&from, fromFormat, in);
    LocatedDate to;
    // The target's fields are found in its own format string: that is where they go.
    LocateDate(&to, toFormat, toFormat);

    desc->cFromSeparator = PickSeparator(fromFormat, from.info.cSeparator);
    desc->cToSeparator = PickSeparator(toFormat, to.info.cSeparator);

    int prefilled = PrefillFromFormat(out, outSize, toFormat);
    int length = to.layout.nLastPos < prefilled ? to.layout.nLastPos : prefilled;
    FieldWriter writer(out, length);
    char separator = desc->cToSeparator;
    ArrangeDay(&writer, in, DaySpan(from.layout), DaySpan(to.layout), separator);
    ArrangeMonth(&writer, in, MonthSpan(from.layout), MonthSpan(to.layout), from.layout.nMonthCodeLen,
                 separator);
    ArrangeYear(&writer, in, YearSpan(from.layout), YearSpan(to.layout), separator);
    out[length] = '\0';
}

}  // namespace

extern "C" PLM_API void WINAPI DateStrToDateStr(LPSTR out, LPCSTR in, const FormatConvertDesc* desc) {
    if (out == nullptr) return;
    if (desc == nullptr) {
        out[0] = '\0';
        return;
    }
    if (in == nullptr || *in == '\0' || desc->lpszFromFormat == nullptr) {
        FormatBlankDate(out, desc->lpszToFormat);
        return;
    }
    DateValue value;
    ParseDateText(in, desc->lpszFromFormat, &value, 1);
    FormatDateText(out, desc->lpszToFormat != nullptr ? desc->lpszToFormat : "", &value, kOutputSize);
}

extern "C" PLM_API void WINAPI ArrangeDateFields(LPSTR out, LPCSTR in, FormatConvertDesc* desc) {
    if (out == nullptr) return;
    if (desc == nullptr) {
        out[0] = '\0';
        return;
    }
    if (in == nullptr || *in == '\0') {
        FormatBlankDate(out, desc->lpszToFormat);
        return;
    }
    ArrangeDateText(out, kOutputSize, in, desc);
}
