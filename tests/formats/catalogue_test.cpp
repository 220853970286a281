// Default formats, the catalogue block and the DataFormat check.
#include <gtest/gtest.h>
#include <plmedt60.h>

#include <string.h>

#include <string>
#include <vector>

#include "formats/formats.h"

namespace {

TEST(GetDefaultFormat, EveryCode) {
    struct Case {
        short type;
        const char* expected;
    } const cases[] = {
        {DT_TEXT, ""},
        {DT_CURRENCY, "$#,##0.00;($#,##0.00)"},
        {DT_DATE, "mm/dd/yy"},
        {DT_TIME, "h:mm:ss AM/PM"},
        {DT_WHOLE8, "0"},
        {DT_WHOLE16, "#,##0;-#,##0"},
        {DT_WHOLE32, "#,##0;-#,##0"},
        {DT_BOOLEAN, "True/False"},
        {DT_SINGLE, "#,##0.00;-#,##0.00"},
        {DT_DOUBLE, "#,##0.00;-#,##0.00"},
        {DT_WHOLE_PLAIN, "0"},
    };
    for (const Case& c : cases) {
        char out[PLM_FORMAT_SIZE];
        memset(out, '#', sizeof out);
        GetDefaultFormat(out, c.type, sizeof out);
        EXPECT_STREQ(c.expected, out) << c.type;
    }
}

TEST(GetDefaultFormat, CchMaxLimitsOnlyTrueFalse) {
    char out[PLM_FORMAT_SIZE];
    memset(out, '#', sizeof out);
    GetDefaultFormat(out, DT_BOOLEAN, 5);
    EXPECT_STREQ("True", out);
    EXPECT_EQ('#', out[5]);
    GetDefaultFormat(out, DT_BOOLEAN, 1);
    EXPECT_STREQ("", out);
    GetDefaultFormat(out, DT_CURRENCY, 2);  // copied whole all the same
    EXPECT_STREQ("$#,##0.00;($#,##0.00)", out);
}

TEST(GetDefaultFormat, UnknownCodesWriteNothing) {
    for (short type : {short(-1), short(11)}) {
        char out[8] = "keep";
        GetDefaultFormat(out, type, sizeof out);
        EXPECT_STREQ("keep", out) << type;
    }
}

// Reads the block back through its own pointers.
std::vector<std::string> ReadList(HGLOBAL block) {
    std::vector<std::string> entries;
    const DataFormatList* list = static_cast<const DataFormatList*>(GlobalLock(block));
    EXPECT_NE(nullptr, list);
    if (list == nullptr) return entries;
    for (int k = 0; k < PLM_FORMAT_LIST_COUNT; ++k) {
        EXPECT_EQ(list->aszFormat[k], list->apszFormat[k]) << k;
        if (list->apszFormat[k][0] == '\0') break;
        entries.emplace_back(list->apszFormat[k]);
    }
    for (int k = static_cast<int>(entries.size()); k < PLM_FORMAT_LIST_COUNT; ++k)
        for (char c : list->aszFormat[k]) EXPECT_EQ('\0', c) << "entry " << k << " is zeroed";
    GlobalUnlock(block);
    return entries;
}

TEST(GetDataFormat, Catalogue) {
    using List = std::vector<std::string>;
    struct Case {
        short type;
        List expected;
    } const cases[] = {
        {DT_TEXT, {}},
        {DT_CURRENCY, {"$#,##0.00;($#,##0.00)", "$#,##0.00;$-#,##0.00", "#,##0.00$;-#,##0.00$", "0.0000;-0.0000"}},
        {DT_DATE, {"m/dd/yyyy", "mm/dd/yyyy", "mmm/dd", "mmm/dd/yyyy", "mmmm/dd/yyyy", "dd/mm/yyyy", "yyyy-mm-dd"}},
        {DT_TIME, {"hh:mm AM/PM", "hh:mm:ss", "h:mm"}},
        {DT_WHOLE8, {"0", "0%"}},
        {DT_WHOLE16, {"0", "0%", "#,##0", "#,##0;(#,##0)"}},
        {DT_WHOLE32, {"0", "0%", "#,##0", "#,##0;(#,##0)"}},
        {DT_BOOLEAN, {"True/False", "T/F", "Yes/No", "Y/N", "1/0"}},
        {DT_SINGLE, {"0.00", "0.00%", "#,##0.00", "#,##0.00;(#,##0.00)"}},
        {DT_WHOLE_PLAIN, {}},
        {DT_DATETIME,
         {"mm/dd/yyyy hh:mm AM/PM", "mm/dd/yyyy hh:mm:ss", "mm/dd/yyyy h:mm", "mmm/dd hh:mm AM/PM",
          "mmm/dd hh:mm:ss", "mmm/dd h:mm", "mmm/dd/yyyy hh:mm AM/PM", "mmm/dd/yyyy hh:mm:ss", "mmm/dd/yyyy h:mm",
          "yyyy-mm-dd hh:mm AM/PM", "yyyy-mm-dd hh:mm:ss", "yyyy-mm-dd h:mm"}},
        {42, {}},
    };
    for (const Case& c : cases) {
        HGLOBAL block = nullptr;
        EXPECT_TRUE(GetDataFormat(c.type, &block)) << c.type;
        ASSERT_NE(nullptr, block);
        EXPECT_EQ(sizeof(DataFormatList), GlobalSize(block));
        EXPECT_EQ(c.expected, ReadList(block)) << c.type;
        EXPECT_EQ(nullptr, GlobalFree(block));
    }
    EXPECT_FALSE(GetDataFormat(DT_DATE, nullptr));
}

TEST(IsValidMask, OtherTypesAreAcceptedAsTheyStand) {
    char out[PLM_FORMAT_SIZE] = "";
    FormatInfo info;
    memset(&info, 0x11, sizeof info);
    EXPECT_TRUE(IsValidMask("zzz", out, DT_DATE, 3, &info));
    EXPECT_STREQ("zzz", out);
    EXPECT_EQ(0x1111, info.wTextMask1);  // not looked at
    EXPECT_TRUE(IsValidMask("\"abc", out, DT_CURRENCY, 0, nullptr));
    EXPECT_STREQ("\"abc", out);
}

TEST(IsValidMask, TextQuoteCheck) {
    struct Case {
        const char* format;
        BOOL valid;
    } const cases[] = {
        {"\"abc", FALSE},      {"\\\"abc", TRUE},  {"(###) ###-####", TRUE}, {"\"ID \"####", TRUE},
        {"\"a\"\"b", FALSE},   {"", TRUE},         {"abc\\", TRUE},          {"\\\\\"x", FALSE},
    };
    for (const Case& c : cases) {
        char out[PLM_FORMAT_SIZE];
        memset(out, '#', sizeof out);
        EXPECT_EQ(c.valid, IsValidMask(c.format, out, DT_TEXT, 0, nullptr)) << c.format;
        EXPECT_STREQ(c.valid ? c.format : "", out) << c.format;
    }
}

TEST(IsValidMask, InfoSizeAndWords) {
    FormatInfo info;
    memset(&info, 0x22, sizeof info);
    char out[PLM_FORMAT_SIZE] = "old";
    EXPECT_FALSE(IsValidMask("###", out, DT_TEXT, 75, &info));
    EXPECT_STREQ("", out);
    EXPECT_EQ(0x2222, info.wTextMask1);

    EXPECT_TRUE(IsValidMask("###", out, DT_TEXT, 76, &info));
    EXPECT_STREQ("###", out);
    EXPECT_EQ(1, info.wTextMask1);
    EXPECT_EQ(1, info.wTextMask2);
    for (BYTE b : info.reserved) EXPECT_EQ(0x22, b);  // reserved bytes as the caller gave them

    EXPECT_TRUE(IsValidMask("###", nullptr, DT_TEXT, 76, nullptr));  // no output wanted
}

}  // namespace
