// WinHelpA and VksHostSetHelpViewer.
#include "kernel32/host_hook.h"
#include "kernel32/no_destructor.h"
#include "user32/help_log.h"
#include "vksboundary.h"
#include "vkshost.h"
#include "windows.h"

namespace {

using HelpViewer = vks::detail::HostHook<BOOL(HWND, const char *, UINT, ULONG_PTR)>;

HelpViewer &helpViewer()
{
    static vks::detail::NoDestructor<HelpViewer> viewer;
    return *viewer;
}

}  // namespace

void VksHostSetHelpViewer(BOOL (*view)(HWND owner, const char *file, UINT command, ULONG_PTR data,
                                       void *context),
                          void *context)
{
    vks::atWin32BoundaryVoid([&] { helpViewer().set(view, context); });
}

BOOL WINAPI WinHelpA(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        const char *file = lpszHelp ? lpszHelp : "";
        if (const std::optional<BOOL> viewed = helpViewer().call(hWndMain, file, uCommand, dwData))
            return *viewed;
        SYSTEMTIME now{};
        GetLocalTime(&now);
        return vks::detail::appendToHelpLog(
            vks::detail::helpLogLine(now, hWndMain, file, uCommand, dwData));
    });
}
