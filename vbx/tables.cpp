// The description of the control handed to a custom-control container: the model, its property
// and event lists, and the registration entry points. The positions in the lists are the property
// numbers and event codes the control object uses.
#include <stddef.h>

#include "host/plvw60.h"
#include "module/module.h"
#include "vbx/vbx.h"

#if defined(_WIN32) && !defined(_WIN64)
static_assert(offsetof(MODEL, lpfnControlProc) == 6, "the control procedure sits at byte 6");
static_assert(offsetof(MODEL, cbInstanceData) == 16, "the instance data size sits at byte 16");
static_assert(offsetof(MODEL, lpPropertyList) == 32, "the property list sits at byte 32");
static_assert(offsetof(MODEL, bValueProperty) == 42, "the value property sits at byte 42");
static_assert(offsetof(PROPINFO, lDefault) == 10, "a property's default sits at byte 10");
static_assert(offsetof(EVENTINFO, dwFlags) == 16, "an event's flags sit at byte 16");
static_assert(offsetof(MaskEditVBXData, pMaskEdit) == 40, "the object pointer sits at byte 40");
#endif
static_assert(offsetof(MaskEditVBXData, dwRawTextData) == 16, "RawText's data offset is 16");
static_assert(offsetof(MaskEditVBXData, dwMaxTextLenData) == 28, "MaxTextLen's data offset is 28");

namespace {

// Each enumeration is its names in order, each terminated, then an empty name.
const char kBorderStyles[] = "None\0Fixed Single\0" "3D Inset\0" "3D Raised\0";
const char kDataTypes[] =
    "Text\0Currency\0Date\0Time\0Whole Number (+-127)\0Whole Number (+-32,767)\0"
    "Whole Number (+-2,147,483,647)\0True/False\0Decimal (3.4E+-38, 7 digits)\0"
    "Decimal (1.7E+-308, 15 digits)\0";
const char kAlignments[] = "Left\0Center\0Right\0";

const PROPINFO kBorderStyle = {"BorderStyle", 0x00214406, 0, 0, 0, kBorderStyles, 4, {}};
const PROPINFO kDisableMask = {"DisableMask", 0x00004C04, 0, 0, 0, nullptr, 0, {}};
const PROPINFO kDataFormat = {"DataFormat", 0x0011D401, 0, 0, 0, nullptr, 0, {}};
const PROPINFO kDataType = {"DataType", 0x00215406, 0, 0, 0, kDataTypes, 10, {}};
const PROPINFO kRawText = {"RawText", 0x0000CC01, offsetof(MaskEditVBXData, dwRawTextData), 0, 0, nullptr, 0, {}};
const PROPINFO kMaxTextLen = {"MaxTextLen", 0x00014C03, offsetof(MaskEditVBXData, dwMaxTextLenData), 0, 0,
                              nullptr, 0, {}};
const PROPINFO kReadOnly = {"ReadOnly", 0x00014C04, 0, 0, 0, nullptr, 0, {}};
const PROPINFO kAlignment = {"Alignment", 0x00214406, 0, 0, 0, kAlignments, 3, {}};

const WORD kInvalidDataParamTypes[4] = {2, 2, 2, 2};  // declared with the event, never read
const EVENTINFO kInvalidData = {"InvalidData", 0, 0, kInvalidDataParamTypes, "", 0, {}};
const EVENTINFO kChange = {"Change", 0, 0, nullptr, "", 0, {}};

LONG_PTR Entry(const void* record) { return reinterpret_cast<LONG_PTR>(record); }

}  // namespace

const LONG_PTR g_aMaskEditProperties[VBX_PROPERTY_COUNT + 1] = {
    -1,   // CtlName
    -2,   // Index
    -4,   // BackColor
    -6,   // Left
    -7,   // Top
    -8,   // Width
    -9,   // Height
    -11,  // Visible
    -14,  // FontName
    -15,  // FontBold
    -16,  // FontItalic
    -17,  // FontStrikethru
    -18,  // FontUnderline
    -19,  // FontSize
    -5,   // ForeColor
    -10,  // Enabled
    -12,  // MousePointer
    -20,  // TabIndex
    -25,  // TabStop
    -26,  // Tag
    Entry(&kBorderStyle),
    Entry(&kDisableMask),
    Entry(&kDataFormat),
    Entry(&kDataType),
    Entry(&kRawText),
    -28,  // Text, the value property
    Entry(&kMaxTextLen),
    Entry(&kReadOnly),
    Entry(&kAlignment),
    0,
};

const LONG_PTR g_aMaskEditEvents[VBX_EVENT_COUNT + 1] = {
    -1,   // Click
    -2,   // DblClick
    -3,   // DragDrop
    -4,   // DragOver
    -5,   // GotFocus
    -6,   // KeyDown
    -7,   // KeyPress
    -8,   // KeyUp
    -9,   // LostFocus
    -10,  // MouseDown
    -11,  // MouseMove
    -12,  // MouseUp
    Entry(&kInvalidData),
    Entry(&kChange),
    0,
};

const MODEL g_MaskEditModel = {
    0x0300,
    0x00000033,
    MaskEditVBXProc,
    CS_VREDRAW | CS_HREDRAW,
    WS_CHILD | WS_TABSTOP,
    sizeof(MaskEditVBXData),
    VBX_TOOLBOX_BITMAP_FIRST,
    "MaskEdit",
    "PlumeMaskEdit",
    "edit",
    g_aMaskEditProperties,
    g_aMaskEditEvents,
    0,
    0,
    PROP_TEXT,
    {},
};

extern "C" BOOL WINAPI VBINITCC(UINT /*uVersion*/, BOOL /*bRuntime*/) {
    BOOL registered = HostRegisterModel(g_hInstance, &g_MaskEditModel);
    if (!registered) OutputDebugStringA("Register Failed!\n");
    return registered;
}

// Nothing was taken at registration that would have to be given back.
extern "C" void WINAPI VBTERMCC(void) {}
