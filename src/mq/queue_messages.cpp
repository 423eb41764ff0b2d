// TmqQueue: posting, queueing and removing messages.
#include "mq/manager.h"
#include "mq/message_queue.h"
#include "mq/ordered_list.h"

namespace {

// Destroys a chain of messages that have already left their queue, in chain order. The links
// are read first: a payload's destructor may run any code.
void destroyChain(TmqMessage *first, TmqMessage *TmqMessage::*next)
{
    while (first != nullptr) {
        TmqMessage *following = first->*next;
        delete first;
        first = following;
    }
}

}  // namespace

void TmqQueue::post(TmqMessage const &message)
{
    attach(new TmqMessage(message));
}

void TmqQueue::post(int id, TmqData *data, int priority)
{
    attach(new TmqMessage(id, data, priority));
}

void TmqQueue::attach(TmqMessage *message)
{
    message->m_pQueue = this;
    const bool wasEmpty = m_pMessages == nullptr;
    vks::detail::insertByPriority<TmqMessage, &TmqMessage::m_pNext, &TmqMessage::m_nPriority>(
        m_pMessages, message);
    if (wasEmpty)
        TmqManager::enlist(this);
    TmqManager::wakeUp();
}

void TmqQueue::detach(TmqMessage *message)
{
    if (message->m_pQueue != this)
        return;
    if (m_pMessages == message && message->m_pNext == nullptr)
        TmqManager::delist(this);
    for (TmqIterator *iterator = m_pIterators; iterator != nullptr; iterator = iterator->m_pNext) {
        if (iterator->m_pPosition == message)
            iterator->m_pPosition = message->m_pNext;
    }
    vks::detail::unlink<TmqMessage, &TmqMessage::m_pNext>(m_pMessages, message);
    message->m_pQueue = nullptr;
}

int TmqQueue::remove(int id)
{
    TmqMessage *removed = nullptr;
    TmqMessage **tail = &removed;
    TmqMessage *message = m_pMessages;
    while (message != nullptr) {
        TmqMessage *following = message->m_pNext;
        if (message->m_nId == id) {
            detach(message);
            *tail = message;
            tail = &message->m_pNext;
        }
        message = following;
    }
    destroyChain(removed, &TmqMessage::m_pNext);
    return removed != nullptr;
}

int TmqQueue::remove(TmqMessage *message)
{
    // Searched rather than trusted: a pointer that is not one of ours is never dereferenced.
    for (TmqMessage *queued = m_pMessages; queued != nullptr; queued = queued->m_pNext) {
        if (queued == message) {
            detach(message);
            delete message;
            return TRUE;
        }
    }
    return FALSE;
}

int TmqQueue::removeAll()
{
    TmqMessage *removed = m_pMessages;
    if (removed == nullptr)
        return FALSE;
    // Each message leaves the queue from the front; the chain keeps its links for destruction.
    while (m_pMessages != nullptr) {
        TmqMessage *first = m_pMessages;
        TmqMessage *following = first->m_pNext;
        detach(first);
        first->m_pNext = following;
    }
    destroyChain(removed, &TmqMessage::m_pNext);
    return TRUE;
}

int TmqQueue::exists(int id) const
{
    for (TmqMessage const *message = m_pMessages; message != nullptr; message = message->m_pNext) {
        if (message->m_nId == id)
            return TRUE;
    }
    return FALSE;
}
