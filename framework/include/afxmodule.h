// afxmodule.h: the module state and the resource chain of extension modules.
#pragma once

#include <mutex>
#include <vector>

#include "afxobject.h"

class CDynLinkLibrary;

// The process's framework state: the application's instance, the module that resources are
// loaded from, and the chain of extension modules that joined it.
class AFX_CORE_CLASS AFX_MODULE_STATE {
public:
    AFX_MODULE_STATE();
    // Frees the chain entries still linked: the framework owns them.
    ~AFX_MODULE_STATE();
    AFX_MODULE_STATE(const AFX_MODULE_STATE &) = delete;
    AFX_MODULE_STATE &operator=(const AFX_MODULE_STATE &) = delete;

    HINSTANCE m_hCurrentInstanceHandle;  // the executable's module
    HINSTANCE m_hCurrentResourceHandle;  // the executable's module unless changed

    // The chain entries, the most recently added first.
    std::vector<CDynLinkLibrary *> GetLibraries() const;

private:
    friend class CDynLinkLibrary;
    friend struct AFX_CLASSINIT;
    friend struct CRuntimeClass;
    friend BOOL AFXAPI AfxInitExtensionModule(struct AFX_EXTENSION_MODULE &, HMODULE);

    mutable std::mutex m_lock;
    CDynLinkLibrary *m_pFirstLibrary;
    // Classes registered since the last extension module claimed its own.
    CRuntimeClass *m_pFirstClass;
};

AFX_CORE_API AFX_MODULE_STATE *AFXAPI AfxGetModuleState();
AFX_CORE_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_CORE_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_CORE_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);

// The static record of one extension module, filled once by AfxInitExtensionModule.
struct AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
    CRuntimeClass *pFirstSharedClass;  // the module's run-time classes
};

// Records hModule as the module's code and resource handle and gives it the run-time classes
// registered so far. Returns TRUE; a repeat call changes nothing and returns TRUE.
AFX_CORE_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE &state, HMODULE hModule);

// One entry of the resource chain. Construction links it at the head of the module state's
// chain; the framework deletes the entries left at process exit.
class AFX_CORE_CLASS CDynLinkLibrary : public CObject {
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE &state, BOOL bSystem = FALSE);
    // Unlinks the entry from the chain.
    ~CDynLinkLibrary() override;

    HMODULE m_hModule;
    HMODULE m_hResource;
    CRuntimeClass *m_pFirstSharedClass;
    BOOL m_bSystem;

private:
    friend class AFX_MODULE_STATE;
    AFX_MODULE_STATE *m_pModuleState;  // null once the module state has let go of the entry
    CDynLinkLibrary *m_pNextDLL;
};

// The first module of the chain (current resource module, the entries from the most recent,
// then the framework's own) that holds a resource of that name and type; the current resource
// module when none does.
AFX_CORE_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
