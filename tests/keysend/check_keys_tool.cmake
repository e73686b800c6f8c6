# Runs pultara-keys on a few commands and compares its output and exit code.
# Run as: cmake -DTOOL=<pultara-keys> [-DEMULATOR=<runner>] -DWORK=<dir> -P check_keys_tool.cmake

set(failures "")

# expect(<exit code> <expected output> [INPUT <file>] ARGS <arguments...>)
function(expect code expected)
  cmake_parse_arguments(ARG "" "INPUT" "ARGS" ${ARGN})
  set(input_option "")
  if(ARG_INPUT)
    set(input_option INPUT_FILE ${ARG_INPUT})
  endif()
  execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARG_ARGS} ${input_option}
                  OUTPUT_VARIABLE output RESULT_VARIABLE result)
  string(REPLACE "\r" "" output "${output}")
  if(NOT result EQUAL code OR NOT output STREQUAL expected)
    set(failures "${failures}\n[${ARG_ARGS}]: exit ${result} (expected ${code})\n${output}--- expected:\n${expected}" PARENT_SCOPE)
  endif()
endfunction()

expect(0 "down 0x10 Shift\ndown 0x41 A\nup 0x41 A\nup 0x10 Shift\n" ARGS "+a")
expect(0 "down 0x25 Left ext\nup 0x25 Left ext\ndown 0x25 Left ext\nup 0x25 Left ext\n"
       ARGS "{left 2}")
expect(0 "box SendKeys: Invalid Key Name\ndown 0x41 A\nup 0x41 A\n" ARGS "{FOO}a")
expect(1 "down 0x11 Ctrl\nup 0x11 Ctrl\nerror: '3X' ist kein gültiger Integerwert\n"
       ARGS "^{LEFT 3x}b")
expect(0 "down 0xBD Minus\nup 0xBD Minus\n" ARGS -- -)
expect(0 "down 0xFA\nup 0xFA\n" ARGS "{PLAY}")
expect(2 "" ARGS)
expect(2 "" ARGS --bogus)

file(WRITE ${WORK}/keys-commands.txt "~\n{ENTER}}\nabc{\n")
expect(0 "down 0x0D Enter\nup 0x0D Enter\n\ndown 0x0D Enter\nup 0x0D Enter\ndown 0x10 Shift\ndown 0xDD RightBracket\nup 0xDD RightBracket\nup 0x10 Shift\n\ndown 0x41 A\nup 0x41 A\ndown 0x42 B\nup 0x42 B\ndown 0x43 C\nup 0x43 C\nbox SendKeys: No Close\n"
       INPUT ${WORK}/keys-commands.txt ARGS -)

if(failures)
  message(FATAL_ERROR "pultara-keys printed something else:${failures}")
endif()
message(STATUS "pultara-keys prints the expected transcripts")
