plm_unit_suite(test_numeric
  ${CMAKE_CURRENT_LIST_DIR}/numeric_format_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/numeric_typed_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/numeric_alloc_test.cpp)
