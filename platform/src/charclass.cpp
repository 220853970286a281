// Character classes and case mapping of the ANSI code page 1252, as Win32 derives them from the
// Unicode properties of each byte's character. A letter whose partner lies outside the code page
// (ƒ, ß, µ, ª, º) has no case partner and maps to itself.
#include <windows.h>

namespace {

enum CharClass : unsigned char {
    kAlpha = 0x01,
    kDigit = 0x02,  // counts for IsCharAlphaNumericA, not for IsCharAlphaA
    kUpper = 0x04,
    kLower = 0x08,
};

struct CharInfo {
    unsigned char cls;    // CharClass flags
    unsigned char upper;  // upper-case partner, or the byte itself
    unsigned char lower;  // lower-case partner, or the byte itself
};

struct CaseTable {
    CharInfo entry[256];
};

constexpr void SetPair(CaseTable& table, unsigned upper, unsigned lower) {
    table.entry[upper] = {kAlpha | kUpper, static_cast<unsigned char>(upper), static_cast<unsigned char>(lower)};
    table.entry[lower] = {kAlpha | kLower, static_cast<unsigned char>(upper), static_cast<unsigned char>(lower)};
}

constexpr void SetClass(CaseTable& table, unsigned byte, unsigned char cls) {
    table.entry[byte].cls = cls;
}

constexpr CaseTable BuildCaseTable() {
    CaseTable table = {};
    for (unsigned byte = 0; byte < 256; ++byte)
        table.entry[byte] = {0, static_cast<unsigned char>(byte), static_cast<unsigned char>(byte)};
    for (unsigned byte = '0'; byte <= '9'; ++byte) SetClass(table, byte, kDigit);
    for (unsigned byte = 'A'; byte <= 'Z'; ++byte) SetPair(table, byte, byte + 0x20);
    // À..Þ and à..þ, except × (0xD7) and ÷ (0xF7), which are signs.
    for (unsigned byte = 0xC0; byte <= 0xDE; ++byte)
        if (byte != 0xD7) SetPair(table, byte, byte + 0x20);
    SetPair(table, 0x8A, 0x9A);  // Š š
    SetPair(table, 0x8C, 0x9C);  // Œ œ
    SetPair(table, 0x8E, 0x9E);  // Ž ž
    SetPair(table, 0x9F, 0xFF);  // Ÿ ÿ
    // Lower-case letters whose upper case is not in the code page.
    const unsigned loneLower[] = {0x83 /* ƒ */, 0xAA /* ª */, 0xB5 /* µ */, 0xBA /* º */, 0xDF /* ß */};
    for (unsigned byte : loneLower) SetClass(table, byte, kAlpha | kLower);
    SetClass(table, 0x88, kAlpha);  // ˆ, a modifier letter without case
    // Superscript digits are digits, not letters.
    const unsigned superscripts[] = {0xB2, 0xB3, 0xB9};
    for (unsigned byte : superscripts) SetClass(table, byte, kDigit);
    return table;
}

constexpr CaseTable kCaseTable = BuildCaseTable();

const CharInfo& Info(CHAR ch) { return kCaseTable.entry[static_cast<unsigned char>(ch)]; }

// CharUpperA/CharLowerA take a single character in the low word of a pointer whose high bits
// are zero, as MAKEINTRESOURCE values are told apart from addresses.
bool IsSingleCharacter(LPCSTR lpsz) { return (reinterpret_cast<UINT_PTR>(lpsz) >> 16) == 0; }

// CharUpperA and CharLowerA, by the partner they map to: one character, or a string in place.
LPSTR MapCase(LPSTR lpsz, unsigned char CharInfo::*partner) {
    if (IsSingleCharacter(lpsz)) {
        unsigned char mapped = Info(static_cast<CHAR>(LOWORD(lpsz))).*partner;
        return reinterpret_cast<LPSTR>(static_cast<UINT_PTR>(mapped));
    }
    for (char* p = lpsz; *p != '\0'; ++p) *p = static_cast<char>(Info(*p).*partner);
    return lpsz;
}

}  // namespace

extern "C" {

PLW_API BOOL WINAPI IsCharAlphaA(CHAR ch) { return (Info(ch).cls & kAlpha) != 0; }

PLW_API BOOL WINAPI IsCharAlphaNumericA(CHAR ch) { return (Info(ch).cls & (kAlpha | kDigit)) != 0; }

PLW_API BOOL WINAPI IsCharUpperA(CHAR ch) { return (Info(ch).cls & kUpper) != 0; }

PLW_API BOOL WINAPI IsCharLowerA(CHAR ch) { return (Info(ch).cls & kLower) != 0; }

PLW_API LPSTR WINAPI CharUpperA(LPSTR lpsz) { return MapCase(lpsz, &CharInfo::upper); }

PLW_API LPSTR WINAPI CharLowerA(LPSTR lpsz) { return MapCase(lpsz, &CharInfo::lower); }

PLW_API LPSTR WINAPI CharNextA(LPCSTR lpsz) {
    // Code page 1252 has no lead bytes: the next character is the next byte, never past the end.
    if (lpsz == nullptr) return nullptr;
    return const_cast<LPSTR>(*lpsz != '\0' ? lpsz + 1 : lpsz);
}

}  // extern "C"
