/* vkslinkage.h: C linkage and DLL export markers for the project's headers, the same on every
   system. */
#ifndef VKS_VKSLINKAGE_H
#define VKS_VKSLINKAGE_H

#ifdef __cplusplus
#define VKS_EXTERN_C extern "C"
#define VKS_BEGIN_EXTERN_C extern "C" {
#define VKS_END_EXTERN_C }
#else
#define VKS_EXTERN_C
#define VKS_BEGIN_EXTERN_C
#define VKS_END_EXTERN_C
#endif

/* A library exports only what it marks, on every system: each library defines its own marker
   as VKS_DLL_EXPORT while it is built and VKS_DLL_IMPORT for its users. A Windows DLL exports
   what is marked dllexport; elsewhere the libraries are built with hidden visibility, and the
   markers make what they mark visible (its users see it so too, so that a class's type
   information is one across libraries).
   Headers whose every function is an export (the Win32 subset, the host-control calls) put
   them between VKS_BEGIN_EXPORTED_C and VKS_END_EXPORTED_C, as Windows' own headers mark each
   with WINBASEAPI and its kin. */
#ifdef _WIN32
#define VKS_DLL_EXPORT __declspec(dllexport)
#define VKS_DLL_IMPORT __declspec(dllimport)
#define VKS_BEGIN_EXPORTED_C VKS_BEGIN_EXTERN_C
#define VKS_END_EXPORTED_C VKS_END_EXTERN_C
#else
#define VKS_DLL_EXPORT __attribute__((visibility("default")))
#define VKS_DLL_IMPORT __attribute__((visibility("default")))
#define VKS_BEGIN_EXPORTED_C VKS_BEGIN_EXTERN_C _Pragma("GCC visibility push(default)")
#define VKS_END_EXPORTED_C _Pragma("GCC visibility pop") VKS_END_EXTERN_C
#endif

#endif
