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
    // False: the messages are only taken off the queue, as a test that reads them wants.
    bool dispatch = true;
    // Stops early once this answers true (checked before each message).
    std::function<bool()> until{};
    // Sees each message as it is taken, before it is dispatched.
    std::function<void(const MSG &)> onTake{};
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
