// Converting a shown number from one picture to another: the property check, the empty-field
// text and the raw-to-shown conversion all go through here.
#include "engines/numeric/numeric_detail.h"
#include "module/module.h"

int ConvertNumberText(LPSTR out, LPCSTR in, const FormatConvertDesc* conv, int outSize) {
    char section[PLM_TEXT_SIZE];
    NumberParts parts{0, 0, FALSE, TRUE};
    if (conv != nullptr && in != nullptr && conv->lpszFromFormat != nullptr) {
        const NumberFormatDesc from{conv->lpszFromFormat, g_szDefCurrency, conv->cFromDecimal,
                                    conv->cFromSeparator, '\0'};
        ParseNumberText(in, &from, &parts);
    }
    // Without an input the parts stay empty and positive: the target's empty template.
    SelectFormatSection(section, conv != nullptr ? conv->lpszToFormat : nullptr, parts.bNegative,
                        sizeof section);
    const NumberFormatDesc to{section, g_szDefCurrency, conv != nullptr ? conv->cToDecimal : '\0',
                              conv != nullptr ? conv->cToSeparator : '\0', '\0'};
    return FormatNumberText(out, &to, &parts, outSize);
}
