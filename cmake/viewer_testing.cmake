# viewer_add_gtest(NAME SOURCES src... LIBS lib...): a GoogleTest binary whose
# cases ctest discovers when it runs (so on the test display, not at build).
# Every such test carries the label "unit"; the sanitizer build runs these.
# ctest runs each case in a process of its own, and the GL cases rely on it:
# they share the viewer's globals and GLUT's windows, which no case resets
# (run a whole binary with --gtest_shuffle and some fail).
# Declares nothing when testing is off, so a folder's CMakeLists.txt can list
# its unit tests beside its targets without a guard of its own.
function(viewer_add_gtest name)
  if(NOT BUILD_TESTING)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES LABELS unit)
endfunction()
