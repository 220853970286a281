// The recording window class of the conformance tests.
#include "message_log.h"

#include <stdio.h>
#include <string.h>

#include <map>

int g_refuseNcCreate = 0;
int g_refuseCreate = 0;
LPVOID g_ncCreateParam = nullptr;
LPVOID g_createParam = nullptr;

namespace {

std::vector<std::pair<HWND, LoggedMessage>> g_log;
std::map<HWND, const char*> g_names;

// Messages whose order the library relies on; the rest (activation, IME, painting) differ
// between Win32 versions and are not logged.
#define PLW_LOGGED(message) {message, #message}
const struct {
    UINT message;
    const char* name;
} kLogged[] = {
    PLW_LOGGED(WM_NCCREATE),      PLW_LOGGED(WM_NCCALCSIZE),        PLW_LOGGED(WM_CREATE),
    PLW_LOGGED(WM_SIZE),          PLW_LOGGED(WM_MOVE),              PLW_LOGGED(WM_SHOWWINDOW),
    PLW_LOGGED(WM_PARENTNOTIFY),  PLW_LOGGED(WM_DESTROY),           PLW_LOGGED(WM_NCDESTROY),
    PLW_LOGGED(WM_SETFOCUS),      PLW_LOGGED(WM_KILLFOCUS),         PLW_LOGGED(WM_WINDOWPOSCHANGING),
    PLW_LOGGED(WM_WINDOWPOSCHANGED), PLW_LOGGED(WM_STYLECHANGING),  PLW_LOGGED(WM_STYLECHANGED),
    PLW_LOGGED(WM_COMMAND),       PLW_LOGGED(WM_PAINT),
};
#undef PLW_LOGGED

// The message's name, or null for a message that is not logged.
const char* LoggedName(UINT message) {
    for (const auto& logged : kLogged)
        if (logged.message == message) return logged.name;
    return nullptr;
}

LRESULT CALLBACK RecorderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (LoggedName(message) != nullptr) g_log.push_back({hwnd, LoggedMessage{nullptr, message, wParam}});
    if (message == WM_NCCREATE) {
        g_ncCreateParam = reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams;
        if (g_ncCreateParam == &g_refuseNcCreate) return FALSE;
    }
    if (message == WM_CREATE) {
        g_createParam = reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams;
        if (g_createParam == &g_refuseCreate) return -1;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

bool LoggedMessage::operator==(const LoggedMessage& other) const {
    return strcmp(window, other.window) == 0 && message == other.message && wParam == other.wParam;
}

const char* RecorderClass() {
    static const ATOM kAtom = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = RecorderProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "PlwRecorder";
        wc.cbWndExtra = kRecorderExtraBytes;
        return RegisterClassA(&wc);
    }();
    return kAtom != 0 ? "PlwRecorder" : nullptr;
}

void ClearLog() { g_log.clear(); }

void ClearNames() { g_names.clear(); }

void NameWindow(HWND hwnd, const char* name) { g_names[hwnd] = name; }

Sequence LoggedMessages() {
    Sequence messages;
    for (auto& entry : g_log) {
        auto name = g_names.find(entry.first);
        messages.push_back({name != g_names.end() ? name->second : "?", entry.second.message, entry.second.wParam});
    }
    return messages;
}

std::string Describe(const Sequence& messages) {
    std::string text;
    for (const LoggedMessage& message : messages) {
        char line[96];
        snprintf(line, sizeof line, "  %s %s wParam=0x%llx\n", message.window, LoggedName(message.message),
                 static_cast<unsigned long long>(message.wParam));
        text += line;
    }
    return text;
}
