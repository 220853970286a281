// Reading and writing a number must not touch the heap: keystrokes run these routines several
// times each. Every operator new of the program is counted while a check is armed.
#include <gtest/gtest.h>
#include <plmedt60.h>

#include <stdlib.h>
#include <string.h>

#include <new>

#include "engines/numeric/numeric.h"

namespace {
bool g_countingAllocations = false;
int g_allocationCount = 0;
}  // namespace

void* operator new(size_t size) {
    if (g_countingAllocations) ++g_allocationCount;
    if (void* block = malloc(size != 0 ? size : 1)) return block;
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept { free(block); }
void operator delete(void* block, size_t) noexcept { free(block); }

namespace {

TEST(NumericAllocation, ParseFormatAndConvertUseNoHeap) {
    const char* const formats[] = {"$#,##0.00;($#,##0.00)", "0.###############", "#,##0", "0.00%",
                                   "0\" pts\";-0\" pts\""};
    const char* const texts[] = {"($1,234.50)", "0.25", "12.3", "1.5E+2", "", "((12"};
    MaskEditInfo info{};
    info.nDataType = DT_CURRENCY;
    info.cDecimal = '.';
    info.cSeparator = ',';
    strcpy(info.szCurrency, "$");
    strcpy(info.szFormat, "$#,##0.00;-$#,##0.00");

    char out[PLM_TEXT_SIZE];
    g_allocationCount = 0;
    g_countingAllocations = true;
    for (const char* format : formats) {
        const NumberFormatDesc desc{format, "$", '.', ',', NegativeMarker(format)};
        for (const char* text : texts) {
            NumberParts parts;
            ParseNumberText(text, &desc, &parts);
            FormatNumberText(out, &desc, &parts, sizeof out);
            const FormatConvertDesc conv{format, formats[0], '.', '.', ',', ','};
            ConvertNumberText(out, text, &conv, sizeof out);
            ShownToPlainNumber(out, text, &info, TRUE, sizeof out);
            PlainToShownNumber(out, text, &info, TRUE, sizeof out);
        }
    }
    NumberValueToShown(out, -3000000000.25, &info, sizeof out);
    g_countingAllocations = false;
    EXPECT_EQ(0, g_allocationCount);
}

}  // namespace
