// True/False engine: the keystroke core, the keystroke engine over a live edit window, and the
// typed get/set.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "engines/boolean/boolean.h"

namespace {

MaskEditInfo InfoWithFormat(const char* format, HWND hWnd = nullptr) {
    MaskEditInfo info{};
    info.hWnd = hWnd;
    strncpy(info.szFormat, format, PLM_FORMAT_SIZE - 1);
    info.nFormatLen = static_cast<int>(strlen(info.szFormat));
    return info;
}

// A system edit control that lives for one test.
class EditWindow {
public:
    EditWindow()
        : m_hWnd(CreateWindowExA(0, "Edit", "", WS_POPUP | ES_AUTOHSCROLL, 0, 0, 240, 24, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr)) {}
    ~EditWindow() { Destroy(); }
    EditWindow(const EditWindow&) = delete;
    EditWindow& operator=(const EditWindow&) = delete;

    HWND Handle() const { return m_hWnd; }
    void Destroy() {
        if (m_hWnd != nullptr) DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
    }
    std::string Text() const {
        char text[PLM_TEXT_SIZE] = "";
        GetWindowTextA(m_hWnd, text, sizeof text);
        return text;
    }
    // Shows text, selects [start, end) and clears the modified flag.
    void Show(const char* text, int start, int end) const {
        SetWindowTextA(m_hWnd, text);
        SendMessageA(m_hWnd, EM_SETSEL, static_cast<WPARAM>(start), end);
        SendMessageA(m_hWnd, EM_SETMODIFY, FALSE, 0);
    }
    void Selection(int* start, int* end) const {
        DWORD first = 0;
        DWORD last = 0;
        SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&first),
                     reinterpret_cast<LPARAM>(&last));
        *start = static_cast<int>(first);
        *end = static_cast<int>(last);
    }
    bool Modified() const { return SendMessageA(m_hWnd, EM_GETMODIFY, 0, 0) != 0; }

private:
    HWND m_hWnd;
};

// --- the core ---------------------------------------------------------------------------------

struct KeyCase {
    const char* format;
    const char* text;
    int caret;
    const char* chars;
    BooleanKeyAction action;
    const char* shown;  // the edit's text afterwards
};

TEST(ApplyBooleanKeys, TheKeyPicksTheValueAndTheWordIsWrittenAnew) {
    const KeyCase cases[] = {
        {"Yes/No", "Yes", 0, "n", BOOLEAN_KEY_REWRITE, "No"},
        {"Yes/No", "No", 0, "y", BOOLEAN_KEY_REWRITE, "Yes"},
        {"Yes/No", "Yes", 0, "x", BOOLEAN_KEY_REWRITE, "No"},
        {"True/False", "False", 0, "t", BOOLEAN_KEY_REWRITE, "True"},
        {"True/False", "True", 0, "f", BOOLEAN_KEY_REWRITE, "False"},
        {"True/False", "True", 2, "f", BOOLEAN_KEY_REWRITE, "True"},  // the first letter decides
        {"Yes/No", "", 0, "y", BOOLEAN_KEY_REWRITE, "Yes"},           // appended at the end
        {"Yes/No", "No", 2, "y", BOOLEAN_KEY_REWRITE, "No"},
        {"T/F", "F", 0, "T", BOOLEAN_KEY_REWRITE, "T"},
    };
    for (const KeyCase& c : cases) {
        BooleanEdit edit;
        strcpy(edit.szText, c.text);
        edit.nCaret = c.caret;
        EXPECT_EQ(ApplyBooleanKeys(&edit, c.chars, c.format), c.action) << c.format << " " << c.chars;
        EXPECT_STREQ(edit.szText, c.shown) << c.format << " '" << c.text << "' + " << c.chars;
        EXPECT_EQ(edit.nCaret, c.caret);
    }
}

