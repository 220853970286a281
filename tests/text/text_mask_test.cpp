// The text engine: position maps, keystrokes on a live edit window, shown and raw text, and the
// bounds of every routine that fills a caller's buffer.
#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "engines/text/text_mask.h"
#include "module/module.h"
#include "support/edit_window.h"

namespace {

const char kPhone[] = "(###) ###-####";
const char kPhoneEmpty[] = "(___) ___-____";
const char kSentinel = '@';

// The locale's signs differ from the plain ones, so that "?" shows which it takes.
class TextMask : public ::testing::Test {
protected:
    void SetUp() override { g_cNegativeSign = '~', g_cPositiveSign = '^'; }
    void TearDown() override { g_cNegativeSign = saved_[0], g_cPositiveSign = saved_[1]; }
    const char saved_[2] = {g_cNegativeSign, g_cPositiveSign};
};

// ShownPosToMaskIndex, NextEditablePos and PrevEditablePos of each position. Shown "#_" under
// "\##" and "AB_" under "\"AB\"#": escaped and quoted mask characters are literals.
TEST_F(TextMask, PositionMapsAndEditableNeighbours) {
    const struct { const char* mask; int pos, maskIndex, next, prev; } cases[] = {
        {kPhone, 0, 0, 1, -1},    {kPhone, 4, 4, 6, 3},     {kPhone, 13, 13, 13, 12}, {kPhone, 14, 14, -1, 13},
        {kPhone, 99, 14, -1, 13}, {kPhone, -3, 0, 1, -1},   {"#\"-\"#", 1, 2, 2, 0},  {"\\##", 0, 1, 1, -1},
        {"\\##", 2, 3, -1, 1},    {"\"AB\"#", 0, 1, 2, -1}, {"\"AB\"#", 3, 5, -1, 2}, {nullptr, 3, 0, -1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.mask ? c.mask : "(null)") << " at " << c.pos);
        EXPECT_EQ(ShownPosToMaskIndex(c.mask, c.pos), c.maskIndex);
        EXPECT_EQ(NextEditablePos(c.mask, c.pos), c.next);
        EXPECT_EQ(PrevEditablePos(c.mask, c.pos), c.prev);
    }
}

// Keys on a live edit window, one engine call per character ("\b" Backspace, "\x01" Delete),
// typed or pasted: the text, the caret (an empty selection) and the modified flag, which must be
// set after the text since writing the text clears it. The classes follow the character
// functions of code page 1252 (superscript two is a digit, e acute a letter, y diaeresis has a
// capital); "?" takes the plain signs even where the locale's differ. A pasted character takes
// the next shown position, and there only the mask character at the mapped index counts.
TEST_F(TextMask, KeySequencesOnAnEditWindow) {
    const struct {
        const char *mask, *before;
        int maxLen, selStart, selEnd;
        const char* keys;
        BOOL typed;
        const char* after;
        int caret;
        bool modified;
    } cases[] = {
        {kPhone, kPhoneEmpty, 0, 0, 0, "5", TRUE, "(5__) ___-____", 2, true},
        {kPhone, kPhoneEmpty, 0, 0, 0, "x", TRUE, kPhoneEmpty, 1, false},
        {kPhone, "(555) 1__-____", 0, 6, 6, "\b", TRUE, "(555) 1__-____", 4, false},  // over a literal: a jump
        {kPhone, "(555) 1__-____", 0, 6, 6, "\b\b", TRUE, "(55_) 1__-____", 3, true},
        {kPhone, kPhoneEmpty, 0, 0, 0, "\b", TRUE, kPhoneEmpty, 1, false},
        {"\"ID: \"###", "ID: ___", 0, 2, 2, "\b", TRUE, "ID: ___", 4, false},
        {kPhone, "(555) 123-4567", 0, 3, 3, "\x01", TRUE, "(55_) 123-4567", 6, true},
        {kPhone, "(555) 123-4567", 0, 4, 4, "\x01", TRUE, "(555) 123-4567", 6, false},
        {kPhone, "(555) 123-4567", 0, 1, 7, "\x01", TRUE, "(___) _23-4567", 1, true},
        {kPhone, "(555) 123-4567", 0, 0, 3, "\b", TRUE, "(__5) 123-4567", 1, true},
        {kPhone, "(555) 123-4567", 0, 2, 7, "9", TRUE, "(59_) _23-4567", 3, true},
        {kPhone, "(555) 123-4567", 0, 2, 7, "x", TRUE, "(555) 123-4567", 2, false},
        {kPhone, "(555) 123-4567", 0, 1, 1, " ", TRUE, "(_55) 123-4567", 2, true},
        {kPhone, "(555) 123-4567", 0, 3, 3, "_", TRUE, "(55_) 123-4567", 6, true},
        {"#A&&", "____", 0, 0, 0, "a\xE9\xB2" "5\xE9\x7F\x1F~\x80", TRUE, "\xB2\xE9~\x80", 4, true},
        {"?LU??", "_____", 0, 0, 0, "*z\xC9\xFF~-+", TRUE, "z\xE9\x9F-+", 5, true},
        {"#####", "_____", 3, 0, 0, "12345", TRUE, "123__", 3, true},  // the fourth is refused
        {"#####", "1____", 3, 4, 4, "5", TRUE, "1____", 4, false},      // raw "1___5" is too long
        {"##!!", "12!!", 0, 3, 3, "5", TRUE, "12!!", 2, false},         // nothing editable after the caret
        {kPhone, kPhoneEmpty, 0, 0, 0, "(555) 123-4567", FALSE, "(555) 123-4567", 14, true},
        {kPhone, kPhoneEmpty, 0, 0, 0, "5551234567", FALSE, "(551) 456-____", 10, true},
        {kPhone, "(555) 123-4567", 0, 6, 9, "98", FALSE, "(555) 98_-4567", 8, true},
        {"\\##", "#_", 0, 0, 0, "5", FALSE, "5_", 1, true},
    };
    EditWindow edit;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << &c - cases << ": " << c.mask << " " << c.before);
        MaskEditInfo info = edit.Info(DT_TEXT, c.mask);
        info.nMaxTextLen = c.maxLen;
        edit.Show(c.before, c.selStart, c.selEnd);
        for (const char* key = c.keys; *key != '\0'; ++key) ASSERT_EQ(TextMaskKey(&info, *key, c.typed), 1);
        EXPECT_EQ(edit.Text(), c.after);
        EXPECT_EQ(SendMessageA(edit.Handle(), EM_GETSEL, 0, 0), MAKELONG(c.caret, c.caret));
        EXPECT_EQ(edit.Modified(), c.modified);
    }
}

