# The exports of one of the project's shared libraries, held against its headers, run by the build
# in script mode after each link:
#   cmake -DLIBRARY=<file> -DLISTER=<nm or objdump> -DDEMANGLER=<c++filt> -DHEADERS=<h1;h2>
#         [-DMARKERS=<m1;m2>] -DLIST=<file> -DSTAMP=<file> -P VksExports.cmake
# A Linux library is read with `nm -D`, a Windows DLL with `objdump -p`. Every exported name must
# be explained by a header: with MARKERS, a class, function or datum the headers mark with one of
# them (AFX_CORE_CLASS, ...); without, a C function or datum the headers declare (the platform's
# Win32 subset). Every class the headers mark must export something. Names of the C++ run-time's
# own templates (std::, __gnu_cxx::), which each build instantiates for itself, explain
# themselves. LIST receives the exported names, one a line without parameter lists, so that the
# lists of both builds can be compared (cmake/VksCompareExports.cmake).
cmake_minimum_required(VERSION 3.20)

include(${CMAKE_CURRENT_LIST_DIR}/VksExportNames.cmake)

get_filename_component(name "${LIBRARY}" NAME)
vks_exported_symbols("${LIBRARY}" "${LISTER}" symbols)
vks_demangled("${DEMANGLER}" "${symbols}" demangled)

# What the headers explain: marked classes, and marked (or, without markers, declared) names.
set(classes "")
set(explained "")
foreach(header IN LISTS HEADERS)
  file(READ "${header}" text)
  # One declaration a line is enough here: join continued lines so a declaration reads whole.
  string(REGEX REPLACE ",[ \t]*\n[ \t]*" ", " text "${text}")
  if(MARKERS)
    foreach(marker IN LISTS MARKERS)
      string(REGEX MATCHALL "(class|struct)[ \t]+${marker}[ \t]+[A-Za-z_0-9]+" found "${text}")
      # The exceptions declared one a line: AFX_DECLARE_SIMPLE_EXCEPTION_OF(marker, name), and
      # AFX_DECLARE_SIMPLE_EXCEPTION(name) with the framework's own marker.
      string(REGEX MATCHALL "\nAFX_DECLARE_SIMPLE_EXCEPTION_OF\\(${marker},[ \t]*[A-Za-z_0-9]+" more
             "${text}")
      if(marker STREQUAL "AFX_CORE_CLASS")
        string(REGEX MATCHALL "\nAFX_DECLARE_SIMPLE_EXCEPTION\\([A-Za-z_0-9]+" simple "${text}")
        list(APPEND more ${simple})
      endif()
      list(TRANSFORM more REPLACE "^.*[(, \t]" "class ")
      list(APPEND found ${more})
      foreach(entry IN LISTS found)
        string(REGEX REPLACE ".*[ \t]([A-Za-z_0-9]+)$" "\\1" class "${entry}")
        list(APPEND classes ${class})
      endforeach()
      string(REGEX MATCHALL "${marker}[^;{}()\n]*[ \t*&](operator[^ \t(]+|[A-Za-z_][A-Za-z_0-9]*)[ \t]*[(;[]"
             found "${text}")
      foreach(entry IN LISTS found)
        string(REGEX REPLACE ".*[ \t*&](operator[^ \t(]+|[A-Za-z_][A-Za-z_0-9]*)[ \t]*[(;[]$" "\\1"
               function "${entry}")
        list(APPEND explained ${function})
      endforeach()
    endforeach()
  else()
    string(REGEX MATCHALL "[A-Za-z_][A-Za-z_0-9]*[ \t]*\\(" found "${text}")
    foreach(entry IN LISTS found)
      string(REGEX REPLACE "[ \t]*\\($" "" function "${entry}")
      list(APPEND explained ${function})
    endforeach()
    string(REGEX MATCHALL "extern[^;()]*[ \t*]([A-Za-z_][A-Za-z_0-9]*)[ \t]*(\\[[^]]*\\])?;" found
           "${text}")
    foreach(entry IN LISTS found)
      string(REGEX REPLACE ".*[ \t*]([A-Za-z_][A-Za-z_0-9]*)[ \t]*(\\[[^]]*\\])?;$" "\\1" datum
             "${entry}")
      list(APPEND explained ${datum})
    endforeach()
  endif()
endforeach()
list(APPEND explained ${classes})
list(REMOVE_DUPLICATES explained)

vks_export_names("${demangled}" names)
set(faults "")
set(scopesSeen "")
foreach(exported IN LISTS names)
  string(REGEX REPLACE "::(operator)" ";\\1" scopes "${exported}")
  string(REPLACE "::" ";" scopes "${scopes}")
  list(APPEND scopesSeen ${scopes})
  set(isExplained FALSE)
  foreach(scope IN LISTS scopes)
    if(scope IN_LIST explained)
      set(isExplained TRUE)
      break()
    endif()
  endforeach()
  if(NOT isExplained)
    list(APPEND faults "exports ${exported}, which no header explains")
  endif()
endforeach()
list(REMOVE_DUPLICATES scopesSeen)
foreach(class IN LISTS classes)
  if(NOT class IN_LIST scopesSeen)
    list(APPEND faults "exports nothing of ${class}")
  endif()
endforeach()

list(LENGTH names count)
string(REPLACE ";" "\n" listed "${names}")
file(WRITE "${LIST}" "${listed}\n")
if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "${name}:\n  ${text}")
endif()
message(STATUS "${name}: ${count} exported names, each explained by its headers")
file(WRITE "${STAMP}" "")
