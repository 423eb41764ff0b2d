// TutMessage: the owner a box gets, its caption, text and style, exception texts, boxes shown
// later from the message loop, closing a question box, and the mutex of an open box.
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "box_answers.h"
#include "library_env.h"
#include "log/user_message.h"
#include "locking_process.h"
#include "modal_watchdog.h"
#include "pump.h"
#include "scoped_object_folder.h"
#include "util/exceptions.h"
#include "util/startup.h"
#include "vkshost.h"
#include "windows.h"

namespace {

constexpr char kBoxMutex[] = "TessvaneVelmora2002TrayExitMenuMutex";
constexpr char kProduct[] = "VELMORA";

// One box as the host answerer saw it.
struct Shown {
    HWND owner;
    std::string text;
    std::string caption;
    UINT style;
    HWND box;
    bool mutexExisted;
};

bool mutexExistsNow()
{
    HANDLE handle = CreateMutexA(nullptr, FALSE, kBoxMutex);
    const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    CloseHandle(handle);
    return existed;
}

// Exit status of a forked process that asks whether the box's mutex exists: 10 yes, 11 no.
int mutexSeenByAnotherProcess()
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(mutexExistsNow() ? 10 : 11);
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// The library's own string, with the product's name put in for its placeholder.
std::string libraryString(UINT id)
{
    char text[256] = "";
    LoadStringA(utLibraryInstance(), id, text, sizeof text);
    std::string expanded = text;
    const std::string token = "$ProductName$";
    if (const auto at = expanded.find(token); at != std::string::npos)
        expanded.replace(at, token.size(), kProduct);
    return expanded;
}

LRESULT CALLBACK plainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Answers every box with `answer` (the box's view in hand) and records what it saw; restores
// the parent window, the answerer and the windows it made. A box left open fails the test in
// seconds.
class UserMessages : public ::testing::Test {
protected:
    using Answer = std::function<int(const Shown &)>;

    UserMessages()
    {
        vkstest::LibraryEnvironment::driveC();
        for (const char *name : {"VksMessageTestWindow", "#32768"}) {
            WNDCLASSA wc{};
            if (GetClassInfoA(nullptr, name, &wc))
                continue;
            wc.lpfnWndProc = plainProc;
            wc.lpszClassName = name;
            RegisterClassA(&wc);
        }
    }
    ~UserMessages() override
    {
        TutMessage::Parent(nullptr);
        for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
            if (IsWindow(*it))
                DestroyWindow(*it);
        vkstest::drainQueue();
    }

public:
    // A window the fixture destroys at the end.
    HWND window(DWORD style, HWND owner = nullptr, const char *className = "VksMessageTestWindow")
    {
        const HWND hwnd = CreateWindowExA(0, className, "w", style, 10, 10, 200, 100, owner,
                                          nullptr, nullptr, nullptr);
        windows_.push_back(hwnd);
        return hwnd;
    }

protected:
    Answer answer = [](const Shown &) { return IDOK; };
    std::vector<Shown> shown;
    // Sees each box from inside: its window and whether the product's mutex exists meanwhile.
    vkstest::BoxAnswers boxAnswers{[this](const vkstest::ShownBox &box) {
        shown.push_back({box.owner, box.text, box.caption, box.style,
                         FindWindowA("#32770", box.caption.c_str()), mutexExistsNow()});
        return answer(shown.back());
    }};
    vkstest::ScopedObjectFolder objects_;

private:
    vkstest::ModalWatchdog modalWatchdog_;
    std::vector<HWND> windows_;
};

TEST_F(UserMessages, OwnerIsTheParentsOpenDialogOrItsFirstUsableAncestor)
{
    struct Case {
        const char *name;
        // Builds the windows over the main window; returns the owner expected.
        std::function<HWND(UserMessages &, HWND main)> build;
    };
    const Case kCases[] = {
        {"a visible dialog of the parent is chosen",
         [](UserMessages &t, HWND main) { return t.window(WS_POPUP | WS_VISIBLE, main); }},
        {"an open pop-up menu is not",
         [](UserMessages &t, HWND main) {
             t.window(WS_POPUP | WS_VISIBLE, main, "#32768");
             return main;
         }},
        {"a disabled pop-up hands over to its first enabled, visible ancestor",
         [](UserMessages &t, HWND main) {
             const HWND dialog = t.window(WS_POPUP | WS_VISIBLE, main);
             t.window(WS_POPUP | WS_VISIBLE | WS_DISABLED, dialog);
             return dialog;
         }},
        {"a pop-up of another window is not",
         [](UserMessages &t, HWND main) {
             const HWND other = t.window(WS_VISIBLE);
             t.window(WS_POPUP | WS_VISIBLE, other);
             return main;
         }},
        {"a pop-up without area is not",
         [](UserMessages &t, HWND main) {
             const HWND flat = t.window(WS_POPUP | WS_VISIBLE, main);
             WINDOWPLACEMENT none{sizeof none, 0, SW_SHOWNORMAL, {}, {}, {5, 5, 5, 5}};
             SetWindowPlacement(flat, &none);
             return main;
         }},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.name);
        const HWND main = window(WS_VISIBLE);
        TutMessage::Parent(main);
        const HWND expected = c.build(*this, main);
        shown.clear();
        TutMessage::Box("Text");
        ASSERT_EQ(1u, shown.size());
        EXPECT_EQ(expected, shown[0].owner);
        DestroyWindow(main);
    }
}

TEST_F(UserMessages, WithoutAParentWindowTheBoxHasNoOwner)
{
    const HWND main = window(WS_VISIBLE);
    window(WS_POPUP | WS_VISIBLE, main);
    TutMessage::Box("Text");
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(nullptr, shown[0].owner);
}

TEST_F(UserMessages, BoxesAreCaptionedWithTheProductAndTaskModal)
{
    struct Case {
        const char *name;
        std::function<int()> show;
        UINT style;
        int result;
    };
    const Case kCases[] = {
        {"Box", [] { TutMessage::Box("n=%d", 5); return 0; }, MB_OK, 0},
        {"ExBox", [] { TutMessage::ExBox("n=%d", 5); return 0; }, MB_ICONEXCLAMATION, 0},
        {"OkCancel", [] { return TutMessage::OkCancel("n=%d", 5); }, MB_OKCANCEL, IDCANCEL},
        {"YesNo", [] { return TutMessage::YesNo("n=%d", 5); }, MB_YESNO | MB_ICONQUESTION, IDNO},
        {"YesNoCancel", [] { return TutMessage::YesNoCancel("n=%d", 5); },
         MB_YESNOCANCEL | MB_ICONQUESTION, IDCANCEL},
        {"RetryCancel", [] { return TutMessage::RetryCancel("n=%d", 5); }, MB_RETRYCANCEL,
         IDRETRY},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.name);
        shown.clear();
        answer = [&c](const Shown &) { return c.result ? c.result : IDOK; };
        EXPECT_EQ(c.result, c.show());
        ASSERT_EQ(1u, shown.size());
        EXPECT_EQ("n=5", shown[0].text);
        EXPECT_EQ(kProduct, shown[0].caption);
        EXPECT_EQ(c.style | MB_TASKMODAL, shown[0].style);
    }
}

