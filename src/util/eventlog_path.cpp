// Where the product's event source is registered.
#include "startup.h"

int utGetEventLogRegistryRoot(HKEY &root, CString &path)
{
    root = HKEY_LOCAL_MACHINE;
    path = "System\\CurrentControlSet\\Services\\EventLog\\Application";
    return TRUE;
}

int utGetEventLogFQRegistryPath(HKEY &root, CString &path)
{
    utGetEventLogRegistryRoot(root, path);
    CString productName;
    path += "\\";
    path += utProductName(productName);
    return TRUE;
}
