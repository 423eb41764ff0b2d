// The loader calls DllMain after the DLL's static objects are made, so the run-time classes that
// IMPLEMENT_DYNAMIC registers are there for the attach to hand to the extension module.
#include "library/start.h"
#include "util/startup.h"
#include "vksboundary.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved)
{
    // A failed attach refuses the load; nothing thrown may reach the loader.
    return vks::atWin32Boundary(FALSE, [&]() -> BOOL {
        switch (reason) {
        case DLL_PROCESS_ATTACH:
            return vks::library::start(self);
        case DLL_PROCESS_DETACH:
            vks::library::stop(self);
            return TRUE;
        default:
            return utDllMain(self, reason, reserved);
        }
    });
}
