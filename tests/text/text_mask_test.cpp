// The text engine: position maps, keystrokes on a live edit window and on a bare edit state,
// shown and raw text, and the buffer bounds of every routine that fills a caller's buffer.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include <string.h>

#include "engines/text/text_mask.h"
#include "module/module.h"

namespace {

const char kPhone[] = "(###) ###-####";
const char kPhoneEmpty[] = "(___) ___-____";
const char kSentinel = '@';

// A plain system edit control, which is what the engine's window adapter talks to.
class EditWindow {
public:
    EditWindow()
        : m_hWnd(CreateWindowExA(0, "Edit", "", WS_POPUP | ES_AUTOHSCROLL, 0, 0, 300, 24, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr)) {}
    ~EditWindow() {
        if (IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
    }
    EditWindow(const EditWindow&) = delete;
    EditWindow& operator=(const EditWindow&) = delete;

    HWND hwnd() const { return m_hWnd; }
    void Set(const char* text, int selStart, int selEnd) {
        SetWindowTextA(m_hWnd, text);
        SendMessageA(m_hWnd, EM_SETSEL, selStart, selEnd);
        SendMessageA(m_hWnd, EM_SETMODIFY, FALSE, 0);
    }
    std::string Text() const {
        char buffer[512] = {};
        GetWindowTextA(m_hWnd, buffer, sizeof buffer);
        return buffer;
    }
    int SelStart() const { return LOWORD(SendMessageA(m_hWnd, EM_GETSEL, 0, 0)); }
    int SelEnd() const { return HIWORD(SendMessageA(m_hWnd, EM_GETSEL, 0, 0)); }
    bool Modified() const { return SendMessageA(m_hWnd, EM_GETMODIFY, 0, 0) != 0; }

private:
    HWND m_hWnd;
};

MaskEditInfo MakeInfo(HWND window, const char* mask, int maxTextLen) {
    MaskEditInfo info = {};
    info.hWnd = window;
    strncpy(info.szFormat, mask, PLM_FORMAT_SIZE - 1);
    info.nFormatLen = static_cast<int>(strlen(info.szFormat));
    info.nMaxTextLen = maxTextLen;
    return info;
}

// Restores an international setting that a test changes.
class SignGuard {
public:
    explicit SignGuard(char& sign) : m_sign(sign), m_saved(sign) {}
    ~SignGuard() { m_sign = m_saved; }

private:
    char& m_sign;
    char m_saved;
};

// ---------------------------------------------------------------------------------------------
// Positions
// ---------------------------------------------------------------------------------------------

struct PositionCase {
    const char* mask;
    int pos;
    int maskIndex;  // ShownPosToMaskIndex
    int next;       // NextEditablePos
    int prev;       // PrevEditablePos
};

TEST(TextMaskPositions, MapsAndEditableNeighbours) {
    const PositionCase cases[] = {
        {kPhone, 0, 0, 1, -1},
        {kPhone, 1, 1, 1, -1},
        {kPhone, 4, 4, 6, 3},
        {kPhone, 6, 6, 6, 3},
        {kPhone, 13, 13, 13, 12},
        {kPhone, 14, 14, -1, 13},
        {kPhone, 99, 14, -1, 13},
        {kPhone, -3, 0, 1, -1},
        {"\\##", 0, 1, 1, -1},  // shown "#_": the escaped "#" is a literal
        {"\\##", 1, 2, 1, -1},
        {"\\##", 2, 3, -1, 1},
        {"\"AB\"#", 0, 1, 2, -1},  // shown "AB_": quoted mask characters are literals
        {"\"AB\"#", 2, 4, 2, -1},
        {"\"AB\"#", 3, 5, -1, 2},
        {"#\"-\"#", 1, 2, 2, 0},
        {"", 0, 0, -1, -1},
        {nullptr, 3, 0, -1, -1},
    };
    for (const PositionCase& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.mask ? c.mask : "(null)") << " at " << c.pos);
        EXPECT_EQ(c.maskIndex, ShownPosToMaskIndex(c.mask, c.pos));
        EXPECT_EQ(c.next, NextEditablePos(c.mask, c.pos));
        EXPECT_EQ(c.prev, PrevEditablePos(c.mask, c.pos));
    }
}

