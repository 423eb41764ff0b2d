#include "settings/profile_road.h"

#include "vksservc.h"

namespace vks::detail {

namespace {

// IsLoggedOn is asked only when the process is a service.
bool throughSystemServices()
{
    return TntService::IsService() && TntService::IsLoggedOn();
}

}  // namespace

DWORD profileGetString(LPCSTR section, LPCSTR key, LPCSTR defaultText, LPSTR buffer, DWORD size,
                       LPCSTR file)
{
    if (throughSystemServices())
        return TntSysServices::GetPrivateProfileStringA(section, key, defaultText, buffer, size,
                                                        file);
    return ::GetPrivateProfileStringA(section, key, defaultText, buffer, size, file);
}

UINT profileGetInt(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR file)
{
    if (throughSystemServices())
        return TntSysServices::GetPrivateProfileIntA(section, key, defaultValue, file);
    return ::GetPrivateProfileIntA(section, key, defaultValue, file);
}

BOOL profileWriteString(LPCSTR section, LPCSTR key, LPCSTR text, LPCSTR file)
{
    if (throughSystemServices())
        return TntSysServices::WritePrivateProfileStringA(section, key, text, file);
    return ::WritePrivateProfileStringA(section, key, text, file);
}

}  // namespace vks::detail
