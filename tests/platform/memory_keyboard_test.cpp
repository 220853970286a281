// Global and local memory blocks (handles, lock counts, flags, sizes, freeing) and the two key
// state tables.
#include <string.h>

#include "support/hooks.h"

namespace {

TEST(Memory, FixedBlockHandleIsItsAddress) {
    HGLOBAL block = GlobalAlloc(GMEM_FIXED, 10);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalLock(block), block);
    EXPECT_EQ(GlobalFlags(block), 0u);  // a fixed block keeps no lock count
    EXPECT_NE(GlobalUnlock(block), 0);
    EXPECT_EQ(GlobalSize(block), 10u);
    EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(Memory, MoveableBlockCountsLocks) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 10);
    ASSERT_NE(block, nullptr);
    void* bytes = GlobalLock(block);
    ASSERT_NE(bytes, nullptr);
    EXPECT_NE(bytes, static_cast<void*>(block));
    EXPECT_EQ(GlobalLock(block), bytes);
    EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 2u);
    // Unlock answers whether the block is still locked; at zero it reports success through
    // the last error, and one unlock too many reports ERROR_NOT_LOCKED.
    const struct {
        BOOL stillLocked;
        DWORD error;
    } unlocks[] = {{TRUE, 1234}, {FALSE, NO_ERROR}, {FALSE, ERROR_NOT_LOCKED}};
    for (const auto& expected : unlocks) {
        SetLastError(1234);
        BOOL result = GlobalUnlock(block);
        DWORD error = GetLastError();
        EXPECT_EQ(result != 0, expected.stillLocked != 0);
        EXPECT_EQ(error, expected.error);
    }
    EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u);
    EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(Memory, ZeroInitClearsEveryByte) {
    const UINT flags[] = {GMEM_FIXED | GMEM_ZEROINIT, GMEM_MOVEABLE | GMEM_ZEROINIT};
    for (UINT flag : flags) {
        const SIZE_T kSize = 64;
        HGLOBAL block = GlobalAlloc(flag, kSize);
        ASSERT_NE(block, nullptr);
        const unsigned char* bytes = static_cast<const unsigned char*>(GlobalLock(block));
        ASSERT_NE(bytes, nullptr);
        for (SIZE_T i = 0; i < kSize; ++i) ASSERT_EQ(bytes[i], 0) << "flags " << flag << " byte " << i;
        GlobalUnlock(block);
        EXPECT_EQ(GlobalSize(block), kSize);
        GlobalFree(block);
    }
}

TEST(Memory, EmptyMoveableBlockIsDiscarded) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 0);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalLock(block), nullptr);
    EXPECT_EQ(GlobalFlags(block), static_cast<UINT>(GMEM_DISCARDED));
    EXPECT_EQ(GlobalSize(block), 0u);
    EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(Memory, FreeingALockedMoveableBlockSucceeds) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
    ASSERT_NE(GlobalLock(block), nullptr);
    EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(Memory, ReallocKeepsMoveableHandleAndContents) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
    memcpy(GlobalLock(block), "abc", 4);
    GlobalUnlock(block);
    HGLOBAL grown = GlobalReAlloc(block, 100, GMEM_MOVEABLE);
    EXPECT_EQ(grown, block);
    EXPECT_EQ(GlobalSize(grown), 100u);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(grown)), "abc");
    GlobalUnlock(grown);
    GlobalFree(grown);
}

TEST(Memory, FixedBlockShrinksInPlaceButDoesNotMoveUnasked) {
    HGLOBAL block = GlobalAlloc(GMEM_FIXED, 10);
    EXPECT_EQ(GlobalReAlloc(block, 5, 0), block);
    EXPECT_EQ(GlobalReAlloc(block, 100000, 0), nullptr);
    GlobalFree(block);
}

TEST(Memory, LocalBlocksBehaveAlike) {
    HLOCAL fixed = LocalAlloc(LPTR, 8);
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(LocalLock(fixed), fixed);
    EXPECT_EQ(static_cast<const char*>(fixed)[7], 0);
    EXPECT_EQ(LocalSize(fixed), 8u);
    EXPECT_EQ(LocalFree(fixed), nullptr);
    HLOCAL moveable = LocalAlloc(LHND, 8);
    void* bytes = LocalLock(moveable);
    ASSERT_NE(bytes, nullptr);
    EXPECT_NE(bytes, static_cast<void*>(moveable));
    EXPECT_FALSE(LocalUnlock(moveable));
    EXPECT_EQ(LocalFree(moveable), nullptr);
}

TEST(Memory, InjectedFailureReturnsNull) {
    PLM_REQUIRE_STANDIN_HOOKS();
#if PLM_HAVE_STANDIN_HOOKS
    PlwFailNextAllocations(2);
    EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, 8), nullptr);
    EXPECT_EQ(LocalAlloc(LMEM_FIXED, 8), nullptr);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 8);
    EXPECT_NE(block, nullptr);
    GlobalFree(block);
#endif
}

TEST(Memory, StaleHandleIsRefused) {
#if defined(_WIN32)
    GTEST_SKIP() << "real Win32 may give a freed handle to the next block";
#endif
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 8);
    GlobalFree(block);
    SetLastError(0);
    EXPECT_EQ(GlobalFree(block), block);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(GlobalLock(block), nullptr);
}

// Key state from SetKeyboardState: down keys read with the high bit set (0xFF80 as Win32
// widens it), toggled keys with bit 0.
TEST(Keyboard, KeyStateFollowsSetKeyboardState) {
    BYTE saved[256];
    ASSERT_TRUE(GetKeyboardState(saved));
    BYTE keys[256] = {};
    keys[VK_SHIFT] = 0x80;
    keys[VK_CAPITAL] = 0x01;
    keys[VK_CONTROL] = 0x81;
    ASSERT_TRUE(SetKeyboardState(keys));
    const struct {
        int key;
        unsigned short state;
    } cases[] = {{VK_SHIFT, 0xFF80}, {VK_CAPITAL, 0x0001}, {VK_CONTROL, 0xFF81}, {VK_MENU, 0x0000}};
    for (const auto& c : cases)
        EXPECT_EQ(static_cast<unsigned short>(GetKeyState(c.key)), c.state) << "key " << c.key;
    EXPECT_LT(GetKeyState(VK_SHIFT), 0);
    BYTE readBack[256];
    ASSERT_TRUE(GetKeyboardState(readBack));
    EXPECT_EQ(memcmp(readBack, keys, sizeof keys), 0);
    SetKeyboardState(saved);
}

// The asynchronous state is the physical keyboard's: SetKeyboardState does not reach it,
// keyboard input does.
TEST(Keyboard, AsyncStateFollowsInputOnly) {
    BYTE saved[256];
    GetKeyboardState(saved);
    BYTE keys[256] = {};
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    EXPECT_EQ(GetAsyncKeyState(VK_CONTROL) & 0x8000, 0);
    keybd_event(VK_SHIFT, 0, 0, 0);
    EXPECT_NE(GetAsyncKeyState(VK_SHIFT) & 0x8000, 0);
    keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    EXPECT_EQ(GetAsyncKeyState(VK_SHIFT) & 0x8000, 0);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    SetKeyboardState(saved);
}

}  // namespace
