// TutMessage::Post: a box shown later, from the message loop, through the message queue.
#include <cstdarg>

#include "log/user_message.h"
#include "mq/message_queue.h"

// A queue of its own and its only observer in one object, holding the text: its one message
// shows the box, after which the object deletes itself.
class TutPostedMessage : public TmqQueue, public TmqObserver {
public:
    explicit TutPostedMessage(char const *text) : TmqQueue(0), TmqObserver(this, 0), m_text(text)
    {
    }

    // The delivery allows an observer to delete itself, and its queue, while it receives.
    void receive(TmqMessage &) override
    {
        TutMessage::PutUpMessageBox(m_text, MB_OK);
        delete this;
    }

    static void post(char const *text)
    {
        TutPostedMessage *posted = new TutPostedMessage(text);
        try {
            posted->TmqQueue::post(0, nullptr, 0);
        } catch (CException *) {
            delete posted;
            throw;
        }
    }

private:
    CString m_text;
};

#define VKS_POST_FORMATTED(first)                                                              \
    va_list args;                                                                              \
    va_start(args, first);                                                                     \
    try {                                                                                      \
        TutPostedMessage::post(FormatText(first, args));                                       \
    } catch (CException *e) {                                                                  \
        e->Delete();                                                                           \
    }                                                                                          \
    va_end(args)

void TutMessage::Post(unsigned int id, ...) { VKS_POST_FORMATTED(id); }
void TutMessage::Post(char const *format, ...) { VKS_POST_FORMATTED(format); }

#undef VKS_POST_FORMATTED
