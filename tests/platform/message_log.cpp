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
bool IsLogged(UINT message) {
    switch (message) {
    case WM_NCCREATE:
    case WM_NCCALCSIZE:
    case WM_CREATE:
    case WM_SIZE:
    case WM_MOVE:
    case WM_SHOWWINDOW:
    case WM_PARENTNOTIFY:
    case WM_DESTROY:
    case WM_NCDESTROY:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED:
    case WM_STYLECHANGING:
    case WM_STYLECHANGED:
    case WM_COMMAND:
    case WM_PAINT: return true;
    default: return false;
    }
}

LRESULT CALLBACK RecorderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsLogged(message)) g_log.push_back({hwnd, LoggedMessage{nullptr, message, wParam}});
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

const char* NameOf(HWND hwnd) {
    auto found = g_names.find(hwnd);
    return found != g_names.end() ? found->second : "?";
}

const char* MessageName(UINT message) {
    switch (message) {
    case WM_NCCREATE: return "WM_NCCREATE";
    case WM_NCCALCSIZE: return "WM_NCCALCSIZE";
    case WM_CREATE: return "WM_CREATE";
    case WM_SIZE: return "WM_SIZE";
    case WM_MOVE: return "WM_MOVE";
    case WM_SHOWWINDOW: return "WM_SHOWWINDOW";
    case WM_PARENTNOTIFY: return "WM_PARENTNOTIFY";
    case WM_DESTROY: return "WM_DESTROY";
    case WM_NCDESTROY: return "WM_NCDESTROY";
    case WM_SETFOCUS: return "WM_SETFOCUS";
    case WM_KILLFOCUS: return "WM_KILLFOCUS";
    case WM_WINDOWPOSCHANGING: return "WM_WINDOWPOSCHANGING";
    case WM_WINDOWPOSCHANGED: return "WM_WINDOWPOSCHANGED";
    case WM_STYLECHANGING: return "WM_STYLECHANGING";
    case WM_STYLECHANGED: return "WM_STYLECHANGED";
    case WM_COMMAND: return "WM_COMMAND";
    case WM_PAINT: return "WM_PAINT";
    default: return "message";
    }
}

}  // namespace

bool LoggedMessage::operator==(const LoggedMessage& other) const {
    return strcmp(window, other.window) == 0 && message == other.message &&
           (wParam == other.wParam || wParam == kAnyWParam || other.wParam == kAnyWParam);
}

const char* RecorderClass() {
    static const char kName[] = "PlwRecorder";
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = RecorderProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kName;
        wc.cbWndExtra = 12;
        registered = RegisterClassA(&wc) != 0;
    }
    return kName;
}

void ClearLog() {
    g_log.clear();
    g_names.clear();
}

void NameWindow(HWND hwnd, const char* name) { g_names[hwnd] = name; }

std::vector<LoggedMessage> LoggedMessages() {
    std::vector<LoggedMessage> messages;
    for (auto& entry : g_log) {
        LoggedMessage message = entry.second;
        message.window = NameOf(entry.first);
        messages.push_back(message);
    }
    return messages;
}

std::string Describe(const std::vector<LoggedMessage>& messages) {
    std::string text;
    for (const LoggedMessage& message : messages) {
        char line[96];
        snprintf(line, sizeof line, "  %s %s wParam=0x%llx\n", message.window, MessageName(message.message),
                 static_cast<unsigned long long>(message.wParam));
        text += line;
    }
    return text;
}
