// A minimal client: creates a masked edit control inside a frame window, checks that the
// window belongs to the library's "MaskedEdit" class and that its object tracks it.
#include <windows.h>
#include <plmedt60.h>

#include <stdio.h>
#include <string.h>

namespace {

class ClientMaskEdit : public plumeMaskEdit {};

int Fail(const char* what) {
    printf("plmclient: %s\n", what);
    return 1;
}

}  // namespace

int main() {
    WNDCLASSA frameClass = {};
    frameClass.lpfnWndProc = DefWindowProcA;
    frameClass.hInstance = GetModuleHandleA(nullptr);
    frameClass.lpszClassName = "PlmClientFrame";
    if (!RegisterClassA(&frameClass)) return Fail("cannot register the frame class");
    HWND frame = CreateWindowExA(0, "PlmClientFrame", "client", WS_OVERLAPPEDWINDOW, 0, 0, 200, 80, nullptr,
                                 nullptr, frameClass.hInstance, nullptr);
    if (frame == nullptr) return Fail("cannot create the frame");

    ClientMaskEdit control;
    HWND edit = control.CreateMaskEdit("", 0, 0, frame, nullptr, 1, 5, 5, 150, 22);
    if (edit == nullptr || edit != control.getHwnd()) return Fail("CreateMaskEdit failed");

    char className[32] = "";
    GetClassNameA(edit, className, sizeof className);
    if (strcmp(className, "MaskedEdit") != 0) return Fail("the window is not a MaskedEdit");

    DestroyWindow(frame);
    if (control.getHwnd() != nullptr) return Fail("the object still names a destroyed window");
    printf("plmclient: created and destroyed a MaskedEdit control through the installed package\n");
    return 0;
}
