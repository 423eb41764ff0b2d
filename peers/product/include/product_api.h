/* product_api.h: the export marker of product.dll's entries. */
#ifndef VKS_PRODUCT_API_H
#define VKS_PRODUCT_API_H

#include "vkslinkage.h"

#ifdef VKS_BUILDING_PRODUCT
#define PRODUCT_API VKS_DLL_EXPORT
#else
#define PRODUCT_API VKS_DLL_IMPORT
#endif

#endif
