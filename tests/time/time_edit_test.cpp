// Editing a Time field: keystrokes on the window-free core, keystrokes and typed values on a
// live edit window.
#include <gtest/gtest.h>

#include <string.h>

#include "support/edit_window.h"
#include "time/time_support.h"

namespace {

constexpr char kAmPm[] = "h:mm:ss AM/PM";

// format, text, the selection before the first key, keys typed in order (\b Backspace, \1 the
// Delete key) -> the text, the selection start, the last key's result, whether a key wrote back
struct KeyCase {
    const char *format, *text; int start, end; const char *keys, *shown; int caret, result;
    BOOL modified;
};

TEST(TimeKeyCore, KeySequences) {
    const KeyCase cases[] = {
        // digits overwrite; a complete field is written anew and the caret jumps to the next one
        {"hh:mm:ss", "__:__:__", 0, 0, "143059", "14:30:59", 8, 1, TRUE},
        {"hh:mm:ss", "__:__:__", 0, 0, "7", "07:__:__", 3, 1, TRUE},   // 7 takes no second digit
        {"hh:mm", "10:__", 3, 3, "7", "10:07", 5, 1, TRUE},
        {"h:m", "1:_", 2, 2, "05", "1:5", 3, 1, TRUE},                 // a leading 0 waits
        {kAmPm, "10:30:__ AM", 6, 6, "05", "10:30:05 AM", 9, 1, TRUE},
        {"h:mm", "1:__", 1, 1, "2", "12:__", 3, 1, TRUE},              // inserted at the separator
        {"hh:mm:ss", "14:30:59", 2, 2, "5", "14:30:59", 2, 1, FALSE},  // third place of a field
        {kAmPm, "10:30:00 AM", 9, 9, "5", "10:30:00 AM", 9, 1, FALSE}, // in the designator
        {"hh:mm", "200:00", 0, 0, "1", "200:00", 0, 0, FALSE},         // 100 is no hour
        {"hh:mm", "123:00", 1, 2, "9", "1_3:00", 1, 0, TRUE},          // stays cleared
        {"hh:mm:ss", "14:30:59", 3, 5, "4", "14:4_:59", 4, 1, TRUE},
        {"hh:mm:ss", "14:30:59", 0, 8, "-", "14:30:59", 0, 1, FALSE},  // keeps the selection
        {"hh:mm", "10:30", 0, 0, "a", "10:30", 0, 1, FALSE},           // no designator to pick
        // under the second designator an hour has had 12 added: 1 waits for a second digit
        {kAmPm, "_:__:__ PM", 0, 0, "1", "1:__:__ PM", 1, 1, TRUE},
        {kAmPm, "_:__:__ PM", 0, 0, "3", "3:__:__ PM", 2, 1, TRUE},
        {kAmPm, "_:__:__ AM", 0, 0, "3", "3:__:__ AM", 2, 1, TRUE},
        {kAmPm, "_:__:__ __", 0, 0, "12", "12:__:__ PM", 3, 1, TRUE},
        // a letter picks the designator
        {kAmPm, "10:30:00 AM", 2, 2, "p", "10:30:00 PM", 2, 1, TRUE},
        {kAmPm, "10:30:00 AM", 10, 10, "P", "10:30:00 PM", 11, 1, TRUE},
        {kAmPm, "10:30:00 PM", 0, 0, "a", "10:30:00 AM", 0, 1, TRUE},
        {kAmPm, "10:30:00 AM", 2, 2, "x", "10:30:00 AM", 2, 1, FALSE},
        {kAmPm, "10:30:00 AM", 0, 11, "p", "_:__:__ PM", 0, 1, TRUE},
        // the separator key moves behind the field and pads a valid time
        {"hh:mm:ss", "1_:30:15", 1, 1, ":", "01:30:15", 3, 1, TRUE},
        {"hh:mm:ss", "1_:__:__", 1, 1, ":", "1_:__:__", 3, 1, TRUE},
        {"hh:mm:ss", "01:30:15", 8, 8, ":", "01:30:15", 0, 1, TRUE},
        // Backspace and Delete blank letters and digits; a designator goes whole
        {kAmPm, "10:30:00 AM", 10, 10, "\b", "10:30:00 __", 9, 1, TRUE},
        {"hh:mm:ss", "14:30:59", 2, 2, "\1", "14:_0:59", 3, 1, TRUE},  // steps over the ':'
        {"hh:mm:ss", "14:30:59", 0, 0, "\b", "14:30:59", 0, 1, TRUE},  // nothing before the caret
        {kAmPm, "10:30:00 AM", 11, 11, "\1", "10:30:00 __", 9, 1, TRUE},  // behind it counts
        {"hh:mm:ss", "14:30:59", 8, 8, "\1", "14:30:59", 8, 1, TRUE},
        {"h:mm", "12:30", 2, 2, "\b", "1:30", 1, 1, TRUE},             // one-letter code: unpadded
        {"h:mm", "12:30", 0, 5, "\1", "_:__", 0, 1, TRUE},
    };
    for (const KeyCase& c : cases) {
        TimeEditState state = {};
        snprintf(state.szText, sizeof state.szText, "%s", c.text);
        state.nSelStart = c.start;
        state.nSelEnd = c.end;
        MaskEditInfo info = TimeInfo(c.format);
        int result = -1;
        BOOL modified = FALSE;
        for (const char* key = c.keys; *key != '\0'; ++key) {
            result = TimeKeyCore(&state, &info, *key);
            modified |= state.bModified;
            if (state.bModified) state.nSelStart = state.nSelEnd = state.nCaret;
        }
        SCOPED_TRACE(testing::Message() << c.format << " '" << c.text << "' + '" << c.keys << "'");
        EXPECT_STREQ(state.szText, c.shown);
        EXPECT_EQ(state.nSelStart, c.caret);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(modified, c.modified);
    }
}

TEST(TimeKeyCore, LongestTextKeepsRoomForAnInsertedDigit) {
    TimeEditState state = {};
    memset(state.szText, ':', sizeof state.szText);  // over-long and unterminated: cut on entry
    state.szText[PLM_TEXT_SIZE - 2] = '1';
    state.nSelStart = state.nSelEnd = PLM_TEXT_SIZE - 1;
    MaskEditInfo info = TimeInfo("h");
    EXPECT_EQ(TimeKeyCore(&state, &info, '2'), 1);
    EXPECT_STREQ(state.szText, "12");  // inserted behind the last character, then written anew
    EXPECT_EQ(TimeKeyCore(nullptr, &info, '2'), 0);
    EXPECT_EQ(TimeKeyCore(&state, nullptr, '2'), 0);
}

TEST(TimeKeyWindow, WritesTextCaretAndModifiedFlagOnlyWhenChanged) {
    EditWindow edit;
    ASSERT_NE(edit.Handle(), nullptr);
    MaskEditInfo info = edit.Info(3, "hh:mm:ss");
    edit.Show("14:30:59", 0, 8);
    EXPECT_EQ(TimeKey(&info, '-'), 1);  // ignored: nothing is written
    EXPECT_FALSE(edit.Modified());
    EXPECT_EQ(TimeKey(&info, '\b'), 1);
    EXPECT_EQ(TimeKey(&info, '7'), 1);
    EXPECT_EQ(TimeKey(&info, '3'), 1);
    EXPECT_EQ(edit.Text(), "07:3_:__");
    int start = -1, end = -1;
    edit.Selection(&start, &end);
    EXPECT_EQ(start, 4);
    EXPECT_EQ(end, 4);
    EXPECT_TRUE(edit.Modified());  // set after the text, which clears it
    DestroyWindow(edit.Handle());
    EXPECT_EQ(TimeKey(&info, '1'), 0);
    EXPECT_EQ(TimeKey(nullptr, '1'), 0);
}

TEST(TimeTypedWindow, StringsAndValuesOverTheWindow) {
    EditWindow edit;
    ASSERT_NE(edit.Handle(), nullptr);
    MaskEditInfo info = edit.Info(3, "hh:mm:ss");
    SetTimeString("2:05:00 PM", &info);
    EXPECT_EQ(edit.Text(), "14:05:00");
    char out[8];
    memset(out, 0x7f, sizeof out);
    GetTimeString(out, &info, 4);  // cut at the caller's size
    EXPECT_STREQ(out, "2:0");
    EXPECT_EQ(out[4], 0x7f);

    info = edit.Info(3, "h:mm AM/PM");
    TimeValue value = {0, 5, 13, 0, 0};
    SetTimeValue(&value, &info);
    EXPECT_EQ(edit.Text(), "1:05 PM");
    EXPECT_EQ(value.nAmPm, 2);

    info = edit.Info(3, "h:mm:ss AM/PM");
    edit.SetText("10:30:__ PM");
    GetTimeValue(&value, &info);
    EXPECT_EQ(Show(value), "22:30:0 a2");

    SetTimeString("1:00:00 PM", nullptr);  // null pointers change nothing
    SetTimeValue(nullptr, &info);
    GetTimeValue(nullptr, &info);
    GetTimeString(nullptr, &info);
    EXPECT_EQ(edit.Text(), "10:30:__ PM");
}

}  // namespace
