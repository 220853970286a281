// PLMEDT60: the masked-edit control and its windowless format machinery.
//
// Include <windows.h> first (natively it is the stand-in's, on Windows the real one).
#ifndef PLMEDT60_H
#define PLMEDT60_H

#include <windows.h>

#if defined(_WIN32)
#  if defined(PLMEDT60_BUILDING)
#    define PLM_API __declspec(dllexport)
#  else
#    define PLM_API __declspec(dllimport)
#  endif
#else
#  define PLM_API __attribute__((visibility("default")))
#endif

// ---------------------------------------------------------------------------------------------
// Data types, properties, events, results, messages
// ---------------------------------------------------------------------------------------------

enum PlmDataType : short {
    DT_TEXT = 0,
    DT_CURRENCY = 1,
    DT_DATE = 2,
    DT_TIME = 3,
    DT_WHOLE8 = 4,    // "Whole Number (+-127)"
    DT_WHOLE16 = 5,   // "Whole Number (+-32,767)"
    DT_WHOLE32 = 6,   // "Whole Number (+-2,147,483,647)"
    DT_BOOLEAN = 7,   // "True/False"
    DT_SINGLE = 8,    // "Decimal (3.4E+-38, 7 digits)"
    DT_DOUBLE = 9,    // "Decimal (1.7E+-308, 15 digits)"
    DT_WHOLE_PLAIN = 10,  // catalogue only: default format "0", no list
    DT_DATETIME = 11,     // catalogue only: combined date-and-time formats
};

// Property numbers: positions in the custom-control property list.
enum PlmProperty : UINT {
    PROP_BORDERSTYLE = 20,
    PROP_DISABLEMASK = 21,
    PROP_DATAFORMAT = 22,
    PROP_DATATYPE = 23,
    PROP_RAWTEXT = 24,
    PROP_TEXT = 25,
    PROP_MAXTEXTLEN = 26,
    PROP_READONLY = 27,
    PROP_ALIGNMENT = 28,
    PROP_ENTRYPOS = 29,
};

// Event codes handed to FireEvent.
enum PlmEvent : WORD {
    EVENT_KEYDOWN = 5,
    EVENT_KEYPRESS = 6,
    EVENT_KEYUP = 7,
    EVENT_INVALIDDATA = 12,
    EVENT_CHANGE = 13,
};

#define ERR_BAD_FORMAT 20000L  // the text does not fit the format
#define ERR_BAD_VALUE 40000L   // the value is out of range for the data type

// Typed value messages: lParam points at the caller's value or buffer.
#define MEM_SETSTRING (WM_USER + 100)  // set from the type's plain string form
#define MEM_GETSTRING (WM_USER + 101)  // get as the type's plain string form
#define MEM_SETVALUE (WM_USER + 102)   // set from the type's value form
#define MEM_GETVALUE (WM_USER + 103)   // get in the type's value form

// High word of lParam of the WM_COMMAND notification sent to the parent after an edit.
#define MEN_CHANGE 0x0400

// dwFlags of MaskEditInfo
#define MEF_CREATED 0x04  // the window has been created

// Fixed sizes shared by the records and every routine that fills them.
#define PLM_FORMAT_SIZE 64    // a format: 63 characters and a terminator
#define PLM_CURRENCY_SIZE 16  // a currency symbol: 15 characters and a terminator
#define PLM_TEXT_SIZE 256     // a working text
#define PLM_EDIT_LIMIT 32000  // edit text limit whenever a format is set or the mask is off

// ---------------------------------------------------------------------------------------------
// Records
// ---------------------------------------------------------------------------------------------

// The per-control record every engine and conversion routine receives.
struct MaskEditInfo {
    HWND hWnd;                           // the control's window; 0 before WM_CREATE and after WM_DESTROY
    short nDataType;                     // PlmDataType
    char cSeparator;                     // numeric: grouping; Date: date; Time: time separator
    char cDecimal;                       // decimal separator
    char szCurrency[PLM_CURRENCY_SIZE];  // currency symbol, last byte always 0
    char szFormat[PLM_FORMAT_SIZE];      // DataFormat; empty means no mask
    int nFormatLen;                      // strlen(szFormat)
    DWORD dwFlags;                       // MEF_*
    int nMaxTextLen;                     // edit text limit while the mask is off
    short nEntryPos;                     // first position the user may type over
};

