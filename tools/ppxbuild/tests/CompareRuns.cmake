# Runs PPXBUILD twice into two folders below WORK_DIR and fails unless both
# runs wrote the same file names with byte-identical contents.
file(REMOVE_RECURSE ${WORK_DIR})
foreach(run first second)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                  ${PPXBUILD} ${DESCRIPTIONS} ${SOURCES} ${WORK_DIR}/${run}
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "ppxbuild failed in the ${run} run: ${result}")
  endif()
endforeach()
file(GLOB first RELATIVE ${WORK_DIR}/first ${WORK_DIR}/first/*)
file(GLOB second RELATIVE ${WORK_DIR}/second ${WORK_DIR}/second/*)
if(NOT first STREQUAL second)
  message(FATAL_ERROR "the runs wrote different files: ${first} / ${second}")
endif()
list(LENGTH first count)
if(count LESS 8)
  message(FATAL_ERROR "too few files written: ${first}")
endif()
foreach(name ${first})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
                  ${WORK_DIR}/first/${name} ${WORK_DIR}/second/${name}
                  RESULT_VARIABLE differ)
  if(NOT differ EQUAL 0)
    message(FATAL_ERROR "${name} differs between two runs")
  endif()
endforeach()
