// CObject and the run-time class records.
#include "afxobject.h"

CRuntimeClass CObject::classCObject = {"CObject", static_cast<int>(sizeof(CObject)), 0xFFFF,
                                       NULL, NULL, NULL};

CRuntimeClass *CObject::GetRuntimeClass() const { return &classCObject; }

BOOL CObject::IsKindOf(const CRuntimeClass *pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

CObject *CRuntimeClass::CreateObject()
{
    return m_pfnCreateObject ? m_pfnCreateObject() : NULL;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass *pBaseClass) const
{
    for (const CRuntimeClass *pClass = this; pClass; pClass = pClass->m_pBaseClass) {
        if (pClass == pBaseClass)
            return TRUE;
    }
    return FALSE;
}