TEST(ApplyBooleanKeys, DigitsDecideUnderAnyFormat) {
    const KeyCase cases[] = {
        {"Yes/No", "No", 0, "1", BOOLEAN_KEY_REWRITE, "Yes"},
        {"Yes/No", "Yes", 0, "0", BOOLEAN_KEY_REWRITE, "No"},
        {"Yes/No", "Yes", 0, "2", BOOLEAN_KEY_REWRITE, "2"},
        {"1/0", "0", 0, "1", BOOLEAN_KEY_REWRITE, "1"},
        {"1/0", "1", 0, "0", BOOLEAN_KEY_REWRITE, "0"},
        {"1/0", "1", 0, "y", BOOLEAN_KEY_REWRITE, "0"},    // no letter matches a digit word
        {"yes/no", "no", 0, "y", BOOLEAN_KEY_REWRITE, "no"},  // lower case: letters give false
        {"yes/no", "no", 0, "1", BOOLEAN_KEY_REWRITE, "yes"},
        {"On", "On", 0, "1", BOOLEAN_KEY_REWRITE, "On"},   // no '/': always the whole format
        {"On", "On", 0, "0", BOOLEAN_KEY_REWRITE, "On"},
    };
    for (const KeyCase& c : cases) {
        BooleanEdit edit;
        strcpy(edit.szText, c.text);
        edit.nCaret = c.caret;
        EXPECT_EQ(ApplyBooleanKeys(&edit, c.chars, c.format), c.action) << c.format << " " << c.chars;
        EXPECT_STREQ(edit.szText, c.shown) << c.format << " '" << c.text << "' + " << c.chars;
    }
}

TEST(ApplyBooleanKeys, PasteLastAcceptedCharacterWinsAndEditKeysOnlyDeselect) {
    const KeyCase cases[] = {
        {"Yes/No", "No", 0, "xyn", BOOLEAN_KEY_REWRITE, "No"},
        {"Yes/No", "No", 0, "nY", BOOLEAN_KEY_REWRITE, "Yes"},
        {"Yes/No", "No", 0, "y-!", BOOLEAN_KEY_REWRITE, "Yes"},  // others are ignored
        {"Yes/No", "Yes", 0, "\b", BOOLEAN_KEY_DESELECT, "Yes"},
        {"Yes/No", "Yes", 1, "\x01", BOOLEAN_KEY_DESELECT, "Yes"},
        {"Yes/No", "No", 0, "y\b", BOOLEAN_KEY_DESELECT, "No"},  // the text stays as it was
        {"Yes/No", "Yes", 0, "?", BOOLEAN_KEY_REFUSED, "Yes"},
        {"Yes/No", "Yes", 0, " ", BOOLEAN_KEY_REFUSED, "Yes"},
        {"Yes/No", "Yes", 0, "", BOOLEAN_KEY_REFUSED, "Yes"},
    };
    for (const KeyCase& c : cases) {
        BooleanEdit edit;
        strcpy(edit.szText, c.text);
        edit.nCaret = c.caret;
        EXPECT_EQ(ApplyBooleanKeys(&edit, c.chars, c.format), c.action) << c.format << " " << c.chars;
        EXPECT_STREQ(edit.szText, c.shown) << c.format << " '" << c.text << "'";
    }
    BooleanEdit edit;
    strcpy(edit.szText, "Yes");
    edit.nCaret = 0;
    EXPECT_EQ(ApplyBooleanKeys(&edit, nullptr, "Yes/No"), BOOLEAN_KEY_REFUSED);
    EXPECT_EQ(ApplyBooleanKeys(nullptr, "y", "Yes/No"), BOOLEAN_KEY_REFUSED);
}

TEST(ApplyBooleanKeys, CaretAtOrBeyondTheLongestTextStaysInTheBuffer) {
    const int carets[] = {PLM_TEXT_SIZE - 1, PLM_TEXT_SIZE, 40000, -3};
    for (int caret : carets) {
        BooleanEdit edit;
        memset(edit.szText, 'z', PLM_TEXT_SIZE - 1);
        edit.szText[PLM_TEXT_SIZE - 1] = '\0';
        edit.szText[0] = caret < 0 ? 'q' : 'N';
        edit.nCaret = caret;
        EXPECT_EQ(ApplyBooleanKeys(&edit, "y", "Yes/No"), BOOLEAN_KEY_REWRITE) << caret;
        // A key at the end does not reach the first letter; a negative caret acts at 0.
        EXPECT_STREQ(edit.szText, caret < 0 ? "Yes" : "No") << caret;
    }
}

