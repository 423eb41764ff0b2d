# Installation: the three libraries, their headers, a CMake package and a pkg-config file.
include(CMakePackageConfigHelpers)

install(TARGETS vksplatform vksframework vksservc product vksutil EXPORT vksutilTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT development
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)

# "VKSUTIL.DLL", the name the event source gives the library, beside it and in the application
# directory, where the product's programs and VKSLog.dll are.
install(CODE "
  set(lib \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}\")
  set(app \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${VKS_INSTALL_APPDIR}\")
  file(MAKE_DIRECTORY \"\${app}\")
  file(CREATE_LINK \"$<TARGET_FILE_NAME:vksutil>\" \"\${lib}/VKSUTIL.DLL\" SYMBOLIC)
  file(RELATIVE_PATH rel \"\${app}\" \"\${lib}/$<TARGET_SONAME_FILE_NAME:vksutil>\")
  file(CREATE_LINK \"\${rel}\" \"\${app}/VKSUTIL.DLL\" SYMBOLIC)" COMPONENT runtime)

set(VKS_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/vksutil)
install(EXPORT vksutilTargets NAMESPACE vksutil:: DESTINATION ${VKS_CMAKE_DIR})
configure_package_config_file(cmake/vksutilConfig.cmake.in
  ${PROJECT_BINARY_DIR}/vksutilConfig.cmake INSTALL_DESTINATION ${VKS_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/vksutilConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/vksutilConfig.cmake
              ${PROJECT_BINARY_DIR}/vksutilConfigVersion.cmake
              ${PROJECT_SOURCE_DIR}/cmake/VksResourceScripts.cmake
        DESTINATION ${VKS_CMAKE_DIR})

# The pkg-config file finds its prefix from where it lies, so an installed tree can move.
file(RELATIVE_PATH VKS_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(cmake/vksutil.pc.in ${PROJECT_BINARY_DIR}/vksutil.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/vksutil.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
