// The product library's string table, handed to the platform while the library is loaded.
#include <iterator>

#include "product_host.h"
#include "vksresource.h"

namespace {

#define VKS_STRING(id, text) {id, text},
const VksStringResource kStrings[] = {
#include "strings.inc"
};
#undef VKS_STRING

constexpr UINT kProductNameId = 2453;

const char *builtInProductName()
{
    for (const VksStringResource &string : kStrings)
        if (string.id == kProductNameId)
            return string.utf8;
    return "";
}

// Registered while the library is loaded; the address of kStrings names this module.
struct StringTableRegistration {
    StringTableRegistration() { VksRegisterStringTable(kStrings, kStrings, std::size(kStrings)); }
    ~StringTableRegistration() { VksUnregisterStringTables(kStrings); }
};

const StringTableRegistration registration;

}  // namespace

BOOL ProductSetName(const char *utf8OrNull)
{
    const VksStringResource name = {kProductNameId, utf8OrNull ? utf8OrNull : builtInProductName()};
    return VksRegisterStringTable(kStrings, &name, 1);
}
