// Live controls created by CreateMaskEdit inside a shown frame, with the object's state opened up
// and its events recorded. The owner destroys the windows before the objects.
#ifndef PLM_TEST_CONTROL_FIXTURE_H
#define PLM_TEST_CONTROL_FIXTURE_H

#include <gtest/gtest.h>
#include <plmedt60.h>

#include <algorithm>
#include <list>
#include <string>
#include <utility>
#include <vector>

#include "control/control_internal.h"
#include "support/hooks.h"

class ProbeMaskEdit : public plumeMaskEdit {
public:
    LRESULT MainMaskProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        messages.push_back(msg);
        if (msg == WM_NCCREATE) createParam = reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams;
        return plumeMaskEdit::MainMaskProc(hWnd, msg, wParam, lParam);
    }
    void FireEvent(WORD code, void* param) override {
        const bool keyEvent = code == EVENT_KEYDOWN || code == EVENT_KEYUP;
        events.emplace_back(code, keyEvent ? *static_cast<KeyEventParams*>(param)->lpKey : 0);
    }
    int GetMode() const override { return mode; }

    long Count(WORD code) const {
        return std::count_if(events.begin(), events.end(), [code](const auto& event) { return event.first == code; });
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
    std::vector<std::pair<WORD, LONG>> events;  // code; the key code of KeyDown and KeyUp
    const void* createParam = this;            // what the edit control saw at WM_NCCREATE
    int mode = 2;                               // 1: design mode
};

// The top-level window is shown once (under Wine that waits for the X server) and active, so
// that its children can take the focus; each test gets a fresh child `frame` of it.
class ControlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSA frameClass = {};
        frameClass.lpfnWndProc = DefWindowProcA;
        frameClass.hInstance = GetModuleHandleA(nullptr);
        frameClass.lpszClassName = "PlmTestFrame";
        RegisterClassA(&frameClass);
        topLevel = CreateWindowExA(0, "PlmTestFrame", "", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                                   frameClass.hInstance, nullptr);
        ShowWindow(topLevel, SW_SHOW);
    }
    static void TearDownTestSuite() { DestroyWindow(topLevel); }
    void SetUp() override {
        frame = CreateWindowExA(0, "PlmTestFrame", "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, topLevel, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, frame);
    }
    void TearDown() override { DestroyWindow(frame); }

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
        return control;
    }

    static inline HWND topLevel = nullptr;
    HWND frame = nullptr;
    std::list<ProbeMaskEdit> controls;
};

#endif  // PLM_TEST_CONTROL_FIXTURE_H
