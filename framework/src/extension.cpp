// Extension modules and their entries in the resource chain.
#include "afxmodule.h"
#include "runtime_class.h"

VKS_IMPLEMENT_FRAMEWORK_CLASS(CDynLinkLibrary, CObject)

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE &state, HMODULE hModule)
{
    if (state.bInitialized)
        return TRUE;
    AFX_MODULE_STATE *pModuleState = AfxGetModuleState();
    state.hModule = hModule;
    state.hResource = hModule;
    {
        std::lock_guard<std::mutex> guard(pModuleState->m_lock);
        state.pFirstSharedClass = pModuleState->m_pFirstClass;
        pModuleState->m_pFirstClass = NULL;
    }
    state.bInitialized = TRUE;
    return TRUE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE &state, BOOL bSystem)
    : m_hModule(state.hModule),
      m_hResource(state.hResource),
      m_pFirstSharedClass(state.pFirstSharedClass),
      m_bSystem(bSystem),
      m_pModuleState(AfxGetModuleState()),
      m_pNextDLL(NULL)
{
    std::lock_guard<std::mutex> guard(m_pModuleState->m_lock);
    m_pNextDLL = m_pModuleState->m_pFirstLibrary;
    m_pModuleState->m_pFirstLibrary = this;
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    if (!m_pModuleState)
        return;
    std::lock_guard<std::mutex> guard(m_pModuleState->m_lock);
    for (CDynLinkLibrary **ppLink = &m_pModuleState->m_pFirstLibrary; *ppLink;
         ppLink = &(*ppLink)->m_pNextDLL) {
        if (*ppLink == this) {
            *ppLink = m_pNextDLL;
            break;
        }
    }
}
