// Entry point of the Win32 conformance suite: plain GoogleTest, no library to attach.
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
