// On Windows the tables are resources of the DLL itself (strings.rc and the message table made
// from eventlog_messages.inc), found by LoadString and FormatMessage: nothing to hand over.
#include "res/tables.h"

void vks::res::registerStrings() {}
void vks::res::unregisterStrings() {}
void vks::res::registerMessageTables() {}
void vks::res::unregisterMessageTables() {}
