# Debian packages (cpack -G DEB in a build folder): the run-time libraries, the development
# files and the tool, one package each.
set(CPACK_PACKAGE_NAME vksutil)
set(CPACK_PACKAGE_VENDOR "vksutil developers")
set(CPACK_PACKAGE_CONTACT "vksutil developers <vksutil@localhost>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Each package's description carries its own summary line.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_COMPONENTS_ALL runtime development tool)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The programs and libraries find each other through the packages' own folders.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/bin)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libvksutil${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_RUNTIME_DESCRIPTION
 "core utility library of the VKS product (run-time)
The settings, dates, activity log, message queue, localized formats, product
directories, file filter and modem database of the VKS product, with the
Win32 subset and application framework it is written against, and the
event-log library (VKSLog.dll) in the application directory
/usr/lib/vksutil, which also holds the VKSUTIL.DLL name of the library.")
# Text is measured and drawn with the fonts of these packages (besides the shared libraries the
# build finds).
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS "fonts-wine, fonts-ipafont-gothic")
# ldconfig runs when the package comes or goes, so the linker finds the new libraries.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_GENERATE_SHLIBS ON)

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libvksutil-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS
 "libvksutil${PROJECT_VERSION_MAJOR} (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION
 "core utility library of the VKS product (development files)
Headers (the library's, <windows.h> and <vkshost.h> of its Win32 subset, the
framework's <afx.h>), the CMake package vksutil and the pkg-config file
vksutil.pc, and vksrc, the resource-script compiler that turns a program's .rc
scripts into its dialogs, menus, strings, bitmaps, icons and version record.")

set(CPACK_DEBIAN_TOOL_PACKAGE_NAME vksutil)
set(CPACK_DEBIAN_TOOL_PACKAGE_SECTION admin)
set(CPACK_DEBIAN_TOOL_PACKAGE_DEPENDS
 "libvksutil${PROJECT_VERSION_MAJOR} (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_TOOL_DESCRIPTION
 "administer the settings, modems and activity log of the VKS product
The vksutil command shows the product's directories, reads and writes its
settings in their typed forms, formats numbers and dates in the regional
settings, lists and edits the modem database and shows or writes the
activity log. With a manual page and bash completion.")

include(CPack)
