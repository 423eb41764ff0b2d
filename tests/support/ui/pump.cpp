#include "pump.h"

#include <gtest/gtest.h>

#include "message_spy.h"

namespace vkstest {

int pumpUntilIdle(const PumpOptions &options)
{
    int taken = 0;
    MSG msg;
    while (taken < options.limit && !(options.until && options.until()) &&
           PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ++taken;
        if (MessageSpy *spy = MessageSpy::current())
            spy->notePosted(msg);
        if (options.onTake)
            options.onTake(msg);
        if (!options.dispatch)
            continue;
        if (options.dialog && IsDialogMessageA(options.dialog, &msg))
            continue;
        if (options.translate)
            TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    EXPECT_LT(taken, options.limit) << "the queue never ran dry";
    return taken;
}

void drainQueue()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        // WM_PAINT stays in the queue until its window is valid, as on Windows.
        if (msg.message == WM_PAINT) {
            DispatchMessageA(&msg);
            RedrawWindow(msg.hwnd, nullptr, nullptr,
                         RDW_VALIDATE | RDW_NOINTERNALPAINT | RDW_NOCHILDREN);
        }
    }
}

}  // namespace vkstest
