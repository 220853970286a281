plm_unit_suite(test_control ${CMAKE_CURRENT_LIST_DIR}/lifecycle_test.cpp)
