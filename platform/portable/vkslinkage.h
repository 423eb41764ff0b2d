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

/* A Windows DLL exports only what it marks: each library defines its own marker as
   VKS_DLL_EXPORT while it is built and VKS_DLL_IMPORT for its users. Elsewhere every symbol of a
   shared library is visible and the markers are empty. */
#ifdef _WIN32
#define VKS_DLL_EXPORT __declspec(dllexport)
#define VKS_DLL_IMPORT __declspec(dllimport)
#else
#define VKS_DLL_EXPORT
#define VKS_DLL_IMPORT
#endif

#endif
