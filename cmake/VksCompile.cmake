# Compile settings shared by every target of the project.

add_library(vks_options INTERFACE)
target_compile_options(vks_options INTERFACE -Wall -Wextra)
if(VKS_SANITIZE)
  target_compile_options(vks_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(vks_options INTERFACE -fsanitize=address,undefined)
endif()

# vks_add_tests(NAME target SOURCES ... LIBS ...): one GoogleTest executable registered with CTest.
function(vks_add_tests name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} vks_testsupport GTest::gtest GTest::gmock GTest::gtest_main vks_options)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()
