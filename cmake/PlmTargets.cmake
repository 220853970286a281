# Shared build helpers: where Win32 comes from, and how a subsystem declares its objects.

if(PLM_WINDOWS)
  enable_language(RC)
  add_library(plm_win32 INTERFACE)
  target_link_libraries(plm_win32 INTERFACE user32 gdi32 kernel32)
endif()
# Natively plm_win32 is defined by platform/: the stand-in's headers and shared library.

# plm_subsystem(NAME sources...): one OBJECT library per subsystem folder, so that the DLL, the
# static library the unit tests link and the tools all share one compilation of each source.
function(plm_subsystem name)
  if(NOT ARGN)
    return()  # a subsystem folder whose sources have not been written yet
  endif()
  add_library(${name} OBJECT ${ARGN})
  set_property(GLOBAL APPEND PROPERTY PLM_SUBSYSTEMS ${name})
  target_include_directories(${name} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
  target_compile_definitions(${name} PRIVATE PLMEDT60_BUILDING)
  target_link_libraries(${name} PUBLIC plm_win32)
endfunction()
