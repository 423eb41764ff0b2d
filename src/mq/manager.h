// Internal: TmqManager, the hidden window that turns posted messages into deliveries.
#pragma once

#include "afxwin.h"
#include "mq/message_queue.h"

// One manager window exists while at least one queue does. It belongs to the thread that made
// the first queue; posted messages of every queue are delivered on that thread, one per
// WM_USER wake-up, and the pending flag keeps at most one wake-up waiting at a time.
class TmqManager : public CWnd {
    DECLARE_DYNAMIC(TmqManager)
public:
    // A queue is born: the first one makes the manager window. Throws the library's general
    // exception when the window cannot be made, leaving the count of queues as it was.
    static void addUser();
    // A queue is gone: the last one destroys the manager window.
    static void releaseUser();

    // The queues that hold messages, highest priority first.
    static void enlist(TmqQueue *queue);
    static void delist(TmqQueue *queue);
    // Posts a wake-up unless one is waiting. A refused post leaves the flag clear, so the next
    // queued message or change of queue priority tries again.
    static void wakeUp();
    // Deliveries of posted messages in progress, innermost first.
    static TmqDispatchFrame *&frames();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    TmqManager();

    static TmqManager *create();
    static void destroy();
    // Handles one wake-up: continues an interrupted delivery or delivers the next message.
    static void deliverOne();

    int m_bPending;

    static TmqManager *m_pManager;
    static int m_nUsers;
    static TmqQueue *m_pQueues;
    static TmqDispatchFrame *m_pFrames;
};
