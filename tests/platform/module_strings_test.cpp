// Module handles and string resources: LoadStringA's truncation, terminator and results, and
// the stand-in's diagnostics hooks.
#include <string.h>

#include "support/hooks.h"

#if !defined(_WIN32)
#  include <dlfcn.h>
extern "C" const PlwStringResource plw_string_resources[];
#endif

namespace {

constexpr char kSentinel = '#';
constexpr int kBufferSize = 32;

struct LoadResult {
    int result;
    char buffer[kBufferSize];
};

// Loads into a buffer pre-filled with a sentinel, so that stray writes show.
LoadResult Load(UINT id, int size, HINSTANCE module = GetModuleHandleA(nullptr)) {
    LoadResult load;
    memset(load.buffer, kSentinel, sizeof load.buffer);
    load.result = LoadStringA(module, id, load.buffer, size);
    return load;
}

TEST(ModuleHandle, NullNamesTheMainProgram) {
    HMODULE main = GetModuleHandleA(nullptr);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(GetModuleHandleA(nullptr), main);
}

#if !defined(_WIN32)
// Natively a module is a loaded shared library, named as on Windows: without "lib", with or
// without ".dll", in any case. Its strings are its own: the program's table is not found
// through a library that exports none.
TEST(ModuleHandle, NativeLibraryIsFoundByItsWindowsName) {
    HMODULE standIn = GetModuleHandleA("plwin32");
    ASSERT_NE(standIn, nullptr);
    EXPECT_NE(standIn, GetModuleHandleA(nullptr));
    EXPECT_EQ(GetModuleHandleA("PLWIN32.DLL"), standIn);
    EXPECT_EQ(GetModuleHandleA("PlWin32"), standIn);
    Dl_info info = {};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&LoadStringA), &info), 0);
    EXPECT_EQ(info.dli_fbase, static_cast<void*>(standIn));
    char text[8] = "x";
    EXPECT_EQ(LoadStringA(standIn, 100, text, sizeof text), 0);
    EXPECT_STREQ(text, "");
}

TEST(ModuleHandle, MainProgramIsTheImageOfItsCode) {
    Dl_info info = {};
    ASSERT_NE(dladdr(static_cast<const void*>(plw_string_resources), &info), 0);
    EXPECT_EQ(info.dli_fbase, static_cast<void*>(GetModuleHandleA(nullptr)));
}
#endif

TEST(ModuleHandle, UnknownModuleIsNull) {
    SetLastError(0);
    EXPECT_EQ(GetModuleHandleA("NoSuchModule"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}

// "Hello" (id 100) into buffers around its length: at most size-1 characters, always terminated.
TEST(LoadString, TruncatesToSizeMinusOneAndTerminates) {
    const struct {
        int size;
        int result;
        const char* text;
    } cases[] = {
        {1, 0, ""},       {2, 1, "H"},          {3, 2, "He"},         {5, 4, "Hell"},
        {6, 5, "Hello"},  {7, 5, "Hello"},      {kBufferSize, 5, "Hello"},
    };
    for (const auto& c : cases) {
        LoadResult load = Load(100, c.size);
        EXPECT_EQ(load.result, c.result) << "size " << c.size;
        EXPECT_STREQ(load.buffer, c.text) << "size " << c.size;
        if (c.size < kBufferSize) {
            EXPECT_EQ(load.buffer[c.size], kSentinel) << "wrote past size " << c.size;
        }
    }
}

TEST(LoadString, LongStringAtItsExactLength) {
    // id 4000 holds 16 characters: 16 need 17 bytes.
    EXPECT_EQ(Load(4000, 16).result, 15);
    EXPECT_STREQ(Load(4000, 16).buffer, "0123456789ABCDE");
    EXPECT_EQ(Load(4000, 17).result, 16);
    EXPECT_STREQ(Load(4000, 17).buffer, "0123456789ABCDEF");
}

TEST(LoadString, MissingAndEmptyStringsGiveEmptyBuffer) {
    const UINT ids[] = {101 /* empty */, 102 /* missing, same block */, 5000 /* missing block */};
    for (UINT id : ids) {
        LoadResult load = Load(id, 8);
        EXPECT_EQ(load.result, 0) << "id " << id;
        EXPECT_EQ(load.buffer[0], '\0') << "id " << id;
        EXPECT_EQ(load.buffer[1], kSentinel) << "id " << id;
    }
}

TEST(LoadString, MissingStringReportsResourceNotFound) {
    SetLastError(0);
    Load(5000, 8);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
}

// A size of 0 asks for a pointer to the resource, which only the wide version can give: the
// ANSI version answers -1 and leaves the buffer alone.
TEST(LoadString, SizeZeroAnswersMinusOneWithoutWriting) {
    LoadResult load = Load(100, 0);
    EXPECT_EQ(load.result, -1);
    EXPECT_EQ(load.buffer[0], kSentinel);
}

TEST(LoadString, IdUsesLowWordOnly) {
    EXPECT_STREQ(Load(0x10000 + 100, 8).buffer, "Hello");
    EXPECT_STREQ(Load(117, 16).buffer, "Seventeen");
}

TEST(LoadString, NullInstanceIsTheMainProgram) {
    LoadResult load = Load(100, 8, nullptr);
    EXPECT_EQ(load.result, 5);
    EXPECT_STREQ(load.buffer, "Hello");
}

TEST(LoadString, ReplacedTableServesInsteadAndRestores) {
    PLM_REQUIRE_STANDIN_HOOKS();
#if PLM_HAVE_STANDIN_HOOKS
    static const PlwStringResource replacement[] = {{100, "Replaced"}, {7, "Seven"}, {0, nullptr}};
    HINSTANCE main = GetModuleHandleA(nullptr);
    PlwReplaceModuleStrings(main, replacement);
    EXPECT_STREQ(Load(100, 16).buffer, "Replaced");
    EXPECT_STREQ(Load(7, 16).buffer, "Seven");
    EXPECT_EQ(Load(117, 16).result, 0);  // the own table is not consulted meanwhile
    PlwReplaceModuleStrings(main, nullptr);
    EXPECT_STREQ(Load(100, 16).buffer, "Hello");
    EXPECT_EQ(Load(7, 16).result, 0);
#endif
}

TEST(Diagnostics, BeepsAndDebugOutputAreCounted) {
    PLM_REQUIRE_STANDIN_HOOKS();
#if PLM_HAVE_STANDIN_HOOKS
    PlwResetBeepCount();
    PlwResetDebugOutput();
    MessageBeep(MB_OK);
    MessageBeep(MB_ICONEXCLAMATION);
    OutputDebugStringA("Register ");
    OutputDebugStringA(nullptr);
    OutputDebugStringA("Failed!\n");
    EXPECT_EQ(PlwBeepCount(), 2);
    EXPECT_STREQ(PlwDebugOutput(), "Register Failed!\n");
    PlwResetBeepCount();
    PlwResetDebugOutput();
    EXPECT_EQ(PlwBeepCount(), 0);
    EXPECT_STREQ(PlwDebugOutput(), "");
#endif
}

}  // namespace