// --- over a window ----------------------------------------------------------------------------

TEST(BooleanKeyWindow, RewritesTheWordAndMarksTheTextModified) {
    EditWindow edit;
    ASSERT_NE(edit.Handle(), nullptr);
    MaskEditInfo info = InfoWithFormat("Yes/No", edit.Handle());

    edit.Show("Yes", 0, 0);
    EXPECT_EQ(BooleanKey(&info, "n"), 1);
    EXPECT_EQ(edit.Text(), "No");
    int start = -1;
    int end = -1;
    edit.Selection(&start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 0);
    EXPECT_TRUE(edit.Modified());

    edit.Show("No", 0, 2);  // a selection does not matter: the key goes to its start
    EXPECT_EQ(BooleanKey(&info, "y"), 1);
    EXPECT_EQ(edit.Text(), "Yes");
}

TEST(BooleanKeyWindow, BackspaceAndDeleteOnlyClearTheSelection) {
    EditWindow edit;
    ASSERT_NE(edit.Handle(), nullptr);
    MaskEditInfo info = InfoWithFormat("True/False", edit.Handle());
    const char* keys[] = {"\b", "\x01"};
    for (const char* key : keys) {
        edit.Show("True", 0, 4);
        EXPECT_EQ(BooleanKey(&info, key), 1);
        EXPECT_EQ(edit.Text(), "True");
        int start = -1;
        int end = -1;
        edit.Selection(&start, &end);
        EXPECT_EQ(start, end) << "key " << static_cast<int>(key[0]);
        EXPECT_FALSE(edit.Modified());
    }
}

TEST(BooleanKeyWindow, RefusedKeyChangesNothing) {
    EditWindow edit;
    ASSERT_NE(edit.Handle(), nullptr);
    MaskEditInfo info = InfoWithFormat("Yes/No", edit.Handle());
    edit.Show("Yes", 1, 1);
    EXPECT_EQ(BooleanKey(&info, "?"), 0);
    EXPECT_EQ(edit.Text(), "Yes");
    EXPECT_FALSE(edit.Modified());
}

TEST(BooleanKeyWindow, NoWindowNoKey) {
    EditWindow edit;
    ASSERT_NE(edit.Handle(), nullptr);
    MaskEditInfo info = InfoWithFormat("Yes/No", edit.Handle());
    edit.Destroy();
    EXPECT_EQ(BooleanKey(&info, "y"), 0);
    info.hWnd = nullptr;
    EXPECT_EQ(BooleanKey(&info, "y"), 0);
    EXPECT_EQ(BooleanKey(nullptr, "y"), 0);
}

TEST(BooleanTypedWindow, SetShowsTheWordAndGetReadsTheValueBack) {
    EditWindow edit;
    ASSERT_NE(edit.Handle(), nullptr);
    MaskEditInfo info = InfoWithFormat("Yes/No", edit.Handle());
    const struct {
        int set;
        const char* shown;
        int got;
    } cases[] = {{1, "Yes", 1}, {0, "No", 0}, {2, "2", 2}, {5, "No", 0}, {-1, "No", 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(SetBooleanValue(c.set, &info), 1);
        EXPECT_EQ(edit.Text(), c.shown) << c.set;
        int value = -7;
        EXPECT_EQ(GetBooleanValue(&value, &info), 1);
        EXPECT_EQ(value, c.got) << c.set;
    }
    EXPECT_EQ(GetBooleanValue(nullptr, &info), 0);
    EXPECT_EQ(SetBooleanValue(1, nullptr), 0);
}

}  // namespace
