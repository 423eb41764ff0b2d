# The Windows build: the framework, the peers and the library as DLLs from the same sources,
# compiled against Windows' own headers and libraries instead of platform/, and a smoke test.
enable_language(RC)

# Windows 7 and later; min/max stay functions, not macros.
add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 NOMINMAX STRICT)
# The C and C++ run-times come from their DLLs, shared by every module of the process.
set(CMAKE_SHARED_LIBRARY_PREFIX "")

add_subdirectory(platform)
add_subdirectory(framework)
add_subdirectory(peers)
add_subdirectory(src)
add_subdirectory(tests/windows)
