// The service's private-profile road. On POSIX the service and the user share one file system,
// so the operations run in this process through the platform's own engine.
#include "service_state.h"
#include "vksservc.h"

using vks::detail::serviceState;

DWORD TntSysServices::GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultText,
                                               LPSTR buffer, DWORD size, LPCSTR file)
{
    ++serviceState().profileCalls;
    return ::GetPrivateProfileStringA(section, key, defaultText, buffer, size, file);
}

UINT TntSysServices::GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue,
                                           LPCSTR file)
{
    ++serviceState().profileCalls;
    return ::GetPrivateProfileIntA(section, key, defaultValue, file);
}

BOOL TntSysServices::WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR text,
                                                LPCSTR file)
{
    ++serviceState().profileCalls;
    return ::WritePrivateProfileStringA(section, key, text, file);
}
