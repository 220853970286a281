// True/False engine: words and values, keys on the core and on a live window, typed get/set.
#include <gtest/gtest.h>

#include <string.h>

#include "engines/boolean/boolean.h"
#include "support/edit_window.h"

namespace {

TEST(BooleanText, ReadWriteAndConvert) {
    // A leading digit decides; else the upper-cased text meets the words as written, one step
    // per character; the false word runs on past a second '/'.
    const struct { const char *text, *format; int value; } reads[] = {
        {"2", "Yes/No", 2}, {"1xyz", nullptr, 1}, {"0Yes", "Yes/No", 0}, {"yes", "Yes/No", 1},
        {"YES", "yes/no", 0}, {"AB", "AB/AC", 1}, {"AC", "AB/AC", 0}, {"xB", "AB/AC", 1},
        {"??C", "ABCD/X/CD", 0}, {"Yes", "On", 0}, {"Yes", nullptr, 0}, {nullptr, "Yes/No", 0},
    };
    for (const auto& c : reads) EXPECT_EQ(ParseBooleanText(c.text, c.format), c.value) << c.text;
    const struct { const char* format; int value; const char* word; bool slash; } writes[] = {
        {"Yes/No", 1, "Yes", true}, {"Yes/No", 2, "2", true}, {"Yes/No", -1, "No", true},
        {"Yes/No/Maybe", 0, "No", true}, {"On", 1, "On", false}, {nullptr, 1, "", false},
        {"True/False", 1, "True", true}, {"True/False", 0, "Fals", true},
    };
    char out[8];
    for (const auto& c : writes) {  // into 5 bytes: cut there, never written past them
        memset(out, 0x7f, sizeof out);
        EXPECT_EQ(FormatBooleanText(out, c.format, c.value, 5) != 0, c.slash) << c.word;
        EXPECT_STREQ(out, c.word);
        EXPECT_EQ(out[5], 0x7f);
    }
    EXPECT_EQ(FormatBooleanText(out, "Yes/No", 1, 0), 0);  // no room at all: nothing written
    EXPECT_EQ(out[0], 'F');
    FormatConvertDesc desc = {"Yes/No", "1/0", 0, 0, 0, 0};
    EXPECT_EQ(ConvertBooleanText(out, "Yes", &desc, sizeof out), 1);
    EXPECT_STREQ(out, "1");
    desc.lpszFromFormat = nullptr;  // no source format: false, even for a digit
    ConvertBooleanText(out, "1", &desc, sizeof out);
    EXPECT_STREQ(out, "0");
    ConvertBooleanText(out, "1", nullptr, sizeof out);
    EXPECT_STREQ(out, "");
}

TEST(BooleanKey, KeysPickTheValueAndTheWordIsWrittenAnew) {
    // Every key goes to the selection start, so the last one wins and a later letter cannot
    // decide; Backspace or Delete anywhere in the keys only clears the selection. '*': modified.
    const struct {
        const char *format, *text; int start, end; const char *keys, *shown; int caret, result;
    } cases[] = {
        {"Yes/No", "Yes", 0, 0, "n", "No*", 0, 1}, {"Yes/No", "No", 0, 0, "x", "No*", 0, 1},
        {"True/False", "True", 2, 2, "f", "True*", 2, 1}, {"Yes/No", "", 0, 0, "y", "Yes*", 0, 1},
        {"Yes/No", "No", 0, 2, "xn1-", "Yes*", 0, 1}, {"Yes/No", "No", 0, 2, "y\b", "No", 2, 1},
        {"Yes/No", "No", 0, 2, "\1", "No", 2, 1}, {"Yes/No", "No", 1, 1, "? ", "No", 1, 0},
    };
    EditWindow edit;
    for (const auto& c : cases) {
        MaskEditInfo info = edit.Info(7, c.format);
        edit.Show(c.text, c.start, c.end);
        EXPECT_EQ(BooleanKey(&info, c.keys), c.result) << c.keys;
        int start = -1, end = -1;
        edit.Selection(&start, &end);
        EXPECT_EQ(edit.Text() + (edit.Modified() ? "*" : ""), c.shown) << c.keys;
        EXPECT_EQ(std::make_pair(start, end), std::make_pair(c.caret, c.caret)) << c.keys;
    }
    for (int caret : {-3, 40000}) {  // a caret outside the text acts at its nearer end, and
        BooleanEdit core = {"x\0B", caret};  // what lies behind the terminator is not read
        EXPECT_EQ(ApplyBooleanKeys(&core, "B", "ABB/ABC"), BOOLEAN_KEY_REWRITE);
        EXPECT_STREQ(core.szText, "ABC");
    }
    MaskEditInfo info = edit.Info(7, "Yes/No");
    int got = -7;  // typed get/set: the word goes out and is read back under the format
    EXPECT_EQ(SetBooleanValue(1, &info) + GetBooleanValue(&got, &info), 2);
    EXPECT_EQ(got, 1);
    EXPECT_EQ(GetBooleanValue(nullptr, &info) + SetBooleanValue(1, nullptr), 0);
    DestroyWindow(edit.Handle());
    EXPECT_EQ(BooleanKey(&info, "y"), 0);
}

}  // namespace
