// Global memory blocks (handles, lock counts, flags, sizes, freeing) and the key state table.
#include <string.h>

#include "support/hooks.h"

namespace {

// Two locks on each kind of block. A fixed block's handle is its address and keeps no lock
// count; a movable one is reached only through a lock; an empty movable one is discarded.
// Every block may be freed while locked.
TEST(Memory, BlockKindsLockAndReportTheirFlags) {
    const struct {
        UINT flags;
        SIZE_T size;
        bool handleIsAddress;
        UINT flagsLockedTwice;
    } cases[] = {
        {GMEM_FIXED, 10, true, 0},           {GMEM_FIXED | GMEM_ZEROINIT, 64, true, 0},
        {GMEM_MOVEABLE, 10, false, 2},       {GMEM_MOVEABLE | GMEM_ZEROINIT, 64, false, 2},
        {GMEM_MOVEABLE, 0, false, GMEM_DISCARDED},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "flags " << c.flags << " size " << c.size);
        HGLOBAL block = GlobalAlloc(c.flags, c.size);
        ASSERT_NE(block, nullptr);
        const unsigned char* bytes = static_cast<const unsigned char*>(GlobalLock(block));
        EXPECT_EQ(GlobalLock(block), bytes);
        EXPECT_EQ(bytes == block, c.handleIsAddress);
        EXPECT_EQ(bytes == nullptr, c.size == 0);
        EXPECT_EQ(GlobalFlags(block), c.flagsLockedTwice);
        EXPECT_EQ(GlobalSize(block), c.size);
        for (SIZE_T i = 0; (c.flags & GMEM_ZEROINIT) && i < c.size; ++i) ASSERT_EQ(bytes[i], 0) << "byte " << i;
        EXPECT_EQ(GlobalFree(block), nullptr);
    }
}

// Unlock answers whether the block is still locked; at zero it reports success through the
// last error, and one unlock too many reports ERROR_NOT_LOCKED. A fixed block answers as locked.
TEST(Memory, UnlockAnswersWhetherTheBlockIsStillLocked) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 10);
    GlobalLock(block);
    GlobalLock(block);
    const struct {
        BOOL stillLocked;
        DWORD error;
    } unlocks[] = {{TRUE, 1234}, {FALSE, NO_ERROR}, {FALSE, ERROR_NOT_LOCKED}};
    for (const auto& expected : unlocks) {
        SetLastError(1234);
        EXPECT_EQ(GlobalUnlock(block) != 0, expected.stillLocked != 0);
        EXPECT_EQ(GetLastError(), expected.error);
    }
    GlobalFree(block);
    HGLOBAL fixed = GlobalAlloc(GMEM_FIXED, 4);
    EXPECT_NE(GlobalUnlock(fixed), 0);
    GlobalFree(fixed);
}

TEST(Memory, InjectedFailureAndStaleHandles) {
    // The failure hook is the stand-in's, and real Win32 may give a freed handle to the next block.
    PLM_REQUIRE_STANDIN_HOOKS();
#if PLM_HAVE_STANDIN_HOOKS
    PlwFailNextAllocations(1);
    EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, 8), nullptr);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 8);
    ASSERT_NE(block, nullptr);
    GlobalFree(block);
    SetLastError(0);
    EXPECT_EQ(GlobalFree(block), block);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(GlobalLock(block), nullptr);
#endif
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
    BYTE readBack[256];
    ASSERT_TRUE(GetKeyboardState(readBack));
    EXPECT_EQ(memcmp(readBack, keys, sizeof keys), 0);
    SetKeyboardState(saved);
}

}  // namespace
