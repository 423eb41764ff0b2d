# The Windows build: the framework, the peers and the library as DLLs from the same sources,
# compiled against Windows' own headers and libraries instead of platform/, and a smoke test.
enable_language(RC)

# Windows 7 and later; min/max stay functions, not macros.
add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 NOMINMAX STRICT)
# DLLs are named as the product names them (vksutil.dll, product.dll), without a "lib" prefix.
set(CMAKE_SHARED_LIBRARY_PREFIX "")
set(CMAKE_SHARED_MODULE_PREFIX "")

add_subdirectory(platform)
add_subdirectory(framework)
add_subdirectory(peers)
add_subdirectory(src)
add_subdirectory(tests/windows)

# What a DLL may import: Windows' own DLLs, the C and C++ run-times, and the project's DLLs.
set(VKS_WINDOWS_SYSTEM_DLLS kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll
    comctl32.dll comdlg32.dll ole32.dll)
set(VKS_RUNTIME_DLLS msvcrt.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
set(VKS_OWN_DLLS vksframework.dll vksservc.dll product.dll vksutil.dll)
set(VKS_ALLOWED_IMPORTS ${VKS_WINDOWS_SYSTEM_DLLS} ${VKS_RUNTIME_DLLS} ${VKS_OWN_DLLS})

# vks_check_dll(target): after each link, the DLL's imports are checked.
function(vks_check_dll target)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.dll-checked)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DDLL=$<TARGET_FILE:${target}>
            "-DIMPORTS=${VKS_ALLOWED_IMPORTS}" -DSTAMP=${stamp}
            -P ${PROJECT_SOURCE_DIR}/cmake/VksCheckDll.cmake
    DEPENDS ${target} $<TARGET_FILE:${target}> ${PROJECT_SOURCE_DIR}/cmake/VksCheckDll.cmake
    COMMENT "Checking the imports of ${target}" VERBATIM)
  add_custom_target(${target}_dll_check ALL DEPENDS ${stamp})
endfunction()

foreach(dll vksframework vksutil vksservc product vkslog)
  vks_check_dll(${dll})
endforeach()
# Their exports, held against their headers as on Linux.
include(${PROJECT_SOURCE_DIR}/cmake/VksLibraryExports.cmake)
