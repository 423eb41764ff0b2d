# The tool on a new empty drive C shows dates and numbers in the host's locale, and writes
# nothing there.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

function(expect_output locale expected)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=${locale}
                          ${TOOL} --drive-c ${WORK_DIR} ${ARGN}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(STRIP "${out}" out)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL expected)
    message(FATAL_ERROR "LC_ALL=${locale} vksutil ${ARGN}: exit ${rc}, printed '${out}' "
                        "(wanted '${expected}') ${err}")
  endif()
endfunction()

expect_output(de_DE.UTF-8 "05.03.2002  14:07:09" format datetime 2002-03-05T14:07:09)
expect_output(de_DE.UTF-8 "1.234.567" format number 1234567)
expect_output(ja_JP.UTF-8 "2002/03/05  14:07:09" format datetime 2002-03-05T14:07:09)
expect_output(C "3/5/02  2:07:09PM" format datetime 2002-03-05T14:07:09)
file(GLOB left "${WORK_DIR}/*")
if(left)
  message(FATAL_ERROR "formatting wrote on the empty drive C: ${left}")
endif()
