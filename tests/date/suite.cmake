# Date engine: formats, parsing, calendar, layout, conversions, keystrokes, typed get/set.
plm_unit_suite(test_date
  ${CMAKE_CURRENT_LIST_DIR}/date_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/date_key_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/date_typed_test.cpp)
