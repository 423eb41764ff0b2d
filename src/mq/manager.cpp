// TmqManager: the manager window, its list of waiting queues and the handling of wake-ups.
#include "mq/manager.h"

#include <memory>
#include <new>

#include "mq/ordered_list.h"
#include "util/exceptions.h"
#include "util/startup.h"

IMPLEMENT_DYNAMIC(TmqManager, CWnd)

TmqManager *TmqManager::m_pManager = nullptr;
int TmqManager::m_nUsers = 0;
TmqQueue *TmqManager::m_pQueues = nullptr;
TmqDispatchFrame *TmqManager::m_pFrames = nullptr;

namespace {

constexpr char kWindowTitle[] = "TmqManager";
constexpr char kClassName[] = "TmqManager";

// Class style 0, no cursor, brush or icon: the window is never shown.
bool registerWindowClass()
{
    WNDCLASSA wndClass = {};
    if (GetClassInfoA(utLibraryInstance(), kClassName, &wndClass))
        return true;
    wndClass.lpfnWndProc = DefWindowProcA;
    wndClass.hInstance = utLibraryInstance();
    wndClass.lpszClassName = kClassName;
    return RegisterClassA(&wndClass) != 0;
}

}  // namespace

TmqManager::TmqManager() : m_bPending(FALSE) {}

void TmqManager::addUser()
{
    if (m_pManager == nullptr)
        m_pManager = create();
    ++m_nUsers;
}

void TmqManager::releaseUser()
{
    if (m_nUsers == 0 || --m_nUsers > 0)
        return;
    destroy();
}

TmqManager *TmqManager::create()
{
    TmqManager *manager = new (std::nothrow) TmqManager;
    if (manager == nullptr)
        impThrowException();
    if (!registerWindowClass() ||
        !manager->CreateEx(0, kClassName, kWindowTitle, 0, 0, 0, 0, 0, NULL, NULL)) {
        delete manager;
        impThrowException();
    }
    return manager;
}

void TmqManager::destroy()
{
    TmqManager *manager = m_pManager;
    m_pManager = nullptr;
    if (manager == nullptr)
        return;
    manager->DestroyWindow();
    delete manager;
}

LRESULT TmqManager::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_USER:
        m_bPending = FALSE;
        // Nothing after this call may touch the object: an observer may destroy the last
        // queue, and with it the window, while it handles the message.
        deliverOne();
        return 1;
    case WM_CLOSE:
        return 0;
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

void TmqManager::deliverOne()
{
    TmqMessage *message = nullptr;
    TmqObserver *firstObserver = nullptr;
    // Set when the message was taken from its queue here; a delivery taken over from an
    // interrupted frame leaves the message to that frame, which outlives this one.
    std::unique_ptr<TmqMessage> taken;

    TmqDispatchFrame *interrupted = m_pFrames;
    if (interrupted != nullptr && interrupted->m_pNextObserver != nullptr) {
        message = interrupted->m_pMessage;
        firstObserver = interrupted->m_pNextObserver;
        interrupted->m_pNextObserver = nullptr;
    } else {
        TmqQueue *queue = m_pQueues;
        if (queue == nullptr || queue->m_pMessages == nullptr)
            return;
        message = queue->m_pMessages;
        firstObserver = queue->m_pObservers;
        queue->detach(message);
        taken.reset(message);
    }

    // Whatever waits after this message, other messages or the observers after the first, is
    // handled by later wake-ups, from a loop nested in an observer too.
    if (m_pQueues != nullptr || (firstObserver != nullptr && firstObserver->m_pNext != nullptr))
        wakeUp();

    TmqDispatchFrame frame(m_pFrames, message, firstObserver);
    frame.deliver();
}

void TmqManager::enlist(TmqQueue *queue)
{
    vks::detail::insertByPriority<TmqQueue, &TmqQueue::m_pNextQueue, &TmqQueue::m_nPriority>(
        m_pQueues, queue);
}

void TmqManager::delist(TmqQueue *queue)
{
    vks::detail::unlink<TmqQueue, &TmqQueue::m_pNextQueue>(m_pQueues, queue);
}

void TmqManager::wakeUp()
{
    TmqManager *manager = m_pManager;
    if (manager == nullptr || manager->m_bPending)
        return;
    if (::PostMessageA(manager->m_hWnd, WM_USER, 0, 0))
        manager->m_bPending = TRUE;
}

TmqDispatchFrame *&TmqManager::frames()
{
    return m_pFrames;
}
