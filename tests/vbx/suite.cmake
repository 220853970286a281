plm_unit_suite(test_vbx ${CMAKE_CURRENT_LIST_DIR}/vbx_test.cpp)
if(PLM_WINDOWS)
  # The host stand-in is delay-loaded from beside the program.
  add_custom_command(TARGET test_vbx POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:PLVW60> $<TARGET_FILE_DIR:test_vbx>)
endif()
