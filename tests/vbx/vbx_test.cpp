// The custom-control adapter inside the host stand-in: the tables it registers, the requests of
// the container, Alignment and recreation, the design-time painting and the DataFormat list.
#include <gtest/gtest.h>
#include <plmedt60.h>

#include <string.h>

#include <algorithm>
#include <string>

#include "host/plvw60.h"
#include "module/module.h"
#include "support/hooks.h"
#include "vbx/vbx.h"

namespace {

std::string PropertyName(int index) {
    LONG_PTR entry = g_aMaskEditProperties[index];
    return entry < 0 ? std::to_string(entry) : reinterpret_cast<const PROPINFO*>(entry)->lpszName;
}

std::string EnumNames(const PROPINFO* info) {
    std::string names;
    for (LPCSTR name = info->lpszEnumList; name != nullptr && *name != '\0'; name += strlen(name) + 1)
        names += std::string(name) + "|";
    return names;
}

TEST(VbxTables, ListsEndAfterTheirEntriesAndTextIsTheValueProperty) {
    EXPECT_NE(0, g_aMaskEditProperties[VBX_PROPERTY_COUNT - 1]);
    EXPECT_EQ(0, g_aMaskEditProperties[VBX_PROPERTY_COUNT]);
    EXPECT_NE(0, g_aMaskEditEvents[VBX_EVENT_COUNT - 1]);
    EXPECT_EQ(0, g_aMaskEditEvents[VBX_EVENT_COUNT]);
    EXPECT_EQ(PROP_TEXT, g_MaskEditModel.bValueProperty);
    EXPECT_EQ(-28, g_aMaskEditProperties[PROP_TEXT]);
}

// The position of a record is the property number the control object answers to.
TEST(VbxTables, RecordsSitAtTheirPropertyNumbers) {
    struct Row {
        UINT index;
        const char* name;
        DWORD flags;
        BYTE offset;
        const char* enumNames;
    } rows[] = {
        {PROP_BORDERSTYLE, "BorderStyle", 0x00214406, 0, "None|Fixed Single|3D Inset|3D Raised|"},
        {PROP_DISABLEMASK, "DisableMask", 0x00004C04, 0, ""},
        {PROP_DATAFORMAT, "DataFormat", 0x0011D401, 0, ""},
        {PROP_DATATYPE, "DataType", 0x00215406, 0,
         "Text|Currency|Date|Time|Whole Number (+-127)|Whole Number (+-32,767)|Whole Number (+-2,147,483,647)|"
         "True/False|Decimal (3.4E+-38, 7 digits)|Decimal (1.7E+-308, 15 digits)|"},
        {PROP_RAWTEXT, "RawText", 0x0000CC01, 16, ""},
        {PROP_MAXTEXTLEN, "MaxTextLen", 0x00014C03, 28, ""},
        {PROP_READONLY, "ReadOnly", 0x00014C04, 0, ""},
        {PROP_ALIGNMENT, "Alignment", 0x00214406, 0, "Left|Center|Right|"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(row.name, PropertyName(row.index));
        const PROPINFO* info = reinterpret_cast<const PROPINFO*>(g_aMaskEditProperties[row.index]);
        EXPECT_EQ(row.flags, info->dwFlags);
        EXPECT_EQ(row.offset, info->bDataOffset);
        const std::string names = EnumNames(info);
        EXPECT_EQ(row.enumNames, names);
        EXPECT_EQ(std::count(names.begin(), names.end(), '|'), info->bEnumCount);
    }
    // Standard properties the painting reads.
    EXPECT_EQ(-4, g_aMaskEditProperties[VBX_PROP_BACKCOLOR]);
    EXPECT_EQ(-5, g_aMaskEditProperties[VBX_PROP_FORECOLOR]);
}

TEST(VbxTables, EventRecordsSitAtTheCodesTheControlFires) {
    const EVENTINFO* invalid = reinterpret_cast<const EVENTINFO*>(g_aMaskEditEvents[EVENT_INVALIDDATA]);
    const EVENTINFO* change = reinterpret_cast<const EVENTINFO*>(g_aMaskEditEvents[EVENT_CHANGE]);
    EXPECT_STREQ("InvalidData", invalid->lpszName);
    EXPECT_STREQ("Change", change->lpszName);
    EXPECT_EQ(-6, g_aMaskEditEvents[EVENT_KEYDOWN]);
    EXPECT_EQ(-7, g_aMaskEditEvents[EVENT_KEYPRESS]);
    EXPECT_EQ(-8, g_aMaskEditEvents[EVENT_KEYUP]);
}

#if defined(_WIN32)
// The module's toolbox bitmaps: six 28 x 28 16-colour device-independent bitmaps.
TEST(VbxTables, ToolboxBitmapsAreSmallSixteenColourDibs) {
    for (UINT id = VBX_TOOLBOX_BITMAP_FIRST; id <= VBX_TOOLBOX_BITMAP_LAST; ++id) {
        HRSRC found = FindResourceA(g_hInstance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));  // RT_BITMAP
        ASSERT_NE(nullptr, found) << id;
        const BITMAPINFOHEADER* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(g_hInstance, found)));
        EXPECT_EQ(28, header->biWidth);
        EXPECT_EQ(28, header->biHeight);
        EXPECT_EQ(4, header->biBitCount);
    }
}
#endif

