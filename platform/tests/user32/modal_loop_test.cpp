// The modal loops of message boxes, dialog boxes and property sheets: a thread timer's procedure
// runs in them, and any other thread message is dropped, as Windows' modal loops do.
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "vkstest.h"
#include "window_fixtures.h"
#include "windows.h"
#include "commctrl.h"

namespace {

constexpr int kKeyboard = 110;    // sample_dialogs.rc
constexpr int kSmallPage = 300;  // property_pages.rc
constexpr UINT kInterval = 100;
constexpr int kTicksBeforeCancel = 3;

struct TimerRun {
    vkstest::ScopedTickCount *ticks = nullptr;
    DWORD now = 0;
    int calls = 0;
};

TimerRun &timerRun()
{
    static TimerRun run;
    return run;
}

// Each call moves the clock one period on, so the next tick is due; the last one cancels
// whatever modal window is active.
void CALLBACK tickingProc(HWND, UINT, UINT_PTR, DWORD)
{
    TimerRun &run = timerRun();
    if (++run.calls < kTicksBeforeCancel) {
        run.now += kInterval;
        run.ticks->set(run.now);
        return;
    }
    PostMessageA(GetActiveWindow(), WM_COMMAND, IDCANCEL, 0);
}

INT_PTR CALLBACK cancellingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)
        EndDialog(dialog, 42);
    return message == WM_INITDIALOG;
}

INT_PTR CALLBACK quietPageProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

INT_PTR runPropertySheet()
{
    PROPSHEETPAGEA page{};
    page.dwSize = sizeof page;
    page.pszTemplate = MAKEINTRESOURCEA(kSmallPage);
    page.pfnDlgProc = quietPageProc;
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE;
    header.pszCaption = "Ticking";
    header.nPages = 1;
    header.ppsp = &page;
    return PropertySheetA(&header);
}

class ModalLoops : public vkstest::WindowTest {};

TEST_F(ModalLoops, RunThreadTimerProceduresAndDropOtherThreadMessages)
{
    const struct {
        const char *name;
        std::function<INT_PTR()> run;
        INT_PTR cancelled;
    } rows[] = {
        {"message box", [] { return MessageBoxA(nullptr, "tick", "Ticking", MB_OKCANCEL); },
         IDCANCEL},
        {"dialog box",
         [] {
             return DialogBoxParamA(nullptr, MAKEINTRESOURCEA(kKeyboard), nullptr,
                                    cancellingDialogProc, 0);
         },
         42},
        {"property sheet", runPropertySheet, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        vkstest::ScopedTickCount ticks(50000);
        timerRun() = {&ticks, 50000, 0};
        const UINT_PTR timer = SetTimer(nullptr, 0, kInterval, tickingProc);
        ASSERT_NE(0u, timer);
        timerRun().now += kInterval;
        ticks.set(timerRun().now);
        ASSERT_TRUE(PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0));

        EXPECT_EQ(row.cancelled, row.run());
        EXPECT_EQ(kTicksBeforeCancel, timerRun().calls);
        MSG msg;
        EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_APP, WM_APP, PM_REMOVE))
            << "the thread message was dropped, not kept for the outer loop";
        KillTimer(nullptr, timer);
    }
}

}  // namespace
