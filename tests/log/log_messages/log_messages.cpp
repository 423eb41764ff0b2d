// A message file for the event-log tests: a message table whose texts use line breaks, tabs and
// inserts the way message compilers leave them.
#include "vksresource.h"
#include "windows.h"

namespace {

const VksMessageResource kEnglish[] = {
    // %n and %t, and a lone LF as a hand-written text may hold.
    {0x40001000, "Copy of %1%nfrom%t%2%tto %3\nfinished.\r\n"},
    // Starred fields read entries past the 99 inserts.
    {0x40001001, "Last %99!*.*s!.\r\n"},
};

// The table lives as long as the module is loaded.
struct MessageTable {
    MessageTable()
    {
        VksRegisterMessageTable(kEnglish, MAKELANGID(LANG_ENGLISH, SUBLANG_NEUTRAL), kEnglish,
                                sizeof kEnglish / sizeof kEnglish[0]);
    }
    ~MessageTable() { VksUnregisterMessageTables(kEnglish); }
} messageTable;

}  // namespace
