// TmqMessage: identifier, payload, priority and the sent mark.
#include "mq/message_queue.h"

namespace {

TmqData *holdPayload(TmqData *data)
{
    if (data != nullptr)
        data->addref();
    return data;
}

void dropPayload(TmqData *data)
{
    if (data != nullptr)
        data->release();
}

}  // namespace

TmqMessage::TmqMessage(int id, TmqData *data, int priority)
    : m_nId(id),
      m_pData(holdPayload(data)),
      m_nPriority(priority),
      m_pQueue(nullptr),
      m_pNext(nullptr),
      m_bSent(0)
{
}

TmqMessage::TmqMessage(TmqMessage const &other)
    : m_nId(other.m_nId),
      m_pData(holdPayload(other.m_pData)),
      m_nPriority(other.m_nPriority),
      m_pQueue(nullptr),
      m_pNext(nullptr),
      m_bSent(other.m_bSent)
{
}

TmqMessage &TmqMessage::operator=(TmqMessage const &other)
{
    if (this == &other)
        return *this;
    data(other.m_pData);
    m_nId = other.m_nId;
    m_bSent = other.m_bSent;
    priority(other.m_nPriority);
    return *this;
}

TmqMessage::~TmqMessage()
{
    if (m_pQueue != nullptr)
        m_pQueue->detach(this);
    TmqData *data = m_pData;
    m_pData = nullptr;
    dropPayload(data);
    m_nId = 0;
    m_nPriority = 0;
    m_bSent = 0;
}

int TmqMessage::id() const
{
    return m_nId;
}

void TmqMessage::id(int id)
{
    m_nId = id;
}

TmqData *TmqMessage::data() const
{
    return holdPayload(m_pData);
}

void TmqMessage::data(TmqData *data)
{
    // The new reference comes first: giving the message its own payload must not delete it.
    TmqData *old = m_pData;
    m_pData = holdPayload(data);
    dropPayload(old);
}

int TmqMessage::priority() const
{
    return m_nPriority;
}

void TmqMessage::priority(int priority)
{
    if (priority == m_nPriority)
        return;
    TmqQueue *queue = m_pQueue;
    if (queue == nullptr) {
        m_nPriority = priority;
        return;
    }
    queue->detach(this);
    m_nPriority = priority;
    queue->attach(this);
}

TmqQueue *TmqMessage::queue() const
{
    return m_pQueue;
}

int TmqMessage::sent() const
{
    return m_bSent;
}
