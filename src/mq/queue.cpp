// TmqQueue: life, copies, priority and the delivery of sent messages.
#include "mq/manager.h"
#include "mq/message_queue.h"

TmqDispatchFrame *TmqQueue::m_frames = nullptr;

TmqQueue::TmqQueue(int priority)
    : m_nPriority(priority),
      m_pNextQueue(nullptr),
      m_pMessages(nullptr),
      m_pIterators(nullptr),
      m_pObservers(nullptr)
{
    TmqManager::addUser();
}

TmqQueue::TmqQueue(TmqQueue const &other)
    : m_nPriority(other.m_nPriority),
      m_pNextQueue(nullptr),
      m_pMessages(nullptr),
      m_pIterators(nullptr),
      m_pObservers(nullptr)
{
    TmqManager::addUser();
    try {
        postCopiesOf(other);
    } catch (CException *) {
        removeAll();
        TmqManager::releaseUser();
        throw;
    }
}

TmqQueue &TmqQueue::operator=(TmqQueue const &other)
{
    if (this == &other)
        return *this;
    removeAll();
    m_nPriority = other.m_nPriority;
    try {
        postCopiesOf(other);
    } catch (CException *) {
        removeAll();
        throw;
    }
    return *this;
}

TmqQueue::~TmqQueue()
{
    removeAll();
    while (m_pIterators != nullptr)
        detach(m_pIterators);
    while (m_pObservers != nullptr)
        detach(m_pObservers);
    TmqManager::releaseUser();
}

int TmqQueue::priority() const
{
    return m_nPriority;
}

void TmqQueue::priority(int priority)
{
    if (priority == m_nPriority)
        return;
    if (m_pMessages == nullptr) {
        m_nPriority = priority;
        return;
    }
    TmqManager::delist(this);
    m_nPriority = priority;
    TmqManager::enlist(this);
    TmqManager::wakeUp();
}

void TmqQueue::postCopiesOf(TmqQueue const &other)
{
    for (TmqMessage const *message = other.m_pMessages; message != nullptr;
         message = message->m_pNext)
        post(*message);
}

void TmqQueue::send(TmqMessage const &message)
{
    TmqMessage copy(message);
    copy.m_bSent = 1;
    deliverSent(copy);
}

void TmqQueue::send(int id, TmqData *data, int priority)
{
    TmqMessage message(id, data, priority);
    message.m_bSent = 1;
    deliverSent(message);
}

void TmqQueue::deliverSent(TmqMessage &message)
{
    TmqDispatchFrame frame(m_frames, &message, m_pObservers);
    frame.deliver();
}
