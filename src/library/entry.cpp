// The library's entry point.
#include "util/dynlink.h"
#include "settings/preference_base.h"
#include "settings/profile.h"
#include "settings/profile_key.h"
#include "settings/profile_section.h"
#include "util/startup.h"

namespace {

BOOL processAttach(HINSTANCE hInstance)
{
    if (!AfxInitExtensionModule(vks::util::extensionModule, hInstance))
        return FALSE;
    vks::util::setLibraryInstance(hInstance);
    InitUtilDynLink();
    return TRUE;
}

BOOL processDetach()
{
    TutProfile::Cleanup();
    TutProfileSection::Cleanup();
    TutProfileKey::Cleanup();
    vks::settings::releaseApplicationPreferences();
    return TRUE;
}

}  // namespace

BOOL WINAPI utDllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    switch (dwReason) {
    case DLL_PROCESS_ATTACH:
        return processAttach(hInstance);
    case DLL_PROCESS_DETACH:
        return processDetach();
    case DLL_THREAD_ATTACH:
    case DLL_THREAD_DETACH:
        return TRUE;
    default:
        return FALSE;
    }
}
