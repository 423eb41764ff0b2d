// Plays the loader of the original platform: start when the library is loaded, stop when it is
// unloaded. The build links this file last, so the run-time classes that IMPLEMENT_DYNAMIC
// registers are there for the attach to hand to the library's extension module.
#include "library/start.h"
#include "vksmodule.h"

namespace {

struct LoaderNotification {
    HINSTANCE self;

    LoaderNotification() : self(VksModuleFromAddress(this)) { vks::library::start(self); }
    ~LoaderNotification() { vks::library::stop(self); }
};

const LoaderNotification notification;

}  // namespace
