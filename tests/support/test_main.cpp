// Entry point of the unit test programs: attach the library's code as the DLL's entry would,
// with this program as the module that holds the string table.
#include <gtest/gtest.h>

#include "module/module.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ModuleAttach(GetModuleHandleA(nullptr));
    int result = RUN_ALL_TESTS();
    ModuleDetach();
    return result;
}
