// Character classes and case mapping of all 256 ANSI bytes against the table that the real
// Win32 (Wine) printed: tools/charclass_table.cpp wrote charclass_golden.inc.
#include <gtest/gtest.h>
#include <windows.h>

namespace {

struct GoldenRow {
    unsigned byte;
    int alpha, alphaNumeric, upper, lower;
    unsigned singleUpper, singleLower;  // CharUpperA/CharLowerA, character in the pointer's low word
    unsigned stringUpper, stringLower;  // ... on a one-character string
};

const GoldenRow kGolden[] = {
#include "charclass_golden.inc"
};

static_assert(sizeof kGolden / sizeof kGolden[0] == 256, "one row per byte");

unsigned LowWord(LPSTR result) { return static_cast<unsigned>(reinterpret_cast<UINT_PTR>(result) & 0xFFFF); }

TEST(CharClass, EveryByteMatchesWin32) {
    for (const GoldenRow& row : kGolden) {
        SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << row.byte);
        const CHAR ch = static_cast<CHAR>(row.byte);
        EXPECT_EQ(IsCharAlphaA(ch) != 0, row.alpha != 0);
        EXPECT_EQ(IsCharAlphaNumericA(ch) != 0, row.alphaNumeric != 0);
        EXPECT_EQ(IsCharUpperA(ch) != 0, row.upper != 0);
        EXPECT_EQ(IsCharLowerA(ch) != 0, row.lower != 0);
        EXPECT_EQ(LowWord(CharUpperA(MAKEINTRESOURCEA(row.byte))), row.singleUpper);
        EXPECT_EQ(LowWord(CharLowerA(MAKEINTRESOURCEA(row.byte))), row.singleLower);
        if (row.byte == 0) continue;  // the terminator itself
        char text[2] = {ch, '\0'};
        EXPECT_EQ(CharUpperA(text), text);
        EXPECT_EQ(static_cast<unsigned char>(text[0]), row.stringUpper);
        text[0] = ch;
        CharLowerA(text);
        EXPECT_EQ(static_cast<unsigned char>(text[0]), row.stringLower);
    }
}

TEST(CharClass, StringFormMapsInPlaceUpToTheTerminator) {
    char text[] = "aB\xe9\xff" "z\0q";
    CharUpperA(text);
    EXPECT_STREQ(text, "AB\xc9\x9fZ");
    EXPECT_EQ(text[6], 'q');  // past the terminator: untouched
    CharLowerA(text);
    EXPECT_STREQ(text, "ab\xe9\xffz");
}

}  // namespace
