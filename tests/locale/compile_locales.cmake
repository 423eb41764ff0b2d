# Compiles the host locales the regional-settings tests read into LOCALE_DIR, which the tests
# search through LOCPATH: no root needed, nothing written outside the build tree. A locale made
# before is kept. Only missing locale sources (the Debian package `locales`) stop it.
#   cmake -DLOCALE_DIR=DIR -DLOCALES="en_US;de_DE" -P compile_locales.cmake
find_program(LOCALEDEF localedef)
if(NOT LOCALEDEF)
  message(FATAL_ERROR "localedef is missing: it comes with the C library's tools (libc-bin)")
endif()
file(MAKE_DIRECTORY "${LOCALE_DIR}")

foreach(locale IN LISTS LOCALES)
  # The codeset's normalised spelling, so that "de_DE.UTF-8" and "de_DE.utf8" both find it.
  set(target "${LOCALE_DIR}/${locale}.utf8")
  if(EXISTS "${target}/LC_IDENTIFICATION")
    continue()
  endif()
  # Made under a scratch name and renamed, so that an interrupted run leaves no half locale.
  set(scratch "${LOCALE_DIR}/.${locale}.making")
  file(REMOVE_RECURSE "${scratch}")
  execute_process(COMMAND ${LOCALEDEF} -i ${locale} -f UTF-8 "${scratch}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  # localedef's status 1 means warnings with the files written; only their absence counts.
  if(NOT EXISTS "${scratch}/LC_IDENTIFICATION")
    file(REMOVE_RECURSE "${scratch}")
    # The sources sit beside the character maps, whose folder localedef names.
    execute_process(COMMAND ${LOCALEDEF} --help OUTPUT_VARIABLE help ERROR_QUIET)
    string(REGEX MATCH "character maps *: *([^\n]+)" found "${help}")
    get_filename_component(i18n "${CMAKE_MATCH_1}" DIRECTORY)
    if(NOT EXISTS "${i18n}/locales/${locale}" OR NOT EXISTS "${i18n}/charmaps")
      message(FATAL_ERROR "the sources of the ${locale} locale are missing from ${i18n}: "
                          "install the package `locales` (apt-get install locales)")
    endif()
    message(FATAL_ERROR "localedef -i ${locale} -f UTF-8 failed (status ${status}):\n${output}")
  endif()
  file(RENAME "${scratch}" "${target}")
endforeach()
