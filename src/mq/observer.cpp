// TmqObserver and the queue's list of observers.
#include "mq/manager.h"
#include "mq/message_queue.h"
#include "mq/ordered_list.h"

TmqObserver::TmqObserver(TmqQueue *queue, int priority)
    : m_nPriority(priority), m_pQueue(nullptr), m_pNext(nullptr)
{
    if (queue != nullptr)
        queue->attach(this);
}

TmqObserver::TmqObserver(TmqObserver const &other)
    : m_nPriority(other.m_nPriority), m_pQueue(nullptr), m_pNext(nullptr)
{
    if (other.m_pQueue != nullptr)
        other.m_pQueue->attach(this);
}

TmqObserver &TmqObserver::operator=(TmqObserver const &other)
{
    if (this == &other)
        return *this;
    if (m_pQueue != nullptr)
        m_pQueue->detach(this);
    m_nPriority = other.m_nPriority;
    if (other.m_pQueue != nullptr)
        other.m_pQueue->attach(this);
    return *this;
}

TmqObserver::~TmqObserver()
{
    if (m_pQueue != nullptr)
        m_pQueue->detach(this);
}

TmqQueue *TmqObserver::queue() const
{
    return m_pQueue;
}

void TmqObserver::queue(TmqQueue *queue)
{
    if (queue == m_pQueue)
        return;
    if (m_pQueue != nullptr)
        m_pQueue->detach(this);
    if (queue != nullptr)
        queue->attach(this);
}

int TmqObserver::priority() const
{
    return m_nPriority;
}

void TmqObserver::priority(int priority)
{
    if (priority == m_nPriority)
        return;
    TmqQueue *queue = m_pQueue;
    if (queue != nullptr)
        queue->detach(this);
    m_nPriority = priority;
    if (queue != nullptr)
        queue->attach(this);
}

void TmqQueue::attach(TmqObserver *observer)
{
    observer->m_pQueue = this;
    vks::detail::insertByPriority<TmqObserver, &TmqObserver::m_pNext, &TmqObserver::m_nPriority>(
        m_pObservers, observer);
}

void TmqQueue::detach(TmqObserver *observer)
{
    TmqDispatchFrame::skip(m_frames, observer);
    TmqDispatchFrame::skip(TmqManager::frames(), observer);
    vks::detail::unlink<TmqObserver, &TmqObserver::m_pNext>(m_pObservers, observer);
    observer->m_pQueue = nullptr;
}
