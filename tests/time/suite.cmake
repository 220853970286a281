# Time engine: format reading, reading and writing shown times, range rules, keys, typed get/set.
plm_unit_suite(test_time
  ${CMAKE_CURRENT_LIST_DIR}/time_format_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/time_edit_test.cpp)
