// MessageBeep and the host's listener that hears it.
#include "kernel32/host_hook.h"
#include "kernel32/no_destructor.h"
#include "vksboundary.h"
#include "vkshost.h"
#include "windows.h"

using namespace vks::detail;

namespace {

HostHook<void(UINT)> &beepListener()
{
    static NoDestructor<HostHook<void(UINT)>> listener;
    return *listener;
}

}  // namespace

void VksHostSetBeepListener(void (*beep)(UINT type, void *context), void *context)
{
    vks::atWin32BoundaryVoid([&] { beepListener().set(beep, context); });
}

BOOL WINAPI MessageBeep(UINT uType)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        beepListener().call(uType);
        return TRUE;
    });
}