// ---------------------------------------------------------------------------------------------
// PutMaskChar: the classes through the locale's character functions (code page 1252)
// ---------------------------------------------------------------------------------------------

struct PutCase {
    const char* mask;
    const char* before;
    char ch;
    int pos;
    int maxLen;
    int result;
    const char* after;
};

TEST(TextMaskPut, ClassesCaseAndPlaceholder) {
    const PutCase cases[] = {
        {"#", "_", '5', 0, 0, 1, "5"},
        {"#", "_", 'a', 0, 0, 0, "_"},
        {"#", "_", '\xB2', 0, 0, 1, "\xB2"},  // superscript two: alphanumeric, no letter
        {"#", "_", '\xE9', 0, 0, 0, "_"},     // e acute is a letter
        {"A", "_", '\xE9', 0, 0, 1, "\xE9"},
        {"A", "_", '5', 0, 0, 0, "_"},
        {"&", "_", '~', 0, 0, 1, "~"},
        {"&", "_", '\x80', 0, 0, 1, "\x80"},
        {"&", "_", '\xFF', 0, 0, 1, "\xFF"},
        {"&", "_", '\x7F', 0, 0, 0, "_"},
        {"&", "_", '\x1F', 0, 0, 0, "_"},
        {"?", "_", '+', 0, 0, 1, "+"},
        {"?", "_", '-', 0, 0, 1, "-"},
        {"?", "_", 'z', 0, 0, 1, "z"},
        {"?", "_", '*', 0, 0, 0, "_"},
        {"L", "_", 'Q', 0, 0, 1, "q"},
        {"L", "_", '\xC9', 0, 0, 1, "\xE9"},
        {"L", "_", '5', 0, 0, 0, "_"},
        {"U", "_", 'q', 0, 0, 1, "Q"},
        {"U", "_", '\xFF', 0, 0, 1, "\x9F"},  // y diaeresis and its capital, both in 1252
        {"(#)", "(5)", ' ', 1, 0, 1, "(_)"},
        {"(#)", "(5)", '_', 1, 0, 1, "(_)"},
        {"(#)", "(5)", ' ', 0, 0, 0, "(5)"},  // a literal is never cleared
        {"(#)", "(5)", '7', 2, 0, 0, "(5)"},
        {"(#)", "(5)", '7', -1, 0, 0, "(5)"},
        {"(#)", "(5)", '7', 9, 0, 0, "(5)"},
        {"\\##", "#_", '5', 0, 0, 1, "5_"},  // only the mapped character is looked at
        {"###", "1__", '2', 1, 2, 1, "12_"},
        {"###", "1__", '2', 2, 2, 0, "1_2"},  // raw "1_2" is over the limit; the caller drops it
        {"###", "1__", '_', 2, 2, 1, "1__"},
    };
    for (const PutCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mask << " '" << c.ch << "' at " << c.pos);
        char text[16] = {};
        strcpy(text, c.before);
        EXPECT_EQ(c.result, PutMaskChar(text, c.mask, c.ch, c.pos, c.maxLen));
        EXPECT_STREQ(c.after, text);
    }
}

// ---------------------------------------------------------------------------------------------
// Keystrokes on a live edit window
// ---------------------------------------------------------------------------------------------

struct KeyCase {
    const char* name;
    const char* mask;
    int maxLen;
    const char* before;
    int selStart;
    int selEnd;
    const char* keys;  // one engine call per character; "\b" Backspace, "\x01" Delete
    BOOL fromKeyboard;
    const char* after;
    int caret;
    bool modified;
};

