# Runs random joystick scripts through pultara-sim twice, sleeping at rest
# and with --always-tick, and fails unless both traces hold the same calls at
# the same times. Also fails when the sleeping run never slept, which would
# make the comparison prove nothing.
#   cmake -DSIM=... -DGEN=... -DDESKTOP=... -DWORK=dir -DSEEDS="1;2" -DTICKS=N -P this
file(MAKE_DIRECTORY ${WORK})
set(total_run 0)
set(total_slept 0)
foreach(seed IN LISTS SEEDS)
  set(script ${WORK}/random-${seed}.script)
  execute_process(COMMAND ${GEN} ${seed} ${TICKS} OUTPUT_FILE ${script} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "random_script ${seed} failed (${result})")
  endif()
  foreach(mode sleeping always)
    set(flags)
    if(mode STREQUAL "always")
      set(flags --always-tick)
    endif()
    execute_process(
      COMMAND ${SIM} --quiet-store ${flags} --desktop ${DESKTOP} ${script}
      OUTPUT_FILE ${WORK}/trace-${seed}-${mode}.txt
      ERROR_VARIABLE errors
      RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "pultara-sim ${flags} on seed ${seed} failed (${result}): ${errors}")
    endif()
    # Calls carry their time in front, indented; the counts at the end
    # start a line with "#".
    file(READ ${WORK}/trace-${seed}-${mode}.txt trace)
    string(FIND "${trace}" "\n#" at)
    string(SUBSTRING "${trace}" 0 ${at} calls_${mode})
    string(SUBSTRING "${trace}" ${at} -1 counts_${mode})
  endforeach()
  if(NOT calls_sleeping STREQUAL calls_always)
    execute_process(COMMAND diff ${WORK}/trace-${seed}-sleeping.txt ${WORK}/trace-${seed}-always.txt
                    OUTPUT_VARIABLE difference)
    string(SUBSTRING "${difference}" 0 2000 difference)
    message(FATAL_ERROR "seed ${seed}: the traces differ (sleeping < > always):\n"
                        "${difference}\nscript ${script}")
  endif()
  string(LENGTH "${calls_always}" length)
  string(REGEX MATCH "# ([0-9]+) poll ticks" ignored "${counts_sleeping}")
  set(run ${CMAKE_MATCH_1})
  string(REGEX MATCH "# ([0-9]+) ticks slept" ignored "${counts_sleeping}")
  set(slept ${CMAKE_MATCH_1})
  if(slept STREQUAL "" OR slept EQUAL 0)
    message(FATAL_ERROR "seed ${seed}: the run never slept (${counts_sleeping})")
  endif()
  math(EXPR total_run "${total_run} + ${run}")
  math(EXPR total_slept "${total_slept} + ${slept}")
  message(STATUS "seed ${seed}: traces the same (${length} bytes); ${run} ticks run, ${slept} slept")
endforeach()
math(EXPR ticks "${total_run} + ${total_slept}")
message(STATUS "all seeds: ${ticks} ticks, ${total_slept} slept at rest, traces the same")
