// Hands the library's string table to the platform: LoadString then finds it in this module.
#include <iterator>

#include "res/tables.h"
#include "vksresource.h"

namespace {

#define VKS_STRING(id, text) {id, text},
const VksStringResource kStrings[] = {
#include "res/strings.inc"
};
#undef VKS_STRING

}  // namespace

// The address of kStrings names this module.
void vks::res::registerStrings()
{
    VksRegisterStringTable(kStrings, kStrings, std::size(kStrings));
}

void vks::res::unregisterStrings()
{
    VksUnregisterStringTables(kStrings);
}
