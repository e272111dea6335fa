# Runs SOUNDGEN twice into two folders below WORK_DIR and fails unless every
# file named in NAMES (without .WAV) is byte-identical between the runs.
file(REMOVE_RECURSE ${WORK_DIR})
foreach(run first second)
  execute_process(COMMAND ${SOUNDGEN} ${WORK_DIR}/${run} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "soundgen failed in the ${run} run: ${result}")
  endif()
endforeach()
foreach(name ${NAMES})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
                  ${WORK_DIR}/first/${name}.WAV ${WORK_DIR}/second/${name}.WAV
                  RESULT_VARIABLE differ)
  if(NOT differ EQUAL 0)
    message(FATAL_ERROR "${name}.WAV differs between two runs")
  endif()
endforeach()
