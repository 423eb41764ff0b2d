#include <thread>

#include <gtest/gtest.h>

#include "windows.h"

TEST(LastError, IsKeptPerThread)
{
    SetLastError(ERROR_FILE_NOT_FOUND);
    DWORD seenByOtherThread = 0xdeadbeef;
    std::thread([&] {
        seenByOtherThread = GetLastError();
        SetLastError(ERROR_ACCESS_DENIED);
    }).join();
    EXPECT_EQ(0u, seenByOtherThread);
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
}