const KeyCase kKeyCases[] = {
    {"digit at 0 lands behind the literal", kPhone, 0, kPhoneEmpty, 0, 0, "5", 1, "(5__) ___-____", 2, true},
    {"refused letter only moves the caret", kPhone, 0, kPhoneEmpty, 0, 0, "x", 1, kPhoneEmpty, 1, false},
    {"typing a whole number", kPhone, 0, kPhoneEmpty, 0, 0, "5551234567", 1, "(555) 123-4567", 14, true},
    {"backspace behind a literal only jumps", kPhone, 0, "(555) 1__-____", 6, 6, "\b", 1, "(555) 1__-____", 4, false},
    {"second backspace clears and stays", kPhone, 0, "(555) 1__-____", 6, 6, "\b\b", 1, "(55_) 1__-____", 3, true},
    {"backspace at 0 goes to the first position", kPhone, 0, kPhoneEmpty, 0, 0, "\b", 1, kPhoneEmpty, 1, false},
    {"backspace with nothing editable before", "\"ID: \"###", 0, "ID: ___", 2, 2, "\b", 1, "ID: ___", 4, false},
    {"delete clears and steps past literals", kPhone, 0, "(555) 123-4567", 3, 3, "\x01", 1, "(55_) 123-4567", 6, true},
    {"delete on a literal only moves", kPhone, 0, "(555) 123-4567", 4, 4, "\x01", 1, "(555) 123-4567", 6, false},
    {"delete at the end", kPhone, 0, "(555) 123-4567", 14, 14, "\x01", 1, "(555) 123-4567", 14, false},
    {"delete over a selection", kPhone, 0, "(555) 123-4567", 1, 7, "\x01", 1, "(___) _23-4567", 1, true},
    {"backspace over a selection", kPhone, 0, "(555) 123-4567", 0, 3, "\b", 1, "(__5) 123-4567", 1, true},
    {"typing over a selection", kPhone, 0, "(555) 123-4567", 2, 7, "9", 1, "(59_) _23-4567", 3, true},
    {"refused over a selection keeps the text", kPhone, 0, "(555) 123-4567", 2, 7, "x", 1, "(555) 123-4567", 2, false},
    {"space clears", kPhone, 0, "(555) 123-4567", 1, 1, " ", 1, "(_55) 123-4567", 2, true},
    {"placeholder clears and skips literals", kPhone, 0, "(555) 123-4567", 3, 3, "_", 1, "(55_) 123-4567", 6, true},
    {"case at L and U, minus at ?", "LU?", 0, "___", 0, 0, "Qq-", 1, "qQ-", 3, true},
    {"accented capital lowered at L", "L", 0, "_", 0, 0, "\xC9", 1, "\xE9", 1, true},
    {"? refuses other punctuation", "?", 0, "_", 0, 0, "*", 1, "_", 0, false},
    {"MaxTextLen stops at the fourth", "#####", 3, "_____", 0, 0, "12345", 1, "123__", 3, true},
    {"MaxTextLen refuses the fifth", "#####", 3, "1____", 4, 4, "5", 1, "1____", 4, false},
    {"MaxTextLen counts up to the last filled", "#####", 3, "_____", 2, 2, "7", 1, "__7__", 3, true},
    {"paste of a shown text fills the field", kPhone, 0, kPhoneEmpty, 0, 0, "(555) 123-4567", 0, "(555) 123-4567", 14, true},
    {"paste of bare digits loses those on literals", kPhone, 0, kPhoneEmpty, 0, 0, "5551234567", 0, "(551) 456-____", 10, true},
    {"paste over a selection starts at its start", kPhone, 0, "(555) 123-4567", 6, 9, "98", 0, "(555) 98_-4567", 8, true},
    {"nothing editable after the caret", "##!!", 0, "12!!", 3, 3, "5", 1, "12!!", 2, false},
    {"escaped mask character is a literal", "\\##", 0, "#_", 0, 0, "5", 1, "#5", 2, true},
    {"quoted text is skipped", "\"AB\"#", 0, "AB_", 0, 0, "7", 1, "AB7", 3, true},
};

TEST(TextMaskKey, SequencesOnEditWindow) {
    EditWindow edit;
    ASSERT_TRUE(IsWindow(edit.hwnd()));
    for (const KeyCase& c : kKeyCases) {
        SCOPED_TRACE(c.name);
        MaskEditInfo info = MakeInfo(edit.hwnd(), c.mask, c.maxLen);
        edit.Set(c.before, c.selStart, c.selEnd);
        for (const char* key = c.keys; *key != '\0'; ++key) {
            ASSERT_EQ(1, TextMaskKey(&info, *key, c.fromKeyboard)) << "key " << int(*key);
        }
        EXPECT_EQ(c.after, edit.Text());
        EXPECT_EQ(c.caret, edit.SelStart());
        EXPECT_EQ(c.caret, edit.SelEnd());
        // Written text clears the edit control's flag: it must be set after the text.
        EXPECT_EQ(c.modified, edit.Modified());
    }
}