TEST(VbxRegistration, RegistersTheModelAndReturnsTheHostsResult) {
    PlvResetRecord();
    EXPECT_NE(FALSE, VBINITCC(0, FALSE));
    EXPECT_EQ(&g_MaskEditModel, PlvRecorded()->lpLastModel);
    EXPECT_EQ(g_hInstance, PlvRecorded()->hLastInstance);

    PlvFailNextRegistration();
#if PLM_HAVE_STANDIN_HOOKS
    PlwResetDebugOutput();
#endif
    EXPECT_EQ(FALSE, VBINITCC(0, FALSE));
    EXPECT_EQ(2, PlvRecorded()->nRegistrations);
#if PLM_HAVE_STANDIN_HOOKS
    EXPECT_STREQ("Register Failed!\n", PlwDebugOutput());
#endif
}

// ---- the control procedure --------------------------------------------------------------------

class VbxHost : public ::testing::Test {
protected:
    // One shown frame for the suite: under Wine, each top-level window shown costs seconds.
    static void SetUpTestSuite() {
        WNDCLASSA frameClass = {};
        frameClass.lpfnWndProc = DefWindowProcA;
        frameClass.hInstance = GetModuleHandleA(nullptr);
        frameClass.lpszClassName = "PlmVbxFrame";
        RegisterClassA(&frameClass);
        frame = CreateWindowExA(0, "PlmVbxFrame", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                nullptr, frameClass.hInstance, nullptr);
    }
    static void TearDownTestSuite() { DestroyWindow(frame); }

    void SetUp() override {
        ASSERT_NE(nullptr, frame);
        ASSERT_NE(FALSE, VBINITCC(0, TRUE));
        PlvSetMode(HOST_MODE_RUN);
        PlvResetRecord();
        strings = PlvLiveStrings();
    }
    void TearDown() override {
        if (ctl != nullptr) PlvDestroyControl(ctl);
        PlvSetMode(HOST_MODE_RUN);
        EXPECT_EQ(strings, PlvLiveStrings()) << "host strings leaked";
    }

    HCTL Create() {
        ctl = PlvCreateControl("PlumeMaskEdit", frame, 10, 10, 180, 24);
        return ctl;
    }
    MaskEditVBXData* Data() const { return static_cast<MaskEditVBXData*>(HostDerefControl(ctl)); }
    plumeMaskEditVBX* Object() const { return Data()->pMaskEdit; }
    HWND Window() const { return HostGetControlWindow(ctl); }
    DWORD Style() const { return static_cast<DWORD>(GetWindowLongA(Window(), GWL_STYLE)); }
    LONG Set(UINT index, LPARAM value) { return PlvSetControlProperty(ctl, index, value); }
    LONG Set(UINT index, const char* text) { return Set(index, reinterpret_cast<LPARAM>(text)); }
    std::string GetText(UINT index) {
        HHOSTSTR text = nullptr;
        PlvSendRequest(ctl, HOSTM_GETPROPERTY, index, reinterpret_cast<LPARAM>(&text));
        std::string result = HostDerefString(text);
        HostFreeString(text);
        return result;
    }
    LONG GetValue(UINT index) {
        LONG value = -99;
        PlvSendRequest(ctl, HOSTM_GETPROPERTY, index, reinterpret_cast<LPARAM>(&value));
        return value;
    }

