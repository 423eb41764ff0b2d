// Threads that each run their own dialog, message boxes and timers while another thread posts
// to their dialogs: every posted message arrives once, in order, on the dialog's own thread,
// through the boxes' modal loops too. Run under ThreadSanitizer by the tsan preset.
#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>
#include <vector>

#include "windows.h"

namespace {

constexpr int kKeyboard = 110;  // a dialog with edit boxes and buttons
constexpr int kUiThreads = 2;
constexpr int kPosts = 400;
constexpr int kBoxesPerThread = 3;
constexpr UINT kNumbered = WM_APP;  // wParam: the poster's running number
constexpr UINT kFinish = WM_APP + 1;

// What one dialog's thread saw.
struct UiThreadLog {
    DWORD threadId = 0;
    std::vector<WPARAM> numbers;
    bool wrongThread = false;
    int timerTicks = 0;
    std::vector<int> boxAnswers;
    bool finished = false;
};

thread_local UiThreadLog *tlsLog = nullptr;
thread_local HWND tlsDialog = nullptr;

INT_PTR CALLBACK loggingDialogProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    UiThreadLog &log = *tlsLog;
    if (GetCurrentThreadId() != log.threadId)
        log.wrongThread = true;
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case kNumbered:
        log.numbers.push_back(wParam);
        return TRUE;
    case WM_TIMER:
        ++log.timerTicks;
        return TRUE;
    case kFinish:
        log.finished = true;
        return TRUE;
    default:
        return FALSE;
    }
}

// Ends the message box that is open on this thread, as a person pressing OK would.
void CALLBACK answerOpenBox(HWND, UINT, UINT_PTR, DWORD)
{
    if (HWND box = GetActiveWindow(); box && box != tlsDialog)
        PostMessageA(box, WM_COMMAND, IDOK, 0);
}

void runUiThread(UiThreadLog &log, std::promise<HWND> &dialogReady)
{
    tlsLog = &log;
    log.threadId = GetCurrentThreadId();
    HWND dialog =
        CreateDialogParamA(nullptr, MAKEINTRESOURCEA(kKeyboard), nullptr, loggingDialogProc, 0);
    tlsDialog = dialog;
    // The dialog's timer falls due before the first box is answered, so it ticks in a box's loop.
    SetTimer(dialog, 1, 1, nullptr);
    const UINT_PTR answerer = SetTimer(nullptr, 0, 5, answerOpenBox);
    dialogReady.set_value(dialog);
    for (int i = 0; i < kBoxesPerThread; ++i)
        log.boxAnswers.push_back(MessageBoxA(dialog, "Still there?", "Threaded", MB_OK));
    MSG msg{};
    while (!log.finished && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    KillTimer(nullptr, answerer);
    KillTimer(dialog, 1);
    DestroyWindow(dialog);
}

TEST(ThreadedUi, EachThreadGetsEveryPostedMessageInOrderThroughItsBoxesAndTimers)
{
    std::vector<UiThreadLog> logs(kUiThreads);
    std::vector<std::promise<HWND>> ready(kUiThreads);
    std::vector<std::thread> uiThreads;
    for (int t = 0; t < kUiThreads; ++t)
        uiThreads.emplace_back(runUiThread, std::ref(logs[t]), std::ref(ready[t]));
    std::vector<HWND> dialogs;
    for (std::promise<HWND> &promise : ready)
        dialogs.push_back(promise.get_future().get());

    std::thread poster([&dialogs] {
        for (WPARAM n = 0; n < kPosts; ++n)
            for (HWND dialog : dialogs)
                PostMessageA(dialog, kNumbered, n, 0);
        for (HWND dialog : dialogs)
            PostMessageA(dialog, kFinish, 0, 0);
    });
    poster.join();
    for (std::thread &thread : uiThreads)
        thread.join();

    std::vector<WPARAM> inOrder(kPosts);
    for (int n = 0; n < kPosts; ++n)
        inOrder[n] = static_cast<WPARAM>(n);
    for (int t = 0; t < kUiThreads; ++t) {
        SCOPED_TRACE(::testing::Message() << "UI thread " << t);
        ASSERT_NE(nullptr, dialogs[t]);
        EXPECT_FALSE(IsWindow(dialogs[t]));
        EXPECT_TRUE(logs[t].finished);
        EXPECT_FALSE(logs[t].wrongThread);
        EXPECT_EQ(inOrder, logs[t].numbers);
        EXPECT_EQ(std::vector<int>(kBoxesPerThread, IDOK), logs[t].boxAnswers);
        EXPECT_GT(logs[t].timerTicks, 0);
    }
}

}  // namespace