TEST(TextMaskKey, RefusesWithoutWindowOrRoom) {
    MaskEditInfo gone = MakeInfo(nullptr, kPhone, 0);
    {
        EditWindow edit;
        gone.hWnd = edit.hwnd();
    }
    EXPECT_EQ(0, TextMaskKey(&gone, '5', TRUE));
    EXPECT_EQ(0, TextMaskKey(nullptr, '5', TRUE));

    // No format: the work length is MaxTextLen, which must fit the work text.
    EditWindow edit;
    MaskEditInfo unbounded = MakeInfo(edit.hwnd(), "", 300);
    edit.Set("abc", 1, 1);
    EXPECT_EQ(0, TextMaskKey(&unbounded, 'x', TRUE));
    EXPECT_EQ("abc", edit.Text());
    EXPECT_EQ(1, edit.SelStart());
    MaskEditInfo negative = MakeInfo(edit.hwnd(), "", -5);
    EXPECT_EQ(0, TextMaskKey(&negative, 'x', TRUE));
}

TEST(TextMaskKey, QuestionMarkKeepsPlainSignsForKeys) {
    SignGuard guard(g_cNegativeSign);
    g_cNegativeSign = '~';
    EditWindow edit;
    MaskEditInfo info = MakeInfo(edit.hwnd(), "??", 0);
    edit.Set("__", 0, 0);
    EXPECT_EQ(1, TextMaskKey(&info, '~', TRUE));
    EXPECT_EQ(1, TextMaskKey(&info, '-', TRUE));
    EXPECT_EQ("-_", edit.Text());
}

// ---------------------------------------------------------------------------------------------
// The pure core: any key sequence from the keyboard keeps the field's shape
// ---------------------------------------------------------------------------------------------

TEST(TextMaskKeyCore, KeyboardNeverBreaksTheShape) {
    const char* masks[] = {kPhone, "\"ID: \"UU-###", "\\#&&?LA", "L\"x\"U??", "##!!"};
    const char keys[] = {'5', 'a', 'Q', '-', '+', ' ', '_', '*', '\xE9', '\xB2', '\x7F', '\b', PLM_KEY_DELETE, '\x05'};
    std::mt19937 random(12345);
    for (const char* mask : masks) {
        SCOPED_TRACE(mask);
        char empty[PLM_TEXT_SIZE];
        const int shownLength = ApplyTextMask(empty, "", mask, sizeof empty);
        TextEditState state = {};
        strcpy(state.szText, empty);
        state.nLen = static_cast<int>(strlen(mask));
        for (int step = 0; step < 3000; ++step) {
            const char key = keys[random() % sizeof keys];
            state.nSelStart = static_cast<int>(random() % (shownLength + 1));
            state.nSelEnd = random() % 4 == 0 ? static_cast<int>(random() % (shownLength + 1)) : state.nSelStart;
            TextEditState next = state;
            ASSERT_EQ(1, TextMaskKeyCore(&next, mask, static_cast<int>(random() % 6), key, TRUE));
            ASSERT_GE(next.nCaret, 0);
            ASSERT_LE(next.nCaret, state.nLen);
            if (!next.bModified) continue;
            // Literals stay, and the text passes the Text check: strip and apply give it back.
            char raw[PLM_TEXT_SIZE];
            char again[PLM_TEXT_SIZE];
            StripTextMask(raw, next.szText, mask, sizeof raw);
            ApplyTextMask(again, raw, mask, sizeof again);
            ASSERT_STREQ(again, next.szText) << "key " << int(key);
            strcpy(state.szText, next.szText);
        }
    }
}

