# plmask is tested as a process: the test program is handed the tool's path.
if(TARGET plmask)
  add_executable(test_tool ${CMAKE_CURRENT_LIST_DIR}/tool_test.cpp ${CMAKE_CURRENT_LIST_DIR}/process.cpp)
  target_link_libraries(test_tool PRIVATE ${PLM_GTEST})
  add_dependencies(test_tool plmask)
  add_test(NAME test_tool COMMAND test_tool $<TARGET_FILE:plmask>)
endif()
