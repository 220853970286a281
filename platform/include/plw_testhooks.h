// Test-only hooks of the Win32 stand-in. Real Win32 has none of these: tests that use them
// skip under Wine.
#ifndef PLW_TESTHOOKS_H
#define PLW_TESTHOOKS_H

#include <windows.h>
#include <plw_resource.h>

#ifdef __cplusplus
extern "C" {
#endif

// MessageBeep calls since the last reset.
PLW_API int PlwBeepCount(void);
PLW_API void PlwResetBeepCount(void);

// Everything passed to OutputDebugStringA since the last reset, concatenated.
PLW_API const char* PlwDebugOutput(void);
PLW_API void PlwResetDebugOutput(void);

// Serve `table` (ended by an entry with a null text) instead of the module's own strings;
// a null table restores the module's own.
PLW_API void PlwReplaceModuleStrings(HINSTANCE module, const PlwStringResource* table);

// Make the next `count` GlobalAlloc/LocalAlloc calls fail (out of memory).
PLW_API void PlwFailNextAllocations(int count);

// What DrawTextA was last asked to draw. The stand-in draws no glyphs: tests check the request.
#define PLW_DRAWTEXT_CAPACITY 256
typedef struct PlwDrawTextRecord {
    HDC hdc;                            // the context drawn into
    char text[PLW_DRAWTEXT_CAPACITY];   // the text, cut to the capacity, terminated
    int count;                          // the length asked for (after resolving -1)
    RECT rect;                          // the rectangle, in the context's logical coordinates
    UINT format;                        // DT_ flags
} PlwDrawTextRecord;

// DrawTextA calls since the last reset; the last request (all zero before the first).
PLW_API int PlwDrawTextCount(void);
PLW_API const PlwDrawTextRecord* PlwLastDrawText(void);
PLW_API void PlwResetDrawText(void);

#ifdef __cplusplus
}
#endif

#endif  // PLW_TESTHOOKS_H