    static HWND frame;
    HCTL ctl = nullptr;
    int strings = 0;
};

HWND VbxHost::frame = nullptr;

TEST_F(VbxHost, ObjectLivesWithItsWindowAndTheRunTimeFieldStartsEmpty) {
    ASSERT_NE(nullptr, Create());
    ASSERT_NE(nullptr, Object());
    EXPECT_EQ(Window(), Object()->getHwnd());
    EXPECT_EQ("", GetText(PROP_TEXT));  // the container's "MaskEdit1" was replaced
    DestroyWindow(Window());
    EXPECT_EQ(nullptr, Object());
}

TEST_F(VbxHost, DesignTimeKeepsTheNameTheContainerGaveTheWindow) {
    PlvSetMode(HOST_MODE_DESIGN);
    ASSERT_NE(nullptr, Create());
    EXPECT_EQ("MaskEdit", GetText(PROP_TEXT).substr(0, 8));
}

// Texts come back as new host strings whose text is what GetProperty gives, empty ones included.
TEST_F(VbxHost, StringPropertiesComeBackAsHostStrings) {
    ASSERT_NE(nullptr, Create());
    EXPECT_EQ("", GetText(PROP_DATAFORMAT));
    EXPECT_EQ("", GetText(PROP_RAWTEXT));
    Set(PROP_DATATYPE, DT_DATE);
    EXPECT_EQ(0, Set(PROP_DATAFORMAT, "yyyy-mm-dd"));
    Set(PROP_RAWTEXT, "2024-02-29");
    EXPECT_EQ("yyyy-mm-dd", GetText(PROP_DATAFORMAT));
    EXPECT_EQ("2024-02-29", GetText(PROP_TEXT));
    EXPECT_EQ("2024-02-29", GetText(PROP_RAWTEXT));
    EXPECT_EQ(DT_DATE, GetValue(PROP_DATATYPE));
}

// A refused check keeps the value from being set; the refusal is the check's result.
TEST_F(VbxHost, CheckRequestGuardsDataFormat) {
    ASSERT_NE(nullptr, Create());
    EXPECT_EQ(0, Set(PROP_DATAFORMAT, "(###)"));
    EXPECT_EQ(ERR_BAD_FORMAT, Set(PROP_DATAFORMAT, "\"abc"));
    EXPECT_EQ("(###)", GetText(PROP_DATAFORMAT));
}

TEST_F(VbxHost, EventsReachTheHostWithTheInstance) {
    ASSERT_NE(nullptr, Create());
    PlvResetRecord();  // creation itself raised Change
    int param = 0;
    Object()->FireEvent(EVENT_KEYPRESS, &param);
    ASSERT_EQ(1, PlvRecorded()->nEvents);
    EXPECT_EQ(ctl, PlvRecorded()->aEvents[0].hCtl);
    EXPECT_EQ(EVENT_KEYPRESS, PlvRecorded()->aEvents[0].wEvent);
    EXPECT_EQ(&param, PlvRecorded()->aEvents[0].lpParams);
    Set(PROP_DATAFORMAT, "##");
    Set(PROP_TEXT, "abc");  // refused by the mask
    EXPECT_EQ(EVENT_INVALIDDATA, PlvRecorded()->aEvents[PlvRecorded()->nEvents - 1].wEvent);
}

