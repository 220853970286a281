plm_unit_suite(test_numeric ${CMAKE_CURRENT_LIST_DIR}/numeric_test.cpp)
