# Runs every NAME.script of DIR through pultara-sim (on NAME.desktop when
# there is one) and fails unless each trace equals NAME.trace exactly.
#   cmake -DSIM=build/linux/apps/sim/pultara-sim -DDIR=tests/scenarios -P this
# With -DWRITE=ON it writes the traces instead, for a new or changed
# scenario: read what it wrote before committing it.
file(GLOB scripts ${DIR}/*.script)
if(NOT scripts)
  message(FATAL_ERROR "no scenarios in ${DIR}")
endif()
set(failed)
foreach(script IN LISTS scripts)
  get_filename_component(name ${script} NAME_WE)
  set(desktop_args)
  if(EXISTS ${DIR}/${name}.desktop)
    set(desktop_args --desktop ${DIR}/${name}.desktop)
  endif()
  execute_process(
    COMMAND ${SIM} --quiet-store ${desktop_args} ${script}
    OUTPUT_VARIABLE trace
    ERROR_VARIABLE errors
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    list(APPEND failed ${name})
    message(SEND_ERROR "${name}: pultara-sim failed (${result}): ${errors}")
    continue()
  endif()
  if(WRITE)
    file(WRITE ${DIR}/${name}.trace "${trace}")
    message(STATUS "${name}: trace written")
    continue()
  endif()
  file(READ ${DIR}/${name}.trace expected)
  if(NOT trace STREQUAL expected)
    list(APPEND failed ${name})
    message(SEND_ERROR "${name}: the trace differs from ${name}.trace\n--- trace ---\n${trace}")
  else()
    message(STATUS "${name}: as expected")
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "scenarios that failed: ${failed}")
endif()
