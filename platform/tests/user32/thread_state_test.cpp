// A thread's window-manager state (its windows, focus, active window and capture) goes when the
// thread ends, however many threads come and go.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "user32/window_table.h"
#include "windows.h"

namespace {

constexpr int kKeyboard = 110;  // a dialog with edit boxes and buttons
constexpr int kRounds = 100;
constexpr int kThreadsPerRound = 64;

INT_PTR CALLBACK acceptingDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

// What one thread left behind when it ended without destroying its dialog.
struct EndedThread {
    DWORD id = 0;
    HWND dialog = nullptr;
    bool hadState = false;  // focus, active window and capture were all set
};

void runDialogThread(EndedThread &ended)
{
    ended.id = GetCurrentThreadId();
    ended.dialog =
        CreateDialogParamA(nullptr, MAKEINTRESOURCEA(kKeyboard), nullptr, acceptingDialogProc, 0);
    ShowWindow(ended.dialog, SW_SHOW);
    SetCapture(ended.dialog);
    ended.hadState = ended.dialog && GetActiveWindow() == ended.dialog &&
                     IsChild(ended.dialog, GetFocus()) && GetCapture() == ended.dialog;
}

bool tableKnowsThread(DWORD threadId)
{
    vks::detail::WindowLock guard;
    return vks::detail::windowTable().threadWindows(threadId) != nullptr;
}

TEST(ThreadState, EachEndedThreadTakesItsWindowsFocusAndActiveWindowWithIt)
{
    for (int round = 0; round < kRounds; ++round) {
        std::vector<EndedThread> ended(kThreadsPerRound);
        std::vector<std::thread> threads;
        for (EndedThread &thread : ended)
            threads.emplace_back(runDialogThread, std::ref(thread));
        for (std::thread &thread : threads)
            thread.join();
        for (const EndedThread &thread : ended) {
            SCOPED_TRACE(::testing::Message() << "round " << round << ", thread " << thread.id);
            ASSERT_TRUE(thread.hadState);
            EXPECT_FALSE(IsWindow(thread.dialog));
            EXPECT_FALSE(tableKnowsThread(thread.id));
        }
    }
}

TEST(ThreadState, AThreadKeepsItsStateWhileItRuns)
{
    EndedThread self;
    runDialogThread(self);
    ASSERT_TRUE(self.hadState);
    EXPECT_TRUE(tableKnowsThread(self.id));
    ReleaseCapture();
    DestroyWindow(self.dialog);
    EXPECT_EQ(nullptr, GetFocus());
    EXPECT_EQ(nullptr, GetActiveWindow());
    EXPECT_EQ(nullptr, GetCapture());
}

}  // namespace
