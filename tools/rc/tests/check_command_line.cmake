# vksrc on the command line: what it writes, its exit codes, and the inputs that must fail
# with "FILE:LINE: error: REASON", exit 1 and no output left behind, never hang or crash.
# Usage: cmake -DVKSRC=<vksrc> -DWORK_DIR=<scratch folder> -P check_command_line.cmake
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

# expect_failure(name "expected message" args...): exit 1, the message, no output files.
function(expect_failure name message)
  file(WRITE ${WORK_DIR}/out.cpp "stale")
  file(WRITE ${WORK_DIR}/out.res "stale")
  execute_process(COMMAND ${VKSRC} ${ARGN} -o ${WORK_DIR}/out.cpp
                  RESULT_VARIABLE rc ERROR_VARIABLE said TIMEOUT 60)
  if(NOT rc EQUAL 1)
    message(FATAL_ERROR "${name}: exit code ${rc}, expected 1; said: ${said}")
  endif()
  string(FIND "${said}" "${message}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${name}: said '${said}', expected '${message}'")
  endif()
  if(EXISTS ${WORK_DIR}/out.cpp OR EXISTS ${WORK_DIR}/out.res)
    message(FATAL_ERROR "${name}: an output was left behind")
  endif()
endfunction()

file(WRITE ${WORK_DIR}/bad.rc "// A fault on the third line.\n1 DIALOGEX 0, 0, 10, 10\nSTYLE WS_POPUP | WS_BOGUS\nBEGIN\nEND\n")
expect_failure("a faulty script" "bad.rc:3: error: unknown name 'WS_BOGUS'" ${WORK_DIR}/bad.rc)

file(MAKE_DIRECTORY ${WORK_DIR}/folder)
expect_failure("a folder as the script" "folder: error: the script is a folder, not a file"
               ${WORK_DIR}/folder)

file(WRITE ${WORK_DIR}/zero.rc "#include \"/dev/zero\"\n")
expect_failure("#include of a device" "zero.rc:1: error: '/dev/zero' is not a regular file"
               ${WORK_DIR}/zero.rc)
file(WRITE ${WORK_DIR}/zero_bitmap.rc "1 BITMAP \"/dev/zero\"\n")
expect_failure("a device as a bitmap" "zero_bitmap.rc:1: error: the bitmap '/dev/zero' is not a regular file"
               ${WORK_DIR}/zero_bitmap.rc)

find_program(MKFIFO mkfifo)
if(MKFIFO)
  execute_process(COMMAND ${MKFIFO} ${WORK_DIR}/pipe.h)
  file(WRITE ${WORK_DIR}/fifo.rc "#include \"pipe.h\"\n")
  expect_failure("#include of a FIFO" "fifo.rc:1: error: '${WORK_DIR}/pipe.h' is not a regular file"
                 ${WORK_DIR}/fifo.rc)
endif()

file(WRITE ${WORK_DIR}/self.rc "#include \"self.rc\"\n")
expect_failure("a script that includes itself" "includes itself in a cycle" ${WORK_DIR}/self.rc)

# A wrong command line: exit 2 with the usage.
execute_process(COMMAND ${VKSRC} ${WORK_DIR}/bad.rc RESULT_VARIABLE rc ERROR_VARIABLE said)
if(NOT rc EQUAL 2 OR NOT said MATCHES "^usage: vksrc")
  message(FATAL_ERROR "no output named: exit ${rc}, said: ${said}")
endif()

# A good script: the source, its image beside it, and the files it read for the build.
file(WRITE ${WORK_DIR}/names.h "#define IDS_ONE 1\n")
file(WRITE ${WORK_DIR}/good.rc "#include \"names.h\"\nSTRINGTABLE\nBEGIN\nIDS_ONE \"one\"\nEND\n")
execute_process(COMMAND ${VKSRC} ${WORK_DIR}/good.rc -o ${WORK_DIR}/good_rc.cpp
                        --depfile ${WORK_DIR}/good_rc.d
                RESULT_VARIABLE rc ERROR_VARIABLE said TIMEOUT 60)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "a good script failed: ${said}")
endif()
foreach(output good_rc.cpp good_rc.res good_rc.d)
  if(NOT EXISTS ${WORK_DIR}/${output})
    message(FATAL_ERROR "no ${output}")
  endif()
endforeach()
file(READ ${WORK_DIR}/good_rc.d depends)
if(NOT depends MATCHES "good_rc.cpp:" OR NOT depends MATCHES "good.rc" OR NOT depends MATCHES "names.h")
  message(FATAL_ERROR "the dependencies lack the script or its header: ${depends}")
endif()
