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

// At most size - 1 characters and a terminator, nothing past size; ids are 16-bit; a size of 0
// asks for a pointer to the resource, which only the wide version can give: the ANSI version
// answers -1 and writes nothing.
TEST(LoadString, CutsToSizeMinusOneAndTerminates) {
    const struct {
        UINT id;
        int size;
        int result;
        const char* text;  // null: nothing written
    } cases[] = {
        {100, 0, -1, nullptr},  {100, 1, 0, ""},       {100, 2, 1, "H"},       {100, 5, 4, "Hell"},
        {100, 6, 5, "Hello"},   {100, 7, 5, "Hello"},  {117, 16, 9, "Seventeen"},
        {4000, 16, 15, "0123456789ABCDE"},             {4000, 17, 16, "0123456789ABCDEF"},
        {0x10000 + 100, 8, 5, "Hello"},
        {101, 8, 0, ""} /* empty */, {102, 8, 0, ""} /* missing */, {5000, 8, 0, ""} /* missing block */,
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "id " << c.id << " size " << c.size);
        LoadResult load = Load(c.id, c.size);
        EXPECT_EQ(load.result, c.result);
        EXPECT_STREQ(c.text != nullptr ? load.buffer : nullptr, c.text);
        EXPECT_EQ(load.buffer[c.size], kSentinel);
    }
    SetLastError(0);
    Load(5000, 8);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    EXPECT_STREQ(Load(100, 8, nullptr).buffer, "Hello");  // a null instance is the main program
}

TEST(ModuleHandle, UnknownModuleIsNull) {
    SetLastError(0);
    EXPECT_EQ(GetModuleHandleA("NoSuchModule"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}

#if !defined(_WIN32)
// Natively a module is the base of a loaded image, named as on Windows: without "lib", with or
// without ".dll", in any case. Its strings are its own: the program's table is not found
// through a library that exports none.
TEST(ModuleHandle, NativeModulesAreImagesNamedAsOnWindows) {
    HMODULE standIn = GetModuleHandleA("plwin32");
    ASSERT_NE(standIn, nullptr);
    EXPECT_NE(standIn, GetModuleHandleA(nullptr));
    EXPECT_EQ(GetModuleHandleA("PLWIN32.DLL"), standIn);
    Dl_info info = {};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&LoadStringA), &info), 0);
    EXPECT_EQ(info.dli_fbase, static_cast<void*>(standIn));
    ASSERT_NE(dladdr(static_cast<const void*>(plw_string_resources), &info), 0);
    EXPECT_EQ(info.dli_fbase, static_cast<void*>(GetModuleHandleA(nullptr)));
    char text[8] = "x";
    EXPECT_EQ(LoadStringA(standIn, 100, text, sizeof text), 0);
    EXPECT_STREQ(text, "");
}
#endif

TEST(TestHooks, ReplacedStringsBeepsAndDebugOutput) {
    PLM_REQUIRE_STANDIN_HOOKS();
#if PLM_HAVE_STANDIN_HOOKS
    static const PlwStringResource replacement[] = {{100, "Replaced"}, {7, "Seven"}, {0, nullptr}};
    HINSTANCE main = GetModuleHandleA(nullptr);
    PlwReplaceModuleStrings(main, replacement);
    EXPECT_STREQ(Load(100, 16).buffer, "Replaced");
    EXPECT_EQ(Load(117, 16).result, 0);  // the own table is not consulted meanwhile
    PlwReplaceModuleStrings(main, nullptr);
    EXPECT_STREQ(Load(100, 16).buffer, "Hello");
    EXPECT_EQ(Load(7, 16).result, 0);
    PlwResetBeepCount();
    PlwResetDebugOutput();
    MessageBeep(MB_OK);
    MessageBeep(MB_ICONEXCLAMATION);
    OutputDebugStringA("Register ");
    OutputDebugStringA(nullptr);
    OutputDebugStringA("Failed!\n");
    EXPECT_EQ(PlwBeepCount(), 2);
    EXPECT_STREQ(PlwDebugOutput(), "Register Failed!\n");
    PlwResetDebugOutput();
    EXPECT_STREQ(PlwDebugOutput(), "");
#endif
}

}  // namespace
