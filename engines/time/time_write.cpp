// Writing a time under a format, and the exported conversion between two time formats.
#include "engines/time/time.h"

#include <string.h>

#include "engines/date/date.h"
#include "engines/time/time_lexis.h"
#include "module/module.h"

namespace {

// Appends to a caller's buffer, cutting what does not fit; the text is always terminated.
class TextSink {
public:
    TextSink(char* out, int size) : m_out(out), m_last(size - 1) { m_out[0] = '\0'; }
    void Put(char c) {
        if (m_length < m_last) m_out[m_length++] = c;
        m_out[m_length] = '\0';
    }
    void Put(const char* begin, const char* end) {
        for (; begin != end; ++begin) Put(*begin);
    }
    void Put(const char* text) { Put(text, text + strlen(text)); }
    int Length() const { return m_length; }

private:
    char* m_out;
    int m_last;  // index of the terminator when the buffer is full
    int m_length = 0;
};

// An hour of a 12-hour field, noting which designator it needs; 1..12 keep theirs.
int ToTwelveHour(int hour, int* amPm) {
    if (hour == 0 || hour == 24) {
        *amPm = 1;
        return 12;
    }
    if (hour >= 13 && hour <= 23) {
        *amPm = 2;
        return hour - 12;
    }
    return hour;
}

// One hour, minute or second code at f; returns how many format characters it took.
int WriteCode(TextSink& sink, const char* f, char code, TimeValue* in) {
    int value = code == 'h' ? in->nHour : code == 'm' ? in->nMinute : in->nSecond;
    if (in->bEmpty || value < 0) {
        sink.Put('_');  // one blank per letter: "hh" shows "__"
        return 1;
    }
    bool doubled = f[1] == f[0];
    if (code == 'h' && FormatHasAmPm(f)) value = ToTwelveHour(value, &in->nAmPm);
    char digits[PLM_INT_TEXT_SIZE];
    IntToPaddedText(digits, value, 2, sizeof digits);
    sink.Put(!doubled && digits[0] == '0' ? digits + 1 : digits);
    return doubled ? 2 : 1;
}

int WriteDesignator(TextSink& sink, const char* f, const TimeValue* in) {
    DesignatorPair pair;
    int length = ReadDesignatorRun(f, &pair);
    if (in->nAmPm == 1) sink.Put(pair.szFirst);
    else if (in->nAmPm == 2) sink.Put(pair.szSecond);
    else sink.Put("__");
    return length;
}

const TimeValue kEmptyTime = {0, 0, 0, 1, 0};

}  // namespace

int FormatTimeText(char* out, const char* format, TimeValue* in, int outSize) {
    if (out == nullptr || outSize <= 0) return 0;
    TextSink sink(out, outSize);
    TimeValue empty = kEmptyTime;
    if (in == nullptr) in = &empty;
    const char* f = format != nullptr ? format : "";
    while (*f != '\0') {
        char code = TimeCodeOf(*f);
        if (*f == '"') {
            const char* end = FindQuoteEnd(f);
            sink.Put(f + 1, end);
            f = SkipQuotedText(f);
        } else if (*f == '\\') {
            if (f[1] != '\0') sink.Put(f[1]);
            f += f[1] != '\0' ? 2 : 1;
        } else if (code != 0) {
            f += WriteCode(sink, f, code, in);
        } else if (IsTimeLetter(*f)) {
            f += WriteDesignator(sink, f, in);
        } else {
            sink.Put(*f++);
        }
    }
    return sink.Length();
}

void GetDefaultTimeFormat(char* dst, int dstSize) {
    if (dst == nullptr || dstSize <= 0) return;
    TextSink sink(dst, dstSize);
    sink.Put(g_szDefTimeFormat);
}

// The exported form has no output size: it writes at most a working text (PLM_TEXT_SIZE bytes),
// which a target format of up to 63 characters never reaches.
extern "C" PLM_API void WINAPI TimeStrToTimeStr(LPSTR out, LPCSTR in, const FormatConvertDesc* desc) {
    if (out == nullptr) return;
    const char* toFormat = desc != nullptr ? desc->lpszToFormat : nullptr;
    TimeValue value = kEmptyTime;
    if (in != nullptr && in[0] != '\0' && desc != nullptr && desc->lpszFromFormat != nullptr) {
        ParseTimeText(in, desc->lpszFromFormat, &value, nullptr);
        if (IsValidTime(&value)) NormalizeTime(&value);
        else value = kEmptyTime;
    }
    FormatTimeText(out, toFormat, &value, PLM_TEXT_SIZE);
}
