// The international defaults: one set per process, filled from the string table at attach.
#include "module/module.h"

#include <string.h>

HINSTANCE g_hInstance = nullptr;
int g_nLinkIndex = 0;
char g_szDefaultKeyword[PLM_KEYWORD_SIZE] = "";
char g_szEmpty[1] = "";

char g_aszMonthAbbr[13][PLM_ABBR_SIZE] = {};
char g_aszDayAbbr[7][PLM_ABBR_SIZE] = {};
char g_cDefThousandSep = 0;
char g_cDefTimeSep = 0;
char g_cDefDateSep = 0;
char g_szDefCurrency[16] = "";
char g_cDefDecimal = 0;
char g_cNegativeSign = 0;
char g_cPositiveSign = 0;
char g_cOpenParen = 0;
char g_cCloseParen = 0;
char g_szDefTimeFormat[64] = "";
char g_szDefDateFormat[64] = "";
char g_szDefCurrencyFormat[64] = "";
char g_szDefWholeFormat[64] = "";
char g_szDefDecimalFormat[64] = "";

namespace {

// Month and day names are read through a format-sized buffer, then cut to an abbreviation.
constexpr int kScratchSize = 64;

void LoadAbbreviation(UINT id, char (&entry)[PLM_ABBR_SIZE]) {
    char scratch[kScratchSize] = {};
    LoadModuleString(id, scratch, sizeof scratch);
    // A longer name is cut to its first three characters.
    memcpy(entry, scratch, PLM_ABBR_SIZE - 1);
    entry[PLM_ABBR_SIZE - 1] = '\0';
}

template <size_t N>
void LoadSetting(UINT id, char (&buffer)[N]) {
    LoadModuleString(id, buffer, static_cast<int>(N));
    buffer[N - 1] = '\0';
}

}  // namespace

int LoadModuleString(UINT id, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return 0;
    buffer[0] = '\0';
    int length = LoadStringA(g_hInstance, id, buffer, size);
    if (length < 0) length = 0;
    buffer[length < size ? length : size - 1] = '\0';
    return length;
}

char LoadModuleChar(UINT id) {
    char text[2];
    LoadModuleString(id, text, sizeof text);
    return text[0];
}

void LoadIntlDefaults() {
    for (int month = 1; month <= 12; ++month)
        LoadAbbreviation(IDS_MONTH_ABBR_BASE + month, g_aszMonthAbbr[month]);
    for (int day = 0; day <= 6; ++day) LoadAbbreviation(IDS_DAY_ABBR_FIRST + day, g_aszDayAbbr[day]);

    g_cDefThousandSep = LoadModuleChar(IDS_THOUSAND_SEP);
    g_cDefTimeSep = LoadModuleChar(IDS_TIME_SEP);
    g_cDefDateSep = LoadModuleChar(IDS_DATE_SEP);
    LoadSetting(IDS_CURRENCY, g_szDefCurrency);

    g_cDefDecimal = LoadModuleChar(IDS_DECIMAL);
    g_cNegativeSign = LoadModuleChar(IDS_NEGATIVE_SIGN);
    g_cPositiveSign = LoadModuleChar(IDS_POSITIVE_SIGN);
    g_cOpenParen = LoadModuleChar(IDS_OPEN_PAREN);
    g_cCloseParen = LoadModuleChar(IDS_CLOSE_PAREN);

    LoadSetting(IDS_DEF_TIME_FORMAT, g_szDefTimeFormat);
    LoadSetting(IDS_DEF_DATE_FORMAT, g_szDefDateFormat);
    LoadSetting(IDS_DEF_CURRENCY_FORMAT, g_szDefCurrencyFormat);
    LoadSetting(IDS_DEF_WHOLE_FORMAT, g_szDefWholeFormat);
    LoadSetting(IDS_DEF_DECIMAL_FORMAT, g_szDefDecimalFormat);
}