#pragma pack(push, 1)
// The packed descriptor of a field taken by the exported conversions (20 bytes on 32-bit).
struct MaskDataDesc {
    short nDataType;
    char cSeparator;
    char cDecimal;
    WORD wReserved1;  // 0
    LPCSTR lpszFormat;
    LPCSTR lpszCurrency;
    DWORD dwReserved2;  // 0
    short nEntryPos;    // not read by the conversions
};
#pragma pack(pop)

// From one format to another: every conversion of a shown text reads the fields its type needs.
struct FormatConvertDesc {
    LPCSTR lpszFromFormat;
    LPCSTR lpszToFormat;
    char cFromDecimal;
    char cToDecimal;
    char cFromSeparator;
    char cToSeparator;
};

// A parsed date; -1 in a field: blank in the text, -2: not given (never left by a parse).
struct DateValue {
    int nDay;
    int nMonth;  // 1 = January
    int nYear;   // full year
    int bEmpty;  // no date at all
};

// A parsed time.
struct TimeValue {
    int nSecond;
    int nMinute;
    int nHour;   // 0..23; 24 is accepted as midnight by the range check
    int bEmpty;  // no time at all
    int nAmPm;   // 0 none, 1 first designator, 2 second; -1 after an hour of 25 or more
};

// A parsed number.
struct NumberParts {
    double dWhole;     // never negative
    double dFraction;  // 0 <= fraction < 1
    int bNegative;
    int bEmpty;  // the text held no digit: the number is shown with blanks for its zeros
};

// Supplied by the caller of IsValidMask; only the two words at 72 and 74 are written.
struct FormatInfo {
    BYTE reserved[72];
    WORD wTextMask1;  // set to 1 when a Text format is accepted
    WORD wTextMask2;  // set to 1 when a Text format is accepted
};

#define PLM_FORMAT_LIST_COUNT 15
#define PLM_FORMAT_LIST_ENTRY 64

// The block that GetDataFormat returns. On 32-bit builds the pointers are 4 bytes and the
// block is exactly 1020 bytes; on 64-bit builds the pointers widen and the entries follow them.
struct DataFormatList {
    char* apszFormat[PLM_FORMAT_LIST_COUNT];  // pointer k: entry k of this same block
    char aszFormat[PLM_FORMAT_LIST_COUNT][PLM_FORMAT_LIST_ENTRY];
};

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(MaskDataDesc) == 20, "MaskDataDesc is 20 bytes on 32-bit");
static_assert(sizeof(FormatConvertDesc) == 12, "FormatConvertDesc is 12 bytes on 32-bit");
static_assert(sizeof(DataFormatList) == 1020, "the format list is 1020 bytes on 32-bit");
#endif
static_assert(sizeof(FormatInfo) == 76, "FormatInfo is 76 bytes");
static_assert(sizeof(DateValue) == 16, "DateValue is four 32-bit integers");
static_assert(sizeof(TimeValue) == 20, "TimeValue is five 32-bit integers");

// ---------------------------------------------------------------------------------------------
// Exported format machinery (no window needed)
// ---------------------------------------------------------------------------------------------

#ifdef __cplusplus
extern "C" {
#endif

PLM_API BOOL WINAPI IsValidMask(LPCSTR lpszFormat, LPSTR lpszOut, int nDataType, int cbInfo,
                                FormatInfo* lpInfo);
PLM_API BOOL WINAPI GetDataFormat(short nDataType, HGLOBAL* phFormats);
PLM_API void WINAPI GetDefaultFormat(LPSTR lpszOut, short nDataType, int cchMax);

PLM_API int WINAPI FormatedDataToRawData(LPSTR lpszRaw, LPCSTR lpszText, const MaskDataDesc* lpDesc,
                                         int cchRaw);
PLM_API int WINAPI RawDataToFormatedData(LPSTR lpszText, LPCSTR lpszRaw, const MaskDataDesc* lpDesc,
                                         int cchText);
PLM_API LPSTR WINAPI GetDefaultFormatText(LPSTR lpszOut, LPCSTR lpszWindowText,
                                          const MaskDataDesc* lpDesc, int cchOut);
PLM_API BOOL WINAPI MaskEditValidate(LPCSTR lpszText, LPCSTR lpszFormat, int nFieldType);

PLM_API void WINAPI DateStrToDateStr(LPSTR out, LPCSTR in, const FormatConvertDesc* desc);
PLM_API void WINAPI ArrangeDateFields(LPSTR out, LPCSTR in, FormatConvertDesc* desc);
PLM_API void WINAPI TimeStrToTimeStr(LPSTR out, LPCSTR in, const FormatConvertDesc* desc);

#ifdef __cplusplus
}  // extern "C"
#endif

