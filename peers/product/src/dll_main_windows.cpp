// The product library's entry point.
#include "dynlink.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        vks::product::attach(self);
    return TRUE;
}
