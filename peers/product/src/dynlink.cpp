// The product library's place in the framework's resource chain.
#include "afx.h"
#include "product.h"
#include "vksmodule.h"

namespace {

AFX_EXTENSION_MODULE productModule = {FALSE, NULL, NULL, NULL};

// What the entry point does at process attach on the original platform.
struct ExtensionModuleInit {
    ExtensionModuleInit()
    {
        if (HMODULE self = VksModuleFromAddress(&productModule))
            AfxInitExtensionModule(productModule, self);
    }
};

const ExtensionModuleInit init;

}  // namespace

BOOL InitProductDynLink()
{
    if (!productModule.bInitialized)
        return FALSE;
    new CDynLinkLibrary(productModule);
    return TRUE;
}
