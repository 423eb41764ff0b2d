// afxobject.h: the root class CObject and run-time class records.
#pragma once

#include "afxdefs.h"

class CObject;

// The record of one class: its exact name, object size, schema (0xFFFF for classes that are
// dynamic but not serialisable), creation function (dynamic-creatable classes only) and the
// record of its base class (null for CObject).
struct AFX_CORE_CLASS CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject *(*m_pfnCreateObject)();
    CRuntimeClass *m_pBaseClass;
    // Next record of the same module's class list (see AFX_CLASSINIT).
    CRuntimeClass *m_pNextClass;

    // A new object built with the default constructor, or NULL when the class is not
    // dynamic-creatable.
    CObject *CreateObject();
    // TRUE when this record is pBaseClass or has it among its bases (compares record addresses).
    BOOL IsDerivedFrom(const CRuntimeClass *pBaseClass) const;
    // The registered record with this exact name: the application's own classes first, then
    // those of each extension module in the resource chain; NULL when none matches.
    static CRuntimeClass *FromName(LPCSTR lpszClassName);
};

// Adds a record to the classes of the module being loaded; IMPLEMENT_DYNAMIC and
// IMPLEMENT_DYNCREATE declare one per class. AfxInitExtensionModule hands the classes
// registered so far to the extension module; the rest belong to the application.
struct AFX_CORE_CLASS AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass *pNewClass);
};

class AFX_CORE_CLASS CObject {
public:
    virtual CRuntimeClass *GetRuntimeClass() const;
    virtual ~CObject() = default;

    // TRUE when the object's class is pClass or derives from it.
    BOOL IsKindOf(const CRuntimeClass *pClass) const;

    static CRuntimeClass classCObject;

protected:
    CObject() = default;

public:
    // Framework objects are not copyable unless a class says otherwise.
    CObject(const CObject &) = delete;
    CObject &operator=(const CObject &) = delete;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

// For classes derived from CObject: GetRuntimeClass always overrides.
#define DECLARE_DYNAMIC(class_name)                                                            \
public:                                                                                        \
    static CRuntimeClass class##class_name;                                                    \
    CRuntimeClass *GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                          \
    DECLARE_DYNAMIC(class_name)                                                                \
    static CObject *CreateObject();

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                   \
    CRuntimeClass class_name::class##class_name = {#class_name,                                \
                                                   static_cast<int>(sizeof(class class_name)), \
                                                   wSchema,                                    \
                                                   pfnNew,                                     \
                                                   RUNTIME_CLASS(base_class_name),             \
                                                   NULL};                                      \
    CRuntimeClass *class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }   \
    static const AFX_CLASSINIT _afx_init_##class_name(RUNTIME_CLASS(class_name));

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                         \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                       \
    CObject *class_name::CreateObject() { return new class_name; }                             \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)
