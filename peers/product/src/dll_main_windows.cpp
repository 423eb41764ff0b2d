// The product library's entry point.
#include "resource_chain.h"
#include "vksboundary.h"

// A failure to join the resource chain refuses the load rather than letting an exception
// leave the entry point.
extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID)
{
    return vks::atWin32Boundary(FALSE, [&]() -> BOOL {
        if (reason == DLL_PROCESS_ATTACH)
            vks::product::attach(self);
        return TRUE;
    });
}
