// The one message pump of the UI tests: runs the calling thread's queue until it is idle, the way
// a program's message loop runs it, with a bound so a window that keeps posting fails the test
// instead of hanging it.
#pragma once

#include <functional>

#include "windows.h"

namespace vkstest {

struct PumpOptions {
    // When set, each message goes to IsDialogMessageA for this dialog first, as in a modeless
    // dialog's loop.
    HWND dialog = nullptr;
    // Each message goes through TranslateMessage before it is dispatched, so keys make WM_CHAR.
    bool translate = false;
    // Stops early once this answers true (checked before each message).
    std::function<bool()> until{};
    // Fails the test after this many messages: the queue never ran dry.
    int limit = 1000;
};

// Retrieves and dispatches what the queue holds (posted messages, paints, timers due) until it is
// empty; a spy of the thread notes each message it takes. Returns how many it took.
int pumpUntilIdle(const PumpOptions &options = {});

// Empties the queue without dispatching, WM_QUIT included, so no test sees another's messages;
// windows waiting to be painted are painted once and validated.
void drainQueue();

}  // namespace vkstest
