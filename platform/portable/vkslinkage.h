/* vkslinkage.h: C linkage for the project's C headers, the same on every system. */
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

#endif
