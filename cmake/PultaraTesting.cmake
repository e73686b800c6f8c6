# Helpers shared by every test folder.
#
# pultara_add_test(NAME SOURCES <files...> [LIBS <targets...>] [LABELS <labels...>])
# builds one GoogleTest program and registers it with CTest as one test.
# When cross-compiling, CTest runs it through CMAKE_CROSSCOMPILING_EMULATOR
# (Wine for the Windows build).

function(pultara_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  if(NOT ARG_LABELS)
    set(ARG_LABELS unit)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE pultara_test_support ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}" TIMEOUT 600)
endfunction()
