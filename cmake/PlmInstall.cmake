# cmake --install: the header, the library and the CMake package PLMEDT60 with the target
# PLMEDT60::PLMEDT60. Natively the Win32 stand-in's headers and library come along, so that a
# client including <windows.h> and <plmedt60.h> builds and runs on Linux as on Windows.
include(CMakePackageConfigHelpers)

set(PLM_EXPORTED_TARGETS PLMEDT60 plm_win32)
if(NOT PLM_WINDOWS)
  list(APPEND PLM_EXPORTED_TARGETS plwin32)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/platform/include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/plwin32
          FILES_MATCHING PATTERN "*.h")
  set_target_properties(PLMEDT60 plwin32 PROPERTIES INSTALL_RPATH "$ORIGIN")
endif()

install(TARGETS ${PLM_EXPORTED_TARGETS} EXPORT PLMEDT60Targets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${PROJECT_SOURCE_DIR}/include/plmedt60.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT PLMEDT60Targets NAMESPACE PLMEDT60:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/PLMEDT60)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/PLMEDT60Config.cmake.in
  ${PROJECT_BINARY_DIR}/PLMEDT60Config.cmake INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/PLMEDT60)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/PLMEDT60ConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/PLMEDT60Config.cmake ${PROJECT_BINARY_DIR}/PLMEDT60ConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/PLMEDT60)
