// TmqData: the payload's reference count.
#include "mq/message_queue.h"

TmqData::TmqData() : m_nRefs(0) {}

TmqData::TmqData(TmqData const &) : m_nRefs(0) {}

TmqData &TmqData::operator=(TmqData const &)
{
    return *this;
}

TmqData::~TmqData()
{
    m_nRefs = 0;
}

unsigned int TmqData::addref() const
{
    return ++m_nRefs;
}

unsigned int TmqData::release()
{
    // A count that wrapped below zero would keep the object for ever; the owner still has it.
    if (m_nRefs == 0)
        return 0;
    if (--m_nRefs > 0)
        return m_nRefs;
    delete this;
    return 0;
}
