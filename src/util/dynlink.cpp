// This library's extension module and its entries in the framework's resource chain.
#include "dynlink.h"

#include "product.h"
#include "startup.h"

namespace vks::util {

namespace {

HINSTANCE libraryInstance = NULL;

}  // namespace

AFX_EXTENSION_MODULE extensionModule = {FALSE, NULL, NULL, NULL};

void setLibraryInstance(HINSTANCE hInstance)
{
    libraryInstance = hInstance;
}

HINSTANCE libraryInstanceHandle()
{
    return libraryInstance;
}

}  // namespace vks::util

HINSTANCE utLibraryInstance()
{
    return vks::util::libraryInstanceHandle();
}

void InitUtilDynLink()
{
    new CDynLinkLibrary(vks::util::extensionModule);
    InitProductDynLink();
}
