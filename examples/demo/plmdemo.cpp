// plmdemo: creates a masked edit control in a small window, shows that the window is driven by
// its plumeMaskEdit object, and prints the international defaults the library started with.
#include <windows.h>
#include <plmedt60.h>

#include <stdio.h>

namespace {

// A control that counts the messages its window procedure receives, to show the link between
// the window and the object.
class TracedMaskEdit : public plumeMaskEdit {
public:
    LRESULT MainMaskProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        ++m_messages;
        return plumeMaskEdit::MainMaskProc(hWnd, msg, wParam, lParam);
    }
    int Messages() const { return m_messages; }
    const MaskEditInfo& Info() const { return m_info; }

private:
    int m_messages = 0;
};

// Strings of the library's own string table, read as any client could.
void PrintLibraryString(HMODULE library, const char* label, UINT id) {
    char text[64] = "";
    LoadStringA(library, id, text, sizeof text);
    printf("  %-28s \"%s\"\n", label, text);
}

void PrintIntlDefaults() {
    HMODULE library = GetModuleHandleA("PLMEDT60");
    printf("International defaults (string table of PLMEDT60):\n");
    PrintLibraryString(library, "thousands separator", 2005);
    PrintLibraryString(library, "decimal separator", 2006);
    PrintLibraryString(library, "date separator", 2025);
    PrintLibraryString(library, "time separator", 2019);
    PrintLibraryString(library, "currency symbol", 2004);
    PrintLibraryString(library, "negative sign", 2032);
    PrintLibraryString(library, "default date format", 2016);
    PrintLibraryString(library, "default time format", 2039);
    PrintLibraryString(library, "default currency format", 2040);
    PrintLibraryString(library, "default whole-number format", 2041);
    PrintLibraryString(library, "default decimal format", 2042);
}

// Types `keys` into the control as the keyboard would (WM_CHAR), then shows the shown and raw text.
void TypeInto(plumeMaskEdit& control, short dataType, const char* format, const char* keys) {
    control.SetProperty(PROP_DATATYPE, dataType);
    control.SetProperty(PROP_DATAFORMAT, reinterpret_cast<LONG_PTR>(format));
    control.SetProperty(PROP_TEXT, reinterpret_cast<LONG_PTR>(""));
    HWND edit = control.getHwnd();
    SetFocus(edit);  // an empty control shows its empty-field text while it has the focus
    char shown[64] = "";
    GetWindowTextA(edit, shown, sizeof shown);
    printf("  %-22s empty \"%s\"", format, shown);
    for (const char* key = keys; *key != '\0'; ++key) SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(*key), 0);
    GetWindowTextA(edit, shown, sizeof shown);
    char raw[64] = "";
    control.GetProperty(PROP_RAWTEXT, reinterpret_cast<LONG*>(raw), sizeof raw - 1);
    printf(", typed \"%s\" -> \"%s\", RawText \"%s\"\n", keys, shown, raw);
}

HWND CreateFrame() {
    WNDCLASSA frameClass = {};
    frameClass.lpfnWndProc = DefWindowProcA;
    frameClass.hInstance = GetModuleHandleA(nullptr);
    frameClass.lpszClassName = "PlmDemoFrame";
    RegisterClassA(&frameClass);
    return CreateWindowExA(0, "PlmDemoFrame", "PLMEDT60 demo", WS_OVERLAPPEDWINDOW, 0, 0, 320, 120, nullptr,
                           nullptr, frameClass.hInstance, nullptr);
}

}  // namespace

int main() {
    PrintIntlDefaults();

    HWND frame = CreateFrame();
    TracedMaskEdit control;
    printf("\nA new control before any window: separator '%c', decimal '%c'\n", control.Info().cSeparator,
           control.Info().cDecimal);

    RECT area = {10, 10, 210, 34};
    HWND edit = control.CreateMaskEdit("", WS_VISIBLE, 0, frame, nullptr, 100, &area);
    if (edit == nullptr) {
        printf("CreateMaskEdit failed: is the \"MaskedEdit\" class registered?\n");
        return 1;
    }
    char className[32] = "";
    GetClassNameA(edit, className, sizeof className);
    printf("Created a \"%s\" window; its object handled %d messages during creation\n", className,
           control.Messages());
    printf("After WM_CREATE: currency \"%s\", window record %s\n", control.Info().szCurrency,
           control.Info().hWnd == edit ? "set" : "NOT set");

    int before = control.Messages();
    SetWindowTextA(edit, "hello");
    char text[32] = "";
    GetWindowTextA(edit, text, sizeof text);
    printf("Window text \"%s\" went through the object (%d more messages)\n", text, control.Messages() - before);

    printf("\nTyping into the control, one WM_CHAR per key:\n");
    ShowWindow(frame, SW_SHOW);
    TypeInto(control, 0, "(###) ###-####", "5551234567");
    TypeInto(control, 1, "$#,##0.00;($#,##0.00)", "1234.5");
    TypeInto(control, 2, "mm/dd/yyyy", "03151999");
    TypeInto(control, 3, "hh:mm:ss", "130509");
    TypeInto(control, 7, "Yes/No", "y");

    DestroyWindow(frame);  // destroys the control's window with it
    printf("After the frame is destroyed the object has no window: getHwnd() = %p\n",
           static_cast<void*>(control.getHwnd()));
    return 0;
}
