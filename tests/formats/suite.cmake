plm_unit_suite(test_formats
  ${CMAKE_CURRENT_LIST_DIR}/catalogue_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/separators_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/conversions_test.cpp)
