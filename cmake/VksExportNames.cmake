# Reading a shared library's exported names, for VksExports.cmake and VksCompareExports.cmake.

# vks_exported_symbols(library lister outVar): the (mangled) names `library` exports: with
# objdump, a DLL's export table; with nm, the defined dynamic symbols of an ELF library.
function(vks_exported_symbols library lister outVar)
  get_filename_component(tool "${lister}" NAME)
  if(tool MATCHES "objdump")
    execute_process(COMMAND "${lister}" -p "${library}" OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
    string(FIND "${dump}" "[Ordinal/Name Pointer] Table" start)
    if(failed OR start EQUAL -1)
      message(FATAL_ERROR "${lister} finds no export table in ${library}")
    endif()
    string(SUBSTRING "${dump}" ${start} -1 dump)
    # The table ends at the first blank line; what follows (the relocations) has rows in
    # brackets too.
    string(FIND "${dump}" "\n\n" end)
    if(NOT end EQUAL -1)
      string(SUBSTRING "${dump}" 0 ${end} dump)
    endif()
    string(REGEX MATCHALL "\\[ *[0-9]+\\] [^\n]+" rows "${dump}")
    list(TRANSFORM rows REPLACE "^\\[ *[0-9]+\\] " "")
  else()
    execute_process(COMMAND "${lister}" -D --defined-only -P "${library}" OUTPUT_VARIABLE dump
                    RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "${lister} cannot read ${library}")
    endif()
    string(REGEX MATCHALL "[^\n]+" rows "${dump}")
    list(TRANSFORM rows REPLACE " .*$" "")
    # The linker's own symbols, and the implementation's (the sanitizers' "__odr_asan" marks of
    # exported data, say), are none of the library's.
    list(FILTER rows EXCLUDE REGEX "^(_init|_fini|_edata|_end|__.*)$")
  endif()
  set(${outVar} "${rows}" PARENT_SCOPE)
endfunction()

# vks_demangled(demangler symbols outVar): the symbols demangled, one for one.
function(vks_demangled demangler symbols outVar)
  string(RANDOM LENGTH 12 tag)
  set(file "${CMAKE_CURRENT_BINARY_DIR}/exports-${tag}.txt")
  string(REPLACE ";" "\n" text "${symbols}")
  file(WRITE "${file}" "${text}\n")
  execute_process(COMMAND "${demangler}" INPUT_FILE "${file}" OUTPUT_VARIABLE out
                  RESULT_VARIABLE failed)
  file(REMOVE "${file}")
  if(failed)
    message(FATAL_ERROR "${demangler} failed")
  endif()
  # Semicolons in a demangled name would split the list: none of ours has one.
  string(REGEX MATCHALL "[^\n]+" lines "${out}")
  set(${outVar} "${lines}" PARENT_SCOPE)
endfunction()

# vks_export_names(demangled outVar): the names exports are compared by, one for each demangled
# name: without return type, template arguments or parameter list ("CString::Format",
# "operator+", "CObject" for its vtable). The C++ run-time's own names (std::, __gnu_cxx::,
# __cxxabiv1::), which every library instantiates for itself, are left out.
function(vks_export_names demangled outVar)
  set(names ${demangled})
  # The type information of a pointer ("typeinfo for CException*") is made by each library that
  # throws or catches one, as the run-time's own names are.
  list(FILTER names EXCLUDE REGEX "^typeinfo (name )?for .*[*&]$")
  list(TRANSFORM names REPLACE "\\[abi:[a-z0-9]+\\]" "")
  # An operator's own name may hold "(", "<" or a blank: "operator()", "operator<<",
  # "operator new".
  list(TRANSFORM names REPLACE "operator\\(\\)" "operator@call")
  list(TRANSFORM names REPLACE "operator<<=?" "operator@shl")
  list(TRANSFORM names REPLACE "operator<=?" "operator@less")
  list(TRANSFORM names REPLACE "operator " "operator@")
  # A conversion's name is its type, blanks and all: "operator char const*".
  foreach(round RANGE 4)
    list(TRANSFORM names REPLACE "(operator@[^( ]*) ([^(]*\\()" "\\1@\\2")
  endforeach()
  foreach(round RANGE 8)
    list(TRANSFORM names REPLACE "<[^<>]*>" "")
  endforeach()
  list(TRANSFORM names REPLACE "\\(.*$" "")
  # What is left before the name: a return type, or "vtable for" and its kin.
  list(TRANSFORM names REPLACE "^.* " "")
  list(TRANSFORM names REPLACE "operator@call" "operator()")
  list(TRANSFORM names REPLACE "operator@shl" "operator<<")
  list(TRANSFORM names REPLACE "operator@less" "operator<")
  list(TRANSFORM names REPLACE "@" " ")
  list(FILTER names EXCLUDE REGEX "^(std|__gnu_cxx|__cxxabiv1)::")
  list(FILTER names EXCLUDE REGEX "^$")
  list(REMOVE_DUPLICATES names)
  list(SORT names)
  set(${outVar} "${names}" PARENT_SCOPE)
endfunction()
