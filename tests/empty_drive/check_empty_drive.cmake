# Runs the tool on new empty folders given as drive C.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/written" "${WORK_DIR}/read")

function(run_tool drive)
  execute_process(COMMAND "${TOOL}" --drive-c "${WORK_DIR}/${drive}" ${ARGN}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(result "${result}" PARENT_SCOPE)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

run_tool(written log write "first line on an empty drive")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "log write on an empty drive C exited ${result}: ${err}")
endif()
run_tool(written log show)
if(NOT result EQUAL 0 OR NOT out MATCHES "first line on an empty drive")
  message(FATAL_ERROR "log show did not show the line (exit ${result}): ${out}${err}")
endif()

run_tool(read profile get windows intl sDate)
file(GLOB left "${WORK_DIR}/read/*")
if(left)
  message(FATAL_ERROR "a read on an empty drive C wrote: ${left}")
endif()
