// The service state as the host declares it; a process on POSIX is never a service by itself.
#include "service_state.h"
#include "vksservc.h"
#include "vksservc_host.h"

namespace vks::detail {

ServiceState &serviceState()
{
    static ServiceState state;
    return state;
}

}  // namespace vks::detail

using vks::detail::serviceState;

int TntService::IsService()
{
    return serviceState().isService.load() ? TRUE : FALSE;
}

int TntService::IsLoggedOn()
{
    ++serviceState().loggedOnQueries;
    return serviceState().isLoggedOn.load() ? TRUE : FALSE;
}

void VksServcSetServiceState(BOOL isService, BOOL isLoggedOn)
{
    serviceState().isService = isService;
    serviceState().isLoggedOn = isLoggedOn;
}

DWORD VksServcProfileCallCount(void)
{
    return serviceState().profileCalls.load();
}

DWORD VksServcLoggedOnQueryCount(void)
{
    return serviceState().loggedOnQueries.load();
}
