# Installs the build tree into a scratch prefix, then builds and runs consumers against it.
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed: ${ARGN}\n${out}")
  endif()
  set(last_output "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# Headers that say they are internal stay in the source tree.
file(GLOB_RECURSE installed_headers ${prefix}/include/*.h)
foreach(header IN LISTS installed_headers)
  file(STRINGS ${header} first_line LIMIT_COUNT 1)
  if(first_line MATCHES "^(//|/\\*) Internal")
    message(FATAL_ERROR "installed an internal header: ${header}")
  endif()
endforeach()

# LINK_FLAGS: what a program needs to link libraries built with sanitizers.
string(REPLACE ";" " " link_flags_text "${LINK_FLAGS}")

# find_package(vksutil CONFIG)
run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/cmake-consumer -G Ninja
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_C_COMPILER=${CC}
    "-DCMAKE_EXE_LINKER_FLAGS=${link_flags_text}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/cmake-consumer)
run(${WORK_DIR}/cmake-consumer/consumer)
if(NOT last_output MATCHES "vksutil [0-9]+\\.[0-9]+\\.[0-9]+")
  message(FATAL_ERROR "consumer printed: ${last_output}")
endif()

# pkg-config
find_program(PKG_CONFIG pkg-config)
if(PKG_CONFIG)
  file(GLOB pcdir ${prefix}/lib*/pkgconfig ${prefix}/lib/*/pkgconfig)
  set(ENV{PKG_CONFIG_PATH} "${pcdir}")
  run(${PKG_CONFIG} --cflags --libs vksutil)
  string(STRIP "${last_output}" flags)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  run(${CXX} ${CONSUMER_DIR}/consumer.cpp -o ${WORK_DIR}/pc-consumer ${flags} ${LINK_FLAGS})
  run(${WORK_DIR}/pc-consumer)
endif()
