// The message queue: payloads, messages, queues, iterators, observers and delivery frames.
//
// A message is posted (queued now, delivered later from the message loop of the thread that
// made the first queue) or sent (delivered before the call returns, on the calling thread).
// Messages within a queue, observers of a queue and queues among themselves are ordered by
// priority: higher values first, equal values in the order they arrived. Every observer of a
// queue receives every message of that queue, highest priority first.
//
// Posted messages reach observers through a hidden window titled "TmqManager" that exists while
// at least one queue does. While any queue holds messages one wake-up waits in that window's
// message queue, and each wake-up delivers exactly one message, from the queue of highest
// priority. Delivery is safe against observers that attach, detach, delete themselves or run a
// nested message loop (a modal dialog) inside receive(): waiting messages are then delivered
// from that loop, the interrupted message first reaches its remaining observers, and no
// observer receives a message twice.
//
// Nothing here takes a lock: every operation, posting included, belongs on the thread that
// owns the manager window (the thread that made the first queue).
#pragma once

#include <cstddef>

#include "afx.h"

class TmqQueue;
class TmqObserver;
class TmqIterator;
class TmqDispatchFrame;
class TmqManager;

// Base class of every payload: a reference count, 0 at construction. A payload handed to a
// message with count 0 is deleted when the last message holding it goes; a caller that keeps
// using it afterwards takes its own reference first with addref().
class AFX_EXT_CLASS TmqData {
public:
    virtual ~TmqData();

    // Adds one reference; returns the new count.
    unsigned int addref() const;
    // Drops one reference; returns the new count. At 0 the object deletes itself through its
    // virtual destructor. A release with no reference held changes nothing and returns 0.
    unsigned int release();

protected:
    TmqData();
    // Copies start at count 0 and an assigned object keeps its own count.
    TmqData(TmqData const &other);
    TmqData &operator=(TmqData const &other);

private:
    mutable unsigned int m_nRefs;
};

// A message: an identifier chosen by the product, an optional payload (on which the message
// holds one reference) and a priority. A message is either free-standing or waiting in exactly
// one queue. Heap messages come from a free list that keeps their blocks for reuse until the
// library unloads.
class AFX_EXT_CLASS TmqMessage {
public:
    // Not queued, not sent; takes a reference on `data` when it is not null.
    TmqMessage(int id = 0, TmqData *data = 0, int priority = 0);
    // Copies id, payload (taking a reference), priority and the sent mark; the copy is not
    // queued.
    TmqMessage(TmqMessage const &other);
    // Copies id, payload and sent mark, then sets the priority through priority(int), so that
    // a queued message moves to its new place.
    TmqMessage &operator=(TmqMessage const &other);
    // Leaves its queue, releases its payload and clears id, priority and sent mark.
    ~TmqMessage();

    int id() const;
    void id(int id);
    // The payload with a reference taken for the caller, who must release() it; null if none.
    TmqData *data() const;
    // Holds `data` (taking a reference) in place of the old payload (releasing it).
    void data(TmqData *data);
    int priority() const;
    // A queued message whose priority changes leaves its queue and is queued again at its new
    // place, after the messages of equal priority.
    void priority(int priority);
    // The queue the message waits in, or null.
    TmqQueue *queue() const;
    // 1 for the copy that TmqQueue::send delivers; otherwise as copied.
    int sent() const;

    // Blocks of the message's own size come from the free list while it has any, otherwise
    // from the heap; out of memory throws the framework's memory exception.
    static void *operator new(std::size_t size);
    static void operator delete(void *block, std::size_t size);

    // Returns every block of the free list to the heap. The library's stop runs it once more
    // when it unloads; from then on blocks go straight back to the heap.
    static void cleanup();

private:
    friend class TmqQueue;
    friend class TmqIterator;
    friend class TmqManager;

    struct FreeBlock;

    int m_nId;
    TmqData *m_pData;
    int m_nPriority;
    TmqQueue *m_pQueue;
    TmqMessage *m_pNext;
    int m_bSent;

    static FreeBlock *m_list;
};

// A queue of posted messages and the observers that receive them.
class AFX_EXT_CLASS TmqQueue {
public:
    // Registers with the manager, making the manager window for the first queue; throws the
    // library's general exception (impThrowException) when the window cannot be made.
    TmqQueue(int priority = 0);
    // The other's priority and a posted copy of each of its messages, in their order; neither
    // observers nor iterators are copied. If a post throws a framework exception the copies
    // made so far are removed, the registration is undone and the exception passes on.
    TmqQueue(TmqQueue const &other);
    // Removes every own message, takes the other's priority and posts copies of its messages;
    // own observers and iterators stay. A framework exception on the way leaves the queue
    // empty and passes on.
    TmqQueue &operator=(TmqQueue const &other);
    // Removes every message, detaches every iterator and observer and leaves the manager (the
    // last queue destroys the manager window).
    virtual ~TmqQueue();

