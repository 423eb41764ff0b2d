// Fixtures of the TutDialog suites: the sample dialog of tut_dialogs.rc, a pinned tick count,
// the help viewer, the beep and the message box answered, and a pump for the thread's queue.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "box_answers.h"
#include "library_env.h"
#include "modal_watchdog.h"
#include "product_host.h"
#include "pump.h"
#include "settings/profile.h"
#include "ui/cut_help.h"
#include "ui/tut_dialog.h"
#include "vkshost.h"
#include "vkstest.h"
#include "windows.h"

namespace uitest {

// The sample template's numbers (tests/ui/tut_dialogs.rc).
constexpr UINT kSampleDialog = 400;
constexpr int kNameField = 1000;
constexpr int kHelpButton = 57670;

// A TutDialog of the sample template whose help maps a test chooses; it records the controls
// it was asked a map for.
class SampleDialog : public TutDialog {
public:
    explicit SampleDialog(CWnd *parent = nullptr) : TutDialog(kSampleDialog, parent) {}

    ULONG *GetHelpMap() override { return wholeMap; }
    ULONG *GetHelpMapWithID(ULONG id) override
    {
        askedIds.push_back(id);
        return controlMap;
    }

    ULONG *wholeMap = nullptr;
    ULONG *controlMap = nullptr;
    std::vector<ULONG> askedIds;
};

// One request as the help viewer saw it.
struct HelpRequest {
    HWND owner;
    std::string file;
    UINT command;
    ULONG_PTR data;
};

// Retrieves and dispatches what the calling thread's queue holds (posted messages, paints,
// timers due), until it is empty; returns how many messages it dispatched.
inline int pumpAll()
{
    return vkstest::pumpUntilIdle();
}

// The tick count starts at kStart; the help viewer, the beeps and the message boxes are
// recorded; cue cards are on (no product feature turns them off, no stored preference); the
// thread's queue starts and ends empty; a modal loop the test leaves running fails it in seconds.
class DialogTest : public ::testing::Test {
protected:
    static constexpr DWORD kStart = 50000;

    DialogTest()
    {
        vkstest::LibraryEnvironment::driveC();
        ProductSetFeatures(nullptr, 0);
        WritePrivateProfileStringA("Preferences", "Show Quick Steps", nullptr,
                                   TutProfile::application().name());
        CutHelp::MainHelpFile("c:\\vks\\main.hlp");
        CutHelp::ContextHelpFile("c:\\vks\\ctx.hlp");
        VksHostSetHelpViewer(&DialogTest::view, this);
        VksHostSetBeepListener(&DialogTest::beep, this);
        vkstest::drainQueue();
    }
    ~DialogTest() override
    {
        vkstest::drainQueue();
        VksHostSetBeepListener(nullptr, nullptr);
        VksHostSetHelpViewer(nullptr, nullptr);
    }

    // The requests with this viewer command.
    std::vector<HelpRequest> requestsOf(UINT command) const
    {
        std::vector<HelpRequest> found;
        for (const auto &request : requests)
            if (request.command == command)
                found.push_back(request);
        return found;
    }

    vkstest::ModalWatchdog modalWatchdog;
    vkstest::ScopedTickCount ticks{kStart};
    std::vector<HelpRequest> requests;
    std::vector<UINT> beeps;
    vkstest::BoxAnswers boxAnswers;  // each box answered with OK
    std::vector<vkstest::ShownBox> &boxes = boxAnswers.boxes;

private:
    static BOOL view(HWND owner, const char *file, UINT command, ULONG_PTR data, void *context)
    {
        static_cast<DialogTest *>(context)->requests.push_back({owner, file, command, data});
        return TRUE;
    }
    static void beep(UINT type, void *context)
    {
        static_cast<DialogTest *>(context)->beeps.push_back(type);
    }
};

}  // namespace uitest
