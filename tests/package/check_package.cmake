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
