#include "util/version.h"

const char *utLibraryVersion()
{
    return VKS_LIBRARY_VERSION;
}
