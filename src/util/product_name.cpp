// The product's display name.
#include "startup.h"

namespace {

// The product's executable or resource library holds it, never this library.
constexpr UINT kProductNameId = 2453;

}  // namespace

char const *utProductName(CString &name)
{
    name.LoadString(kProductNameId);
    return name;
}
