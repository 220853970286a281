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
using Sequence = std::vector<LoggedMessage>;

// Creation parameters that make the recorder's window refuse WM_NCCREATE or WM_CREATE.
extern int g_refuseNcCreate;
extern int g_refuseCreate;
// The creation parameter the recorder saw at WM_NCCREATE and WM_CREATE.
extern LPVOID g_ncCreateParam;
extern LPVOID g_createParam;

// Registers the recording class "PlwRecorder" once (12 extra bytes); its windows log and call
// DefWindowProcA.
const char* RecorderClass();
constexpr int kRecorderExtraBytes = 12;

// ClearLog drops the messages logged so far; ClearNames forgets every window's name.
void ClearLog();
void ClearNames();
void NameWindow(HWND hwnd, const char* name);
Sequence LoggedMessages();

// Readable form of a sequence, for failure messages.
std::string Describe(const Sequence& messages);

#endif  // PLW_TEST_MESSAGE_LOG_H