TEST(TextMaskKeyCore, RefusesStatesItCannotHold) {
    TextEditState state = {};
    state.nLen = PLM_TEXT_EDIT_SIZE - 1;
    EXPECT_EQ(0, TextMaskKeyCore(&state, "#", 0, '1', TRUE));
    state.nLen = -1;
    EXPECT_EQ(0, TextMaskKeyCore(&state, "#", 0, '1', TRUE));
    std::string longMask(PLM_TEXT_EDIT_SIZE, '#');
    state.nLen = 3;
    EXPECT_EQ(0, TextMaskKeyCore(&state, longMask.c_str(), 0, '1', TRUE));
    EXPECT_EQ(0, TextMaskKeyCore(nullptr, "#", 0, '1', TRUE));
}

// ---------------------------------------------------------------------------------------------
// Shown and raw text
// ---------------------------------------------------------------------------------------------

struct StripCase {
    const char* mask;
    const char* shown;
    const char* raw;
};

TEST(TextMaskStrip, Table) {
    const StripCase cases[] = {
        {kPhone, "(555) 12_-____", "55512"},
        {kPhone, kPhoneEmpty, ""},
        {kPhone, "(555) 123-4567", "5551234567"},
        {kPhone, "555) 123-4567", "5551234567"},  // a missing literal costs no shown character
        {kPhone, "(555", "555"},
        {"\\##", "#5", "5"},
        {"\"ID: \"###", "ID: 123", "123"},
        {"\\\"#", "\"5", "5"},
        {"#\\-#", "1-2", "12"},
        {"UUU", "abc", "ABC"},
        {"LLL", "ABC", "abc"},
        {"###", "1a3", "1_3"},
        {"&&&", "a b", "a b"},
        {"?", "-", "-"},
        {"###", "", ""},
        {"", "any text", "any text"},
        {nullptr, "any text", "any text"},
        {kPhone, nullptr, ""},
    };
    for (const StripCase& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.mask ? c.mask : "(null)") << " / " << (c.shown ? c.shown : "(null)"));
        char raw[64];
        memset(raw, kSentinel, sizeof raw);
        EXPECT_EQ(static_cast<int>(strlen(c.raw)), StripTextMask(raw, c.shown, c.mask, sizeof raw));
        EXPECT_STREQ(c.raw, raw);
    }
}

struct ApplyCase {
    const char* mask;
    const char* raw;
    const char* shown;
};

TEST(TextMaskApply, Table) {
    const ApplyCase cases[] = {
        {kPhone, "5551", "(555) 1__-____"},
        {kPhone, "", kPhoneEmpty},
        {kPhone, nullptr, kPhoneEmpty},
        {"UUU", "ab1", "AB_"},
        {"LLL", "ABC", "abc"},
        {"\\##", "5", "#5"},
        {"\"#A\"#", "7", "#A7"},
        {"\\\"#", "7", "\"7"},
        {"#\\-#", "12", "1-2"},  // the backslash shows nothing, as the position maps assume
        {"\\\\#", "5", "\\5"},
        {"#\"ab", "1", "1ab"},   // an unclosed quote runs to the end
        {"#\\", "1", "1"},
        {"###", "12345", "123"},
        {"#_#", "12", "1_2"},
        {"", "raw", "raw"},
        {nullptr, "raw", "raw"},
    };
    for (const ApplyCase& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.mask ? c.mask : "(null)") << " / " << (c.raw ? c.raw : "(null)"));
        char shown[64];
        memset(shown, kSentinel, sizeof shown);
        EXPECT_EQ(static_cast<int>(strlen(c.shown)), ApplyTextMask(shown, c.raw, c.mask, sizeof shown));
        EXPECT_STREQ(c.shown, shown);
    }
}

TEST(TextMaskFormat, QuestionMarkTakesTheLocaleSigns) {
    SignGuard minus(g_cNegativeSign);
    SignGuard plus(g_cPositiveSign);
    g_cNegativeSign = '~';
    g_cPositiveSign = '^';
    char out[8];
    StripTextMask(out, "~^-+", "????", sizeof out);
    EXPECT_STREQ("~^", out);
    ApplyTextMask(out, "-~", "??", sizeof out);
    EXPECT_STREQ("_~", out);
}

struct ConvertCase {
    const char* fromMask;
    const char* toMask;
    const char* in;
    const char* out;
};

