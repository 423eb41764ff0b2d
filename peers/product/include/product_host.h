/* product_host.h: what the host (or a test) tells the product-configuration stand-in. */
#ifndef VKS_PRODUCT_HOST_H
#define VKS_PRODUCT_HOST_H

#include "windef.h"
#include "product_api.h"

VKS_BEGIN_EXTERN_C

/* Replaces the set of features that hasFeature reports; `count` numbers from `features` (null
   or 0: no feature). At load the set comes from the environment variable VKS_PRODUCT_FEATURES,
   feature numbers separated by commas ("32,7"); items that are not numbers are skipped. */
PRODUCT_API void ProductSetFeatures(const int *features, size_t count);

/* Replaces the product's display name (string 2453) with `utf8`; null restores the built-in
   "VELMORA", and "" leaves the product without a name (string loading then moves on along the
   resource chain). FALSE when the string table could not be changed. */
PRODUCT_API BOOL ProductSetName(const char *utf8OrNull);

VKS_END_EXTERN_C

#endif
