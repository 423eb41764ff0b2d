// A module for the module and resource tests: a string table and one exported function.
#include "vksresource.h"

namespace {

const VksStringResource kStrings[] = {
    {1, "Test module"},
    {2, "日本語の文字列"},
    {3, ""},
    {17, "Second block"},
};

// The table lives as long as the module is loaded.
struct StringTable {
    StringTable() { VksRegisterStringTable(kStrings, kStrings, sizeof kStrings / sizeof kStrings[0]); }
    ~StringTable() { VksUnregisterStringTables(kStrings); }
} stringTable;

}  // namespace

extern "C" __attribute__((visibility("default"))) int VksTestModAnswer(void)
{
    return 42;
}
