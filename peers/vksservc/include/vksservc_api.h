/* vksservc_api.h: the export marker of vksservc.dll's entries. */
#ifndef VKS_VKSSERVC_API_H
#define VKS_VKSSERVC_API_H

#include "vkslinkage.h"

#ifdef VKS_BUILDING_VKSSERVC
#define VKSSERVC_API VKS_DLL_EXPORT
#else
#define VKSSERVC_API VKS_DLL_IMPORT
#endif

#endif
