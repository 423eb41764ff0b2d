# Fails when an exported function of the platform or a peer runs its body outside the Win32
# boundary wrapper (vksboundary.h): every export runs its body through the wrapper, directly or
# through a helper of its own file whose body does, unless it is named in the list below with
# the reason it needs none.
# Usage: cmake -DPROJECT_DIR=<source tree> -P check_boundary.cmake
cmake_minimum_required(VERSION 3.20)

# The thin variants only call a guarded export; SetLastError and GetLastError are what the
# wrapper itself calls; wsprintfA's argument list cannot enter a closure and it forwards to
# wvsprintfA; GetPrivateProfileStringA catches for itself, because it still hands the caller
# the default when memory runs out. Of the peers' entries, the service state's only store and
# load atomics, ProductSetName only calls a guarded export, and VKSGetLastError reads a
# thread's variable.
set(unguarded GetProfileStringA GetProfileIntA IsDBCSLeadByte LoadLibraryA
    SetLastError GetLastError wsprintfA GetPrivateProfileStringA
    VksServcSetServiceState VksServcProfileCallCount VksServcLoggedOnQueryCount
    ProductSetName VKSGetLastError)

file(GLOB_RECURSE sources "${PROJECT_DIR}/platform/src/*.cpp" "${PROJECT_DIR}/platform/windows/*.cpp"
     "${PROJECT_DIR}/peers/*/src/*.cpp")
set(faults "")
set(checked 0)
# The functions of a file whose body runs through the wrapper at once, or through another such
# function of the file: its exports may run their bodies through them.
function(boundary_helpers lines out)
  set(helpers "")
  set(helpers_pattern "")
  set(changed TRUE)
  while(changed)
    set(changed FALSE)
    set(name "")
    set(awaiting_body FALSE)
    foreach(line IN LISTS lines)
      if(awaiting_body)
        if(line STREQUAL "{")
          set(awaiting_body "first")
        elseif(awaiting_body STREQUAL "first" AND NOT line MATCHES "^    //")
          if(line MATCHES "tWin32Boundary" OR (helpers AND line MATCHES "^    return (${helpers_pattern})\\("))
            if(NOT name IN_LIST helpers)
              list(APPEND helpers ${name})
              list(JOIN helpers "|" helpers_pattern)
              set(changed TRUE)
            endif()
          endif()
          set(awaiting_body FALSE)
        endif()
        continue()
      endif()
      if(NOT line MATCHES ";$" AND line MATCHES "^[A-Za-z].*[ *&]([A-Za-z_][A-Za-z_0-9]*)\\(")
        set(name "${CMAKE_MATCH_1}")
        set(awaiting_body TRUE)
      endif()
    endforeach()
    list(JOIN helpers "|" helpers_pattern)
  endwhile()
  set(${out} "${helpers}" PARENT_SCOPE)
endfunction()

foreach(source IN LISTS sources)
  if(source MATCHES "/posix/")
    continue()
  endif()
  file(STRINGS "${source}" lines)
  boundary_helpers("${lines}" helpers)
  list(JOIN helpers "|" helpers_pattern)
  set(export "")
  set(awaiting_body FALSE)
  foreach(line IN LISTS lines)
    if(awaiting_body)
      if(line STREQUAL "{")
        set(awaiting_body "first")
      endif()
      if(awaiting_body STREQUAL "first" AND NOT line STREQUAL "{" AND NOT line MATCHES "^    //")
        if(NOT line MATCHES "tWin32Boundary" AND
           NOT (helpers AND line MATCHES "^    return (${helpers_pattern})\\("))
          list(APPEND faults "${source}: ${export}")
        endif()
        set(awaiting_body FALSE)
      endif()
      continue()
    endif()
    if(line MATCHES ";$")
      continue()
    endif()
    # WINAPI functions and callbacks, the C entries of the host and project headers, and the
    # event-log stand-in's entries.
    string(REGEX MATCH "(WINAPI|CALLBACK) [A-Za-z_0-9]+\\(|^[A-Za-z][A-Za-z_ *]*[ *](Vks[A-Za-z_0-9]+|Product[A-Z][A-Za-z]+|_mbs[a-z]+)\\(|^VKSLOG_EXPORT .*[ *][A-Za-z_0-9]+\\(" found "${line}")
    if(found)
      string(REGEX REPLACE "^.*[ *]([A-Za-z_0-9]+)\\($" "\\1" export "${found}")
      if(NOT export IN_LIST unguarded)
        set(awaiting_body TRUE)
        math(EXPR checked "${checked} + 1")
      endif()
    endif()
  endforeach()
endforeach()
message(STATUS "${checked} exports checked")
if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Exports outside the Win32 boundary wrapper:\n  ${text}")
endif()
