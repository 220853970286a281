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

bool Same(const char* actual, const char* expected, const char* what) {
    if (strcmp(actual, expected) == 0) return true;
    printf("plmclient: %s gave \"%s\", expected \"%s\"\n", what, actual, expected);
    return false;
}

// Every exported format function, called through the installed package.
bool FormatFunctionsWork() {
    char out[256] = "";
    bool ok = true;

    GetDefaultFormat(out, 3, sizeof out);
    ok &= Same(out, "h:mm:ss AM/PM", "GetDefaultFormat");

    char copy[64] = "";
    ok &= IsValidMask("(###) ###-####", copy, 0, 0, nullptr) == TRUE;
    ok &= Same(copy, "(###) ###-####", "IsValidMask");

    HGLOBAL list = nullptr;
    ok &= GetDataFormat(7, &list) == TRUE;
    const DataFormatList* formats = static_cast<const DataFormatList*>(GlobalLock(list));
    ok &= formats != nullptr && Same(formats->apszFormat[2], "Yes/No", "GetDataFormat");
    GlobalUnlock(list);
    GlobalFree(list);

    MaskDataDesc desc = {};
    desc.nDataType = 1;
    desc.lpszFormat = "$#,##0.00;($#,##0.00)";
    desc.lpszCurrency = "$";
    FormatedDataToRawData(out, "($1,234.50)", &desc, sizeof out);
    ok &= Same(out, "-1234.5", "FormatedDataToRawData");
    RawDataToFormatedData(out, "1234.5", &desc, sizeof out);
    ok &= Same(out, "$1,234.50", "RawDataToFormatedData");

    desc.nDataType = 2;
    desc.lpszFormat = "mm/dd/yyyy";
    GetDefaultFormatText(out, "", &desc, sizeof out);
    ok &= Same(out, "__/__/____", "GetDefaultFormatText");
    ok &= MaskEditValidate("02/30/1999", "mm/dd/yyyy", 2) == FALSE;
    ok &= MaskEditValidate("02/28/1999", "mm/dd/yyyy", 2) == TRUE;

    FormatConvertDesc dates = {"mm/dd/yyyy", "yyyy-mm-dd", 0, 0, 0, 0};
    DateStrToDateStr(out, "03/15/1999", &dates);
    ok &= Same(out, "1999-03-15", "DateStrToDateStr");
    ArrangeDateFields(out, "03/15/1999", &dates);
    ok &= Same(out, "1999-03-15", "ArrangeDateFields");

    FormatConvertDesc times = {"hh:mm:ss", "h:mm AM/PM", 0, 0, 0, 0};
    TimeStrToTimeStr(out, "13:05:00", &times);
    ok &= Same(out, "1:05 PM", "TimeStrToTimeStr");
    return ok;
}

}  // namespace

int main() {
    if (!FormatFunctionsWork()) return Fail("an exported format function misbehaved");
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
    printf("plmclient: called every exported format function, created and destroyed a MaskedEdit control\n");
    return 0;
}