// Without a window, or with a work length or mask the work text cannot hold, nothing changes;
// PutMaskChar never writes off its mask or on a literal. Setting a raw text shows it through
// the mask; without a mask the whole of it, even past a working text.
TEST_F(TextMask, WindowsRoomAndRawText) {
    MaskEditInfo gone = EditWindow().Info(DT_TEXT, kPhone);
    char raw[PLM_TEXT_SIZE];
    EXPECT_EQ(TextMaskKey(&gone, '5', TRUE), 0);
    EXPECT_EQ(GetTextMaskRaw(raw, &gone, sizeof raw), 0);
    EXPECT_STREQ(raw, "");
    EXPECT_EQ(TextMaskKey(nullptr, '5', TRUE), 0);
    EXPECT_EQ(GetTextMaskRaw(raw, nullptr, sizeof raw), 0);
    EXPECT_FALSE(SetTextMaskRaw("555", nullptr));
    EditWindow edit;
    edit.Show("abc", 1, 1);
    MaskEditInfo info = edit.Info(DT_TEXT, "");  // no format: the work length is MaxTextLen
    for (int maxLen : {PLM_TEXT_EDIT_SIZE - 2, PLM_TEXT_EDIT_SIZE - 1, -5}) {
        info.nMaxTextLen = maxLen;
        EXPECT_EQ(TextMaskKey(&info, 'x', TRUE), maxLen == PLM_TEXT_EDIT_SIZE - 2 ? 1 : 0) << maxLen;
    }
    EXPECT_EQ(edit.Text(), "abc");
    TextEditState state = {};
    for (int len : {PLM_TEXT_EDIT_SIZE - 1, -1}) {
        state.nLen = len;
        EXPECT_EQ(TextMaskKeyCore(&state, "#", 0, '1', TRUE), 0) << len;
    }
    state.nLen = 3;
    EXPECT_EQ(TextMaskKeyCore(&state, std::string(PLM_TEXT_EDIT_SIZE, '#').c_str(), 0, '1', TRUE), 0);
    EXPECT_EQ(TextMaskKeyCore(nullptr, "#", 0, '1', TRUE), 0);
    char text[] = "5(5)";
    for (int pos : {-1, 1, 4, 9}) EXPECT_EQ(PutMaskChar(text, "#(#)", '_', pos, 0), 0) << pos;
    EXPECT_STREQ(text, "5(5)");
    const MaskEditInfo phone = edit.Info(DT_TEXT, kPhone);
    EXPECT_TRUE(SetTextMaskRaw("5551234567", &phone));
    EXPECT_EQ(edit.Text(), "(555) 123-4567");
    EXPECT_TRUE(SetTextMaskRaw(nullptr, &phone));
    EXPECT_EQ(edit.Text(), kPhoneEmpty);
    EXPECT_TRUE(SetTextMaskRaw(std::string(300, 'r').c_str(), &info));
    EXPECT_EQ(GetWindowTextLengthA(edit.Handle()), 300);
    EXPECT_EQ(GetTextMaskRaw(raw, &info, sizeof raw), PLM_TEXT_SIZE - 1);
}

