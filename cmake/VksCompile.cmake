# Compile settings shared by every target of the project.

add_library(vks_options INTERFACE)
target_compile_options(vks_options INTERFACE -Wall -Wextra)
# clang checks the platform's lock annotations (GUARDED_BY, REQUIRES) in every build it makes.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  target_compile_options(vks_options INTERFACE -Wthread-safety)
endif()
if(VKS_TSAN)
  target_compile_options(vks_options INTERFACE -fsanitize=thread -O1 -fno-omit-frame-pointer)
  target_link_options(vks_options INTERFACE -fsanitize=thread)
endif()
if(VKS_SANITIZE)
  target_compile_options(vks_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(vks_options INTERFACE -fsanitize=address,undefined)
endif()

# vks_build_tree_libraries(target): a test program finds the build tree's libraries before any
# that LD_LIBRARY_PATH names (an installed copy, say): its search path is an RPATH, which the
# dynamic linker reads before the environment, where a RUNPATH comes after it.
function(vks_build_tree_libraries target)
  target_link_options(${target} PRIVATE -Wl,--disable-new-dtags)
endfunction()

# vks_add_tests(NAME target SOURCES ... LIBS ... [PROPERTIES ...]): one GoogleTest executable
# registered with CTest; PROPERTIES are set on each of its tests.
function(vks_add_tests name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} vks_testsupport GTest::gtest GTest::gmock GTest::gtest_main vks_options)
  vks_build_tree_libraries(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300 LABELS ${name}
                       ${ARG_PROPERTIES})
endfunction()

# vks_add_component(name SOURCES ... INCLUDE_SUBDIR dir [PUBLIC_LIBS ...] [PRIVATE_LIBS ...]):
# one of the project's shared libraries, with include/ as its public headers (installed under
# include/vksutil/<dir>), src/ as its private ones, a version and a soname.
function(vks_add_component name)
  cmake_parse_arguments(ARG "" "INCLUDE_SUBDIR" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
  add_library(${name} SHARED ${ARG_SOURCES})
  add_library(vksutil::${name} ALIAS ${name})
  target_include_directories(${name}
    PUBLIC
      $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}/include>
      $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/vksutil/${ARG_INCLUDE_SUBDIR}>
    PRIVATE src)
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE vks_options ${ARG_PRIVATE_LIBS})
  set_target_properties(${name} PROPERTIES
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR} EXPORT_NAME ${name})
  install(DIRECTORY include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vksutil/${ARG_INCLUDE_SUBDIR}
          FILES_MATCHING PATTERN "*.h")
endfunction()

# vks_sources_for_this_system(var): keeps in the list `var` the sources of the system being built
# for. A file named *_posix.cpp works through the POSIX platform's own extensions; *_windows.cpp
# and *.rc are its Windows counterparts.
function(vks_sources_for_this_system var)
  set(sources ${${var}})
  if(WIN32)
    list(FILTER sources EXCLUDE REGEX "_posix\\.cpp$")
  else()
    list(FILTER sources EXCLUDE REGEX "(_windows\\.cpp|\\.rc)$")
  endif()
  set(${var} ${sources} PARENT_SCOPE)
endfunction()

# vks_check_folders(target WHAT text FOLDERS ... [SOURCE_DIR dir] [INTERFACES ...]
#                   [PUBLIC_HEADERS ...] [UMBRELLA file] [TEST_DIR dir]): before `target` builds,
# its folders (below SOURCE_DIR, by default the current source folder) are checked against the uses they declare (cmake/VksFolderCheck.cmake
# says how), so that a back-include fails the build.
function(vks_check_folders target)
  cmake_parse_arguments(ARG "" "WHAT;SOURCE_DIR;UMBRELLA;TEST_DIR"
                        "FOLDERS;INTERFACES;PUBLIC_HEADERS" ${ARGN})
  if(NOT ARG_SOURCE_DIR)
    set(ARG_SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${ARG_SOURCE_DIR}/*.h ${ARG_SOURCE_DIR}/*.cpp)
  if(ARG_TEST_DIR)
    file(GLOB_RECURSE tests CONFIGURE_DEPENDS ${ARG_TEST_DIR}/*.h ${ARG_TEST_DIR}/*.cpp)
    list(APPEND files ${tests})
  endif()
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/folders.checked)
  set(script ${PROJECT_SOURCE_DIR}/cmake/VksFolderCheck.cmake)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${ARG_SOURCE_DIR} "-DWHAT=${ARG_WHAT}"
            "-DFOLDERS=${ARG_FOLDERS}" "-DINTERFACES=${ARG_INTERFACES}"
            "-DPUBLIC_HEADERS=${ARG_PUBLIC_HEADERS}" "-DUMBRELLA=${ARG_UMBRELLA}"
            "-DTEST_DIR=${ARG_TEST_DIR}" -DSTAMP=${stamp} -P ${script}
    DEPENDS ${files} ${ARG_UMBRELLA} ${script}
    COMMENT "Checking ${ARG_WHAT}'s folder graph" VERBATIM)
  add_custom_target(${target}_folders DEPENDS ${stamp})
  add_dependencies(${target} ${target}_folders)
endfunction()

# vks_check_exports(target HEADERS ... [MARKERS ...]): after each link, the library's exported
# names are listed in exports/<target>.txt of the build tree and held against its headers
# (cmake/VksExports.cmake says how), on Linux as on Windows.
function(vks_check_exports target)
  cmake_parse_arguments(ARG "" "" "HEADERS;MARKERS" ${ARGN})
  if(WIN32)
    set(lister ${CMAKE_OBJDUMP})
  else()
    set(lister ${CMAKE_NM})
  endif()
  find_program(VKS_DEMANGLER NAMES c++filt REQUIRED)
  set(list ${PROJECT_BINARY_DIR}/exports/${target}.txt)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.exports-checked)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DLIBRARY=$<TARGET_FILE:${target}> -DLISTER=${lister}
            -DDEMANGLER=${VKS_DEMANGLER} "-DHEADERS=${ARG_HEADERS}" "-DMARKERS=${ARG_MARKERS}"
            -DLIST=${list} -DSTAMP=${stamp} -P ${PROJECT_SOURCE_DIR}/cmake/VksExports.cmake
    DEPENDS ${target} $<TARGET_FILE:${target}> ${ARG_HEADERS}
            ${PROJECT_SOURCE_DIR}/cmake/VksExports.cmake
            ${PROJECT_SOURCE_DIR}/cmake/VksExportNames.cmake
    COMMENT "Checking the exports of ${target}" VERBATIM)
  add_custom_target(${target}_exports ALL DEPENDS ${stamp})
endfunction()
