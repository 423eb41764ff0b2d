// The product library's entry point.
#include "dynlink.h"
#include "vksboundary.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID)
{
    return vks::atWin32Boundary(FALSE, [&]() -> BOOL {
        if (reason == DLL_PROCESS_ATTACH)
            vks::product::attach(self);
        return TRUE;
    });
}
