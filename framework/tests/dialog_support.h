// What the framework's dialog and control tests share: an empty queue around each test and the
// message boxes answered as a user would.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "afxwin.h"
#include "modal_watchdog.h"
#include "vkshost.h"

namespace fwtest {

inline void drainQueue()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
    }
}

// Answers every message box with OK, recording its text, and runs an action while the box is up
// (where the user would look at the dialog behind it). Restores the host's answerer on exit.
class MessageBoxAnswers {
public:
    MessageBoxAnswers() { VksHostSetMessageBoxAnswerer(&MessageBoxAnswers::answer, this); }
    ~MessageBoxAnswers() { VksHostSetMessageBoxAnswerer(NULL, NULL); }
    MessageBoxAnswers(const MessageBoxAnswers &) = delete;
    MessageBoxAnswers &operator=(const MessageBoxAnswers &) = delete;

    std::vector<std::string> texts;
    std::function<void()> whileShown;

private:
    static int answer(HWND, const char *text, const char *, UINT, void *context)
    {
        auto *self = static_cast<MessageBoxAnswers *>(context);
        self->texts.emplace_back(text);
        if (self->whileShown)
            self->whileShown();
        return IDOK;
    }
};

// An empty queue around each test; a modal loop the test leaves running fails it in seconds.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override { drainQueue(); }
    void TearDown() override { drainQueue(); }

    vkstest::ModalWatchdog modalWatchdog;
};

// Clicks a dialog's button once the dialog's loop gets to it, as a user would.
inline void postClick(HWND dialog, int id)
{
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

inline std::string windowText(HWND hwnd)
{
    char text[256] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

}  // namespace fwtest
