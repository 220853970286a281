plm_unit_suite(test_module ${CMAKE_CURRENT_LIST_DIR}/module_test.cpp)
