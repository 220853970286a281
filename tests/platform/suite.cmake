# Conformance suite of the Win32 layer: the behaviour the library relies on. The same program
# runs against the stand-in natively and against the real Win32 under Wine; it links Win32 and
# GoogleTest only, so it needs none of the library's code.
if(PLM_WINDOWS)
  set(PLM_PLATFORM_STRINGS ${CMAKE_CURRENT_LIST_DIR}/test_strings.rc)
else()
  set(PLM_PLATFORM_STRINGS ${CMAKE_CURRENT_LIST_DIR}/test_strings_native.cpp)
endif()
add_executable(test_platform
  ${CMAKE_CURRENT_SOURCE_DIR}/support/gtest_plain_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_log.cpp
  ${CMAKE_CURRENT_LIST_DIR}/module_strings_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/charclass_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/memory_keyboard_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/controls_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdi_test.cpp
  ${PLM_PLATFORM_STRINGS})
target_include_directories(test_platform PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(test_platform PRIVATE plm_win32 ${PLM_GTEST})
# Natively the program publishes its string table to LoadStringA, as a module would.
set_target_properties(test_platform PROPERTIES ENABLE_EXPORTS ON)
add_test(NAME test_platform COMMAND test_platform)

# Prints the character-class table of the Win32 it runs on (see tools/charclass_table.cpp).
add_executable(charclass_table EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/tools/charclass_table.cpp)
target_link_libraries(charclass_table PRIVATE plm_win32)
