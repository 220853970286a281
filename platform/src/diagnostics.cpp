// Diagnostics: the last-error value, debugger output and beeps, with the counters that tests
// read through plw_testhooks.h.
#include <windows.h>

#include <string.h>

#include <plw_testhooks.h>

namespace {

DWORD g_lastError = 0;
int g_beepCount = 0;

// Captured debugger output; text past the capacity is dropped (tests write little).
constexpr size_t kDebugCapacity = 64 * 1024;
char g_debugOutput[kDebugCapacity] = "";
size_t g_debugLength = 0;

}  // namespace

extern "C" {

PLW_API DWORD WINAPI GetLastError(void) { return g_lastError; }

PLW_API void WINAPI SetLastError(DWORD dwErrCode) { g_lastError = dwErrCode; }

PLW_API void WINAPI OutputDebugStringA(LPCSTR lpOutputString) {
    if (lpOutputString == nullptr) return;
    size_t length = strlen(lpOutputString);
    size_t room = kDebugCapacity - 1 - g_debugLength;
    if (length > room) length = room;
    memcpy(g_debugOutput + g_debugLength, lpOutputString, length);
    g_debugLength += length;
    g_debugOutput[g_debugLength] = '\0';
}

PLW_API BOOL WINAPI MessageBeep(UINT) {
    ++g_beepCount;
    return TRUE;
}

PLW_API int PlwBeepCount(void) { return g_beepCount; }

PLW_API void PlwResetBeepCount(void) { g_beepCount = 0; }

PLW_API const char* PlwDebugOutput(void) { return g_debugOutput; }

PLW_API void PlwResetDebugOutput(void) {
    g_debugLength = 0;
    g_debugOutput[0] = '\0';
}

}  // extern "C"
