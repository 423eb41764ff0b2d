// Internal: the identifiers of the product library's strings.
#pragma once

#include "windows.h"

namespace vks::product {

constexpr UINT kCompanyNameId = 2451;
constexpr UINT kProductNameId = 2453;

}  // namespace vks::product
