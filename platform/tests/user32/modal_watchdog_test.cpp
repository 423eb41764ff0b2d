// The test support's modal watchdog against each kind of modal loop the platform runs: a modal
// that nothing ends fails the test by its window's name and lets the test run on.
#include <functional>

#include <gmock/gmock.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "commctrl.h"
#include "commdlg.h"
#include "modal_watchdog.h"
#include "vkstest.h"
#include "window_fixtures.h"
#include "windows.h"

namespace {

using namespace std::chrono_literals;
using ::testing::HasSubstr;

constexpr int kNumbered = 100;   // a dialog captioned "Numbered"
constexpr int kSmallPage = 300;  // a property page

INT_PTR CALLBACK ignoringDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

using ModalWatchdogTest = vkstest::WindowTest;

TEST_F(ModalWatchdogTest, EndsEachKindOfModalLeftOpenAndNamesItsWindow)
{
    vkstest::ScopedDriveC drive;
    const struct {
        const char *name;
        std::function<void()> openAndLeave;
        const char *named;
    } rows[] = {
        {"dialog",
         [] {
             DialogBoxParamA(nullptr, MAKEINTRESOURCEA(kNumbered), nullptr, ignoringDialogProc,
                             0);
         },
         "class \"#32770\", title \"Numbered\""},
        {"message box", [] { MessageBoxA(nullptr, "Nobody answers", "Left open", MB_OK); },
         "class \"#32770\", title \"Left open\""},
        {"property sheet",
         [] {
             PROPSHEETPAGEA page{};
             page.dwSize = sizeof page;
             page.pszTemplate = MAKEINTRESOURCEA(kSmallPage);
             page.pfnDlgProc = ignoringDialogProc;
             PROPSHEETHEADERA header{};
             header.dwSize = sizeof header;
             header.dwFlags = PSH_PROPSHEETPAGE;
             header.pszCaption = "Left open";
             header.nPages = 1;
             header.ppsp = &page;
             PropertySheetA(&header);
         },
         "class \"#32770\", title \"Left open\""},
        {"file dialog",
         [] {
             char file[MAX_PATH] = {};
             OPENFILENAMEA ofn{};
             ofn.lStructSize = sizeof ofn;
             ofn.lpstrFile = file;
             ofn.nMaxFile = sizeof file;
             ofn.lpstrInitialDir = "C:\\";
             ofn.lpstrTitle = "Left open";
             GetOpenFileNameA(&ofn);
         },
         "class \"#32770\", title \"Left open\""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_NONFATAL_FAILURE_ON_ALL_THREADS(
            {
                vkstest::ModalWatchdog watchdog(200ms);
                row.openAndLeave();
            },
            row.named);
        MSG msg;
        EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE))
            << "the watchdog takes its quit request back";
    }
}

TEST_F(ModalWatchdogTest, KeepsWatchingAfterATestTakesTheQuitRequestAway)
{
    ::testing::TestPartResultArray failures;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ALL_THREADS, &failures);
        vkstest::ModalWatchdog watchdog(200ms);
        for (const char *caption : {"First", "Second"}) {
            MessageBoxA(nullptr, "Nobody answers", caption, MB_OK);
            MSG msg;
            PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        }
    }
    ASSERT_EQ(2, failures.size());
    EXPECT_THAT(failures.GetTestPartResult(0).message(), HasSubstr("title \"First\""));
    EXPECT_THAT(failures.GetTestPartResult(1).message(), HasSubstr("title \"Second\""));
}

}  // namespace
