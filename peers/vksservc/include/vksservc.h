// vksservc.h: the system-services library's interface as the utility library calls it: the
// service state of the process and the private-profile operations run on the service's behalf.
#pragma once

#include "windows.h"
#include "vksservc_api.h"

class VKSSERVC_API TntService {
public:
    // Non-zero when the calling process runs as a system service.
    static int IsService();
    // Non-zero when a user is logged on to the machine.
    static int IsLoggedOn();
};

// The private-profile operations with the platform's contract (same arguments, same results,
// the key-name list for a null key), served by the system-services library.
class VKSSERVC_API TntSysServices {
public:
    static DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultText,
                                          LPSTR buffer, DWORD size, LPCSTR file);
    static UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR file);
    static BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR text, LPCSTR file);
};
