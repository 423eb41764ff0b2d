// The module state: instance, current resource module and the chain of extension modules.
#include "afxmodule.h"

AFX_MODULE_STATE::AFX_MODULE_STATE()
    : m_hCurrentInstanceHandle(GetModuleHandleA(NULL)),
      m_hCurrentResourceHandle(m_hCurrentInstanceHandle),
      m_pFirstLibrary(NULL),
      m_pFirstClass(NULL)
{
}

AFX_MODULE_STATE::~AFX_MODULE_STATE()
{
    CDynLinkLibrary *pLibrary;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        pLibrary = m_pFirstLibrary;
        m_pFirstLibrary = NULL;
    }
    while (pLibrary) {
        CDynLinkLibrary *pNext = pLibrary->m_pNextDLL;
        pLibrary->m_pModuleState = NULL;
        delete pLibrary;
        pLibrary = pNext;
    }
}

std::vector<CDynLinkLibrary *> AFX_MODULE_STATE::GetLibraries() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    std::vector<CDynLinkLibrary *> libraries;
    for (CDynLinkLibrary *pLibrary = m_pFirstLibrary; pLibrary; pLibrary = pLibrary->m_pNextDLL)
        libraries.push_back(pLibrary);
    return libraries;
}

AFX_MODULE_STATE *AFXAPI AfxGetModuleState()
{
    // Built on first use, possibly from another module's static initialisers; destroyed at
    // exit, freeing the chain entries.
    static AFX_MODULE_STATE state;
    return &state;
}

HINSTANCE AFXAPI AfxGetInstanceHandle() { return AfxGetModuleState()->m_hCurrentInstanceHandle; }

HINSTANCE AFXAPI AfxGetResourceHandle() { return AfxGetModuleState()->m_hCurrentResourceHandle; }

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}
