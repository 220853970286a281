// Module start-up: the international defaults, the "MaskedEdit" class and its re-registration.
#include <gtest/gtest.h>
#include <plmedt60.h>

#include <string.h>

#include "control/link_block.h"
#include "module/module.h"
#include "support/hooks.h"

namespace {

TEST(IntlDefaults, CharactersComeFromTheStringTable) {
    struct Case {
        const char* name;
        char actual;
        char expected;
    } const cases[] = {
        {"thousands", g_cDefThousandSep, ','}, {"time", g_cDefTimeSep, ':'},  {"date", g_cDefDateSep, '/'},
        {"decimal", g_cDefDecimal, '.'},       {"negative", g_cNegativeSign, '-'},
        {"positive", g_cPositiveSign, '+'},    {"open", g_cOpenParen, '('},  {"close", g_cCloseParen, ')'},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, c.actual) << c.name;
}

TEST(IntlDefaults, FormatsAreLoadedWhole) {
    EXPECT_STREQ("h:mm:ss AM/PM", g_szDefTimeFormat);
    EXPECT_STREQ("mm/dd/yy", g_szDefDateFormat);
    EXPECT_STREQ("$#,##0.00;($#,##0.00)", g_szDefCurrencyFormat);
    EXPECT_STREQ("#,##0;-#,##0", g_szDefWholeFormat);
    EXPECT_STREQ("#,##0.00;-#,##0.00", g_szDefDecimalFormat);
    EXPECT_STREQ("$", g_szDefCurrency);
    EXPECT_STREQ("(Default)", g_szDefaultKeyword);
    EXPECT_STREQ("", g_szEmpty);
}

TEST(IntlDefaults, AbbreviationTables) {
    const char* months[] = {"", "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int m = 0; m <= 12; ++m) EXPECT_STREQ(months[m], g_aszMonthAbbr[m]) << m;
    const char* days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int d = 0; d < 7; ++d) EXPECT_STREQ(days[d], g_aszDayAbbr[d]) << d;
}

TEST(LoadModuleString, CutsAndTerminates) {
    char buffer[8];
    memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(3, LoadModuleString(2039, buffer, 4));  // "h:mm:ss AM/PM" into 4 bytes
    EXPECT_STREQ("h:m", buffer);
    EXPECT_EQ('#', buffer[4]);
    EXPECT_EQ(0, LoadModuleString(1, buffer, sizeof buffer));  // no such string
    EXPECT_STREQ("", buffer);
    EXPECT_EQ(0, LoadModuleString(2039, nullptr, 10));
    EXPECT_EQ('$', LoadModuleChar(2004));
    EXPECT_EQ('\0', LoadModuleChar(1));
}

#if PLM_HAVE_STANDIN_HOOKS
// Restores the library's own strings and settings when a test has replaced them.
struct ReplacedStrings {
    explicit ReplacedStrings(const PlwStringResource* table) { PlwReplaceModuleStrings(g_hInstance, table); }
    ~ReplacedStrings() {
        PlwReplaceModuleStrings(g_hInstance, nullptr);
        LoadIntlDefaults();
    }
};
#endif

TEST(IntlDefaults, LongMonthAbbreviationIsCutToThree) {
    PLM_REQUIRE_STANDIN_HOOKS();
#if PLM_HAVE_STANDIN_HOOKS
    static const PlwStringResource table[] = {{2801, "Febr"}, {2809, "October"}, {2700, "Su"}, {0, nullptr}};
    ReplacedStrings replaced(table);
    LoadIntlDefaults();
    EXPECT_STREQ("Feb", g_aszMonthAbbr[2]);
    EXPECT_STREQ("Oct", g_aszMonthAbbr[10]);
    EXPECT_STREQ("Su", g_aszDayAbbr[0]);
    EXPECT_STREQ("", g_aszMonthAbbr[1]);  // a missing string leaves an empty entry
#endif
}

TEST(ModuleEntry, DefaultsAreLoadedOncePerLoad) {
    PLM_REQUIRE_STANDIN_HOOKS();
#if PLM_HAVE_STANDIN_HOOKS
    static const PlwStringResource table[] = {{2005, "."}, {2201, "(Default)"}, {0, nullptr}};
    ReplacedStrings replaced(table);
    EXPECT_TRUE(ModuleEntry(g_hInstance, DLL_PROCESS_ATTACH));
    EXPECT_EQ(',', g_cDefThousandSep);  // the second attach did not reload
#endif
}

TEST(ModuleEntry, ThreadNotificationsChangeNothing) {
    WNDCLASSA before = {};
    ASSERT_TRUE(GetClassInfoA(g_hInstance, "MaskedEdit", &before));
    for (DWORD reason : {DWORD(DLL_THREAD_ATTACH), DWORD(DLL_THREAD_DETACH)}) {
        EXPECT_TRUE(ModuleEntry(g_hInstance, reason)) << reason;
        WNDCLASSA after = {};
        EXPECT_TRUE(GetClassInfoA(g_hInstance, "MaskedEdit", &after)) << reason;
        EXPECT_EQ(before.lpfnWndProc, after.lpfnWndProc);
        EXPECT_EQ(',', g_cDefThousandSep);
        EXPECT_STREQ("h:mm:ss AM/PM", g_szDefTimeFormat);
    }
}

TEST(MaskedEditClass, IsTheEditClassWithEightMoreBytes) {
    WNDCLASSA edit = {}, masked = {};
    ASSERT_TRUE(GetClassInfoA(nullptr, "Edit", &edit));
    ASSERT_TRUE(GetClassInfoA(g_hInstance, "MaskedEdit", &masked));
    EXPECT_EQ(edit.cbWndExtra, g_nLinkIndex);
    EXPECT_EQ(edit.cbWndExtra + 8, masked.cbWndExtra);
    EXPECT_EQ(edit.cbClsExtra, masked.cbClsExtra);
    EXPECT_EQ(edit.style, masked.style);
    EXPECT_EQ(edit.hCursor, masked.hCursor);
    EXPECT_EQ(g_hInstance, masked.hInstance);
}

TEST(MaskedEditClass, ReRegistersWhenNoWindowIsLeft) {
    EXPECT_NE(0, RegisterMaskEditClass());
    WNDCLASSA masked = {};
    EXPECT_TRUE(GetClassInfoA(g_hInstance, "MaskedEdit", &masked));
}

// A top-level window of the class from an earlier registration blocks unregistration: it is
// destroyed and the class registered again.
TEST(MaskedEditClass, ReRegistrationDestroysLeftoverWindows) {
    struct Control : plumeMaskEdit {} object;
    HGLOBAL link = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(LinkBlock));
    ASSERT_NE(nullptr, link);
    static_cast<LinkBlock*>(GlobalLock(link))->object = &object;
    GlobalUnlock(link);
    HWND leftover = CreateWindowExA(0, "MaskedEdit", "", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, g_hInstance,
                                    &link);
    ASSERT_NE(nullptr, leftover);
    EXPECT_EQ(nullptr, link);  // the window took the block over
    EXPECT_FALSE(UnregisterClassA("MaskedEdit", g_hInstance));

    EXPECT_NE(0, RegisterMaskEditClass());
    EXPECT_FALSE(IsWindow(leftover));
    WNDCLASSA masked = {};
    EXPECT_TRUE(GetClassInfoA(g_hInstance, "MaskedEdit", &masked));
}

}  // namespace
