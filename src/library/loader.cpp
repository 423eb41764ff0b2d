// Plays the loader of the original platform: start when the library is loaded, stop when it is
// unloaded. This is the library's only static object with start-up work, so its place among
// the sources does not matter: everything start() and stop() touch is initialised constantly.
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
