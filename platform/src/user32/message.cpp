// Posting, sending, retrieving and dispatching messages.
#include <memory>

#include "kernel32/clock.h"
#include "user32/thread_queue.h"
#include "user32/help_mode.h"
#include "user32/key_state.h"
#include "user32/mouse_state.h"
#include "user32/paint_state.h"
#include "user32/window_state.h"
#include "vksboundary.h"
#include "user32/window_table.h"
#include "windows.h"

using namespace vks::detail;

namespace {

MSG makeMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG msg{};
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = tickCountNow();
    msg.pt = cursorPosition();
    return msg;
}

BOOL postTo(MessageQueue &queue, const MSG &msg)
{
    if (const DWORD error = queue.post(msg)) {
        SetLastError(error);
        return FALSE;
    }
    return TRUE;
}

// Handles the messages other threads sent to this one; true when there was any.
bool answerSentMessages(MessageQueue &queue)
{
    bool any = false;
    while (std::shared_ptr<SentMessage> sent = queue.takeSent()) {
        any = true;
        const MSG &msg = sent->msg;
        // The window may have gone, or passed to no one, since the message was sent.
        const LRESULT result = threadOfWindow(msg.hwnd) == queue.threadId()
                                   ? callWindowProcedure(msg.hwnd, msg.message, msg.wParam,
                                                         msg.lParam)
                                   : 0;
        MessageQueue::answer(*sent, result);
    }
    return any;
}

LRESULT sendToOtherThread(MessageQueue &target, const MSG &msg)
{
    auto sent = std::make_shared<SentMessage>();
    sent->msg = msg;
    sent->replyTo = currentQueueShared();
    if (!target.queueSent(sent))
        return 0;
    MessageQueue &self = *sent->replyTo;
    // Messages sent to this thread meanwhile are answered, so two threads sending to each other
    // do not wait for ever.
    for (;;) {
        answerSentMessages(self);
        if (self.waitForReply(*sent))
            return sent->result;
    }
}

// The filter of a retrieval, or empty (with the error set) for a filter window that is none.
std::optional<MessageFilter> filterFor(HWND hwnd, UINT first, UINT last)
{
    if (!hwnd || hwnd == MessageFilter::threadOnly())
        return MessageFilter(hwnd, {}, first, last);
    std::vector<HWND> windows = windowAndDescendants(hwnd);
    if (windows.empty()) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return std::nullopt;
    }
    return MessageFilter(hwnd, std::move(windows), first, last);
}

// What taking a key off the queue does besides: F1 posts the window its help key message, and
// Escape ends help mode, which takes it. True when the key was taken.
bool keyTakenOnRemoval(const MSG &msg)
{
    if (helpModeTakesKey(msg))
        return true;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_F1 && msg.hwnd)
        PostMessageA(msg.hwnd, kKeyF1Message, 0, 0);
    return false;
}

bool retrieveOnce(MessageQueue &queue, MSG &msg, const MessageFilter &filter, bool remove,
                  QueueSnapshot &seen)
{
    answerSentMessages(queue);
    while (queue.retrievePosted(msg, filter, remove, seen)) {
        if (!remove)
            return true;
        // A key message taken from the queue is what the thread's key state has seen.
        noteKeyMessage(msg);
        if (!keyTakenOnRemoval(msg))
            return true;
    }
    // WM_PAINT is never taken out of the queue: it comes back until the window is valid.
    if (HWND hwnd = windowToPaint(queue.threadId(), filter)) {
        msg = makeMessage(hwnd, WM_PAINT, 0, 0);
        return true;
    }
    return queue.retrieveTimer(msg, filter, remove);
}

}  // namespace

BOOL WINAPI PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!hWnd)
            return postTo(currentQueue(), makeMessage(nullptr, Msg, wParam, lParam));
        const std::shared_ptr<MessageQueue> queue = queueOfWindow(hWnd);
        if (!queue) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return FALSE;
        }
        return postTo(*queue, makeMessage(hWnd, Msg, wParam, lParam));
    });
}

BOOL WINAPI PostThreadMessageA(DWORD idThread, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        const std::shared_ptr<MessageQueue> queue =
            idThread == GetCurrentThreadId() ? currentQueueShared() : queueOfThread(idThread);
        if (!queue) {
            SetLastError(ERROR_INVALID_THREAD_ID);
            return FALSE;
        }
        return postTo(*queue, makeMessage(nullptr, Msg, wParam, lParam));
    });
}

void WINAPI PostQuitMessage(int nExitCode)
{
    vks::atWin32BoundaryVoid([&] {
        currentQueue().postQuit(nExitCode);
    });
}

LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    return vks::atWin32Boundary<LRESULT>(0, [&]() -> LRESULT {
        const std::optional<DWORD> owner = threadOfWindow(hWnd);
        if (!owner) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
        if (*owner == GetCurrentThreadId())
            return callWindowProcedure(hWnd, Msg, wParam, lParam);
        const std::shared_ptr<MessageQueue> queue = queueOfWindow(hWnd);
        return queue ? sendToOtherThread(*queue, makeMessage(hWnd, Msg, wParam, lParam)) : 0;
    });
}

BOOL WINAPI GetMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!lpMsg) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return -1;
        }
        const std::optional<MessageFilter> filter = filterFor(hWnd, wMsgFilterMin, wMsgFilterMax);
        if (!filter)
            return -1;
        MessageQueue &queue = currentQueue();
        QueueSnapshot seen;
        while (!retrieveOnce(queue, *lpMsg, *filter, true, seen))
            queue.waitForChange(seen);
        return lpMsg->message == WM_QUIT ? FALSE : TRUE;
    });
}

BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax,
                         UINT wRemoveMsg)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!lpMsg) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        if (wRemoveMsg & ~static_cast<UINT>(PM_REMOVE | PM_NOYIELD)) {
            SetLastError(ERROR_INVALID_FLAGS);
            return FALSE;
        }
        const std::optional<MessageFilter> filter = filterFor(hWnd, wMsgFilterMin, wMsgFilterMax);
        if (!filter)
            return FALSE;
        QueueSnapshot seen;
        return retrieveOnce(currentQueue(), *lpMsg, *filter, (wRemoveMsg & PM_REMOVE) != 0, seen)
                   ? TRUE
                   : FALSE;
    });
}

LRESULT WINAPI DispatchMessageA(const MSG *lpMsg)
{
    return vks::atWin32Boundary<LRESULT>(0, [&]() -> LRESULT {
        if (!lpMsg) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        if (lpMsg->message == WM_TIMER && lpMsg->lParam) {
            assertNoLockHeld("a timer procedure");
            reinterpret_cast<TIMERPROC>(lpMsg->lParam)(lpMsg->hwnd, WM_TIMER, lpMsg->wParam,
                                                       tickCountNow());
            return 0;
        }
        if (!lpMsg->hwnd)
            return 0;
        const WNDPROC proc = procOfWindow(lpMsg->hwnd);
        if (!proc) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
        return callProcedure(proc, lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
    });
}

BOOL WINAPI TranslateMessage(const MSG *)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        // There is no keyboard input to turn into character messages.
        return FALSE;
    });
}
