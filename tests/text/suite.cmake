# The text engine: mask positions, keystrokes on a live edit window, shown and raw text.
plm_unit_suite(test_text
  ${CMAKE_CURRENT_LIST_DIR}/text_mask_test.cpp)
