// Library start-up: the entry point, the library's place in the framework's resource chain, and
// the names of the product and of its event-log registration.
#pragma once

#include "afx.h"

// The library's entry point, called by the loader with DLL_PROCESS_ATTACH when the library is
// loaded and DLL_PROCESS_DETACH when it is unloaded. Attach initialises the framework extension
// module (FALSE if the framework refuses), keeps hInstance and chains this library and the
// product library; detach frees the well-known profiles. Thread notifications change nothing.
// TRUE to accept; FALSE for a reason code above 3.
AFX_EXT_API BOOL WINAPI utDllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved);

// The library's own module, as stored at process attach (null before).
AFX_EXT_API HINSTANCE utLibraryInstance();

// Adds one entry for this library to the current module state's resource chain, then lets the
// product library add its own. Each call adds one more entry; the framework frees them.
AFX_EXT_API void InitUtilDynLink();

// Loads the product's display name (string 2453, found through the resource chain) into `name`
// and returns its text; empty when no module holds the string.
AFX_EXT_API char const *utProductName(CString &name);

// HKEY_LOCAL_MACHINE and "System\CurrentControlSet\Services\EventLog\Application". TRUE.
AFX_EXT_API int utGetEventLogRegistryRoot(HKEY &root, CString &path);

// As utGetEventLogRegistryRoot, followed by "\" and the product name: the key of the product's
// event source. TRUE.
AFX_EXT_API int utGetEventLogFQRegistryPath(HKEY &root, CString &path);
