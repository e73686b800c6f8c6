# Runs the simulator on an example and checks that the expected lines appear
# in the trace in the given order (other lines may come between them).
if(NOT SCRIPT)
  set(SCRIPT session.script)
endif()
set(settings_args)
if(SETTINGS)
  set(settings_args --settings ${SETTINGS})
endif()
execute_process(
  COMMAND ${SIM} --quiet-store ${settings_args} --desktop ${EXAMPLE}/desktop.txt ${EXAMPLE}/${SCRIPT}
  OUTPUT_VARIABLE trace
  ERROR_VARIABLE errors
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "pultara-sim failed (${result}): ${errors}")
endif()
file(STRINGS ${EXPECTED} expected_lines)
set(rest "${trace}")
foreach(line IN LISTS expected_lines)
  if(line STREQUAL "" OR line MATCHES "^#")
    continue()
  endif()
  string(FIND "${rest}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "expected, in this order, but missing: ${line}\n--- trace ---\n${trace}")
  endif()
  string(LENGTH "${line}" length)
  math(EXPR after "${at} + ${length}")
  string(SUBSTRING "${rest}" ${after} -1 rest)
endforeach()
