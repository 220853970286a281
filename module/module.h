// Module start-up: the process-wide settings every subsystem reads, and the "MaskedEdit" class.
// The settings are written once at attach, before any window exists, and read-only afterwards.
#ifndef PLM_MODULE_H
#define PLM_MODULE_H

#include <windows.h>

// String ids of the international settings.
enum PlmIntlStringId : UINT {
    IDS_CURRENCY = 2004,
    IDS_THOUSAND_SEP = 2005,
    IDS_DECIMAL = 2006,
    IDS_DEF_DATE_FORMAT = 2016,
    IDS_TIME_SEP = 2019,
    IDS_DATE_SEP = 2025,
    IDS_NEGATIVE_SIGN = 2032,
    IDS_POSITIVE_SIGN = 2036,
    IDS_OPEN_PAREN = 2037,
    IDS_CLOSE_PAREN = 2038,
    IDS_DEF_TIME_FORMAT = 2039,
    IDS_DEF_CURRENCY_FORMAT = 2040,
    IDS_DEF_WHOLE_FORMAT = 2041,
    IDS_DEF_DECIMAL_FORMAT = 2042,
    IDS_DEFAULT_KEYWORD = 2201,
    IDS_DAY_ABBR_FIRST = 2700,   // Sunday first, 2700..2706
    IDS_MONTH_ABBR_BASE = 2799,  // + month 1..12
};

#define PLM_ABBR_SIZE 4      // three characters and a terminator
#define PLM_KEYWORD_SIZE 32  // "(Default)" and its translations

extern HINSTANCE g_hInstance;  // the library's own module: strings, class, every control window
extern int g_nLinkIndex;       // window extra-byte index of each control's LinkBlock handle
extern char g_szDefaultKeyword[PLM_KEYWORD_SIZE];  // "(Default)": use the type's default format
extern char g_szEmpty[1];                          // the second form of an absent format

extern char g_aszMonthAbbr[13][PLM_ABBR_SIZE];  // entries 1..12
extern char g_aszDayAbbr[7][PLM_ABBR_SIZE];     // entries 0..6, Sunday first
extern char g_cDefThousandSep;
extern char g_cDefTimeSep;
extern char g_cDefDateSep;
extern char g_szDefCurrency[16];
extern char g_cDefDecimal;
extern char g_cNegativeSign;
extern char g_cPositiveSign;
extern char g_cOpenParen;
extern char g_cCloseParen;
extern char g_szDefTimeFormat[64];
extern char g_szDefDateFormat[64];
extern char g_szDefCurrencyFormat[64];
extern char g_szDefWholeFormat[64];
extern char g_szDefDecimalFormat[64];

// Fills the settings above from the string table (the once flag is the caller's).
void LoadIntlDefaults();

// Registers "MaskedEdit", a superclass of "Edit"; returns the class atom, 0 on failure.
ATOM RegisterMaskEditClass();

// Process attach and detach of the library, called by the entry glue of each platform.
void ModuleAttach(HINSTANCE module);
void ModuleDetach();

// The library's entry point proper, for every reason the loader gives (DLL_PROCESS_ATTACH, ...).
// Always TRUE.
BOOL ModuleEntry(HINSTANCE module, DWORD reason);

// Loads string `id` of the library into `buffer` of `size` bytes (at least 1): always terminated,
// empty when the string is missing. Returns the length.
int LoadModuleString(UINT id, char* buffer, int size);

// The first character of string `id`, or 0 when it is missing or empty.
char LoadModuleChar(UINT id);

#endif  // PLM_MODULE_H
