// Calls the entry point as the loader of the original platform does. The build links this file
// last, so its static object is constructed after every other static object of the library and
// destroyed before them: attach sees them built, detach sees them still alive.
#include "startup.h"
#include "vksmodule.h"

namespace {

struct LoaderNotification {
    HINSTANCE self;

    LoaderNotification() : self(VksModuleFromAddress(this))
    {
        utDllMain(self, DLL_PROCESS_ATTACH, NULL);
    }
    ~LoaderNotification() { utDllMain(self, DLL_PROCESS_DETACH, NULL); }
};

const LoaderNotification notification;

}  // namespace