// Each Alignment recreates the window once with the matching edit style; the object survives.
TEST_F(VbxHost, AlignmentRecreatesTheWindowWithItsStyle) {
    ASSERT_NE(nullptr, Create());
    plumeMaskEditVBX* object = Object();
    struct Row {
        LPARAM align;
        DWORD styleBits;  // of ES_CENTER | ES_RIGHT | ES_MULTILINE | ES_AUTOHSCROLL
    } rows[] = {{2, ES_RIGHT | ES_MULTILINE}, {1, ES_CENTER | ES_MULTILINE}, {0, ES_AUTOHSCROLL}};
    int recreations = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.align);
        HWND before = Window();
        Set(PROP_ALIGNMENT, row.align);
        EXPECT_EQ(++recreations, PlvRecorded()->nRecreations);
        EXPECT_NE(before, Window());
        EXPECT_EQ(object, Object());
        EXPECT_EQ(Window(), object->getHwnd());
        EXPECT_EQ(row.styleBits, Style() & 0x87);
        EXPECT_EQ(row.align, GetValue(PROP_ALIGNMENT));
        EXPECT_EQ(FALSE, Data()->bRecreating);
    }
    // A new data type goes back to the creation style, which right-aligns numbers.
    Set(PROP_DATATYPE, DT_CURRENCY);
    EXPECT_EQ(recreations + 1, PlvRecorded()->nRecreations);
    EXPECT_EQ(-1, Data()->lSavedAlign);
    EXPECT_EQ(2, object->GetAlign());
    EXPECT_EQ(static_cast<DWORD>(ES_RIGHT | ES_MULTILINE), Style() & 0x87);
}

TEST_F(VbxHost, AlignmentAboveRightIsSavedButNotApplied) {
    ASSERT_NE(nullptr, Create());
    Set(PROP_ALIGNMENT, 1);
    Set(PROP_ALIGNMENT, 3);
    EXPECT_EQ(3, Data()->lSavedAlign);
    EXPECT_EQ(1, Object()->GetAlign());
    EXPECT_EQ(static_cast<DWORD>(ES_CENTER | ES_MULTILINE), Style() & 0x87);
}

// At design time the field shows its DataFormat: numbers right-aligned unless an Alignment was
// chosen; a right-aligned text keeps clear of the border.
TEST_F(VbxHost, DesignTimeShowsTheFormat) {
    PlvSetMode(HOST_MODE_DESIGN);
    ASSERT_NE(nullptr, Create());
    struct Row {
        short type;
        LPARAM align;  // 0: not set
        short border;
        bool givenDc;  // wParam carries a device context; else BeginPaint
        const char* format;
        UINT flags;
        int rightInset;  // border width + 1 when right-aligned
    } rows[] = {
        {DT_CURRENCY, 0, 1, true, "$#,##0.00;($#,##0.00)", DT_NOPREFIX | DT_RIGHT, 2},
        {DT_TEXT, 0, 1, false, "(###) ###-####", DT_NOPREFIX, 0},
        {DT_TEXT, 2, 3, true, "(###)", DT_NOPREFIX | DT_RIGHT, 3},
        {DT_TEXT, 2, 3, false, "(###)", DT_NOPREFIX | DT_RIGHT, 4},  // the style itself, unconverted
        {DT_WHOLE16, 1, 1, false, "0", DT_NOPREFIX | DT_CENTER, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.format);
        Set(PROP_DATATYPE, row.type);
        if (row.align != 0) Set(PROP_ALIGNMENT, row.align);
        Set(PROP_BORDERSTYLE, row.border);
        Set(PROP_DATAFORMAT, row.format);
        RECT formatRect = {};
        SendMessageA(Window(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&formatRect));
        HDC dc = GetDC(Window());
#if PLM_HAVE_STANDIN_HOOKS
        PlwResetDrawText();
#endif
        EXPECT_EQ(0, PlvSendRequest(ctl, WM_PAINT, row.givenDc ? reinterpret_cast<WPARAM>(dc) : 0, 0));
        POINT origin = {-1, -1};
        GetViewportOrgEx(dc, &origin);
        EXPECT_EQ(0, origin.x);  // the context handed in comes back as it was
        ReleaseDC(Window(), dc);
#if PLM_HAVE_STANDIN_HOOKS  // what was drawn shows natively only
        ASSERT_EQ(1, PlwDrawTextCount());
        EXPECT_STREQ(row.format, PlwLastDrawText()->text);
        EXPECT_EQ(row.flags, PlwLastDrawText()->format);
        EXPECT_EQ(formatRect.right + 1 - row.rightInset, PlwLastDrawText()->rect.right);
#endif
    }
}

TEST_F(VbxHost, BackgroundIsPaintedInBackColor) {
    ASSERT_NE(nullptr, Create());
    ShowWindow(Window(), SW_SHOW);
    HDC dc = GetDC(Window());
    EXPECT_EQ(1, PlvSendRequest(ctl, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), GetPixel(dc, 3, 3));  // the container's default: a system colour
    Set(VBX_PROP_BACKCOLOR, RGB(10, 20, 200));
    EXPECT_EQ(1, PlvSendRequest(ctl, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0));
    EXPECT_EQ(RGB(10, 20, 200), GetPixel(dc, 3, 3));
    ReleaseDC(Window(), dc);
}

