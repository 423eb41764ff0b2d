// TmqDispatchFrame: one delivery of a message to the observers of its queue.
#include "mq/message_queue.h"

TmqDispatchFrame::TmqDispatchFrame(TmqDispatchFrame *&list, TmqMessage *message,
                                   TmqObserver *nextObserver)
    : m_pMessage(message), m_pNextObserver(nextObserver), m_pNext(list), m_ppList(&list)
{
    list = this;
}

TmqDispatchFrame::~TmqDispatchFrame()
{
    for (TmqDispatchFrame **link = m_ppList; *link != nullptr; link = &(*link)->m_pNext) {
        if (*link == this) {
            *link = m_pNext;
            return;
        }
    }
}

void TmqDispatchFrame::deliver()
{
    while (TmqObserver *observer = m_pNextObserver) {
        // Moved on before the call: a nested loop inside receive() may take the rest over.
        m_pNextObserver = observer->m_pNext;
        try {
            observer->receive(*m_pMessage);
        } catch (CException *e) {
            e->Delete();
        }
    }
}

void TmqDispatchFrame::skip(TmqDispatchFrame *list, TmqObserver const *observer)
{
    for (TmqDispatchFrame *frame = list; frame != nullptr; frame = frame->m_pNext) {
        if (frame->m_pNextObserver == observer)
            frame->m_pNextObserver = observer->m_pNext;
    }
}
