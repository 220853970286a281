// Live controls created by CreateMaskEdit inside a shown frame, with the object's state opened up
// and its events recorded. The owner destroys the windows before the objects.
#ifndef PLM_TEST_CONTROL_FIXTURE_H
#define PLM_TEST_CONTROL_FIXTURE_H

#include <gtest/gtest.h>
#include <plmedt60.h>
#include <string.h>

#include <list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "control/control_internal.h"
#include "support/hooks.h"

// Recorded in place of an event: the WM_COMMAND the parent received; its value is the lParam.
constexpr WORD kParentNotice = 0;

class ProbeMaskEdit : public plumeMaskEdit {
public:
    LRESULT MainMaskProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        messages.push_back(msg);
        if (msg == WM_NCCREATE) createParam = reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams;
        return plumeMaskEdit::MainMaskProc(hWnd, msg, wParam, lParam);
    }
    void FireEvent(WORD code, void* param) override {
        LONG key = 0, shift = 0;
        if (code == EVENT_KEYDOWN || code == EVENT_KEYUP) {
            key = *static_cast<KeyEventParams*>(param)->lpKey;
            shift = *static_cast<KeyEventParams*>(param)->lpShift;
        } else if (code == EVENT_KEYPRESS) {
            key = *static_cast<KeyPressParams*>(param)->lpKey;
        }
        events.emplace_back(code, key, shift);
    }
    int GetMode() const override { return mode; }

    // The events as letters: N parent notice, C Change, I InvalidData, P KeyPress, D KeyDown and
    // U KeyUp followed by the shift state; "?" for a notice whose lParam is not the window's low
    // word and 0x0400.
    std::string Trace() const {
        const LONG notice = static_cast<LONG>(MAKELPARAM(LOWORD(reinterpret_cast<UINT_PTR>(m_hWnd)), 0x0400));
        std::string trace;
        for (const auto& [code, value, shift] : events) {
            trace += code == kParentNotice ? (value == notice ? 'N' : '?') : "?????DPU????IC"[code < 14 ? code : 0];
            if (code == EVENT_KEYDOWN || code == EVENT_KEYUP) trace += std::to_string(shift);
        }
        return trace;
    }
    std::string Text() const {
        char text[PLM_TEXT_SIZE] = "";
        GetWindowTextA(m_hWnd, text, sizeof text);
        return text;
    }
    LONG Set(UINT id, const char* text) { return SetProperty(id, reinterpret_cast<LONG_PTR>(text)); }
    LONG Get(UINT id) {
        LONG value = 0;
        GetProperty(id, &value, 0);
        return value;
    }
    MaskEditInfo& info() { return m_info; }
    BOOL& notify() { return m_bNotify; }

    std::vector<UINT> messages;
    std::vector<std::tuple<WORD, LONG, LONG>> events;  // code; key code and shift state of key events
    const void* createParam = this;            // what the edit control saw at WM_NCCREATE
    int mode = 2;                               // 1: design mode
};

// The top-level window is shown once (under Wine that waits for the X server) and active, so
// that its children can take the focus; each test gets a fresh child `frame` of it.
class ControlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSA frameClass = {};
        frameClass.lpfnWndProc = FrameProc;
        frameClass.hInstance = GetModuleHandleA(nullptr);
        frameClass.lpszClassName = "PlmTestFrame";
        RegisterClassA(&frameClass);
        topLevel = CreateWindowExA(0, "PlmTestFrame", "", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                                   frameClass.hInstance, nullptr);
        ShowWindow(topLevel, SW_SHOW);
    }
    static void TearDownTestSuite() { DestroyWindow(topLevel); }
    // The control's notice (wParam its id 7) joins the events of the last live control; the edit
    // control's own notifications carry a code in the high word of wParam and are left out.
    static LRESULT CALLBACK FrameProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_COMMAND && wParam == 7 && noticeSink != nullptr)
            noticeSink->emplace_back(kParentNotice, static_cast<LONG>(lParam), 0);
        return DefWindowProcA(window, msg, wParam, lParam);
    }
    void SetUp() override {
        frame = CreateWindowExA(0, "PlmTestFrame", "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, topLevel, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, frame);
    }
    void TearDown() override {
        DestroyWindow(frame);
        noticeSink = nullptr;
    }

    ProbeMaskEdit& NewControl() { return controls.emplace_back(); }
    HWND Create(ProbeMaskEdit& control, DWORD style = WS_VISIBLE) {
        return control.CreateMaskEdit("", style, 0, frame, nullptr, 7, 10, 10, 100, 20);
    }
    // A live control of the type and format, its creation events forgotten.
    ProbeMaskEdit& Live(short type, const char* format) {
        ProbeMaskEdit& control = NewControl();
        control.info().nDataType = type;
        EXPECT_NE(nullptr, Create(control));
        control.Set(PROP_DATAFORMAT, format);
        control.events.clear();
        noticeSink = &control.events;
        return control;
    }

    static inline HWND topLevel = nullptr;
    static inline std::vector<std::tuple<WORD, LONG, LONG>>* noticeSink = nullptr;
    HWND frame = nullptr;
    std::list<ProbeMaskEdit> controls;
};

// Replaces the clipboard's content by CF_TEXT and CF_DSPTEXT texts (a null one is left out).
inline void PutOnClipboard(const char* text, const char* raw) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    for (const auto& [format, data] : {std::make_pair(UINT(CF_TEXT), text), std::make_pair(UINT(CF_DSPTEXT), raw)}) {
        if (data == nullptr) continue;
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, strlen(data) + 1);
        strcpy(static_cast<char*>(GlobalLock(block)), data);
        GlobalUnlock(block);
        SetClipboardData(format, block);
    }
    CloseClipboard();
}

// The clipboard's text in a format; "-" when it holds none.
inline std::string OnClipboard(UINT format) {
    if (!OpenClipboard(nullptr)) return "(clipboard held)";
    HANDLE data = GetClipboardData(format);
    const std::string text = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : "-";
    if (data != nullptr) GlobalUnlock(data);
    CloseClipboard();
    return text;
}

#endif  // PLM_TEST_CONTROL_FIXTURE_H
