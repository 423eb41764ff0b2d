# cmake -DOBJDUMP=objdump -DDLL=file.dll -DIMPORTS=a.dll;b.dll -DSTAMP=file -P VksCheckDll.cmake
# Fails unless the DLL imports only the DLLs named in IMPORTS (any letter case). Its exports are
# checked against its headers by VksExports.cmake.
cmake_minimum_required(VERSION 3.20)

execute_process(COMMAND "${OBJDUMP}" -p "${DLL}" OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} cannot read ${DLL}")
endif()
get_filename_component(name "${DLL}" NAME)

string(TOLOWER "${IMPORTS}" allowed)
string(REGEX MATCHALL "DLL Name: [^\n]+" imported "${dump}")
set(faults "")
foreach(line IN LISTS imported)
  string(REGEX REPLACE "^DLL Name: " "" import "${line}")
  string(TOLOWER "${import}" import_lower)
  if(NOT import_lower IN_LIST allowed)
    list(APPEND faults "imports ${import}")
  endif()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "${name}:\n  ${text}")
endif()
list(LENGTH imported import_count)
message(STATUS "${name}: ${import_count} imports, all expected")
file(WRITE "${STAMP}" "")