// ---------------------------------------------------------------------------------------------
// The control object
// ---------------------------------------------------------------------------------------------

// Fills a MaskDataDesc from a control's record; the format and currency point into the record.
PLM_API void BuildDataDesc(MaskDataDesc* out, const MaskEditInfo* info);

// The class window procedure of "MaskedEdit": finds the window's object through its link block.
extern "C" PLM_API LRESULT CALLBACK MaskEditThunk(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

class PLM_API plumeMaskEdit {
public:
    static plumeMaskEdit* NewplumeMaskEdit();
    static void KillplumeMaskEdit(plumeMaskEdit* object);

    plumeMaskEdit(const plumeMaskEdit& other);
    plumeMaskEdit& operator=(const plumeMaskEdit& other);

    // Virtual operations, in slot order.
    virtual LRESULT MainMaskProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    virtual void FireEvent(WORD code, void* param);
    virtual ~plumeMaskEdit();
    virtual LRESULT CallDefProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    virtual int GetMode() const;

    HWND CreateMaskEdit(LPCSTR text, DWORD style, DWORD exStyle, HWND parent, HINSTANCE instance,
                        UINT id, RECT* rect);
    HWND CreateMaskEdit(LPCSTR text, DWORD style, DWORD exStyle, HWND parent, HINSTANCE instance,
                        UINT id, int x, int y, int cx, int cy);
    UINT_PTR CreateMaskEdit(LPCSTR text, DWORD style, DWORD exStyle, UINT_PTR parent,
                            UINT_PTR instance, UINT id, RECT* rect);
    UINT_PTR CreateMaskEdit(LPCSTR text, DWORD style, DWORD exStyle, UINT_PTR parent,
                            UINT_PTR instance, UINT id, int x, int y, int cx, int cy);

    HWND getHwnd();
    BOOL Show(int nCmdShow);
    HFONT SetFont(LOGFONTA* font);

    // Properties by number (PlmProperty). String values travel as pointers in `value`; for a
    // string property `out` is a character buffer of cch bytes (cch 0 asks for the size).
    LONG SetProperty(UINT id, LONG_PTR value);
    LONG GetProperty(UINT id, LONG* out, LONG cch);
    LONG CheckProperty(UINT id, LONG_PTR value);  // 0, ERR_BAD_FORMAT or ERR_BAD_VALUE

    // Draws the BorderStyle look into a whole-window device context (GetWindowDC).
    void PaintBorder(HWND hWnd, HDC hdc);
    // Recomputes the entry position from the format (the EntryPos property).
    void FindEntryPoint();
    // The format's empty-field text into buffer (cch bytes, terminated), or, without a buffer,
    // shown through the Text property.
    void SetDefaultWindowText(LPSTR buffer, int cch);

protected:
    plumeMaskEdit();
    plumeMaskEdit(LPCSTR text, DWORD style, DWORD exStyle, HWND parent, HINSTANCE instance, UINT id,
                  RECT* rect);

    HWND m_hWnd;          // the control's window; 0 while none exists
    MaskEditInfo m_info;  // what the engines see
    struct PropertyBlock {
        short nBorderStyle;  // 0 None, 1 Fixed Single, 2 3D Inset, 3 3D Raised
        BOOL bDisableMask;   // nonzero: behave as a plain edit control
    } m_props;
    BOOL m_bReadOnly;  // mirrored from EM_SETREADONLY
    BOOL m_bNotify;    // 0 while the control replaces its own text (no Change event)

private:
    int GetEditText(LPSTR buffer, int cchMax);
    void InitProperties();
    void SetSeparator();
    void MaskEditInit(CREATESTRUCTA* create);
    void MaskEditTerm(HWND hWnd);
    void ApplyBorderStyle();

    // Message handlers of MainMaskProc, one per message.
    LRESULT WmNcCreate(HWND hWnd, WPARAM wParam, CREATESTRUCTA* create);
    LRESULT WmCreate(HWND hWnd, WPARAM wParam, LPARAM lParam);
    LRESULT WmDestroy(HWND hWnd, WPARAM wParam, LPARAM lParam);
    LRESULT WmNcDestroy(HWND hWnd, WPARAM wParam, LPARAM lParam);
    LRESULT WmSetFocus(HWND hWnd, WPARAM wParam, LPARAM lParam);
    LRESULT WmKillFocus(HWND hWnd, WPARAM wParam, LPARAM lParam);
    LRESULT WmSetText(HWND hWnd, WPARAM wParam, LPCSTR text);
    LRESULT WmPaint(HWND hWnd, WPARAM wParam, LPARAM lParam);
    LRESULT WmSetCursor(HWND hWnd, WPARAM wParam, LPARAM lParam);
    LRESULT WmNcCalcSize(HWND hWnd, WPARAM wParam, RECT* rect);
    LRESULT EmSetReadOnly(HWND hWnd, WPARAM wParam, LPARAM lParam);
    LRESULT WmKeyDown(HWND hWnd, WPARAM wParam, LPARAM lParam);
    LRESULT WmKeyUp(HWND hWnd, WPARAM wParam, LPARAM lParam);
    LRESULT WmChar(HWND hWnd, WPARAM wParam, LPARAM lParam);
    LRESULT WmLButtonUp(HWND hWnd, WPARAM wParam, LPARAM lParam);

    // Keys, and the typed value messages.
    LRESULT ReadOnlyKeyFilter(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT MaskEditInput(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT MaskEditGetSet(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

    // Input with the mask off and on, and the clipboard messages.
    LRESULT UnmaskedInput(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT MaskedKeyDown(HWND hWnd, WPARAM wParam, LPARAM lParam);
    LRESULT MaskedKeyUp(HWND hWnd, WPARAM wParam, LPARAM lParam);
    LRESULT MaskedChar(HWND hWnd, WPARAM wParam);
    int TypeCharacter(HWND hWnd, WPARAM wParam);
    void NotifyChange();
    void PasteClipboard(HWND hWnd);
    void DoPaste(LPCSTR text);
    void PasteFieldByField(LPCSTR text);
    LRESULT WmCut(HWND hWnd, WPARAM wParam, LPARAM lParam);
    LRESULT WmCopy(HWND hWnd, WPARAM wParam, LPARAM lParam);
    LRESULT WmPaste(HWND hWnd, WPARAM wParam, LPARAM lParam);

    // Text upkeep.
    bool IsDesignMode() const;
    bool IsMaskOn() const;
    BOOL SafeSetWindowText(LPCSTR text);
    void MaybeChangeCurSel();
    void MaybeEnforceTextLimit();
    void BuildEmptyFieldText(LPSTR out, int size);
    bool WindowTextEquals(LPCSTR text);

    // One setter per property that does more than store a value.
    void SetDataFormatProperty(LPCSTR format);
    void SetDataTypeProperty(short type);
    void SetRawTextProperty(LPCSTR raw);
    LONG SetTextProperty(LPCSTR text);
    LONG ShowRejectedText(LONG error);
    LONG GetDataFormatProperty(LPSTR out, LONG cch);
    LONG GetRawTextProperty(LPSTR out, LONG cch);
    LONG GetTextProperty(LPSTR out, LONG cch);
    LONG CheckTextProperty(LPCSTR text);
};

// ---------------------------------------------------------------------------------------------
// Custom-control model: what a custom-control container is handed, and the adapter class
// ---------------------------------------------------------------------------------------------

// A control instance of the container, and a string the container owns.
typedef struct PlmHostControl* HCTL;
typedef struct PlmHostString* HHOSTSTR;

// The control procedure the container sends every message and request of an instance to.
typedef LRESULT(WINAPI* PLMCTLPROC)(HCTL hCtl, HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Property and event lists: entries of 32 bits on 32-bit builds (pointer-wide on 64-bit), each a
// small negative number naming a standard property or event of the container, or the address of
// a PROPINFO / EVENTINFO record; a zero entry ends the list.
#pragma pack(push, 1)
struct PROPINFO {
    LPCSTR lpszName;
    DWORD dwFlags;        // low byte: the value's type (1 string, 3 integer, 4 boolean, 6 enumeration)
    BYTE bDataOffset;     // byte offset into the instance data where the container keeps the value
    BYTE bBitInfo;        // 0
    LONG lDefault;
    LPCSTR lpszEnumList;  // "first\0second\0...\0", ended by an empty string; null when not an enumeration
    BYTE bEnumCount;
    BYTE abReserved[5];   // 0
};

struct EVENTINFO {
    LPCSTR lpszName;
    WORD wParamCount;
    WORD wParamWords;
    const WORD* lpParamTypes;
    LPCSTR lpszParamProfile;
    DWORD dwFlags;
    BYTE abReserved[4];  // 0
};

struct MODEL {
    WORD wVersion;            // 0x0300
    DWORD dwFlags;
    PLMCTLPROC lpfnControlProc;
    WORD wClassStyle;         // CS_ bits of the window class the container registers
    DWORD dwWindowStyle;      // default style of each instance's window
    WORD cbInstanceData;      // bytes of MaskEditVBXData the container keeps per instance
    WORD idToolboxBitmap;     // first of the toolbox bitmaps in this module's resources
    LPCSTR lpszDefaultName;   // name of a new instance, before the container numbers it
    LPCSTR lpszClassName;     // window class of the instances
    LPCSTR lpszParentClass;   // the system class whose procedure does default processing
    const LONG_PTR* lpPropertyList;
    const LONG_PTR* lpEventList;
    BYTE bDefaultProperty;
    BYTE bDefaultEvent;
    BYTE bValueProperty;      // the property that holds the control's value (Text)
    BYTE abReserved[5];       // 0
};
#pragma pack(pop)

class plumeMaskEditVBX;

// Kept by the container for each instance, handed over zeroed.
struct MaskEditVBXData {
    BYTE abReserved1[16];
    DWORD dwRawTextData;    // the offset named by the RawText record; not read by the control
    BYTE abReserved2[8];
    DWORD dwMaxTextLenData;  // the offset named by the MaxTextLen record; not read by the control
    LONG lSavedAlign;        // the Alignment last set through the container; 0 until set
    BOOL bRecreating;        // nonzero while the window is recreated for a new Alignment
    plumeMaskEditVBX* pMaskEdit;  // this instance's object, created on first need
};

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(MODEL) == 48, "MODEL is 48 bytes on 32-bit");
static_assert(sizeof(PROPINFO) == 24, "PROPINFO is 24 bytes on 32-bit");
static_assert(sizeof(EVENTINFO) == 24, "EVENTINFO is 24 bytes on 32-bit");
static_assert(sizeof(MaskEditVBXData) == 44, "the instance data is 44 bytes on 32-bit");
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Registers the model with the container's host library; the host's result, nonzero when done.
PLM_API BOOL WINAPI VBINITCC(UINT uVersion, BOOL bRuntime);
PLM_API void WINAPI VBTERMCC(void);
// The control procedure the model names.
PLM_API LRESULT WINAPI MaskEditVBXProc(HCTL hCtl, HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

#ifdef __cplusplus
}  // extern "C"
#endif

// The control inside a container: events and default processing go to the container's host.
class PLM_API plumeMaskEditVBX : public plumeMaskEdit {
public:
    plumeMaskEditVBX();
    explicit plumeMaskEditVBX(HCTL hCtl);
    plumeMaskEditVBX(const plumeMaskEditVBX& other);
    plumeMaskEditVBX& operator=(const plumeMaskEditVBX& other);
    ~plumeMaskEditVBX() override;

    void FireEvent(WORD code, void* param) override;
    LRESULT CallDefProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    int GetMode() const override;

    // Binds a window the container created to an object that has none; 0 when refused.
    HWND AttachMaskEdit(HWND hWnd, HCTL hCtl, RECT* ignored);
    void SetAlign(int nAlign);  // 0 left, 1 centre, 2 right, -1 from the creation style
    int GetAlign() const;
    void SetRecreate(int bRecreate);
    int GetRecreate() const;

    // The container's request to fill the DataFormat list box lParam at design time.
    LONG MaskEditInitPopup(HWND hWnd, UINT msg, UINT wParam, LPARAM lParam);
    // Fills a list box with the DataFormat choices of a data type.
    static void FillPropListbox(HWND hList, int nDataType);

protected:
    HCTL m_hCtl;       // the instance in the container; 0 until known
    int m_nAlign;      // 0 left, 1 centre, 2 right; -1: taken from the next creation style
    BOOL m_bRecreate;  // set while the window is being recreated
};

#endif  // PLMEDT60_H
