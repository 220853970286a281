plm_unit_suite(test_control
  ${CMAKE_CURRENT_LIST_DIR}/lifecycle_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/properties_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_test.cpp)
