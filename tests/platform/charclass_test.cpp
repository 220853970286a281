// Character classes and case mapping of all 256 ANSI bytes against the table that the real
// Win32 (Wine) printed: tools/charclass_table.cpp wrote charclass_golden.inc.
#include <gtest/gtest.h>
#include <windows.h>

namespace {

struct GoldenRow {
    unsigned byte;
    int alpha;
    int alphaNumeric;
    int upper;
    int lower;
    unsigned singleUpper;  // CharUpperA, character in the pointer's low word
    unsigned singleLower;
    unsigned stringUpper;  // CharUpperA on a one-character string
    unsigned stringLower;
};

const GoldenRow kGolden[] = {
#include "charclass_golden.inc"
};

static_assert(sizeof kGolden / sizeof kGolden[0] == 256, "one row per byte");

unsigned SingleUpper(unsigned byte) {
    return static_cast<unsigned>(reinterpret_cast<UINT_PTR>(CharUpperA(MAKEINTRESOURCEA(byte))) & 0xFFFF);
}

unsigned SingleLower(unsigned byte) {
    return static_cast<unsigned>(reinterpret_cast<UINT_PTR>(CharLowerA(MAKEINTRESOURCEA(byte))) & 0xFFFF);
}

TEST(CharClass, ClassesOfEveryByteMatchWin32) {
    for (const GoldenRow& row : kGolden) {
        CHAR ch = static_cast<CHAR>(row.byte);
        EXPECT_EQ(IsCharAlphaA(ch) != 0, row.alpha != 0) << "byte 0x" << std::hex << row.byte;
        EXPECT_EQ(IsCharAlphaNumericA(ch) != 0, row.alphaNumeric != 0) << "byte 0x" << std::hex << row.byte;
        EXPECT_EQ(IsCharUpperA(ch) != 0, row.upper != 0) << "byte 0x" << std::hex << row.byte;
        EXPECT_EQ(IsCharLowerA(ch) != 0, row.lower != 0) << "byte 0x" << std::hex << row.byte;
    }
}

TEST(CharClass, SingleCharacterCaseMappingMatchesWin32) {
    for (const GoldenRow& row : kGolden) {
        EXPECT_EQ(SingleUpper(row.byte), row.singleUpper) << "byte 0x" << std::hex << row.byte;
        EXPECT_EQ(SingleLower(row.byte), row.singleLower) << "byte 0x" << std::hex << row.byte;
    }
}

TEST(CharClass, StringCaseMappingMatchesWin32) {
    for (const GoldenRow& row : kGolden) {
        if (row.byte == 0) continue;  // the terminator itself
        char text[2] = {static_cast<char>(row.byte), '\0'};
        EXPECT_EQ(CharUpperA(text), text);
        EXPECT_EQ(static_cast<unsigned char>(text[0]), row.stringUpper) << "byte 0x" << std::hex << row.byte;
        text[0] = static_cast<char>(row.byte);
        CharLowerA(text);
        EXPECT_EQ(static_cast<unsigned char>(text[0]), row.stringLower) << "byte 0x" << std::hex << row.byte;
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

TEST(CharClass, CharNextStopsAtTheTerminator) {
    const char text[] = "ab";
    EXPECT_EQ(CharNextA(text), text + 1);
    EXPECT_EQ(CharNextA(text + 2), text + 2);
}

}  // namespace
