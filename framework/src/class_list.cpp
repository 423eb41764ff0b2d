// The module class lists: registration and lookup by name.
#include <cstring>

#include "afxmodule.h"

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass *pNewClass)
{
    AFX_MODULE_STATE *pModuleState = AfxGetModuleState();
    std::lock_guard<std::mutex> guard(pModuleState->m_lock);
    pNewClass->m_pNextClass = pModuleState->m_pFirstClass;
    pModuleState->m_pFirstClass = pNewClass;
}

namespace {

CRuntimeClass *FindInList(CRuntimeClass *pFirstClass, LPCSTR lpszClassName)
{
    for (CRuntimeClass *pClass = pFirstClass; pClass; pClass = pClass->m_pNextClass) {
        if (std::strcmp(pClass->m_lpszClassName, lpszClassName) == 0)
            return pClass;
    }
    return NULL;
}

}  // namespace

CRuntimeClass *CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (!lpszClassName)
        return NULL;
    AFX_MODULE_STATE *pModuleState = AfxGetModuleState();
    {
        std::lock_guard<std::mutex> guard(pModuleState->m_lock);
        if (CRuntimeClass *pClass = FindInList(pModuleState->m_pFirstClass, lpszClassName))
            return pClass;
    }
    for (CDynLinkLibrary *pLibrary : pModuleState->GetLibraries()) {
        if (CRuntimeClass *pClass = FindInList(pLibrary->m_pFirstSharedClass, lpszClassName))
            return pClass;
    }
    return NULL;
}
