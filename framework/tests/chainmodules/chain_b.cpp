// Extension module B of the resource-chain tests: a string table registered while loaded.
#include "vksresource.h"

namespace {

const VksStringResource kStrings[] = {
    {100, "from B"},
    {102, "B fills 102"},
    {103, "B only"},
    {104, "日本"},
};

struct StringTable {
    StringTable() { VksRegisterStringTable(kStrings, kStrings, sizeof kStrings / sizeof kStrings[0]); }
    ~StringTable() { VksUnregisterStringTables(kStrings); }
} stringTable;

}  // namespace
