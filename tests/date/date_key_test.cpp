// Date keystrokes: sequences of keys on the pure core, and the adapter on a live edit window.
#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "engines/date/date.h"
#include "support/edit_window.h"

namespace {

// What a window would hold after the keys: a key that changes nothing leaves it as it was.
struct Shown {
    std::string text;
    int caret, result;  // result: of the last key
    bool modified;      // by any key
};

Shown TypeKeys(const char* format, const char* text, int selStart, int selEnd, const char* keys) {
    MaskEditInfo info = {};
    snprintf(info.szFormat, sizeof info.szFormat, "%s", format);
    DateEditState state = {};
    snprintf(state.szText, sizeof state.szText, "%s", text);
    state.nSelStart = selStart;
    state.nSelEnd = selEnd;
    Shown shown = {text, selStart, 0, false};
    for (const char* key = keys; *key != '\0'; ++key) {
        DateEditState next = state;
        shown.result = DateKeyCore(&next, &info, *key);
        if (next.bModified) state = next;
        shown.modified = shown.modified || next.bModified;
    }
    shown.text = state.szText;
    shown.caret = state.nSelStart;
    return shown;
}

// "\b" is Backspace, "\x01" the Delete key.
TEST(DateKey, KeySequencesEditTheShownDate) {
    struct Case {
        const char *format, *text;
        int selStart, selEnd;
        const char *keys, *expected;
        int caret, result;  // the caret after the keys, the result of the last one
    } cases[] = {
        // Digits fill a field and move on when it is done.
        {"mm/dd/yyyy", "__/__/____", 0, 0, "12251999", "12/25/1999", 10, 3},
        {"mm/dd/yy", "12/25/__", 6, 6, "99", "12/25/99", 8, 3},
        {"m/dd/yyyy", "_/__/____", 0, 0, "5", "5/__/____", 2, 3},
        // On the separator behind a one-letter field the digit is inserted.
        {"m/dd/yyyy", "_/__/____", 0, 0, "12", "12/__/____", 3, 3},
        {"m/d/yyyy", "5/_/____", 2, 2, "4", "5/4/____", 4, 3},
        {"m/d/yyyy", "5/_/____", 2, 2, "31", "5/31/____", 5, 3},
        {"m/d/yyyy", "2/_/____", 2, 2, "3", "2/3/____", 4, 3},
        // A month of 10 to 12 completes inside the field; a field whose value does not fit the
        // others does not (29 February fits while the year is blank; there is no year 0).
        {"mm/dd/yyyy", "_2/25/1999", 0, 0, "1", "12/25/1999", 3, 3},
        {"mm/dd/yyyy", "_1/25/1999", 0, 0, "0", "01/25/1999", 3, 3},
        {"mm/dd/yyyy", "_1/31/1999", 0, 0, "1", "11/31/1999", 1, 3},
        {"mm/dd/yyyy", "02/__/____", 3, 3, "29", "02/29/____", 6, 3},
        {"yyyy-mm-dd", "____-02-29", 0, 0, "2001", "2001-02-29", 4, 3},
        {"yyyy-mm-dd", "____-02-29", 0, 0, "2004", "2004-02-29", 5, 3},
        {"yyyy-mm-dd", "____-01-29", 0, 0, "0000", "0000-01-29", 4, 3},
        // Ignored: a digit on the separator behind a two-digit field or behind the year, over a
        // month name; a letter outside one.
        {"mm/dd/yyyy", "12/__/____", 2, 2, "3", "12/__/____", 2, 3},
        {"mm/dd/yyyy", "12/25/1999", 10, 10, "5", "12/25/1999", 10, 3},
        {"mmm/dd/yyyy", "Jan/05/1999", 0, 0, "1", "Jan/05/1999", 0, 3},
        {"mm/dd/yyyy", "12/25/1999", 0, 0, "x", "12/25/1999", 0, 3},
        // The separator key: behind the current field (the day before the month), from the end
        // back to the start; a whole date is shown anew.
        {"mm/dd/yyyy", "__/__/____", 0, 0, "1/", "1_/__/____", 3, 3},
        {"yyyy-mm-dd", "1999-12-25", 8, 8, "/", "1999-12-25", 10, 3},
        {"yyyy-mm-dd", "1999-12-25", 0, 0, "-", "1999-12-25", 5, 3},
        {"mm/dd/yyyy", "12/25/1999", 10, 10, "/", "12/25/1999", 0, 3},
        {"mmmm/dd/yyyy", "Mar/05/1999", 1, 1, "/", "March/05/1999", 6, 3},
        // Letters spell a month name.
        {"mmm/dd/yyyy", "Jan/05/1999", 1, 1, "u", "Jun/05/1999", 2, 3},
        {"mmm/dd/yyyy", "Jan/05/1999", 0, 0, "M", "Jan/05/1999", 0, 0},
        {"mmm/dd/yyyy", "___/05/1999", 0, 0, "J", "___/05/1999", 0, 0},
        {"mmm/dd/yyyy", "___/05/1999", 0, 0, "003", "Mar/05/1999", 4, 3},
        {"mmm/dd", "Mar/05", 0, 0, "my", "May/05", 4, 2},
        {"mmmm/dd/yyyy", "January/05/1999", 3, 3, "x", "January/05/1999", 3, 3},
        // Backspace and Delete.
        {"mm/dd/yyyy", "12/25/1999", 2, 2, "\b", "1_/25/1999", 1, 1},
        {"mm/dd/yyyy", "12/25/1999", 3, 3, "\b", "12/25/1999", 2, 1},
        {"mm/dd/yyyy", "12/25/1999", 0, 0, "\b", "12/25/1999", 0, 1},
        {"mm/dd/yyyy", "12/25/1999", 2, 2, "\x01", "12/_5/1999", 3, 1},
        {"mm/dd/yyyy", "12/25/1999", 10, 10, "\x01", "12/25/1999", 10, 1},
        {"mm/dd/yyyy", "12/25/1999", 0, 10, "\x01", "__/__/____", 2, 1},
        {"m/d/yyyy", "5/12/1999", 4, 4, "\b", "5/0/1999", 3, 1},
        {"m/d/yyyy", "12/5/1999", 1, 2, "\x01", "0/5/1999", 0, 1},
        {"mmmm/dd/yyyy", "March/05/1999", 5, 5, "\b", "Ma_/05/1999", 2, 1},
        {"mmmm/dd/yyyy", "March/05/1999", 4, 4, "\x01", "Ma_/05/1999", 2, 1},
        // A selection is cleared before the key, and stays cleared when the key is refused.
        {"mm/dd/yyyy", "12/25/1999", 0, 5, "3", "3_/__/1999", 1, 3},
        {"mmm/dd/yyyy", "Jan/05/1999", 0, 3, "x", "___/05/1999", 0, 0},
        // An empty text starts from the all-zero date; a digit ends the text behind it.
        {"mm/dd/yyyy", "", 0, 0, "/", "00/00/0000", 3, 3},
        {"mm/dd/yyyy", "", 0, 0, "1", "1", 1, 3},
        // No date field: nothing to do.
        {"at noon", "at noon", 0, 0, "1", "at noon", 0, 0},
    };
    for (const Case& c : cases) {
        Shown shown = TypeKeys(c.format, c.text, c.selStart, c.selEnd, c.keys);
        std::string context = std::string(c.text) + " + '" + c.keys + "' under " + c.format;
        EXPECT_EQ(c.expected, shown.text) << context;
        EXPECT_EQ(c.caret, shown.caret) << context;
        EXPECT_EQ(c.result, shown.result) << context;
    }
}

TEST(DateKey, IgnoredKeysChangeNothingAndBadInputStaysInBounds) {
    EXPECT_FALSE(TypeKeys("mm/dd/yyyy", "12/__/____", 2, 2, "3x?").modified);
    EXPECT_FALSE(TypeKeys("mm/dd/yyyy", "12/25/1999", 0, 0, "\b").modified);
    // A digit inserted into a full text pushes its last character out; a caret far past the end.
    std::string full = "0/__/____" + std::string(PLM_TEXT_SIZE - 10, '7');
    Shown shown = TypeKeys("m/dd/yyyy", full.c_str(), 1, 1, "0");
    EXPECT_EQ(PLM_TEXT_SIZE - 1, static_cast<int>(shown.text.size()));
    EXPECT_EQ(0, shown.text.compare(0, 6, "00/__/"));
    EXPECT_EQ(3, TypeKeys("mm/dd/yyyy", "12/25/1999", 900, -4, "/").result);
    // A format buffer without a terminator holds no format.
    MaskEditInfo info = {};
    memset(info.szFormat, 'm', sizeof info.szFormat);
    DateEditState state = {};
    EXPECT_EQ(0, DateKeyCore(&state, &info, '1'));
    EXPECT_EQ(0, DateKeyCore(nullptr, &info, '1'));
}

std::string SelectionOf(const EditWindow& window) {
    int start = -1, end = -1;
    window.Selection(&start, &end);
    return std::to_string(start) + "," + std::to_string(end);
}

// The adapter reads the window's text and selection and writes text, modified flag and caret.
TEST(DateKeyWindow, KeysEditTheWindowAndOnlyWhenTheyChangeIt) {
    EditWindow window;
    MaskEditInfo info = window.Info(DT_DATE, "mm/dd/yyyy");
    window.Show("__/__/____", 0, 0);
    for (const char* key = "12251999"; *key != '\0'; ++key) EXPECT_EQ(3, DateKey(&info, *key));
    EXPECT_EQ("12/25/1999", window.Text());
    EXPECT_EQ('/', info.cSeparator);
    EXPECT_TRUE(window.Modified());
    EXPECT_EQ("10,10", SelectionOf(window));
    window.Show("12/25/1999", 0, 5);
    EXPECT_EQ(3, DateKey(&info, '3'));
    EXPECT_EQ("3_/__/1999", window.Text());
    EXPECT_EQ("1,1", SelectionOf(window));

    // Ignored or refused keys leave the window alone.
    info = window.Info(DT_DATE, "mmm/dd/yyyy");
    window.Show("Jan/05/1999", 1, 1);
    EXPECT_EQ(0, DateKey(&info, 'M'));
    EXPECT_EQ(3, DateKey(&info, '7'));
    EXPECT_EQ("Jan/05/1999", window.Text());
    EXPECT_EQ("1,1", SelectionOf(window));
    EXPECT_FALSE(window.Modified());
    MaskEditInfo gone = info;
    gone.hWnd = nullptr;
    EXPECT_EQ(0, DateKey(&gone, '1'));
    EXPECT_EQ(0, DateKey(nullptr, '1'));
}

}  // namespace
