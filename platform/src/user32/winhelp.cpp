// WinHelpA and VksHostSetHelpViewer.
#include <mutex>

#include "user32/help_log.h"
#include "vksboundary.h"
#include "vkshost.h"
#include "windows.h"

namespace {

struct HelpViewer {
    std::mutex lock;
    BOOL (*view)(HWND, const char *, UINT, ULONG_PTR, void *) = nullptr;
    void *context = nullptr;
};

HelpViewer &helpViewer()
{
    static HelpViewer &viewer = *new HelpViewer;
    return viewer;
}

}  // namespace

void VksHostSetHelpViewer(BOOL (*view)(HWND owner, const char *file, UINT command, ULONG_PTR data,
                                       void *context),
                          void *context)
{
    vks::atWin32BoundaryVoid([&] {
        HelpViewer &viewer = helpViewer();
        std::lock_guard guard(viewer.lock);
        viewer.view = view;
        viewer.context = view ? context : nullptr;
    });
}

BOOL WINAPI WinHelpA(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        HelpViewer &viewer = helpViewer();
        BOOL (*view)(HWND, const char *, UINT, ULONG_PTR, void *);
        void *context;
        {
            std::lock_guard guard(viewer.lock);
            view = viewer.view;
            context = viewer.context;
        }
        const char *file = lpszHelp ? lpszHelp : "";
        if (view)
            return view(hWndMain, file, uCommand, dwData, context);
        SYSTEMTIME now{};
        GetLocalTime(&now);
        return vks::detail::appendToHelpLog(
            vks::detail::helpLogLine(now, hWndMain, file, uCommand, dwData));
    });
}
