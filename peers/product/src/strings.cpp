// The product library's string table: its display name and its company's name.
#include <iterator>

#include "product_host.h"
#include "product_resources.h"
#include "vksresource.h"

namespace vks::product {

namespace {

constexpr const char *kProductName = "VELMORA";
constexpr const char *kCompanyName = "Orvalen Software";

const VksStringResource kStrings[] = {
    {kCompanyNameId, kCompanyName},
    {kProductNameId, kProductName},
};

// Registered while the library is loaded; the address of kStrings names this module.
struct StringTableRegistration {
    StringTableRegistration() { VksRegisterStringTable(kStrings, kStrings, std::size(kStrings)); }
    ~StringTableRegistration() { VksUnregisterStringTables(kStrings); }
};

const StringTableRegistration registration;

}  // namespace

}  // namespace vks::product

BOOL ProductSetName(const char *utf8OrNull)
{
    using namespace vks::product;
    const VksStringResource name = {kProductNameId, utf8OrNull ? utf8OrNull : kProductName};
    return VksRegisterStringTable(kStrings, &name, 1);
}
