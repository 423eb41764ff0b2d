# Cross-compiles for 64-bit Windows with mingw-w64. The posix thread model gives std::mutex and
# std::thread, which the library uses.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VKS_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VKS_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VKS_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VKS_MINGW_TRIPLET}-windres)
set(CMAKE_MC_COMPILER ${VKS_MINGW_TRIPLET}-windmc)

set(CMAKE_FIND_ROOT_PATH /usr/${VKS_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
