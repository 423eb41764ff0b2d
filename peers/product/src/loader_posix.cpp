// Plays the loader of the original platform: attach when the library is loaded.
#include "resource_chain.h"
#include "vksmodule.h"

namespace {

int moduleMarker;

struct LoaderNotification {
    LoaderNotification()
    {
        if (HMODULE self = VksModuleFromAddress(&moduleMarker))
            vks::product::attach(self);
    }
};

const LoaderNotification notification;

}  // namespace
