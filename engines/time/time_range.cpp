// The range rules of a time value.
#include "engines/time/time.h"

namespace {

constexpr int kMidnightHour = 24;  // accepted as 0 by the range check

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

int IsValidTime(const TimeValue* value) {
    if (value == nullptr) return 0;
    if (value->bEmpty) return 1;
    return InRange(value->nHour, 0, kMidnightHour) && InRange(value->nMinute, 0, 59) &&
           InRange(value->nSecond, 0, 59);
}

int IsAmPmConsistent(const TimeValue* value) {
    if (value == nullptr) return 0;
    if (value->bEmpty) return 1;
    switch (value->nAmPm) {
    case 1: return InRange(value->nHour, 0, 11) || value->nHour == kMidnightHour;
    case 2: return InRange(value->nHour, 12, 23);
    default: return 0;
    }
}

void NormalizeTime(TimeValue* value) {
    if (value == nullptr) return;
    if (value->nMinute < 0) value->nMinute = 0;
    if (value->nMinute > 59) value->nMinute = 59;
    if (value->nSecond < 0) value->nSecond = 0;
    if (value->nSecond > 59) value->nSecond = 59;
    if (value->nHour < 0) value->nHour = 0;
    if (value->nHour > kMidnightHour) value->nHour %= 24;
    value->nAmPm = value->nHour >= 12 && value->nHour != kMidnightHour ? 2 : 1;
    value->bEmpty = 0;
}
