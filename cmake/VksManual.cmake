# The tool's manual page, made from its help texts at build time, and its bash completion.
if(NOT VKS_BUILD_FUZZ)
  set(VKS_MANPAGE ${PROJECT_BINARY_DIR}/vksutil.1)
  add_custom_command(OUTPUT ${VKS_MANPAGE}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 VKS_SYSLOG=off
            ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:vksutil_tool> -DOUT=${VKS_MANPAGE}
            -DVERSION=${PROJECT_VERSION} -P ${PROJECT_SOURCE_DIR}/cmake/manpage.cmake
    DEPENDS vksutil_tool ${PROJECT_SOURCE_DIR}/cmake/manpage.cmake
    COMMENT "Writing the manual page vksutil.1 from the tool's help")
  add_custom_target(vksutil_manpage ALL DEPENDS ${VKS_MANPAGE})
  install(FILES ${VKS_MANPAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT tool)
endif()
install(FILES tools/completion/vksutil RENAME vksutil
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions COMPONENT tool)
