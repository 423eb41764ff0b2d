// TmqMessage's free list: blocks of deleted messages wait there for the next message.
#include <new>

#include "mq/message_pool.h"
#include "mq/message_queue.h"

// A block on the free list: its first word links to the next block.
struct TmqMessage::FreeBlock {
    FreeBlock *next;
};

TmqMessage::FreeBlock *TmqMessage::m_list = nullptr;

namespace {

std::size_t g_nFromHeap = 0;
std::size_t g_nFree = 0;
// Set once the library's static objects are going: blocks then go straight to the heap.
bool g_bClosed = false;

// Under AddressSanitizer a block on the free list is poisoned, so that a message used after
// it was deleted is reported even though its memory stays with the list.
#if defined(__SANITIZE_ADDRESS__)
extern "C" void __asan_poison_memory_region(void const volatile *address, std::size_t size);
extern "C" void __asan_unpoison_memory_region(void const volatile *address, std::size_t size);
void poisonBlock(void *block)
{
    __asan_poison_memory_region(block, sizeof(TmqMessage));
}
void unpoisonBlock(void *block)
{
    __asan_unpoison_memory_region(block, sizeof(TmqMessage));
}
#else
void poisonBlock(void *) {}
void unpoisonBlock(void *) {}
#endif

void *blockFromHeap(std::size_t size)
{
    void *block = ::operator new(size, std::nothrow);
    if (block == nullptr)
        AfxThrowMemoryException();
    ++g_nFromHeap;
    return block;
}

}  // namespace

void *TmqMessage::operator new(std::size_t size)
{
    // A class derived from TmqMessage may be larger than the blocks the list keeps.
    if (size != sizeof(TmqMessage) || m_list == nullptr)
        return blockFromHeap(size);
    FreeBlock *block = m_list;
    unpoisonBlock(block);
    m_list = block->next;
    --g_nFree;
    return block;
}

void TmqMessage::operator delete(void *block, std::size_t size)
{
    if (block == nullptr)
        return;
    if (size != sizeof(TmqMessage) || g_bClosed) {
        ::operator delete(block);
        return;
    }
    m_list = ::new (block) FreeBlock{m_list};
    ++g_nFree;
    poisonBlock(block);
}

void TmqMessage::cleanup()
{
    while (m_list != nullptr) {
        FreeBlock *block = m_list;
        unpoisonBlock(block);
        m_list = block->next;
        ::operator delete(block);
    }
    g_nFree = 0;
}

void vks::detail::closeMessagePool()
{
    g_bClosed = true;
    TmqMessage::cleanup();
}

vks::detail::TmqBlockCounts vks::detail::tmqBlockCounts()
{
    return {g_nFromHeap, g_nFree};
}
