// TmqIterator and the queue's list of iterators.
#include "mq/message_queue.h"
#include "mq/ordered_list.h"

TmqIterator::TmqIterator(TmqQueue &queue)
    : m_pQueue(nullptr), m_pPosition(nullptr), m_pNext(nullptr)
{
    queue.attach(this);
}

TmqIterator::TmqIterator(TmqIterator const &other)
    : m_pQueue(nullptr), m_pPosition(nullptr), m_pNext(nullptr)
{
    if (other.m_pQueue != nullptr) {
        other.m_pQueue->attach(this);
        m_pPosition = other.m_pPosition;
    }
}

TmqIterator &TmqIterator::operator=(TmqIterator const &other)
{
    if (this == &other)
        return *this;
    if (m_pQueue != nullptr)
        m_pQueue->detach(this);
    if (other.m_pQueue != nullptr) {
        other.m_pQueue->attach(this);
        m_pPosition = other.m_pPosition;
    }
    return *this;
}

TmqIterator::~TmqIterator()
{
    if (m_pQueue != nullptr)
        m_pQueue->detach(this);
}

void TmqIterator::reset()
{
    if (m_pQueue != nullptr)
        m_pPosition = m_pQueue->m_pMessages;
}

TmqMessage *TmqIterator::next()
{
    if (m_pQueue == nullptr || m_pPosition == nullptr)
        return nullptr;
    TmqMessage *message = m_pPosition;
    m_pPosition = message->m_pNext;
    return message;
}

void TmqQueue::attach(TmqIterator *iterator)
{
    iterator->m_pQueue = this;
    iterator->m_pPosition = m_pMessages;
    iterator->m_pNext = m_pIterators;
    m_pIterators = iterator;
}

void TmqQueue::detach(TmqIterator *iterator)
{
    vks::detail::unlink<TmqIterator, &TmqIterator::m_pNext>(m_pIterators, iterator);
    iterator->m_pQueue = nullptr;
    iterator->m_pPosition = nullptr;
}
