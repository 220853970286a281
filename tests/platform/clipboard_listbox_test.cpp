// The clipboard (opening rules, ownership of data handles) and the list box's string list.
#include <string.h>

#include <string>

#include "message_log.h"
#include "support/hooks.h"

namespace {

HGLOBAL TextBlock(const char* text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
    memcpy(GlobalLock(block), text, strlen(text) + 1);
    GlobalUnlock(block);
    return block;
}

class ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (HWND& window : windows_) {
            window = CreateWindowExA(0, RecorderClass(), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
            ASSERT_NE(window, nullptr);
        }
    }
    void TearDown() override {
        CloseClipboard();
        for (HWND window : windows_) DestroyWindow(window);
    }
    HWND windows_[2] = {};
};

TEST_F(ClipboardTest, CallsOnAClosedClipboardFail) {
    SetLastError(0);
    EXPECT_FALSE(CloseClipboard());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLIPBOARD_NOT_OPEN));
    SetLastError(0);
    EXPECT_FALSE(EmptyClipboard());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLIPBOARD_NOT_OPEN));
    SetLastError(0);
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLIPBOARD_NOT_OPEN));
}

TEST_F(ClipboardTest, OnlyTheOpeningWindowMayOpenAgain) {
    ASSERT_TRUE(OpenClipboard(windows_[0]));
    EXPECT_TRUE(OpenClipboard(windows_[0]));
    EXPECT_FALSE(OpenClipboard(windows_[1]));
    EXPECT_FALSE(OpenClipboard(nullptr));
    EXPECT_TRUE(CloseClipboard());
    EXPECT_TRUE(OpenClipboard(windows_[1]));
    EXPECT_TRUE(CloseClipboard());
}

TEST_F(ClipboardTest, DataStaysAfterCloseAndEmptyFreesIt) {
    ASSERT_TRUE(OpenClipboard(windows_[0]));
    ASSERT_TRUE(EmptyClipboard());
    HGLOBAL block = TextBlock("hello");
    EXPECT_EQ(SetClipboardData(CF_TEXT, block), block);
    EXPECT_EQ(GetClipboardData(CF_TEXT), block);
    EXPECT_EQ(GetClipboardData(CF_DSPTEXT), nullptr);
    ASSERT_TRUE(CloseClipboard());
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_DSPTEXT));
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_TEXT);
    ASSERT_NE(data, nullptr);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(data)), "hello");
    GlobalUnlock(data);
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_EQ(GlobalFlags(block), static_cast<UINT>(GMEM_INVALID_HANDLE));  // the clipboard freed it
    CloseClipboard();
}

TEST_F(ClipboardTest, ReplacingAFormatFreesTheOldData) {
    ASSERT_TRUE(OpenClipboard(windows_[0]));
    EmptyClipboard();
    HGLOBAL first = TextBlock("one");
    SetClipboardData(CF_TEXT, first);
    HGLOBAL display = TextBlock("7one");
    SetClipboardData(CF_DSPTEXT, display);
    HGLOBAL second = TextBlock("two");
    SetClipboardData(CF_TEXT, second);
    EXPECT_EQ(GlobalFlags(first), static_cast<UINT>(GMEM_INVALID_HANDLE));
    EXPECT_EQ(GetClipboardData(CF_TEXT), second);
    EXPECT_EQ(GetClipboardData(CF_DSPTEXT), display);
    EmptyClipboard();
    CloseClipboard();
}

class ListBoxTest : public ::testing::Test {
protected:
    void SetUp() override { list_ = Create(0); }
    void TearDown() override {
        for (HWND list : created_) DestroyWindow(list);
    }
    HWND Create(DWORD style) {
        HWND list = CreateWindowExA(0, "ListBox", "", WS_POPUP | style, 0, 0, 100, 100, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
        EXPECT_NE(list, nullptr);
        created_.push_back(list);
        return list;
    }
    std::string Item(HWND list, int index) {
        char text[64] = "";
        LRESULT length = SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        if (length == LB_ERR) return "(error)";
        EXPECT_EQ(length, SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0));
        return text;
    }
    std::string Items(HWND list) {
        std::string all;
        LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
        for (int i = 0; i < count; ++i) all += (i ? "," : "") + Item(list, i);
        return all;
    }
    HWND list_ = nullptr;
    std::vector<HWND> created_;
};

TEST_F(ListBoxTest, AddInsertDeleteAndReset) {
    const struct {
        UINT message;
        int index;
        const char* text;
        LRESULT result;
        const char* items;
    } steps[] = {
        {LB_ADDSTRING, 0, "b", 0, "b"},
        {LB_ADDSTRING, 0, "a", 1, "b,a"},
        {LB_INSERTSTRING, 0, "first", 0, "first,b,a"},
        {LB_INSERTSTRING, -1, "last", 3, "first,b,a,last"},
        {LB_INSERTSTRING, 2, "mid", 2, "first,b,mid,a,last"},
        {LB_INSERTSTRING, 9, "far", LB_ERR, "first,b,mid,a,last"},
        {LB_DELETESTRING, 1, nullptr, 4, "first,mid,a,last"},
        {LB_DELETESTRING, 4, nullptr, LB_ERR, "first,mid,a,last"},
        {LB_ADDSTRING, 0, "", 4, "first,mid,a,last,"},
    };
    for (const auto& step : steps) {
        LRESULT result = SendMessageA(list_, step.message, static_cast<WPARAM>(step.index),
                                      reinterpret_cast<LPARAM>(step.text));
        EXPECT_EQ(result, step.result) << step.message << " " << step.index;
        EXPECT_EQ(Items(list_), step.items) << step.message << " " << step.index;
    }
    EXPECT_EQ(SendMessageA(list_, LB_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(Item(list_, 5), "(error)");
    EXPECT_EQ(SendMessageA(list_, LB_GETTEXTLEN, 5, 0), LB_ERR);
    SendMessageA(list_, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessageA(list_, LB_GETCOUNT, 0, 0), 0);
}

TEST_F(ListBoxTest, SortedListAddsInOrder) {
    HWND sorted = Create(LBS_SORT | LBS_HASSTRINGS);
    const char* const words[] = {"pear", "Apple", "fig", "banana"};
    for (const char* word : words) SendMessageA(sorted, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(word));
    EXPECT_EQ(Items(sorted), "Apple,banana,fig,pear");
}

}  // namespace