// The list is filled only at design time and only for DataFormat; the numeric lists start with
// the "(Default)" choice.
TEST_F(VbxHost, DataFormatListOffersTheChoicesOfTheType) {
    ASSERT_NE(nullptr, Create());
    struct Row {
        UINT mode;
        short type;
        UINT property;
        const char* choices;
    } rows[] = {
        {HOST_MODE_DESIGN, DT_WHOLE16, PROP_DATAFORMAT, "(Default)|0|0%|#,##0|#,##0;(#,##0)|"},
        {HOST_MODE_DESIGN, DT_TIME, PROP_DATAFORMAT, "hh:mm AM/PM|hh:mm:ss|h:mm|"},
        {HOST_MODE_DESIGN, DT_TEXT, PROP_DATAFORMAT, ""},
        {HOST_MODE_DESIGN, DT_DATE, PROP_DATATYPE, ""},
        {HOST_MODE_RUN, DT_DATE, PROP_DATAFORMAT, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.choices);
        PlvSetMode(row.mode);
        Set(PROP_DATATYPE, row.type);
        HWND list = CreateWindowExA(0, "ListBox", "", WS_CHILD, 0, 0, 100, 100, frame, nullptr, nullptr, nullptr);
        LRESULT result = PlvSendRequest(ctl, HOSTM_INITPROPPOPUP, row.property, reinterpret_cast<LPARAM>(list));
        std::string choices;
        for (int k = 0; k < SendMessageA(list, LB_GETCOUNT, 0, 0); ++k) {
            char text[PLM_TEXT_SIZE] = "";
            SendMessageA(list, LB_GETTEXT, k, reinterpret_cast<LPARAM>(text));
            choices += std::string(text) + "|";
        }
        EXPECT_EQ(row.choices, choices);
        EXPECT_EQ(choices.empty() ? 0 : LOWORD(reinterpret_cast<LPARAM>(list)), result);
        DestroyWindow(list);
    }
}

// Without an object (no instance data, or before the first window) the host does the work.
TEST_F(VbxHost, WithoutAnObjectRequestsGoToTheHost) {
    EXPECT_EQ(0, MaskEditVBXProc(nullptr, nullptr, WM_NCPAINT, 0, 0));
    LONG value = -99;
    EXPECT_EQ(0, MaskEditVBXProc(nullptr, nullptr, HOSTM_GETPROPERTY, PROP_DATATYPE, reinterpret_cast<LPARAM>(&value)));
    EXPECT_EQ(0, MaskEditVBXProc(nullptr, nullptr, HOSTM_CHECKPROPERTY, PROP_DATAFORMAT, 0));
    EXPECT_EQ(-99, value);
    EXPECT_EQ(2, PlvRecorded()->nDefRequests);
    EXPECT_EQ(static_cast<UINT>(HOSTM_CHECKPROPERTY), PlvRecorded()->uLastDefRequest);
}

TEST_F(VbxHost, AttachBindsOnlyAnObjectWithoutAWindow) {
    ASSERT_NE(nullptr, Create());
    plumeMaskEditVBX loose(ctl);
    EXPECT_EQ(nullptr, loose.AttachMaskEdit(nullptr, ctl, nullptr));
    EXPECT_EQ(nullptr, loose.AttachMaskEdit(frame, nullptr, nullptr));
    EXPECT_EQ(frame, loose.AttachMaskEdit(frame, ctl, nullptr));
    EXPECT_EQ(nullptr, loose.AttachMaskEdit(Window(), ctl, nullptr));
    EXPECT_EQ(frame, loose.getHwnd());

    plumeMaskEditVBX unhosted;  // no host instance: nothing to pass default processing to
    EXPECT_EQ(0, unhosted.CallDefProc(Window(), WM_GETTEXTLENGTH, 0, 0));
    PlvSetMode(0x10001);
    EXPECT_EQ(1, unhosted.GetMode());
}

}  // namespace
