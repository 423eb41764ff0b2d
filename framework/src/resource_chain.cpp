// The resource chain: where resources and strings are looked up.
#include "resource_chain.h"

#include "afxmodule.h"
#include "afxstr.h"

namespace vks::detail {
namespace {

// The framework's own shared object, by the name the build gives it ("vksframework" on Windows,
// "libvksframework" on POSIX).
HMODULE FrameworkModule()
{
    static const HMODULE hFramework = GetModuleHandleA(VKS_FRAMEWORK_MODULE_NAME);
    return hFramework;
}

}  // namespace

std::vector<HMODULE> ResourceSearchOrder()
{
    std::vector<HMODULE> modules;
    if (HMODULE hCurrent = AfxGetResourceHandle())
        modules.push_back(hCurrent);
    for (CDynLinkLibrary *pLibrary : AfxGetModuleState()->GetLibraries()) {
        if (pLibrary->m_hResource)
            modules.push_back(pLibrary->m_hResource);
    }
    if (HMODULE hFramework = FrameworkModule())
        modules.push_back(hFramework);
    return modules;
}

}  // namespace vks::detail

HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType)
{
    for (HMODULE hModule : vks::detail::ResourceSearchOrder()) {
        if (FindResourceA(hModule, lpszName, lpszType))
            return hModule;
    }
    return AfxGetResourceHandle();
}