TEST(TextMaskConvert, Table) {
    const ConvertCase cases[] = {
        {kPhone, "###.###.####", "(555) 123-4567", "555.123.4567"},
        {"", kPhone, "5551234", "(555) 123-4___"},
        {nullptr, "UU", "ab", "AB"},
        {kPhone, "", "(555) 123-4567", "5551234567"},
        {"", "", "as is", "as is"},
        {"", "", nullptr, ""},
        {kPhone, "###", nullptr, "___"},
        {kPhone, "###", "", "___"},
        {nullptr, nullptr, nullptr, ""},
        // Characters the new mask refuses show as placeholders.
        {"", "##", "5a", "5_"},
        {"AAA", "-###-", "abc", "-___-"},
    };
    for (const ConvertCase& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.fromMask ? c.fromMask : "(null)") << " -> "
                                        << (c.toMask ? c.toMask : "(null)") << " / " << (c.in ? c.in : "(null)"));
        const FormatConvertDesc masks = {c.fromMask, c.toMask, 0, 0, 0, 0};
        char out[64];
        memset(out, kSentinel, sizeof out);
        EXPECT_EQ(static_cast<int>(strlen(c.out)), ConvertTextMask(out, c.in, &masks, sizeof out));
        EXPECT_STREQ(c.out, out);
    }
}

TEST(TextMaskConvert, InPlaceAndNullArguments) {
    char text[32] = "(555) 123-4567";
    const FormatConvertDesc masks = {kPhone, "###/###/####", 0, 0, 0, 0};
    ConvertTextMask(text, text, &masks, sizeof text);
    EXPECT_STREQ("555/123/4567", text);
    EXPECT_EQ(3, ConvertTextMask(text, "abc", nullptr, sizeof text));  // no masks: a copy
    EXPECT_STREQ("abc", text);
    EXPECT_EQ(0, ConvertTextMask(nullptr, "abc", &masks, sizeof text));
}

// ---------------------------------------------------------------------------------------------
// Buffer bounds: terminated at every size, nothing written at or past size
// ---------------------------------------------------------------------------------------------

using FillFunction = int (*)(char* out, int size);

struct BoundCase {
    const char* name;
    FillFunction fill;
    const char* full;  // what the routine writes with room to spare
};

const FormatConvertDesc kPhoneToDots = {kPhone, "###.###.####", 0, 0, 0, 0};
const FormatConvertDesc kRawToPhone = {"", kPhone, 0, 0, 0, 0};
const FormatConvertDesc kPlainCopy = {"", "", 0, 0, 0, 0};

const BoundCase kBoundCases[] = {
    {"strip", [](char* out, int size) { return StripTextMask(out, "(555) 123-4567", kPhone, size); }, "5551234567"},
    {"strip without mask", [](char* out, int size) { return StripTextMask(out, "plain", "", size); }, "plain"},
    {"apply", [](char* out, int size) { return ApplyTextMask(out, "5551", kPhone, size); }, "(555) 1__-____"},
    {"apply quoted", [](char* out, int size) { return ApplyTextMask(out, "1", "\"abc\"#", size); }, "abc1"},
    {"apply without mask", [](char* out, int size) { return ApplyTextMask(out, "plain", nullptr, size); }, "plain"},
    {"convert", [](char* out, int size) { return ConvertTextMask(out, "(555) 123-4567", &kPhoneToDots, size); },
     "555.123.4567"},
    {"convert raw", [](char* out, int size) { return ConvertTextMask(out, "555", &kRawToPhone, size); },
     "(555) ___-____"},
    {"convert empty", [](char* out, int size) { return ConvertTextMask(out, nullptr, &kRawToPhone, size); },
     kPhoneEmpty},
    {"convert copy", [](char* out, int size) { return ConvertTextMask(out, "plain", &kPlainCopy, size); }, "plain"},
};

