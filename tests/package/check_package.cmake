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
# The consumer built from the installed package alone: nothing of this build or source tree
# but its own sources.
file(READ ${WORK_DIR}/cmake-consumer/build.ninja ninja)
foreach(tree "${BUILD_DIR}/bin" "${SOURCE_DIR}/platform" "${SOURCE_DIR}/tools" "${SOURCE_DIR}/cmake")
  string(FIND "${ninja}" "${tree}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "the consumer's build uses ${tree}")
  endif()
endforeach()

# expect_consumer(program): it shows its dialog and finds its strings, bitmap and icon.
function(expect_consumer program)
  run(${program} ${WORK_DIR}/hello.svg)
  set(expected
    "vksutil [0-9]+\\.[0-9]+\\.[0-9]+"
    "dialog: Hello from the consumer, shown 1, agree \"I &agree\", ok \"OK\""
    "strings: Good morning, Good night"
    "bitmap: 8x4"
    "icon: 16x16, image 1 of 1128 bytes, loaded")
  foreach(line IN LISTS expected)
    if(NOT last_output MATCHES "${line}")
      message(FATAL_ERROR "${program} printed: ${last_output}\nexpected: ${line}")
    endif()
  endforeach()
  file(READ ${WORK_DIR}/hello.svg picture)
  if(NOT picture MATCHES "Hello from the consumer")
    message(FATAL_ERROR "the dialog's picture lacks its caption")
  endif()
  file(REMOVE ${WORK_DIR}/hello.svg)
endfunction()
expect_consumer(${WORK_DIR}/cmake-consumer/consumer)

# pkg-config
find_program(PKG_CONFIG pkg-config)
if(PKG_CONFIG)
  file(GLOB pcdir ${prefix}/lib*/pkgconfig ${prefix}/lib/*/pkgconfig)
  set(ENV{PKG_CONFIG_PATH} "${pcdir}")
  run(${PKG_CONFIG} --cflags --libs vksutil)
  string(STRIP "${last_output}" flags)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  run(${PKG_CONFIG} --cflags-only-I vksutil)
  string(STRIP "${last_output}" include_flags)
  separate_arguments(include_flags UNIX_COMMAND "${include_flags}")
  # The resource compiler the package names compiles the program's script.
  run(${PKG_CONFIG} --variable=vksrc vksutil)
  string(STRIP "${last_output}" vksrc)
  run(${vksrc} ${include_flags} ${CONSUMER_DIR}/app.rc -o ${WORK_DIR}/pc-consumer/app_rc.cpp)
  run(${CC} -c ${CONSUMER_DIR}/platform_from_c.c -o ${WORK_DIR}/pc-consumer/platform_from_c.o
      ${include_flags})
  run(${CXX} ${CONSUMER_DIR}/consumer.cpp ${WORK_DIR}/pc-consumer/app_rc.cpp
      ${WORK_DIR}/pc-consumer/platform_from_c.o -o ${WORK_DIR}/pc-consumer/consumer ${flags}
      ${LINK_FLAGS})
  expect_consumer(${WORK_DIR}/pc-consumer/consumer)
endif()
