// libFuzzer targets over the keystroke engines, through their window adapters on a live edit
// window of the Win32 stand-in: one program per engine, chosen by PLM_FUZZ_ENGINE. An input is a
// byte of settings, a format ended by a newline, a starting text ended by a newline, two bytes of
// selection and then the keys (8 Backspace, 1 Delete, anything else typed).
#include <plmedt60.h>

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "engines/boolean/boolean.h"
#include "engines/date/date.h"
#include "engines/numeric/numeric.h"
#include "engines/text/text_mask.h"
#include "engines/time/time.h"
#include "module/module.h"

namespace {

enum Engine { kText = 1, kNumeric, kDate, kTime, kBoolean };
constexpr size_t kMaxKeys = 64;

HWND g_edit = nullptr;

// Copies bytes up to a newline (at most size - 1 of them) and returns where reading goes on.
size_t TakeLine(const uint8_t* data, size_t size, size_t at, char* out, size_t outSize) {
    size_t n = 0;
    while (at < size && data[at] != '\n' && n + 1 < outSize) out[n++] = static_cast<char>(data[at++]);
    out[n] = '\0';
    while (at < size && data[at] != '\n') ++at;
    return at < size ? at + 1 : at;
}

short DataTypeOf(uint8_t settings) {
    static const short kNumericTypes[] = {DT_CURRENCY, DT_WHOLE8, DT_WHOLE16, DT_WHOLE32, DT_SINGLE, DT_DOUBLE};
    switch (PLM_FUZZ_ENGINE) {
    case kText: return DT_TEXT;
    case kNumeric: return kNumericTypes[settings % 6];
    case kDate: return DT_DATE;
    case kTime: return DT_TIME;
    default: return DT_BOOLEAN;
    }
}

void ApplyKey(MaskEditInfo* info, char key, uint8_t settings) {
    const char keyText[2] = {key, '\0'};
    switch (PLM_FUZZ_ENGINE) {
    case kText: TextMaskKey(info, key, (settings & 0x40) ? FALSE : TRUE); break;
    case kNumeric: NumericKey(info, keyText); break;
    case kDate: DateKey(info, key); break;
    case kTime: TimeKey(info, key); break;
    default: BooleanKey(info, keyText); break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ModuleAttach(GetModuleHandleA(nullptr));
    g_edit = CreateWindowExA(0, "Edit", "", WS_POPUP | ES_AUTOHSCROLL, 0, 0, 400, 24, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    atexit([] { DestroyWindow(g_edit); });  // the window lives for the whole run, and no longer
    return g_edit != nullptr ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const uint8_t settings = data[0];
    MaskEditInfo info = {};
    info.hWnd = g_edit;
    info.nDataType = DataTypeOf(settings);
    info.cSeparator = (settings & 0x80) ? '.' : ',';
    info.cDecimal = (settings & 0x80) ? ',' : '.';
    info.nMaxTextLen = settings & 0x3f;
    info.nEntryPos = static_cast<short>(settings & 0x03);
    snprintf(info.szCurrency, sizeof info.szCurrency, "$");
    size_t at = TakeLine(data, size, 1, info.szFormat, sizeof info.szFormat);
    info.nFormatLen = static_cast<int>(strlen(info.szFormat));

    char text[PLM_TEXT_SIZE];
    at = TakeLine(data, size, at, text, sizeof text);
    SetWindowTextA(g_edit, text);
    const int start = at < size ? data[at++] : 0;
    const int end = at < size ? data[at++] : 0;
    SendMessageA(g_edit, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));

    for (size_t k = 0; at < size && k < kMaxKeys; ++k) ApplyKey(&info, static_cast<char>(data[at++]), settings);
    return 0;
}
