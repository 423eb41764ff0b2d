#include "library/start.h"

#include "mq/message_pool.h"
#include "res/tables.h"
#include "util/startup.h"

// The tables come first: the entry point may already load a string or format a message.
BOOL vks::library::start(HINSTANCE self)
{
    vks::res::registerStrings();
    vks::res::registerMessageTables();
    return utDllMain(self, DLL_PROCESS_ATTACH, NULL);
}

// The reverse of start(): messages freed by the detach still find the free list open.
void vks::library::stop(HINSTANCE self)
{
    utDllMain(self, DLL_PROCESS_DETACH, NULL);
    vks::detail::closeMessagePool();
    vks::res::unregisterMessageTables();
    vks::res::unregisterStrings();
}