TEST_F(UserMessages, TextHasItsPlaceholdersExpanded)
{
    TutMessage::Box("%s of $ProductName$", "Part");
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ("Part of VELMORA", shown[0].text);
}

TEST_F(UserMessages, ExceptionTextsComeFromTheLibrarysTable)
{
    CTaskException inUse(FALSE, CTaskException::alreadyInUse);
    CTaskException otherTask(FALSE, static_cast<CTaskException::TYPE>(7));
    CCMException windowsOpen(FALSE, CCMException::windowsOpen);
    CCMException fatal(FALSE, CCMException::fatalError);
    CMemoryException memory(FALSE);
    CFileException file;
    CUserException user(FALSE);
    CGeneralException general(FALSE);
    struct Case {
        const char *name;
        CException *e;
        UINT id;
    };
    const Case kCases[] = {
        {"task exception, already in use", &inUse, 8275},
        {"task exception of an unknown kind", &otherTask, 8273},
        {"connection exception, windows open", &windowsOpen, 8286},
        {"connection exception, fatal", &fatal, 8287},
        {"memory", &memory, 8245},
        {"file", &file, 8253},
        {"a framework class outside the table", &user, 8259},
        {"the library's general exception", &general, 8243},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.name);
        shown.clear();
        TutMessage::Box(c.e);
        ASSERT_EQ(1u, shown.size());
        EXPECT_EQ(libraryString(c.id), shown[0].text);
        EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION | MB_TASKMODAL), shown[0].style);
    }
}

