// A live system "Edit" window for one test, and a MaskEditInfo that names it: what the engines'
// window adapters and typed routines work on, natively and under Wine.
#ifndef PLM_TEST_EDIT_WINDOW_H
#define PLM_TEST_EDIT_WINDOW_H

#include <plmedt60.h>
#include <stdio.h>

#include <string>

class EditWindow {
public:
    explicit EditWindow(DWORD style = ES_AUTOHSCROLL)
        : m_hWnd(CreateWindowExA(0, "Edit", "", WS_POPUP | style, 0, 0, 400, 24, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr)) {}
    ~EditWindow() {
        if (m_hWnd != nullptr) DestroyWindow(m_hWnd);
    }
    EditWindow(const EditWindow&) = delete;
    EditWindow& operator=(const EditWindow&) = delete;

    HWND Handle() const { return m_hWnd; }

    std::string Text() const {
        char text[PLM_TEXT_SIZE] = "";
        GetWindowTextA(m_hWnd, text, sizeof text);
        return text;
    }
    void SetText(const char* text) const { SetWindowTextA(m_hWnd, text); }

    // Text and selection (start..end) in one go.
    void Show(const char* text, int start, int end) const {
        SetWindowTextA(m_hWnd, text);
        SendMessageA(m_hWnd, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    }
    void Selection(int* start, int* end) const {
        DWORD from = 0, to = 0;
        SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
        *start = static_cast<int>(from);
        *end = static_cast<int>(to);
    }
    bool Modified() const { return SendMessageA(m_hWnd, EM_GETMODIFY, 0, 0) != 0; }

    // A record of the given type and format that names this window.
    MaskEditInfo Info(short dataType, const char* format, char separator = 0, char decimal = '.') const {
        MaskEditInfo info = {};
        info.hWnd = m_hWnd;
        info.nDataType = dataType;
        info.cSeparator = separator;
        info.cDecimal = decimal;
        snprintf(info.szFormat, sizeof info.szFormat, "%s", format != nullptr ? format : "");
        info.nFormatLen = static_cast<int>(std::string(info.szFormat).size());
        return info;
    }

private:
    HWND m_hWnd;
};

#endif  // PLM_TEST_EDIT_WINDOW_H