    int priority() const;
    // A queue holding messages moves to its new place among the queues that wait.
    void priority(int priority);

    // Queues a heap copy of `message`.
    void post(TmqMessage const &message);
    // Queues a heap message made from the three values.
    void post(int id, TmqData *data, int priority);
    // Delivers a copy marked sent to every observer before returning.
    void send(TmqMessage const &message);
    void send(int id, TmqData *data, int priority);

    // Remove and destroy queued messages; TRUE when at least one was removed. Iterators that
    // stand on a removed message move on to the message after it.
    int remove(int id);
    int remove(TmqMessage *message);
    int removeAll();
    // TRUE when a queued message has this id.
    int exists(int id) const;

private:
    friend class TmqMessage;
    friend class TmqIterator;
    friend class TmqObserver;
    friend class TmqManager;

    void attach(TmqMessage *message);
    void detach(TmqMessage *message);
    void attach(TmqIterator *iterator);
    void detach(TmqIterator *iterator);
    void attach(TmqObserver *observer);
    void detach(TmqObserver *observer);

    void postCopiesOf(TmqQueue const &other);
    void deliverSent(TmqMessage &message);

    int m_nPriority;
    TmqQueue *m_pNextQueue;  // in the manager's list of queues that hold messages
    TmqMessage *m_pMessages;
    TmqIterator *m_pIterators;
    TmqObserver *m_pObservers;

    // Deliveries of sent messages in progress, innermost first.
    static TmqDispatchFrame *m_frames;
};

// Walks the messages of a queue in delivery order. Removing the message an iterator stands on
// moves the iterator to the one after it.
class AFX_EXT_CLASS TmqIterator {
public:
    // Positioned at the queue's first message.
    TmqIterator(TmqQueue &queue);
    // Same queue, same position.
    TmqIterator(TmqIterator const &other);
    TmqIterator &operator=(TmqIterator const &other);
    ~TmqIterator();

    // Back to the queue's first message; nothing when detached.
    void reset();
    // The message at the position, advancing past it; null at the end or when detached (the
    // queue was destroyed).
    TmqMessage *next();

private:
    friend class TmqQueue;

    TmqQueue *m_pQueue;
    TmqMessage *m_pPosition;
    TmqIterator *m_pNext;
};

// Base class of the product's receivers. An observer may attach, detach, change priority or
// delete itself or others at any time, inside receive() too: a delivery in progress never
// calls an observer after it has left its queue.
class AFX_EXT_CLASS TmqObserver {
public:
    // Attaches to `queue` when it is not null.
    TmqObserver(TmqQueue *queue = 0, int priority = 0);
    // Same priority, attached to the same queue.
    TmqObserver(TmqObserver const &other);
    // Moves to the other's queue with the other's priority.
    TmqObserver &operator=(TmqObserver const &other);
    virtual ~TmqObserver();

    // Called with every message of the queue; each observer tests id() itself. A framework
    // exception thrown here is deleted and delivery goes on with the next observer; any other
    // exception passes out to the caller of send() or of the message loop.
    virtual void receive(TmqMessage &message) = 0;

    TmqQueue *queue() const;
    // Moves to `queue` (null: to none); giving the current queue changes nothing.
    void queue(TmqQueue *queue);
    int priority() const;
    // Takes its new place among the queue's observers.
    void priority(int priority);

private:
    friend class TmqQueue;
    friend class TmqDispatchFrame;
    friend class TmqManager;

    int m_nPriority;
    TmqQueue *m_pQueue;
    TmqObserver *m_pNext;
};

// One delivery in progress, on the stack of the delivering call: the message and the next
// observer to call. Constructing a frame pushes it on the front of its list; destroying it
// unlinks it.
class AFX_EXT_CLASS TmqDispatchFrame {
public:
    TmqDispatchFrame(TmqDispatchFrame *&list, TmqMessage *message, TmqObserver *nextObserver);
    ~TmqDispatchFrame();
    TmqDispatchFrame(TmqDispatchFrame const &) = delete;
    TmqDispatchFrame &operator=(TmqDispatchFrame const &) = delete;

    // Calls each remaining observer in turn, moving the next observer on before each call.
    void deliver();

private:
    friend class TmqQueue;
    friend class TmqManager;

    // Every frame of `list` about to call `observer` moves on to the observer after it.
    static void skip(TmqDispatchFrame *list, TmqObserver const *observer);

    TmqMessage *m_pMessage;
    TmqObserver *m_pNextObserver;
    TmqDispatchFrame *m_pNext;
    TmqDispatchFrame **m_ppList;
};
