# The exports of the two builds side by side:
#   cmake -DLINUX=<build>/exports -DWINDOWS=<build>/exports -P VksCompareExports.cmake
# Each folder holds one list a library, as VksExports.cmake writes them after each link. For
# every library both builds make, a name exported by one build and not the other fails, as both
# lists hold only what the headers mark. The platform exists on Linux only.
cmake_minimum_required(VERSION 3.20)

file(GLOB lists RELATIVE "${LINUX}" "${LINUX}/*.txt")
set(faults "")
set(compared 0)
foreach(list IN LISTS lists)
  if(NOT EXISTS "${WINDOWS}/${list}")
    message(STATUS "${list}: Linux only")
    continue()
  endif()
  file(STRINGS "${LINUX}/${list}" linux)
  file(STRINGS "${WINDOWS}/${list}" windows)
  set(linuxOnly ${linux})
  list(REMOVE_ITEM linuxOnly ${windows})
  set(windowsOnly ${windows})
  list(REMOVE_ITEM windowsOnly ${linux})
  foreach(name IN LISTS linuxOnly)
    list(APPEND faults "${list}: ${name} exported on Linux only")
  endforeach()
  foreach(name IN LISTS windowsOnly)
    list(APPEND faults "${list}: ${name} exported on Windows only")
  endforeach()
  list(LENGTH linux count)
  message(STATUS "${list}: ${count} names on Linux")
  math(EXPR compared "${compared} + 1")
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "The builds export different names:\n  ${text}")
endif()
message(STATUS "${compared} libraries export the same names on both builds")
