# True/False engine: words and values, the keystroke engine, typed get/set.
plm_unit_suite(test_boolean ${CMAKE_CURRENT_LIST_DIR}/boolean_test.cpp)