TEST_F(UserMessages, ExceptionBoxWithALineShowsTheLineAnEmptyLineAndTheText)
{
    CTaskException inUse(FALSE, CTaskException::alreadyInUse);
    TutMessage::Box(&inUse, "Cannot open %s.", "a.txt");
    TutMessage::Box(&inUse, utLibraryInstance(), 8273);
    ASSERT_EQ(2u, shown.size());
    EXPECT_EQ("Cannot open a.txt.\n\n" + libraryString(8275), shown[0].text);
    EXPECT_EQ(libraryString(8273) + "\n\n" + libraryString(8275), shown[1].text);
}

TEST_F(UserMessages, ALongLineBeforeAnExceptionTextIsCutAt511Characters)
{
    CTaskException inUse(FALSE, CTaskException::alreadyInUse);
    const std::string line(700, 'x');
    TutMessage::Box(&inUse, "%s", line.c_str());
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(std::string(511, 'x') + "\n\n" + libraryString(8275), shown[0].text);
}

TEST_F(UserMessages, AMissingStringThrowsFromBoxAndShowsNothingFromPost)
{
    EXPECT_THROW(
        {
            try {
                TutMessage::Box(64999u);
            } catch (CResourceException *e) {
                e->Delete();
                throw;
            }
        },
        CResourceException *);
    TutMessage::Post(64999u);
    vkstest::pumpUntilIdle();
    EXPECT_TRUE(shown.empty());
}

TEST_F(UserMessages, PostShowsTheBoxFromTheMessageLoopLater)
{
    const HWND main = window(WS_VISIBLE);
    TutMessage::Parent(main);
    TutMessage::Post("Later %d", 1);
    EXPECT_TRUE(shown.empty());
    vkstest::pumpUntilIdle({.until = [&] { return !shown.empty(); }});
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ("Later 1", shown[0].text);
    EXPECT_EQ(main, shown[0].owner);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_TASKMODAL), shown[0].style);
    // The posting object is gone with its queue, and the queue's manager with it.
    EXPECT_EQ(nullptr, FindWindowA(nullptr, "TmqManager"));
}

TEST_F(UserMessages, KillYesNoClosesOnlyTheBoxWithExactlyItsText)
{
    struct Case {
        const char *name;
        const char *killText;
        int result;
    };
    const Case kCases[] = {
        {"the same text answers No", "Stop the transfer?", IDNO},
        {"one character different leaves the box open", "Stop the transfer!", IDYES},
        {"a prefix leaves the box open", "Stop the", IDYES},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.name);
        answer = [&c](const Shown &box) {
            TutMessage::KillYesNo(c.killText);
            // Whatever KillYesNo left undone, a Yes then ends the box.
            PostMessageA(box.box, WM_COMMAND, IDYES, 0);
            return 0;
        };
        EXPECT_EQ(c.result, TutMessage::YesNo("Stop the transfer?"));
    }
}

TEST_F(UserMessages, TheMutexExistsWhileABoxIsOpenAndNotAfter)
{
    int seenByAnother = 0;
    answer = [&seenByAnother](const Shown &) {
        seenByAnother = mutexSeenByAnotherProcess();
        return IDOK;
    };
    TutMessage::Box("Text");
    ASSERT_EQ(1u, shown.size());
    EXPECT_TRUE(shown[0].mutexExisted);
    EXPECT_EQ(10, seenByAnother);
    EXPECT_FALSE(mutexExistsNow());
    EXPECT_EQ(11, mutexSeenByAnotherProcess());
}

// A neighbour of the same user that keeps the box's name locked holds a box up a moment at most.
TEST_F(UserMessages, ANeighbourHoldingTheNameStopsNoBox)
{
    const struct {
        const char *name;
        std::string lockedFile;
    } rows[] = {
        {"the folder's lock file", ".lock"},
        {"the name's own file", std::string("n-") + kBoxMutex},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        shown.clear();
        vkstest::LockingProcess neighbour((objects_.folder() / row.lockedFile).string(),
                                          vkstest::LockingProcess::Lock::write);
        ASSERT_TRUE(neighbour.held());
        TutMessage::Box("Text");
        EXPECT_EQ(1u, shown.size());
    }
}

}  // namespace