enum Routine { kStrip, kApply, kConvert, kGetRaw };

// Each routine that fills a caller's buffer, on its input: what it writes with room to spare.
// Strip reads the from mask, apply the to mask, GetTextMaskRaw the window text under the from
// mask; "?" takes the locale's signs there. Each row also runs at sizes 1, n, n + 1 and n + 2 into
// a sentinel-filled buffer: the output is cut to size - 1 characters (a raw text then loses its
// trailing placeholders) and terminated, nothing is written at or past size, and a size below 1
// or a null buffer writes nothing.
TEST_F(TextMask, ShownAndRawTextWithinEveryBufferSize) {
    const struct { Routine routine; const char *fromMask, *toMask, *in, *out; } cases[] = {
        {kStrip, kPhone, "", "(555) 12_-____", "55512"},
        {kStrip, kPhone, "", "555) 123-4567", "5551234567"},  // a missing literal costs no shown character
        {kStrip, kPhone, "", "(555", "555"},
        {kStrip, "\\##\\-#", "", "#1-2", "12"},
        {kStrip, "\\\"#", "", "\"5", "5"},
        {kStrip, "&&&", "", "a b", "a b"},  // a space is a character here, not a request to clear
        {kStrip, "\"ID: \"###", "", "ID: 123", "123"},
        {kStrip, "###", "", "1a3", "1_3"},
        {kStrip, "????", "", "~^-+", "~^"},
        {kStrip, kPhone, "", nullptr, ""},
        {kApply, "", kPhone, "5551", "(555) 1__-____"},
        {kApply, "", kPhone, nullptr, kPhoneEmpty},
        {kApply, "", "UUU", "ab1", "AB_"},
        {kApply, "", "\\##\\-#", "12", "#1-2"},  // a backslash shows nothing, as the position maps assume
        {kApply, "", "\"#A\"#", "7", "#A7"},
        {kApply, "", "#\"ab", "1", "1ab"},  // an unclosed quote runs to the end
        {kApply, "", "#\\", "1", "1"},
        {kApply, "", "??", "-~", "_~"},
        {kApply, "", nullptr, "plain", "plain"},
        {kConvert, kPhone, "###.###.####", "(555) 123-4567", "555.123.4567"},
        {kConvert, "", kPhone, "5551234", "(555) 123-4___"},
        {kConvert, kPhone, "", "(555) 123-4567", "5551234567"},
        {kConvert, "", "", "as is", "as is"},
        {kConvert, kPhone, "###", nullptr, "___"},
        {kConvert, "", "##", "5a", "5_"},  // characters the new mask refuses show as placeholders
        {kGetRaw, "###", "", "1a3", "1_3"},
    };
    EditWindow edit;
    auto fill = [&edit](const auto& c, char* out, int size) {
        const FormatConvertDesc masks = {c.fromMask, c.toMask, 0, 0, 0, 0};
        const MaskEditInfo info = edit.Info(DT_TEXT, c.fromMask);
        edit.SetText(c.in);
        switch (c.routine) {
        case kStrip: return StripTextMask(out, c.in, c.fromMask, size);
        case kApply: return ApplyTextMask(out, c.in, c.toMask, size);
        case kConvert: return ConvertTextMask(out, c.in, &masks, size);
        default: return GetTextMaskRaw(out, &info, size);
        }
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fill(c, nullptr, 8), 0) << "row " << &c - cases;
        const int full = static_cast<int>(strlen(c.out));
        for (int size : {1, full, full + 1, full + 2, 0, -3}) {
            SCOPED_TRACE(testing::Message() << "row " << &c - cases << " (" << c.out << ") size " << size);
            std::string expected(c.out, size < 1 ? 0 : (size - 1 < full ? size - 1 : full));
            while ((c.routine == kStrip || c.routine == kGetRaw) && !expected.empty() && expected.back() == '_')
                expected.pop_back();
            std::string buffer(80, kSentinel);
            EXPECT_EQ(fill(c, &buffer[0], size), static_cast<int>(expected.size()));
            EXPECT_EQ(size > 0 ? std::string(buffer.c_str()) : "", expected);
            // Nothing is written at or past size.
            EXPECT_EQ(buffer.find_first_not_of(kSentinel, size > 0 ? size : 0), std::string::npos);
        }
    }
    // A conversion may write over its input; without masks it copies.
    char text[32] = "(555) 123-4567";
    const FormatConvertDesc toSlashes = {kPhone, "###/###/####", 0, 0, 0, 0};
    EXPECT_EQ(ConvertTextMask(text, text, &toSlashes, sizeof text), 12);
    EXPECT_STREQ(text, "555/123/4567");
    EXPECT_EQ(ConvertTextMask(text, "abc", nullptr, sizeof text), 3);
}

}  // namespace
