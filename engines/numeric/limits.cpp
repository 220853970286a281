// The value limits of the numeric types, and the module's one numeric work buffer.
#include "engines/numeric/numeric_detail.h"

char g_szNumericEdit[PLM_NUMERIC_EDIT_SIZE];

const NumericLimit g_aNumericLimits[PLM_NUMERIC_TYPE_COUNT] = {
    // type           keystroke whole  Text whole      fraction  significant
    {DT_CURRENCY, 99999999999.0, 99999999999.0, 0.9999, 0},
    {DT_WHOLE8, 127.0, 127.0, 1.0, 0},
    {DT_WHOLE16, 32767.0, 32767.0, 1.0, 0},
    {DT_WHOLE32, 2147483647.0, 2147483648.0, 1.0, 0},
    {DT_SINGLE, 0.0, 0.0, 1.0, 7},
    {DT_DOUBLE, 0.0, 0.0, 1.0, 15},
};

const NumericLimit* FindNumericLimit(short nDataType) {
    for (const NumericLimit& limit : g_aNumericLimits) {
        if (limit.nDataType == nDataType) return &limit;
    }
    return nullptr;
}

BOOL IsNumericDataType(short nDataType) { return FindNumericLimit(nDataType) != nullptr; }

BOOL ExceedsNumericLimit(short nDataType, const NumberParts* parts, LPCSTR text, char cDecimal,
                         NumericLimitUse use) {
    const NumericLimit* limit = FindNumericLimit(nDataType);
    if (limit == nullptr || parts == nullptr) return FALSE;
    const double maxWhole = use == LIMIT_KEYSTROKE ? limit->dMaxWhole : limit->dMaxWholeText;
    if (maxWhole > 0 && parts->dWhole > maxWhole) return TRUE;
    if (use == LIMIT_KEYSTROKE && parts->dFraction > limit->dMaxFraction) return TRUE;
    return limit->nMaxSignificant > 0 &&
           CountSignificantDigits(text, limit->nMaxSignificant, cDecimal);
}
