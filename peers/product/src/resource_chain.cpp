// The product library's place in the framework's resource chain.
#include "afx.h"
#include "resource_chain.h"
#include "product.h"

namespace {

AFX_EXTENSION_MODULE productModule = {FALSE, NULL, NULL, NULL};

}  // namespace

void vks::product::attach(HMODULE self)
{
    AfxInitExtensionModule(productModule, self);
}

BOOL InitProductDynLink()
{
    if (!productModule.bInitialized)
        return FALSE;
    new CDynLinkLibrary(productModule);
    return TRUE;
}
