// libFuzzer targets over the exported format functions: one program per function, chosen by
// PLM_FUZZ_TARGET. An input is: one byte of data type (or field type), a format of up to 63
// characters ended by a newline, and a text of up to 255 characters; every buffer handed out has
// exactly the documented size, so that AddressSanitizer catches any write past it.
#include <plmedt60.h>

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include "module/module.h"

namespace {

enum Target {
    kFormattedToRaw = 1,
    kRawToFormatted,
    kDefaultFormatText,
    kValidate,
    kIsValidMask,
    kDateToDate,
    kArrangeDate,
    kTimeToTime,
};

constexpr size_t kMaxFormat = PLM_FORMAT_SIZE - 1;
constexpr size_t kMaxText = PLM_TEXT_SIZE - 1;

struct FuzzInput {
    uint8_t selector = 0;
    char format[PLM_FORMAT_SIZE] = "";
    char text[PLM_TEXT_SIZE] = "";
    char secondFormat[PLM_FORMAT_SIZE] = "";
};

// Splits the input; returns false when it is too short to mean anything.
bool Split(const uint8_t* data, size_t size, FuzzInput* input) {
    if (size < 1) return false;
    input->selector = data[0];
    size_t i = 1, n = 0;
    while (i < size && data[i] != '\n' && n < kMaxFormat) input->format[n++] = static_cast<char>(data[i++]);
    input->format[n] = '\0';
    if (i < size && data[i] == '\n') ++i;
    n = 0;
    while (i < size && n < kMaxText) input->text[n++] = static_cast<char>(data[i++]);
    input->text[n] = '\0';
    // The conversions between two formats take the second from the tail of the text.
    const char* bar = strchr(input->text, '|');
    if (bar != nullptr) {
        size_t length = strlen(bar + 1);
        if (length > kMaxFormat) length = kMaxFormat;
        memcpy(input->secondFormat, bar + 1, length);
        input->secondFormat[length] = '\0';
    }
    return true;
}

MaskDataDesc Describe(const FuzzInput& input) {
    MaskDataDesc desc = {};
    desc.nDataType = static_cast<short>(input.selector % 12);
    desc.cSeparator = input.selector & 0x80 ? '.' : ',';
    desc.cDecimal = input.selector & 0x80 ? ',' : '.';
    desc.lpszFormat = input.format;
    desc.lpszCurrency = "$";
    return desc;
}

void Run(const FuzzInput& input) {
    MaskDataDesc desc = Describe(input);
    FormatConvertDesc conv = {input.format, input.secondFormat, '.', '.', ',', ','};
    char out[PLM_TEXT_SIZE];
    switch (PLM_FUZZ_TARGET) {
    case kFormattedToRaw: FormatedDataToRawData(out, input.text, &desc, sizeof out); break;
    case kRawToFormatted: RawDataToFormatedData(out, input.text, &desc, sizeof out); break;
    case kDefaultFormatText: GetDefaultFormatText(out, input.text, &desc, 1 + input.selector % sizeof out); break;
    case kValidate: MaskEditValidate(input.text, input.format, input.selector % 12); break;
    case kIsValidMask: {
        FormatInfo info;
        IsValidMask(input.format, out, input.selector % 12, 76 - (input.selector & 1), &info);
        break;
    }
    case kDateToDate: DateStrToDateStr(out, input.text, &conv); break;
    case kArrangeDate: ArrangeDateFields(out, input.text, &conv); break;
    case kTimeToTime: TimeStrToTimeStr(out, input.text, &conv); break;
    default: break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ModuleAttach(GetModuleHandleA(nullptr));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input;
    if (Split(data, size, &input)) Run(input);
    return 0;
}
