// product.h: the product-configuration library as the utility library calls it.
#pragma once

#include "windows.h"
#include "product_api.h"

// Adds one entry for the product library to the framework's resource chain of the current
// module state, so that its strings (the product name 2453, the company name 2451) are found
// by string loading. Each call adds one more entry; the framework owns and frees them. FALSE,
// and nothing added, when the library's extension module was not initialised at load.
PRODUCT_API BOOL InitProductDynLink();

// Nonzero when the product has feature `feature` (see product_host.h for who decides).
PRODUCT_API int hasFeature(int feature);
