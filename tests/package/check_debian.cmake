# Builds the Debian packages of the build tree, unpacks them into a scratch root, checks what
# each holds, and builds and runs a consumer against the unpacked development package.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out
                  WORKING_DIRECTORY ${WORK_DIR})
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed: ${ARGN}\n${out}")
  endif()
  set(last_output "${out}" PARENT_SCOPE)
endfunction()

# expect("<condition as if() takes it>" "what went wrong")
macro(expect condition message)
  cmake_language(EVAL CODE "if(NOT (${condition}))\n message(FATAL_ERROR [==[${message}]==])\nendif()")
endmacro()

run(${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}/debs)
set(root ${WORK_DIR}/root)
set(packages libvksutil1 libvksutil-dev vksutil)
set(all_files "")
foreach(package IN LISTS packages)
  file(GLOB deb ${WORK_DIR}/debs/${package}_*.deb)
  list(LENGTH deb count)
  expect("count EQUAL 1" "expected one ${package} package, found: ${deb}")
  file(MAKE_DIRECTORY ${root})
  run(dpkg-deb -x ${deb} ${root})
  # Each package alone, to list its files and links (folders are shared).
  file(MAKE_DIRECTORY ${WORK_DIR}/alone)
  run(dpkg-deb -x ${deb} ${WORK_DIR}/alone/${package})
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${WORK_DIR}/alone/${package}
       ${WORK_DIR}/alone/${package}/*)
  set(${package}_files ${files})
  foreach(name IN LISTS files)
    list(FIND all_files ${name} seen)
    expect("seen EQUAL -1" "${name} is in two packages")
  endforeach()
  list(APPEND all_files ${files})
  run(dpkg-deb -f ${deb} Package Version Depends Description)
  expect("last_output MATCHES \"Version: ${VERSION}\"" "${package}: version\n${last_output}")
endforeach()

function(expect_in package name)
  list(FIND ${package}_files ${name} at)
  expect("NOT at EQUAL -1" "${package} lacks ${name}; it holds: ${${package}_files}")
endfunction()

foreach(lib vksplatform vksframework vksservc product vksutil)
  expect_in(libvksutil1 usr/lib/lib${lib}.so.1)
  expect_in(libvksutil1 usr/lib/lib${lib}.so.${VERSION})
  expect_in(libvksutil-dev usr/lib/lib${lib}.so)
  run(readelf -d ${root}/usr/lib/lib${lib}.so.${VERSION})
  expect("last_output MATCHES \"Library soname: \\\\[lib${lib}\\\\.so\\\\.1\\\\]\""
         "lib${lib} has no soname lib${lib}.so.1")
endforeach()
expect_in(libvksutil1 usr/lib/vksutil/VKSLog.dll)
expect_in(libvksutil1 usr/lib/vksutil/VKSUTIL.DLL)
expect("EXISTS ${root}/usr/lib/vksutil/VKSUTIL.DLL" "VKSUTIL.DLL does not lead to the library")
expect_in(libvksutil-dev usr/include/vksutil/vksutil.h)
expect_in(libvksutil-dev usr/include/vksutil/win32/windows.h)
expect_in(libvksutil-dev usr/lib/cmake/vksutil/vksutilConfig.cmake)
expect_in(libvksutil-dev usr/lib/pkgconfig/vksutil.pc)
expect_in(vksutil usr/bin/vksutil)
expect_in(vksutil usr/lib/vksutil/vksutil)
expect_in(vksutil usr/share/man/man1/vksutil.1)
expect_in(vksutil usr/share/bash-completion/completions/vksutil)
expect("EXISTS ${root}/usr/bin/vksutil" "usr/bin/vksutil does not lead to the tool")

# A consumer of the unpacked development package, through find_package.
string(REPLACE ";" " " link_flags_text "${LINK_FLAGS}")
run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/consumer -G Ninja
    -DCMAKE_PREFIX_PATH=${root}/usr -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_C_COMPILER=${CC}
    "-DCMAKE_EXE_LINKER_FLAGS=${link_flags_text}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/consumer)
run(${WORK_DIR}/consumer/consumer)
expect("last_output MATCHES \"vksutil ${VERSION}\"" "consumer printed: ${last_output}")
