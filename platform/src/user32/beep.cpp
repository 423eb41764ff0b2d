// MessageBeep and the host's listener that hears it.
#include <mutex>

#include "vksboundary.h"
#include "vkshost.h"
#include "windows.h"

namespace {

struct BeepListener {
    std::mutex lock;
    void (*beep)(UINT, void *) = nullptr;
    void *context = nullptr;
};

BeepListener &beepListener()
{
    static BeepListener &listener = *new BeepListener;
    return listener;
}

}  // namespace

void VksHostSetBeepListener(void (*beep)(UINT type, void *context), void *context)
{
    vks::atWin32BoundaryVoid([&] {
        BeepListener &listener = beepListener();
        std::lock_guard guard(listener.lock);
        listener.beep = beep;
        listener.context = beep ? context : nullptr;
    });
}

BOOL WINAPI MessageBeep(UINT uType)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        void (*beep)(UINT, void *);
        void *context;
        {
            BeepListener &listener = beepListener();
            std::lock_guard guard(listener.lock);
            beep = listener.beep;
            context = listener.context;
        }
        // Called without the lock, so a listener may set another listener.
        if (beep)
            beep(uType, context);
        return TRUE;
    });
}
