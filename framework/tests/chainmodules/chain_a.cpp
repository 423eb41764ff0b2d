// Extension module A of the resource-chain tests: a string table registered while loaded.
#include "vksresource.h"

namespace {

const VksStringResource kStrings[] = {
    {100, "from A"},
    {101, "A only"},
    {102, ""},  // present but empty: the chain moves on
    {202, "A has 202"},
};

struct StringTable {
    StringTable() { VksRegisterStringTable(kStrings, kStrings, sizeof kStrings / sizeof kStrings[0]); }
    ~StringTable() { VksUnregisterStringTables(kStrings); }
} stringTable;

}  // namespace
