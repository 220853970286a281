// Helpers shared by the time engine's tests.
#ifndef PLM_TEST_TIME_SUPPORT_H
#define PLM_TEST_TIME_SUPPORT_H

#include <stdio.h>

#include <string>

#include "engines/time/time.h"

// A record with format and no window: enough for the window-free routines.
inline MaskEditInfo TimeInfo(const char* format) {
    MaskEditInfo info = {};
    snprintf(info.szFormat, sizeof info.szFormat, "%s", format);
    return info;
}

// A value as one comparable text: "hour:minute:second", then " empty" and the designator.
inline std::string Show(const TimeValue& v) {
    char text[80];
    snprintf(text, sizeof text, "%d:%d:%d%s a%d", v.nHour, v.nMinute, v.nSecond,
             v.bEmpty ? " empty" : "", v.nAmPm);
    return text;
}

#endif  // PLM_TEST_TIME_SUPPORT_H
