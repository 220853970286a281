// Message recording for the conformance tests: a window class whose procedure logs the
// messages that matter to the library, and named windows so that sequences compare against
// static tables whatever the handle values.
#ifndef PLW_TEST_MESSAGE_LOG_H
#define PLW_TEST_MESSAGE_LOG_H

#include <windows.h>

#include <string>
#include <vector>

// One logged message: the window by name, the message, and wParam where the table cares.
struct LoggedMessage {
    const char* window;  // a name given by NameWindow, or "?" for an unnamed window
    UINT message;
    WPARAM wParam;

    bool operator==(const LoggedMessage& other) const;
};

// Creation parameters that make the recorder's window refuse WM_NCCREATE or WM_CREATE.
extern int g_refuseNcCreate;
extern int g_refuseCreate;

// Registers the recording class "PlwRecorder" once; its windows log and call DefWindowProcA.
const char* RecorderClass();

// Messages logged since the last ClearLog, and the names of windows.
void ClearLog();
void NameWindow(HWND hwnd, const char* name);
std::vector<LoggedMessage> LoggedMessages();

// The creation parameter the recorder saw at WM_NCCREATE and WM_CREATE.
extern LPVOID g_ncCreateParam;
extern LPVOID g_createParam;

// Readable form of a sequence, for failure messages.
std::string Describe(const std::vector<LoggedMessage>& messages);

// A wParam in an expected sequence that matches any value.
constexpr WPARAM kAnyWParam = static_cast<WPARAM>(-1);

#endif  // PLW_TEST_MESSAGE_LOG_H