TEST(TextMaskBounds, EverySizeIsTerminatedAndRespected) {
    for (const BoundCase& c : kBoundCases) {
        const int full = static_cast<int>(strlen(c.full));
        for (int size : {1, 2, full, full + 1, full + 2}) {
            SCOPED_TRACE(testing::Message() << c.name << " size " << size);
            char buffer[64];
            memset(buffer, kSentinel, sizeof buffer);
            const int written = c.fill(buffer, size);
            const int expected = full < size - 1 ? full : size - 1;
            EXPECT_EQ(expected, written);
            EXPECT_EQ(std::string(c.full, expected), std::string(buffer));
            for (int i = size; i < static_cast<int>(sizeof buffer); ++i) ASSERT_EQ(kSentinel, buffer[i]) << i;
        }
        char untouched[4];
        memset(untouched, kSentinel, sizeof untouched);
        EXPECT_EQ(0, c.fill(untouched, 0)) << c.name;
        EXPECT_EQ(0, c.fill(untouched, -3)) << c.name;
        EXPECT_EQ(kSentinel, untouched[0]) << c.name;
    }
}

// ---------------------------------------------------------------------------------------------
// Typed get/set on a live edit window
// ---------------------------------------------------------------------------------------------

TEST(TextMaskRaw, SetShowsThroughTheMaskAndGetStripsIt) {
    EditWindow edit;
    const MaskEditInfo info = MakeInfo(edit.hwnd(), kPhone, 0);
    EXPECT_TRUE(SetTextMaskRaw("5551234567", &info));
    EXPECT_EQ("(555) 123-4567", edit.Text());
    char raw[PLM_TEXT_SIZE];
    EXPECT_EQ(10, GetTextMaskRaw(raw, &info, sizeof raw));
    EXPECT_STREQ("5551234567", raw);

    EXPECT_TRUE(SetTextMaskRaw(nullptr, &info));
    EXPECT_EQ(kPhoneEmpty, edit.Text());
    EXPECT_EQ(0, GetTextMaskRaw(raw, &info, sizeof raw));
    EXPECT_STREQ("", raw);
}

TEST(TextMaskRaw, WithoutMaskTheWholeRawTextIsShown) {
    EditWindow edit;
    const MaskEditInfo info = MakeInfo(edit.hwnd(), "", 0);
    const std::string longRaw(300, 'r');  // raw plus mask plus one is over 256
    EXPECT_TRUE(SetTextMaskRaw(longRaw.c_str(), &info));
    EXPECT_EQ(longRaw, edit.Text());
    char raw[PLM_TEXT_SIZE];
    EXPECT_EQ(PLM_TEXT_SIZE - 1, GetTextMaskRaw(raw, &info, sizeof raw));
    EXPECT_EQ(longRaw.substr(0, PLM_TEXT_SIZE - 1), raw);
}

TEST(TextMaskRaw, GetIsTerminatedAtEverySize) {
    EditWindow edit;
    const MaskEditInfo info = MakeInfo(edit.hwnd(), kPhone, 0);
    edit.Set("(555) 123-4567", 0, 0);
    for (int size : {1, 2, 10, 11, 12}) {
        SCOPED_TRACE(size);
        char raw[16];
        memset(raw, kSentinel, sizeof raw);
        GetTextMaskRaw(raw, &info, size);
        EXPECT_EQ(std::string("5551234567").substr(0, size - 1), raw);
        for (int i = size; i < static_cast<int>(sizeof raw); ++i) ASSERT_EQ(kSentinel, raw[i]) << i;
    }
}

TEST(TextMaskRaw, GoneWindowGivesEmptyAndNullsAreSafe) {
    MaskEditInfo info = MakeInfo(nullptr, kPhone, 0);
    {
        EditWindow edit;
        info.hWnd = edit.hwnd();
    }
    char raw[8];
    memset(raw, kSentinel, sizeof raw);
    EXPECT_EQ(0, GetTextMaskRaw(raw, &info, sizeof raw));
    EXPECT_STREQ("", raw);
    EXPECT_FALSE(SetTextMaskRaw("555", &info));
    EXPECT_EQ(0, GetTextMaskRaw(raw, nullptr, sizeof raw));
    EXPECT_EQ(0, GetTextMaskRaw(nullptr, &info, 8));
    EXPECT_FALSE(SetTextMaskRaw("555", nullptr));
}

}  // namespace
