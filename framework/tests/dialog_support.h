// What the framework's dialog and control tests share: an empty queue around each test and the
// harness's box answers and clicks.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "afxwin.h"
#include "box_answers.h"
#include "modal_watchdog.h"
#include "pump.h"
#include "vkshost.h"

namespace fwtest {

using vkstest::BoxAnswers;
using vkstest::drainQueue;
using vkstest::postClick;

// An empty queue around each test; a modal loop the test leaves running fails it in seconds.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override { drainQueue(); }
    void TearDown() override { drainQueue(); }

    vkstest::ModalWatchdog modalWatchdog;
};

inline std::string windowText(HWND hwnd)
{
    char text[256] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

}  // namespace fwtest
