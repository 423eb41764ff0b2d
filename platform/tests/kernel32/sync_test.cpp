#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "windows.h"

namespace {

// A critical section initialised for the test's lifetime.
class Section {
public:
    Section() { InitializeCriticalSection(&cs); }
    ~Section() { DeleteCriticalSection(&cs); }
    Section(const Section &) = delete;
    Section &operator=(const Section &) = delete;

    CRITICAL_SECTION cs;
};

HANDLE handleOfThread(DWORD id)
{
    return reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(id));
}

TEST(CriticalSection, StartsUnowned)
{
    Section section;
    EXPECT_EQ(nullptr, section.cs.OwningThread);
    EXPECT_EQ(0, section.cs.RecursionCount);
    EXPECT_EQ(-1, section.cs.LockCount);
}

TEST(CriticalSection, IsRecursiveForItsOwner)
{
    Section section;
    const HANDLE self = handleOfThread(GetCurrentThreadId());

    EnterCriticalSection(&section.cs);
    EnterCriticalSection(&section.cs);
    EXPECT_EQ(self, section.cs.OwningThread);
    EXPECT_EQ(2, section.cs.RecursionCount);

    LeaveCriticalSection(&section.cs);
    EXPECT_EQ(self, section.cs.OwningThread) << "one leave per enter";
    EXPECT_EQ(1, section.cs.RecursionCount);

    LeaveCriticalSection(&section.cs);
    EXPECT_EQ(nullptr, section.cs.OwningThread);
    EXPECT_EQ(0, section.cs.RecursionCount);
    EXPECT_EQ(-1, section.cs.LockCount);
}

TEST(CriticalSection, LetsOneThreadInAtATime)
{
    Section section;
    constexpr int kThreads = 4;
    constexpr int kRounds = 20000;
    long counter = 0;  // deliberately not atomic: the section is its only guard

    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < kRounds; ++i) {
                EnterCriticalSection(&section.cs);
                EnterCriticalSection(&section.cs);
                const long seen = counter;
                counter = seen + 1;
                LeaveCriticalSection(&section.cs);
                LeaveCriticalSection(&section.cs);
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_EQ(kThreads * kRounds, counter);
}

TEST(CriticalSection, IsNotReleasedByAnotherThread)
{
    Section section;
    EnterCriticalSection(&section.cs);
    const HANDLE self = section.cs.OwningThread;

    std::thread([&] { LeaveCriticalSection(&section.cs); }).join();
    EXPECT_EQ(self, section.cs.OwningThread);
    EXPECT_EQ(1, section.cs.RecursionCount);

    LeaveCriticalSection(&section.cs);
    EXPECT_EQ(nullptr, section.cs.OwningThread);
}

TEST(CriticalSection, CanBeDeletedByItsOwnerAndInitialisedAgain)
{
    CRITICAL_SECTION cs;
    InitializeCriticalSection(&cs);
    EnterCriticalSection(&cs);
    EnterCriticalSection(&cs);
    DeleteCriticalSection(&cs);

    InitializeCriticalSection(&cs);
    EnterCriticalSection(&cs);
    EXPECT_EQ(1, cs.RecursionCount);
    LeaveCriticalSection(&cs);
    DeleteCriticalSection(&cs);
}

// A null record and a deleted one are ignored; a deleted record keeps no pointer to its freed
// lock, so a late call cannot reach it.
TEST(CriticalSection, IgnoresANullOrDeletedRecord)
{
    InitializeCriticalSection(nullptr);
    EnterCriticalSection(nullptr);
    LeaveCriticalSection(nullptr);
    DeleteCriticalSection(nullptr);

    CRITICAL_SECTION cs;
    InitializeCriticalSection(&cs);
    EnterCriticalSection(&cs);
    DeleteCriticalSection(&cs);
    EXPECT_EQ(nullptr, cs.LockSemaphore);
    EnterCriticalSection(&cs);
    EXPECT_EQ(0, cs.RecursionCount);
    EXPECT_EQ(nullptr, cs.OwningThread);
    LeaveCriticalSection(&cs);
    DeleteCriticalSection(&cs);
}

TEST(GetCurrentThreadId, IsNonZeroAndDiffersBetweenThreads)
{
    const DWORD self = GetCurrentThreadId();
    DWORD other = 0;
    std::thread([&] { other = GetCurrentThreadId(); }).join();
    EXPECT_NE(0u, self);
    EXPECT_NE(0u, other);
    EXPECT_NE(self, other);
    EXPECT_EQ(self, GetCurrentThreadId());
}

}  // namespace
