# cmake -DOBJDUMP=objdump -DDLL=file.dll -DIMPORTS=a.dll;b.dll -DHEADERS=h1;h2
#       -DMARKER=AFX_EXT_CLASS -DSTAMP=file -P VksCheckDll.cmake
# Fails unless the DLL imports only the DLLs named in IMPORTS (any letter case) and exports
# members of every class that HEADERS mark with MARKER: a DLL builds with explicit exports, so a
# class left unmarked would reach no caller.
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

string(FIND "${dump}" "[Ordinal/Name Pointer] Table" table_start)
if(table_start EQUAL -1)
  list(APPEND faults "exports nothing")
else()
  string(SUBSTRING "${dump}" ${table_start} -1 exports)
endif()
set(classes 0)
foreach(header IN LISTS HEADERS)
  file(STRINGS "${header}" marked REGEX "^(class|struct) ${MARKER} [A-Za-z_0-9]+")
  foreach(line IN LISTS marked)
    string(REGEX REPLACE "^(class|struct) ${MARKER} ([A-Za-z_0-9]+).*$" "\\2" class "${line}")
    string(LENGTH "${class}" length)
    # A member, the vtable or the type information: _ZN / _ZNK / _ZTV / _ZTI <length><name>.
    if(NOT exports MATCHES "_Z(N|NK|TV|TI)${length}${class}")
      list(APPEND faults "exports nothing of ${class}")
    endif()
    math(EXPR classes "${classes} + 1")
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "${name}:\n  ${text}")
endif()
list(LENGTH imported import_count)
message(STATUS
  "${name}: ${import_count} imports, all expected; members of ${classes} classes exported")
file(WRITE "${STAMP}" "")
