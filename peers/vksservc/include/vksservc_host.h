/* vksservc_host.h: what the host (or a test) tells the system-services stand-in, and what it
   can read back about the calls the stand-in served. */
#ifndef VKS_VKSSERVC_HOST_H
#define VKS_VKSSERVC_HOST_H

#include "windef.h"
#include "vksservc_api.h"

VKS_BEGIN_EXTERN_C

/* The service state that TntService reports. At load the process is not a service and no user
   is logged on. */
VKSSERVC_API void VksServcSetServiceState(BOOL isService, BOOL isLoggedOn);

/* How many private-profile operations (reads and writes) TntSysServices has served. */
VKSSERVC_API DWORD VksServcProfileCallCount(void);

/* How many times TntService::IsLoggedOn has been asked. */
VKSSERVC_API DWORD VksServcLoggedOnQueryCount(void);

VKS_END_EXTERN_C

#endif
